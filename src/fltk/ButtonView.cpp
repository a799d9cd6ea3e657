#include "fltk/ButtonView.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <string>
#include <string_view>

#include "fltk/Colours.h"
#include "fltk/Fonts.h"
#include "fltk/TextLayout.h"
#include "screens/CaptionMarkup.h"

namespace ttt {

namespace {

// The caption as the button shows it: with the button's flag, '&' marks the access key.
CaptionMarkup shownCaption(const Fl_Label* label) {
  const std::string_view caption = label->value != nullptr ? label->value : "";
  if (fl_draw_shortcut != 0) return parseCaption(caption);
  return {std::string(caption), std::nullopt, std::nullopt};
}

// A caption drawn through the shaping text stack, without symbols ('@' shows as itself),
// placed as the toolkit places a label; the access key is underlined with a '_' of the
// caption's font, as the toolkit underlines it.
void drawLiteral(const Fl_Label* label, int x, int y, int w, int h, Fl_Align align) {
  const CaptionMarkup caption = shownCaption(label);
  const FontSpec font = fonts::layoutFont(label->font);
  const TextLayout text(caption.text, font, label->size);
  int left = x + (w - text.width()) / 2;
  if ((align & FL_ALIGN_LEFT) != 0) left = x;
  if ((align & FL_ALIGN_RIGHT) != 0) left = x + w - text.width();
  int top = y + (h - text.height()) / 2;
  if ((align & FL_ALIGN_TOP) != 0) top = y;
  if ((align & FL_ALIGN_BOTTOM) != 0) top = y + h - text.height();
  text.draw(left, top, label->color);
  if (caption.marked && fl_draw_shortcut == 1)
    TextLayout("_", font, label->size)
        .draw(left + text.cursorX(*caption.marked), top, label->color);
}

void measureLiteral(const Fl_Label* label, int& w, int& h) {
  const TextLayout text(shownCaption(label).text, fonts::layoutFont(label->font), label->size);
  w = text.width();
  h = text.height();
}

Fl_Labeltype literalLabelType() {
  static const Fl_Labeltype type = [] {
    Fl::set_labeltype(FL_FREE_LABELTYPE, drawLiteral, measureLiteral);
    return FL_FREE_LABELTYPE;
  }();
  return type;
}

}  // namespace

ButtonView::ButtonView(Control& control, const PlacedControl& placed, const PixelRect& box,
                       int ringWidth)
    : ScaledButton(box.x, box.y, box.width, box.height, nullptr, ringWidth), ControlView(control) {
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
  // Written back from the shared parse, so that the toolkit's own shortcut is its key.
  copy_label(mnemonicCaption(parseCaption(control.caption())).c_str());
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
