#include "fltk/AccessibleFormWindow.h"

#include <FL/Fl.H>

#include <memory>
#include <string>
#include <vector>

#include "fltk/AccessibleControl.h"
#include "fltk/WindowView.h"
#include "forms/Form.h"
#include "screens/AccessibleDescription.h"

namespace ttt {

AccessibleFormWindow::AccessibleFormWindow(WindowView& window)
    : AccessibleWidget(std::make_shared<Fl_Widget_Tracker>(&window), window, {ATK_ROLE_FRAME}) {
  Form& form = window.form();
  const AccessibleDescription description(form);
  const std::vector<AccessibleItem>& items = description.items();
  std::vector<std::unique_ptr<AccessibleControl>> made(items.size());
  for (std::size_t i = 0; i < items.size(); ++i) {
    Fl_Widget* shown = window.widget(*items[i].control);
    if (shown != nullptr)
      made[i] = std::make_unique<AccessibleControl>(windowTracker(), *shown, form, *items[i].control);
  }
  // What lies in a frame joins it, in reading order; the rest joins the window.
  for (std::size_t i = 0; i < items.size(); ++i) {
    const int parent = items[i].parent;
    if (made[i] && parent >= 0 && made[static_cast<std::size_t>(parent)])
      made[static_cast<std::size_t>(parent)]->add(std::move(made[i]));
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
