#pragma once

#include <FL/Fl.H>
#include <FL/Fl_Return_Button.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <type_traits>

#include "fltk/Bevels.h"

// The toolkit's own return arrow, which it exports but does not declare.
int fl_return_arrow(int x, int y, int w, int h);

namespace ttt {

// A toolkit button, or return button, whose raised border, caption margin and focus box grow
// with the scale: each ring of its border is ringWidth pixels wide. At a ring width of 1, as
// at 96 dots per inch, the toolkit draws the button itself.
template <class Button>
class ScaledButton : public Button {
 public:
  ScaledButton(int x, int y, int w, int h, const char* label, int ringWidth)
      : Button(x, y, w, h, label), ringWidth_(ringWidth) {}

 protected:
  void draw() override {
    if (ringWidth_ <= 1) {
      Button::draw();
      return;
    }
    const Fl_Color fill = this->value() ? this->selection_color() : this->color();
    bevels::drawButtonBox(this->value() != 0, this->x(), this->y(), this->w(), this->h(),
                          this->active_r() ? fill : fl_inactive(fill), ringWidth_);
    const int inset = bevels::inset(ringWidth_);
    int labelWidth = this->w() - 2 * inset;
    if constexpr (std::is_base_of_v<Fl_Return_Button, Button>) {
      // As the toolkit places it: a square as high as the button, at most a third as wide,
      // four pixels in from the right edge, which the caption may overlap by as much.
      const int arrow = std::min(this->h(), this->w() / 3);
      fl_return_arrow(this->x() + this->w() - arrow - 4 * ringWidth_, this->y(), arrow, this->h());
      labelWidth = this->w() - arrow + 4 * ringWidth_ - 2 * inset;
    }
    this->draw_label(this->x() + inset, this->y() + inset, labelWidth, this->h() - 2 * inset);
    // The toolkit's dotted focus box lies one pixel inside the border.
    const int focusInset = inset + ringWidth_ - 1;
    if (Fl::focus() == this && this->visible_focus()) {
      this->draw_focus(FL_NO_BOX, this->x() + focusInset, this->y() + focusInset,
                       this->w() - 2 * focusInset, this->h() - 2 * focusInset);
    }
  }

 private:
  int ringWidth_;
};

}  // namespace ttt
