#include "fltk/ControlView.h"

#include <FL/Fl_Widget.H>

#include "forms/Control.h"

namespace ttt {

void ControlView::mirrorVisible(Fl_Widget& widget, const Control& control) {
  if (control.visible()) {
    widget.show();
  } else {
    widget.hide();
  }
}

void ControlView::mirrorEnabled(Fl_Widget& widget, const Control& control) {
  if (control.enabled()) {
    widget.activate();
  } else {
    widget.deactivate();
  }
}

}  // namespace ttt
