#include "qt/accessibility/AccessibleWidgets.h"

#include <QAccessibleWidget>

#include "qt/windows/FormWidget.h"
#include "qt/windows/FrameWidget.h"
#include "qt/windows/LabelWidget.h"
#include "screens/AccessibleText.h"

namespace ttt {

namespace {

QAccessible::Role qtRole(AccessibleRole role) {
  switch (role) {
    case AccessibleRole::Window:
      return QAccessible::Window;
    case AccessibleRole::PushButton:
      return QAccessible::Button;
    case AccessibleRole::Link:
      return QAccessible::Link;
    case AccessibleRole::Frame:
      return QAccessible::Grouping;
    case AccessibleRole::Cell:
    case AccessibleRole::Label:
    case AccessibleRole::Line:
      break;
  }
  // A cell reads as a label does, its name saying its place and mark.
  return QAccessible::StaticText;
}

QAccessibleInterface* accessibleOf(const QString& /*className*/, QObject* object) {
  if (auto* window = dynamic_cast<FormWidget*>(object))
    return new QAccessibleWidget(window, QAccessible::Window);
  if (auto* label = dynamic_cast<LabelWidget*>(object))
    return new QAccessibleWidget(label, qtRole(accessibleRole(label->control().layout())));
  if (auto* frame = dynamic_cast<FrameWidget*>(object))
    return new QAccessibleWidget(frame, qtRole(accessibleRole(frame->control().layout())));
  return nullptr;
}

}  // namespace

void installAccessibleWidgets() { QAccessible::installFactory(accessibleOf); }

}  // namespace ttt
