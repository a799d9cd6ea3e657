#include "fltk/LabelView.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include "art/Images.h"
#include "fltk/Colours.h"
#include "fltk/Drawings.h"
#include "fltk/Fonts.h"
#include "fltk/ShapedText.h"
#include "fltk/TextLayout.h"
#include "fltk/TooltipWindow.h"

namespace ttt {

LabelView::LabelView(Control& control, const PlacedControl& placed, const PixelRect& box,
                     Scale scale)
    : Fl_Widget(box.x, box.y, box.width, box.height),
      ControlView(control),
      font_(placed.layout->font),
      fontSize_(placed.fontPixels),
      underline_(placed.layout->font.underline),
      opaque_(placed.layout->opaque),
      autoSize_(placed.layout->autoSize),
      link_(placed.layout->link),
      scale_(scale) {
  Fl_Widget::box(FL_NO_BOX);
  color(toolkitColour(placed.layout->backColour));
  labelcolor(toolkitColour(placed.layout->foreColour));
  if (link_) TooltipWindow::replaceToolkitTooltips();
  controlChanged(control);
}

LabelView::~LabelView() { TooltipWindow::hoverEnded(*this); }

void LabelView::controlChanged(const Control& control) {
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

// Underlines every line of the text one pixel below its base line, the pixel and the line
// as large as one pixel is at the scale.
void LabelView::drawUnderline(const TextLayout& text) const {
  fl_color(labelcolor());
  const int pixel = scale_.lineWidth(1);
  for (const TextLayout::Line& line : text.lines()) {
    for (int row = 0; line.width > 0 && row < pixel; ++row) {
      const int y0 = y() + line.baseline + pixel + row;
      fl_xyline(x() + line.left, y0, x() + line.left + line.width - 1);
    }
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
      if (Fl::event_button() == FL_LEFT_MOUSE && Fl::event_inside(this)) control().click();
      return 1;
    default:
      return 0;
  }
}

void LabelView::showHandCursor() {
  Fl_Window* shownIn = window();
  if (shownIn == nullptr) return;
  // The hand at the scale, its hot spot still on the fingertip.
  shownIn->cursor(&handCursorImage(scale_.pixels(32)), scale_.pixels(kHandCursorHotSpotX),
                  scale_.pixels(kHandCursorHotSpotY));
}

}  // namespace ttt
