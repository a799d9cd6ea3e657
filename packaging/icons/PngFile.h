#pragma once

#include <string>

#include "art/Images.h"

namespace ttt {

// Writes the picture as an 8-bit RGBA PNG file. Returns an empty string on success, else why
// the file could not be written.
std::string writePng(const PixelImage& picture, const std::string& path);

}  // namespace ttt
