#include "fltk/FrameView.h"

#include <FL/Fl.H>
#include "fltk/Bevels.h"
#include "forms/Control.h"

namespace ttt {

FrameView::FrameView(int x, int y, int width, int height, Fl_Color background, int lineWidth)
    : Fl_Group(x, y, width, height), lineWidth_(lineWidth) {
  end();
  // The engraved box also fills the inside, so that a child hidden or moved leaves no trace.
  box(FL_ENGRAVED_BOX);
  color(background);
}

// The toolkit's engraved box, a dark ring outside a light one, each one pixel wide; at a
// larger scale each ring is as many pixels wide as the scale makes of one.
void FrameView::draw() {
  if (lineWidth_ <= 1) {
    Fl_Group::draw();
    return;
  }
  if ((damage() & ~FL_DAMAGE_CHILD) != 0) {
    bevels::drawEngravedBox(x(), y(), w(), h(), color(), lineWidth_);
  }
  draw_children();
}

void FrameView::apply(const Control& control) {
  setBlocked(!control.enabled());
  mirrorVisible(*this, control);
  redraw();
}

void FrameView::setBlocked(bool blocked) {
  blocked_ = blocked;
  // A press already under way inside the frame must not end in a click either.
  if (blocked_ && Fl::pushed() != nullptr && contains(Fl::pushed())) Fl::pushed(nullptr);
}

int FrameView::handle(int event) {
  if (blocked_) {
    switch (event) {
      case FL_PUSH:
      case FL_RELEASE:
      case FL_DRAG:
      case FL_MOVE:
      case FL_ENTER:
      case FL_MOUSEWHEEL:
        return 1;
      default:
        break;
    }
  }
  return Fl_Group::handle(event);
}

}  // namespace ttt
