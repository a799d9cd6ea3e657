#include "WindowProbe.h"

#include <FL/Fl.H>
#include <FL/Fl_Device.H>
#include <FL/Fl_Image_Surface.H>

#include <algorithm>
#include <cstddef>
#include <memory>

namespace ttt::test {

Snapshot::Snapshot(Fl_Window& window) : width_(window.w()), height_(window.h()) {
  Fl_Image_Surface surface(width_, height_);
  surface.set_current();
  surface.draw(&window);
  const std::unique_ptr<Fl_RGB_Image> image(surface.image());
  Fl_Display_Device::display_device()->set_current();
  const auto* data = reinterpret_cast<const unsigned char*>(image->data()[0]);
  const int depth = image->d();
  const int rowBytes = image->ld() != 0 ? image->ld() : image->w() * depth;
  pixels_.reserve(static_cast<std::size_t>(width_ * height_ * 3));
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const unsigned char* pixel = data + y * rowBytes + x * depth;
      pixels_.insert(pixels_.end(), pixel, pixel + 3);
    }
  }
}

Rgb Snapshot::at(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return {-1, -1, -1};
  const auto offset = static_cast<std::size_t>((y * width_ + x) * 3);
  return {pixels_[offset], pixels_[offset + 1], pixels_[offset + 2]};
}

int Snapshot::count(int x, int y, int width, int height, const Rgb& colour) const {
  int found = 0;
  for (int row = y; row < y + height; ++row) {
    for (int column = x; column < x + width; ++column) {
      if (at(column, row) == colour) ++found;
    }
  }
  return found;
}

int Snapshot::rightmostInk(int x, int y, int width, int height, const Rgb& background) const {
  for (int column = x + width - 1; column >= x; --column) {
    for (int row = y; row < y + height; ++row) {
      if (!(at(column, row) == background)) return column;
    }
  }
  return -1;
}

bool waitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    Fl::wait(0.01);
  }
  return true;
}

void clickAt(Fl_Window& window, int x, int y) {
  Fl::e_x = x;
  Fl::e_y = y;
  Fl::e_x_root = window.x() + x;
  Fl::e_y_root = window.y() + y;
  Fl::e_keysym = FL_Button + FL_LEFT_MOUSE;
  Fl::e_is_click = 1;
  Fl::e_state = FL_BUTTON1;
  Fl::handle(FL_MOVE, &window);
  Fl::handle(FL_PUSH, &window);
  Fl::e_state = 0;
  Fl::handle(FL_RELEASE, &window);
}

void pressKey(Fl_Window& window, int key, const std::string& text, int state) {
  static std::string typed;
  typed = text;
  Fl::e_keysym = key;
  Fl::e_text = typed.data();
  Fl::e_length = static_cast<int>(typed.size());
  Fl::e_state = state;
  Fl::e_is_click = 0;
  Fl::handle(FL_KEYBOARD, &window);
  Fl::e_state = 0;
}

}  // namespace ttt::test
