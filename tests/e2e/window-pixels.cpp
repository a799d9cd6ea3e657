// Reads pixels of a window on the X display, so that the end-to-end scripts can check what
// a person would see without any hook in the program.
//
//   window-pixels mask  WINDOW X Y W H [RRGGBB]  one text row per pixel row: '#' where the
//                                                pixel has the colour RRGGBB or, without
//                                                one, where it differs from the area's
//                                                commonest colour (its background)
//   window-pixels count WINDOW X Y W H RRGGBB    how many pixels have exactly that colour
//
// WINDOW is an X window id as xdotool prints it; X, Y are relative to the window.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

// An area outside the window is a request error; report it as unreadable pixels instead of
// letting Xlib end the program.
int ignoreError(Display*, XErrorEvent*) { return 0; }

struct Area {
  Window window;
  int x, y;
  unsigned width, height;
};

// The pixels of the area as 0xRRGGBB values, row by row; empty when they cannot be read.
std::vector<unsigned long> readPixels(Display* display, const Area& area) {
  XImage* image = XGetImage(display, area.window, area.x, area.y, area.width, area.height,
                            AllPlanes, ZPixmap);
  std::vector<unsigned long> pixels;
  if (image == nullptr) {
    return pixels;
  }
  for (unsigned row = 0; row < area.height; ++row) {
    for (unsigned column = 0; column < area.width; ++column) {
      const unsigned long value = XGetPixel(image, static_cast<int>(column), static_cast<int>(row));
      pixels.push_back(value & 0xFFFFFFUL);
    }
  }
  XDestroyImage(image);
  return pixels;
}

unsigned long commonest(const std::vector<unsigned long>& pixels) {
  std::map<unsigned long, unsigned> counts;
  unsigned long best = 0;
  for (const unsigned long pixel : pixels) {
    if (++counts[pixel] > counts[best]) {
      best = pixel;
    }
  }
  return best;
}

void printMask(const std::vector<unsigned long>& pixels, unsigned width, const char* ink) {
  const bool inkGiven = ink != nullptr;
  const unsigned long colour = inkGiven ? std::strtoul(ink, nullptr, 16) : commonest(pixels);
  std::string row;
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    row += (pixels[i] == colour) == inkGiven ? '#' : '.';
    if ((i + 1) % width == 0) {
      std::puts(row.c_str());
      row.clear();
    }
  }
}

int usage() {
  std::fputs("usage: window-pixels mask WINDOW X Y W H [RRGGBB]\n"
             "       window-pixels count WINDOW X Y W H RRGGBB\n", stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (!((mode == "mask" && (argc == 7 || argc == 8)) || (mode == "count" && argc == 8))) {
    return usage();
  }
  const Area area{static_cast<Window>(std::strtoul(argv[2], nullptr, 0)), std::atoi(argv[3]),
                  std::atoi(argv[4]), static_cast<unsigned>(std::atoi(argv[5])),
                  static_cast<unsigned>(std::atoi(argv[6]))};
  if (area.width == 0 || area.height == 0) {
    return usage();
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fputs("window-pixels: cannot open the X display\n", stderr);
    return 1;
  }
  XSetErrorHandler(ignoreError);
  const std::vector<unsigned long> pixels = readPixels(display, area);
  XCloseDisplay(display);
  if (pixels.empty()) {
    std::fputs("window-pixels: cannot read the window's pixels\n", stderr);
    return 1;
  }
  if (mode == "mask") {
    printMask(pixels, area.width, argc == 8 ? argv[7] : nullptr);
    return 0;
  }
  const unsigned long wanted = std::strtoul(argv[7], nullptr, 16);
  unsigned matches = 0;
  for (const unsigned long pixel : pixels) {
    matches += pixel == wanted ? 1U : 0U;
  }
  std::printf("%u\n", matches);
  return 0;
}
