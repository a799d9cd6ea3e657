#include "fltk/AccessibleControl.h"

#include <cctype>

#include "forms/ClickReach.h"
#include "forms/Form.h"
#include "screens/AccessibleText.h"
#include "screens/CaptionMarkup.h"

namespace ttt {

namespace {

AtkRole atkRole(AccessibleRole role) {
  switch (role) {
    case AccessibleRole::Window:
      return ATK_ROLE_FRAME;
    case AccessibleRole::PushButton:
      return ATK_ROLE_PUSH_BUTTON;
    case AccessibleRole::Link:
      return ATK_ROLE_LINK;
    case AccessibleRole::Cell:
      return ATK_ROLE_TABLE_CELL;
    case AccessibleRole::Frame:
      return ATK_ROLE_PANEL;
    case AccessibleRole::Line:
    case AccessibleRole::Label:
      break;
  }
  return ATK_ROLE_LABEL;
}

AccessibleWidget::Options optionsFor(const ControlLayout& layout) {
  const AccessibleRole role = accessibleRole(layout);
  const bool pressable = role == AccessibleRole::PushButton || role == AccessibleRole::Link ||
                         role == AccessibleRole::Cell;
  return {atkRole(role), role == AccessibleRole::PushButton, pressable};
}

}  // namespace

AccessibleControl::AccessibleControl(std::shared_ptr<Fl_Widget_Tracker> window, Fl_Widget& widget,
                                     Form& form, Control& control)
    : AccessibleWidget(std::move(window), widget, optionsFor(control.layout())),
      form_(form),
      control_(control),
      layout_(control.layout()) {}

// An unloaded form's controls have no state: the name stays as it was last told.
std::string AccessibleControl::currentName() const {
  if (!form_.isLoaded()) {
    const gchar* told = atk_object_get_name(object());
    return told != nullptr ? told : "";
  }
  return accessibleName(layout_, control_.caption());
}

bool AccessibleControl::enabled() const { return clickReaches(form_, control_); }

const char* AccessibleControl::actionName() const {
  return layout_.kind == ControlKind::Button ? "press" : "click";
}

std::string AccessibleControl::keyBinding() const {
  const auto key = parseCaption(form_.isLoaded() ? control_.caption() : layout_.caption).accessKey;
  if (!key) return {};
  return std::string("<Alt>") + static_cast<char>(std::tolower(static_cast<unsigned char>(*key)));
}

// As a click: the control's handler runs, when the time comes, only if a click could
// reach the control then.
bool AccessibleControl::act() {
  if (!alive() || !enabled()) return false;
  later([&form = form_, &control = control_] { clickAsOnScreen(form, control); });
  return true;
}

}  // namespace ttt
