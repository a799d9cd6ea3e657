#include "fltk/ButtonView.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include "fltk/Colours.h"
#include "fltk/Fonts.h"

namespace ttt {

namespace {

// A caption drawn without symbols: '@' shows as itself. The button's own flag still lets
// '&' underline the access key.
void drawLiteral(const Fl_Label* label, int x, int y, int w, int h, Fl_Align align) {
  fl_font(label->font, label->size);
  fl_color(label->color);
  fl_draw(label->value, x, y, w, h, align, label->image, 0);
}

void measureLiteral(const Fl_Label* label, int& w, int& h) {
  fl_font(label->font, label->size);
  fl_measure(label->value, w, h, 0);
}

Fl_Labeltype literalLabelType() {
  static const Fl_Labeltype type = [] {
    Fl::set_labeltype(FL_FREE_LABELTYPE, drawLiteral, measureLiteral);
    return FL_FREE_LABELTYPE;
  }();
  return type;
}

}  // namespace

ButtonView::ButtonView(Control& control, const PlacedControl& placed, const PixelRect& box)
    : Fl_Button(box.x, box.y, box.width, box.height), ControlView(control) {
  const ControlLayout& layout = *placed.layout;
  labeltype(literalLabelType());
  labelfont(fonts::face(layout.font));
  labelsize(placed.fontPixels);
  labelcolor(toolkitColour(layout.foreColour));
  color(toolkitColour(layout.backColour));
  selection_color(color());
  callback(&ButtonView::pressed, this);
  controlChanged(control);
}

void ButtonView::controlChanged(const Control& control) {
  copy_label(control.caption().c_str());
  mirrorVisible(*this, control);
  mirrorEnabled(*this, control);
  redraw();
}

int ButtonView::handle(int event) {
  // The toolkit lets the bare letter press the button when the focused widget ignores it;
  // only Alt with the letter does.
  if (event == FL_SHORTCUT && !shortcut() && !Fl::event_state(FL_ALT)) return 0;
  // The toolkit moves the focus on Enter; here Enter presses the focused button.
  if (event == FL_KEYBOARD && Fl::focus() == this && isPlainEnter()) {
    simulate_key_action();
    do_callback();
    return 1;
  }
  return Fl_Button::handle(event);
}

bool ButtonView::isPlainEnter() const {
  const int key = Fl::event_key();
  const bool modified = Fl::event_state(FL_SHIFT | FL_CTRL | FL_ALT | FL_META) != 0;
  return (key == FL_Enter || key == FL_KP_Enter) && !modified;
}

void ButtonView::pressed(Fl_Widget* /*widget*/, void* data) {
  static_cast<ButtonView*>(data)->control().click();
}

}  // namespace ttt
