#pragma once

#include <FL/Fl_Menu_Window.H>

#include <string>

#include "fltk/Scale.h"

namespace ttt {

// The tooltip of a link label, drawn by the shaping text stack so that it reads in any script
// (the toolkit's own tooltips draw with one face). As the toolkit's, it opens under the label
// once the mouse has rested on it for the toolkit's tooltip delay, and closes when the mouse
// leaves or presses.
class TooltipWindow : public Fl_Menu_Window {
 public:
  // Switches the toolkit's own tooltips off, once; if they were off already, as with
  // -notooltips, no tooltip is shown here either.
  static void replaceToolkitTooltips();
  // The mouse came to rest on `owner`, whose tooltip is `text`.
  static void hoverStarted(Fl_Widget& owner, const std::string& text);
  // The mouse left or pressed `owner`, or `owner` goes away.
  static void hoverEnded(const Fl_Widget& owner);
  // Draws every later tooltip at the scale: its text, margins and distance from the label.
  static void useScale(Scale scale);
  // The tooltip on screen, if any.
  static TooltipWindow* shownTip();

  const std::string& text() const { return text_; }

 protected:
  void draw() override;

 private:
  TooltipWindow();
  static TooltipWindow& instance();
  static void open(void* data);
  void showFor(const Fl_Widget& owner);

  std::string text_;
  const Fl_Widget* owner_ = nullptr;
  Scale scale_{kDefaultDpi};
};

}  // namespace ttt
