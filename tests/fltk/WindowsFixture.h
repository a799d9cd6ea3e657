#pragma once

#include <gtest/gtest.h>  // before the X headers, whose macros (None, Bool) clash with its names

#include <FL/Fl.H>
#include <FL/Fl_Device.H>
#include <FL/Fl_Image_Surface.H>
#include <FL/x.H>

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fltk/FltkWindows.h"
#include "fltk/WindowView.h"
#include "forms/Form.h"
#include "support/Fakes.h"

namespace ttt::test {

using Rgb = std::array<int, 3>;

// What a window draws, read back pixel by pixel in window coordinates.
struct Snapshot {
  explicit Snapshot(Fl_Window& window) : width(window.w()) {
    Fl_Image_Surface surface(window.w(), window.h());
    surface.set_current();
    surface.draw(&window);
    const std::unique_ptr<Fl_RGB_Image> image(surface.image());
    Fl_Display_Device::display_device()->set_current();
    EXPECT_EQ(image->d(), 3);  // packed RGB, row after row
    EXPECT_EQ(image->ld(), 0);
    const auto* data = reinterpret_cast<const unsigned char*>(image->data()[0]);
    pixels.assign(data, data + 3 * window.w() * window.h());
  }
  Rgb at(int x, int y) const {
    const auto offset = static_cast<std::size_t>(3 * (y * width + x));
    return {pixels.at(offset), pixels.at(offset + 1), pixels.at(offset + 2)};
  }
  int count(int x, int y, int w, int h, const Rgb& colour) const {
    int found = 0;
    for (int row = y; row < y + h; ++row)
      for (int column = x; column < x + w; ++column) found += at(column, row) == colour ? 1 : 0;
    return found;
  }
  bool operator==(const Snapshot&) const = default;
  int width;
  std::vector<unsigned char> pixels;
};

// Runs the event loop until `done` holds or the time is up; says whether it holds.
inline bool waitUntil(const std::function<bool()>& done, double seconds = 5) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (!done() && std::chrono::steady_clock::now() < deadline) Fl::wait(0.01);
  return done();
}

// A left click through the toolkit's own dispatch; `meanwhile` runs between press and release.
inline void clickAt(Fl_Window& window, int x, int y, const std::function<void()>& meanwhile = {}) {
  Fl::e_x = x;
  Fl::e_y = y;
  Fl::e_keysym = FL_Button + FL_LEFT_MOUSE;
  Fl::e_state = FL_BUTTON1;
  Fl::handle(FL_MOVE, &window);
  Fl::handle(FL_PUSH, &window);
  if (meanwhile) meanwhile();
  Fl::e_state = 0;
  Fl::handle(FL_RELEASE, &window);
}

// A key press as the toolkit delivers one: to the focus first.
inline void pressKey(Fl_Window& window, int key, const std::string& text = "", int state = 0) {
  static std::string typed;
  typed = text;
  Fl::e_keysym = key;
  Fl::e_text = typed.data();
  Fl::e_length = static_cast<int>(typed.size());
  Fl::e_state = state;
  Fl::handle(FL_KEYBOARD, &window);
  Fl::e_state = 0;
}

// Whether a shown window's Motif hints let the window manager offer a close box but no
// minimise or maximise: the functions field lists move and close only, without "all".
inline bool offersOnlyClose(Fl_Window& window) {
  const Atom hints = XInternAtom(fl_display, "_MOTIF_WM_HINTS", False);
  Atom type = 0;
  int format = 0;
  unsigned long items = 0, remaining = 0;
  unsigned char* data = nullptr;
  XGetWindowProperty(fl_display, fl_xid(&window), hints, 0, 5, False, hints, &type, &format, &items,
                     &remaining, &data);
  const bool closeOnly = items >= 2 && (reinterpret_cast<long*>(data)[0] & 1) != 0 &&
                         reinterpret_cast<long*>(data)[1] == (4 | 32);
  if (data != nullptr) XFree(data);
  return closeOnly;
}

// A form that records every click, Timer1 tick and close request the toolkit delivers.
class RecordingForm : public Form {
 public:
  RecordingForm(const FormLayout& layout, Services& services) : Form(layout, services) {
    for (const auto& control : controls()) {
      control->onClick([this, name = control->name()] { clicks.push_back(name); });
    }
    for (const auto& timer : timers()) {
      if (timer->name() != "Timer1") continue;
      timer->onTick([this] {
        ++ticks;
        onTick(*this);
      });
    }
  }
  std::vector<std::string> clicks;
  std::vector<std::int16_t> closeReasons;
  int ticks = 0;
  using Hook = std::function<void(RecordingForm&)>;
  Hook onLoad = [](RecordingForm&) {}, onTick = onLoad;

 protected:
  void Form_Load() override { onLoad(*this); }
  void Form_QueryUnload(std::int16_t&, std::int16_t reason) override {
    closeReasons.push_back(reason);
  }
};

// Forms shown as real windows, their timers driven by the toolkit's timeouts.
class WindowsTest : public ::testing::Test {
 protected:
  RecordingForm& open(
      const FormLayout& layout, RecordingForm::Hook onLoad = [](RecordingForm&) {}) {
    forms.push_back(std::make_unique<RecordingForm>(layout, fakes.services));
    forms.back()->onLoad = std::move(onLoad);
    forms.back()->setObserver(&windows);
    forms.back()->show();
    return *forms.back();
  }
  WindowView& windowOf(const Form& form) { return *windows.view(form); }
  Fl_Widget* widget(const Form& form, const std::string& name) {
    return windowOf(form).widget(form.control(name));
  }
  void clickOn(const Form& form, const std::string& name) {
    const Fl_Widget& shown = *widget(form, name);
    clickAt(windowOf(form), shown.x() + shown.w() / 2, shown.y() + shown.h() / 2);
  }
  FakeServices fakes;
  FltkWindows windows;
  std::vector<std::unique_ptr<RecordingForm>> forms;
};

}  // namespace ttt::test
