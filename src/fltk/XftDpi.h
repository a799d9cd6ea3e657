#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "fltk/Scale.h"

// Xlib's connection, declared as Xlib does, so that its macros stay out of this header.
typedef struct _XDisplay Display;

namespace ttt {

// The settings taken as a scale: from half to ten times the default.
inline constexpr int kSmallestDpi = 48;
inline constexpr int kLargestDpi = 960;

// The dots per inch the desktop asks programs to draw at, from "Xft.dpi" in the display's
// resource database, where GNOME, KDE and Xfce put the user's choice of scale and where Xft
// and GTK read it. `problem` says why a value that is set was not used.
struct XftDpi {
  int dpi = kDefaultDpi;
  std::string problem;
};

XftDpi readXftDpi(Display* display);

// A resource value as dots per inch: a number, whole or not, within the range above.
std::optional<int> parseDpi(std::string_view text);

}  // namespace ttt
