#include "fltk/AccessibleFormWindow.h"

#include <FL/Fl.H>

#include <algorithm>
#include <map>
#include <vector>

#include "fltk/AccessibleControl.h"
#include "fltk/WindowView.h"
#include "forms/Form.h"

namespace ttt {

namespace {

// Reading order: tab order, with the elements of a control array together, by index, where
// its first element stands in tab order (the cells read from the top left).
void sortForReading(std::vector<Control*>& controls) {
  std::map<std::string, int> arrayTab;
  for (const Control* control : controls) {
    const ControlLayout* layout = &control->layout();
    if (layout->index < 0) continue;
    const auto found = arrayTab.find(layout->name);
    if (found == arrayTab.end() || layout->tabIndex < found->second) {
      arrayTab[layout->name] = layout->tabIndex;
    }
  }
  const auto key = [&arrayTab](const Control* control) {
    const ControlLayout& layout = control->layout();
    return layout.index < 0 ? std::pair(layout.tabIndex, 0)
                            : std::pair(arrayTab.at(layout.name), layout.index);
  };
  std::stable_sort(controls.begin(), controls.end(),
                   [&key](const Control* a, const Control* b) { return key(a) < key(b); });
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
  std::map<std::string, AccessibleControl*, std::less<>> byName;
  for (Control* control : controls) {
    Fl_Widget* shown = window.widget(*control);
    if (shown == nullptr) continue;
    made.push_back(std::make_unique<AccessibleControl>(windowTracker(), *shown, form, *control));
    byName[control->name()] = made.back().get();
  }
  // What lies in a frame joins it, in tab order; the rest joins the window.
  for (auto& control : made) {
    const auto frame = byName.find(control->layout().container);
    if (frame != byName.end() && frame->second != control.get())
      frame->second->add(std::move(control));
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
