#include "fltk/AccessibleFormWindow.h"

#include <FL/Fl.H>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "fltk/AccessibleControl.h"
#include "fltk/WindowView.h"
#include "forms/Form.h"

namespace ttt {

namespace {

// Reading order: tab order, with the elements of a control array together, by index, where
// its first element stands in tab order (the cells read from the top left).
void sortForReading(std::vector<Control*>& controls) {
  // Where an array stands in tab order: at its first element's place.
  const auto arrayTab = [&controls](const ControlLayout& element) {
    int first = element.tabIndex;
    for (const Control* other : controls) {
      const ControlLayout& layout = other->layout();
      if (layout.index >= 0 && layout.name == element.name)
        first = std::min(first, layout.tabIndex);
    }
    return first;
  };
  const auto key = [&arrayTab](const Control* control) {
    const ControlLayout& layout = control->layout();
    return layout.index < 0 ? std::pair(layout.tabIndex, 0)
                            : std::pair(arrayTab(layout), layout.index);
  };
  std::stable_sort(controls.begin(), controls.end(),
                   [&key](const Control* a, const Control* b) { return key(a) < key(b); });
}

// The frame a control lies in, among those made, or null.
AccessibleControl* frameOf(const AccessibleControl& control,
                           const std::vector<std::unique_ptr<AccessibleControl>>& made) {
  const std::string& container = control.layout().container;
  if (container.empty()) return nullptr;
  for (const auto& frame : made) {
    if (frame && frame.get() != &control && frame->layout().fullName() == container)
      return frame.get();
  }
  return nullptr;
}

}  // namespace

AccessibleFormWindow::AccessibleFormWindow(WindowView& window)
    : AccessibleWidget(std::make_shared<Fl_Widget_Tracker>(&window), window, {ATK_ROLE_FRAME}) {
  Form& form = window.form();
  std::vector<Control*> controls;
  for (const auto& control : form.controls()) {
    const ControlLayout& layout = control->layout();
    // The lines draw the board, and the hidden labels hold the game's own counters.
    const bool counter = layout.kind == ControlKind::Label && !layout.visible;
    if (layout.kind != ControlKind::Line && !counter) controls.push_back(control.get());
  }
  sortForReading(controls);
  std::vector<std::unique_ptr<AccessibleControl>> made;
  for (Control* control : controls) {
    Fl_Widget* shown = window.widget(*control);
    if (shown == nullptr) continue;
    made.push_back(std::make_unique<AccessibleControl>(windowTracker(), *shown, form, *control));
  }
  // What lies in a frame joins it, in tab order; the rest joins the window.
  for (auto& control : made) {
    if (AccessibleControl* frame = frameOf(*control, made)) frame->add(std::move(control));
  }
  for (auto& control : made) {
    if (control) adopt(std::move(control), false);
  }
}

std::string AccessibleFormWindow::currentName() const {
  return alive() ? std::string(widget().label() != nullptr ? widget().label() : "") : "";
}

void AccessibleFormWindow::addStates(AtkStateSet* states) const {
  AccessibleWidget::addStates(states);
  if (!alive()) return;
  const Fl_Widget* focus = Fl::focus();
  if (focus != nullptr && (focus == &widget() || widget().as_window()->contains(focus))) {
    atk_state_set_add_state(states, ATK_STATE_ACTIVE);
  }
}

}  // namespace ttt
