#pragma once

#include <FL/Fl_RGB_Image.H>

#include <memory>

#include "art/Images.h"

namespace ttt {

// A toolkit image with its own copy of the pixels, for window icons and cursors.
std::unique_ptr<Fl_RGB_Image> toolkitImage(const PixelImage& picture);

}  // namespace ttt
