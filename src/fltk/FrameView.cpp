#include "fltk/FrameView.h"

#include <FL/Fl.H>

#include "fltk/Colours.h"

namespace ttt {

FrameView::FrameView(Control& control, const PixelRect& box)
    : Fl_Group(box.x, box.y, box.width, box.height), ControlView(control) {
  end();
  // The engraved box also fills the inside, so that a child hidden or moved leaves no trace.
  Fl_Group::box(FL_ENGRAVED_BOX);
  color(toolkitColour(control.layout().backColour));
  controlChanged(control);
}

void FrameView::controlChanged(const Control& control) {
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
