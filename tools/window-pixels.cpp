// window-pixels WINDOW X Y W H [RRGGBB] prints an area of a window as rows of '#' and '.', so that
// the end-to-end scripts see the screen as a person would: '#' marks the pixels of colour RRGGBB
// or, without one, those that differ from the area's top left pixel (its background).
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  Display* display = XOpenDisplay(nullptr);
  XImage* image = nullptr;
  if (display != nullptr && (argc == 6 || argc == 7)) {  // Xlib reports an area off the window
    image = XGetImage(display, std::strtoul(argv[1], nullptr, 0), std::atoi(argv[2]),
                      std::atoi(argv[3]), static_cast<unsigned>(std::atoi(argv[4])),
                      static_cast<unsigned>(std::atoi(argv[5])), AllPlanes, ZPixmap);
  }
  if (image == nullptr) {
    std::fputs("usage: window-pixels WINDOW X Y W H [RRGGBB], with WINDOW on the display\n",
               stderr);
    return 1;
  }
  const auto pixel = [image](int column, int row) {
    return XGetPixel(image, column, row) & 0xFFFFFFUL;
  };
  const bool inkGiven = argc == 7;
  const unsigned long ink = inkGiven ? std::strtoul(argv[6], nullptr, 16) : pixel(0, 0);
  for (int row = 0; row < image->height; ++row) {
    for (int column = 0; column < image->width; ++column) {
      std::putchar((pixel(column, row) == ink) == inkGiven ? '#' : '.');
    }
    std::putchar('\n');
  }
  XDestroyImage(image);
  XCloseDisplay(display);
  return 0;
}
