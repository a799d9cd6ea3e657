#include "fltk/LabelView.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include "fltk/Colours.h"
#include "fltk/Fonts.h"
#include "fltk/ShapedText.h"
#include "fltk/TextLayout.h"
#include "fltk/TooltipWindow.h"
#include "fltk/Units.h"
#include "forms/Form.h"
#include "screens/Images.h"

namespace ttt {

LabelView::LabelView(Form& form, const ControlLayout& layout, int x, int y,
                     const Fl_RGB_Image* handCursor)
    : Fl_Widget(x, y, twipsToPixels(layout.rect.width), twipsToPixels(layout.rect.height)),
      form_(form),
      fullName_(layout.fullName()),
      font_(layout.font),
      fontSize_(fonts::pixelSize(layout.font.points)),
      underline_(layout.font.underline),
      opaque_(layout.opaque),
      autoSize_(layout.autoSize),
      link_(layout.link),
      handCursor_(handCursor) {
  box(FL_NO_BOX);
  color(toolkitColour(layout.backColour));
  labelcolor(toolkitColour(layout.foreColour));
  if (link_) TooltipWindow::replaceToolkitTooltips();
  setText(layout.caption);
}

LabelView::~LabelView() { TooltipWindow::hoverEnded(*this); }

void LabelView::apply(const Control& control) {
  setText(control.caption());
  mirrorVisible(*this, control);
  mirrorEnabled(*this, control);
  // A transparent label, or one that shrank, leaves pixels that only its container repaints.
  if (parent() != nullptr) parent()->redraw();
  redraw();
}

void LabelView::setText(const std::string& text) {
  text_ = text;
  if (autoSize_) fitToText();
  if (link_) copy_tooltip(text_.c_str());  // for whoever reads it; TooltipWindow shows it
}

void LabelView::fitToText() {
  const shaped_text::TextSize size = shaped_text::measure(text_, font_, fontSize_);
  this->size(size.width, size.height);
}

void LabelView::draw() {
  if (opaque_) fl_rectf(x(), y(), w(), h(), color());
  fl_push_clip(x(), y(), w(), h());
  // Names may hold '&' and '@': the text is drawn as it stands.
  const TextLayout text(text_, font_, fontSize_);
  text.draw(x(), y(), labelcolor());
  if (underline_) drawUnderline(text);
  fl_pop_clip();
}

// Underlines every line of the text, one pixel below its base line.
void LabelView::drawUnderline(const TextLayout& text) const {
  fl_color(labelcolor());
  for (const TextLayout::Line& line : text.lines()) {
    if (line.width > 0)
      fl_xyline(x() + line.left, y() + line.baseline + 1, x() + line.left + line.width - 1);
  }
}

int LabelView::handle(int event) {
  switch (event) {
    case FL_ENTER:
      if (!link_) return 0;
      showHandCursor();
      TooltipWindow::hoverStarted(*this, text_);
      return 1;  // so that the leave is reported too
    case FL_LEAVE:
      if (!link_) return 0;
      if (window() != nullptr) window()->cursor(FL_CURSOR_DEFAULT);
      TooltipWindow::hoverEnded(*this);
      return 1;
    case FL_PUSH:
      TooltipWindow::hoverEnded(*this);
      return Fl::event_button() == FL_LEFT_MOUSE ? 1 : 0;
    case FL_RELEASE:
      // As on Windows, a click is a press and a release over the same label.
      if (Fl::event_button() == FL_LEFT_MOUSE && Fl::event_inside(this)) form_.click(fullName_);
      return 1;
    default:
      return 0;
  }
}

void LabelView::showHandCursor() {
  Fl_Window* shownIn = window();
  if (shownIn == nullptr) return;
  if (handCursor_ != nullptr) {
    shownIn->cursor(handCursor_, kHandCursorHotSpotX, kHandCursorHotSpotY);
  } else {
    shownIn->cursor(FL_CURSOR_HAND);
  }
}

}  // namespace ttt
