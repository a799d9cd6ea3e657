#include "fltk/Drawings.h"

#include <functional>
#include <map>
#include <memory>
#include <utility>

#include "art/Images.h"
#include "fltk/ToolkitImage.h"

namespace ttt {

namespace {

enum class Drawing { SmilingFace, LightBulb, HandCursor };

const Fl_RGB_Image& cached(Drawing drawing, int size, const std::function<PixelImage()>& draw) {
  static std::map<std::pair<Drawing, int>, std::unique_ptr<Fl_RGB_Image>> images;
  auto& image = images[{drawing, size}];
  if (!image) image = toolkitImage(draw());
  return *image;
}

}  // namespace

const Fl_RGB_Image& smilingFaceImage(int size) {
  return cached(Drawing::SmilingFace, size, [size] { return smilingFaceIcon(size); });
}

const Fl_RGB_Image& lightBulbImage(int size) {
  return cached(Drawing::LightBulb, size, [size] { return lightBulbIcon(size); });
}

const Fl_RGB_Image& handCursorImage(int size) {
  return cached(Drawing::HandCursor, size, [size] { return handCursor(size); });
}

}  // namespace ttt
