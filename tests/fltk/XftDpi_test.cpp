// The scale read from the display: Xft.dpi as the desktop sets it with xrdb.
#include "fltk/XftDpi.h"

#include <gtest/gtest.h>  // before the X headers, whose macros clash with its names

#include <X11/Xlib.h>

#include <cstdio>
#include <string>
#include <utility>

namespace ttt::test {
namespace {

// Replaces the server's resource database with the given lines, as a desktop does at login.
void setResources(const std::string& lines) {
  FILE* xrdb = popen("xrdb -load -nocpp", "w");
  ASSERT_NE(xrdb, nullptr);
  std::fputs(lines.c_str(), xrdb);
  ASSERT_EQ(pclose(xrdb), 0) << lines;
}

// What a program connecting now reads.
XftDpi readOnNewConnection() {
  Display* display = XOpenDisplay(nullptr);
  EXPECT_NE(display, nullptr);
  XftDpi read = readXftDpi(display);
  if (display != nullptr) XCloseDisplay(display);
  return read;
}

TEST(XftDpi, ReadsTheScaleTheDesktopSet) {
  for (const auto& [lines, dpi] : {std::pair{"Xft.dpi: 192\n", 192},
                                   {"Xft.antialias: 1\nXft.dpi:\t120\nXft.hinting: 1\n", 120},
                                   {"Xft.dpi: 144.0\n", 144},
                                   {"Xft.dpi: 96.6\n", 97},
                                   {"Xft.dpi: 48\n", 48},
                                   {"Xft.dpi: 960\n", 960},
                                   {"Xft.Dpi: 168\n", 168}}) {
    setResources(lines);
    const XftDpi read = readOnNewConnection();
    EXPECT_EQ(std::pair(read.dpi, read.problem), std::pair(dpi, std::string())) << lines;
  }
}

TEST(XftDpi, DrawsAtNinetySixWhenUnsetAndSaysWhyWhenTheValueIsNonsense) {
  for (const char* lines : {"", "Xft.antialias: 1\n", "Xft.rgba: rgb\n", "Emacs.dpi: 192\n"}) {
    setResources(lines);
    const XftDpi read = readOnNewConnection();
    EXPECT_EQ(std::pair(read.dpi, read.problem), std::pair(96, std::string())) << lines;
  }
  for (const char* value :
       {"big", "", "0", "-192", "47", "961", "1e300", "nan", "inf", "192dpi", "0x60", "96 96"}) {
    setResources(std::string("Xft.dpi: ") + value + "\n");
    const XftDpi read = readOnNewConnection();
    EXPECT_EQ(read.dpi, 96) << value;
    EXPECT_NE(read.problem.find("Xft.dpi \"" + std::string(value) + "\""), std::string::npos)
        << value << ": " << read.problem;
  }
}

TEST(XftDpi, ReadsNinetySixWithoutAConnection) { EXPECT_EQ(readXftDpi(nullptr).dpi, 96); }

}  // namespace
}  // namespace ttt::test
