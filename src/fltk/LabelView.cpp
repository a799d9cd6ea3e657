#include "fltk/LabelView.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <cstddef>

#include "fltk/Colours.h"
#include "fltk/Fonts.h"
#include "fltk/LiteralText.h"
#include "art/Images.h"

namespace ttt {

namespace {

// The size of text in the current font, drawn literally and without wrapping.
void measureLiterally(const std::string& text, int& width, int& height) {
  width = 0;
  height = 0;
  fl_measure(text.c_str(), width, height, 0);
}

}  // namespace

LabelView::LabelView(Control& control, const PlacedControl& placed, const PixelRect& box,
                     const Fl_RGB_Image* handCursor)
    : Fl_Widget(box.x, box.y, box.width, box.height),
      ControlView(control),
      font_(fonts::face(placed.layout->font)),
      fontSize_(placed.fontPixels),
      underline_(placed.layout->font.underline),
      opaque_(placed.layout->opaque),
      autoSize_(placed.layout->autoSize),
      link_(placed.layout->link),
      handCursor_(handCursor) {
  Fl_Widget::box(FL_NO_BOX);
  color(toolkitColour(placed.layout->backColour));
  labelcolor(toolkitColour(placed.layout->foreColour));
  controlChanged(control);
}

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
  if (link_) copy_tooltip(literalToolkitText(text_).c_str());
}

void LabelView::fitToText() {
  fl_font(font_, fontSize_);
  int width = 0;
  int height = 0;
  measureLiterally(text_, width, height);
  // An empty caption still keeps the height of one line.
  if (height == 0) height = fl_height();
  size(width, height);
}

void LabelView::draw() {
  if (opaque_) fl_rectf(x(), y(), w(), h(), color());
  fl_push_clip(x(), y(), w(), h());
  fl_font(font_, fontSize_);
  fl_color(labelcolor());
  // Names may hold '&' and '@': neither marks an access key nor starts a symbol here.
  const char drawShortcut = fl_draw_shortcut;
  fl_draw_shortcut = 0;
  fl_draw(text_.c_str(), x(), y(), w(), h(), FL_ALIGN_TOP_LEFT | FL_ALIGN_INSIDE, nullptr, 0);
  fl_draw_shortcut = drawShortcut;
  if (underline_) drawUnderline();
  fl_pop_clip();
}

// Underlines every line of the text, one pixel below its base line.
void LabelView::drawUnderline() const {
  int top = y();
  std::size_t start = 0;
  while (start <= text_.size()) {
    std::size_t end = text_.find('\n', start);
    if (end == std::string::npos) end = text_.size();
    int width = 0;
    int height = 0;
    measureLiterally(text_.substr(start, end - start), width, height);
    const int baseline = top + fl_height() - fl_descent();
    if (width > 0) fl_xyline(x(), baseline + 1, x() + width - 1);
    top += fl_height();
    start = end + 1;
  }
}

int LabelView::handle(int event) {
  switch (event) {
    case FL_ENTER:
      if (!link_) return 0;
      showHandCursor();
      return 1;  // so that the leave is reported too
    case FL_LEAVE:
      if (!link_) return 0;
      if (window() != nullptr) window()->cursor(FL_CURSOR_DEFAULT);
      return 1;
    case FL_PUSH:
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
  if (handCursor_ != nullptr) {
    shownIn->cursor(handCursor_, kHandCursorHotSpotX, kHandCursorHotSpotY);
  } else {
    shownIn->cursor(FL_CURSOR_HAND);
  }
}

}  // namespace ttt
