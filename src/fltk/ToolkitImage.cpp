#include "fltk/ToolkitImage.h"

#include <algorithm>
#include <cstddef>

namespace ttt {

std::unique_ptr<Fl_RGB_Image> toolkitImage(const PixelImage& picture) {
  constexpr int kBytesPerPixel = 4;
  const auto size = static_cast<std::size_t>(std::max(0, picture.width)) *
                    static_cast<std::size_t>(std::max(0, picture.height)) * kBytesPerPixel;
  // Short pixel data would be read past its end: the missing pixels stay transparent.
  auto* pixels = new uchar[size]();
  std::copy_n(picture.rgba.begin(), std::min(size, picture.rgba.size()), pixels);
  auto image =
      std::make_unique<Fl_RGB_Image>(pixels, picture.width, picture.height, kBytesPerPixel);
  // The image frees the copy when it goes.
  image->alloc_array = 1;
  return image;
}

}  // namespace ttt
