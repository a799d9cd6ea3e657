#pragma once

#include <FL/Fl_Window.H>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace ttt::test {

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// What a window draws, read back pixel by pixel in window coordinates.
class Snapshot {
 public:
  explicit Snapshot(Fl_Window& window);
  Rgb at(int x, int y) const;
  // How many pixels of the rectangle have exactly this colour.
  int count(int x, int y, int width, int height, const Rgb& colour) const;
  // The rightmost column of the rectangle holding a pixel other than `background`, or -1.
  int rightmostInk(int x, int y, int width, int height, const Rgb& background) const;
  bool operator==(const Snapshot& other) const { return pixels_ == other.pixels_; }
  int width() const { return width_; }
  int height() const { return height_; }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<unsigned char> pixels_;  // three bytes a pixel, row by row
};

// Runs the event loop until `done` holds or the time is up; says whether it holds.
bool waitUntil(const std::function<bool()>& done,
               std::chrono::milliseconds limit = std::chrono::seconds(5));

// A left click at window coordinates, delivered through the toolkit's normal dispatch.
void clickAt(Fl_Window& window, int x, int y);
// A key press delivered to the window as the toolkit delivers one: to the focus first.
void pressKey(Fl_Window& window, int key, const std::string& text = "", int state = 0);

}  // namespace ttt::test
