// window-png WINDOW FILE saves what a window shows as a PNG file: the README's pictures of
// the game are taken with it from the real program.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "icons/PngFile.h"

namespace {

ttt::PixelImage pictureOf(XImage& image) {
  ttt::PixelImage picture{image.width, image.height, {}};
  picture.rgba.reserve(static_cast<std::size_t>(image.width * image.height) * 4);
  for (int row = 0; row < image.height; ++row) {
    for (int column = 0; column < image.width; ++column) {
      const unsigned long pixel = XGetPixel(&image, column, row);
      for (const int shift : {16, 8, 0}) picture.rgba.push_back((pixel >> shift) & 0xFF);
      picture.rgba.push_back(0xFF);
    }
  }
  return picture;
}

}  // namespace

int main(int argc, char** argv) {
  Display* display = argc == 3 ? XOpenDisplay(nullptr) : nullptr;
  XWindowAttributes attributes{};
  const Window window = argc == 3 ? std::strtoul(argv[1], nullptr, 0) : 0;
  if (display == nullptr || XGetWindowAttributes(display, window, &attributes) == 0) {
    std::fputs("usage: window-png WINDOW FILE, with WINDOW on the display\n", stderr);
    return 1;
  }
  XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                            static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
  if (image == nullptr) {
    std::fprintf(stderr, "window-png: cannot read window %s\n", argv[1]);
    return 1;
  }
  const std::string problem = ttt::writePng(pictureOf(*image), argv[2]);
  XDestroyImage(image);
  XCloseDisplay(display);
  if (problem.empty()) return 0;
  std::fprintf(stderr, "window-png: %s\n", problem.c_str());
  return 1;
}
