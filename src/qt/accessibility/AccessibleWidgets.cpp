#include "qt/accessibility/AccessibleWidgets.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>

#include "cli/ProgramIdentity.h"
#include "qt/accessibility/ReadingOrder.h"
#include "qt/windows/FormWidget.h"
#include "qt/windows/FrameWidget.h"
#include "qt/windows/LabelWidget.h"
#include "screens/AccessibleDescription.h"

namespace ttt {

namespace {

// A cell reads as a label does, its name saying its place and mark.
QAccessible::Role qtRole(AccessibleRole role) {
  if (role == AccessibleRole::Link) return QAccessible::Link;
  if (role == AccessibleRole::Frame) return QAccessible::Grouping;
  return QAccessible::StaticText;
}

// The program is named by its file, as the desktop's other programs are; Qt would take the
// application name, which is the windows' class.
class NamedApplication : public QAccessibleApplication {
 public:
  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) return QString::fromLatin1(kProgramName);
    return QAccessibleApplication::text(kind);
  }
};

QAccessibleInterface* accessibleOf(const QString& /*className*/, QObject* object) {
  if (object == qApp) return new NamedApplication;
  if (auto* window = dynamic_cast<FormWidget*>(object))
    return new ReadingOrder(window, QAccessible::Window, *window, -1);
  if (auto* label = dynamic_cast<LabelWidget*>(object))
    return new QAccessibleWidget(label, qtRole(accessibleRole(label->control().layout())));
  if (auto* frame = dynamic_cast<FrameWidget*>(object)) {
    const auto* window = dynamic_cast<const FormWidget*>(frame->window());
    const auto place = window != nullptr ? window->description().placeOf(frame->control()) : std::nullopt;
    const QAccessible::Role role = qtRole(accessibleRole(frame->control().layout()));
    if (!place) return new QAccessibleWidget(frame, role);
    return new ReadingOrder(frame, role, *window, static_cast<int>(*place));
  }
  return nullptr;
}

}  // namespace

void installAccessibleWidgets() { QAccessible::installFactory(accessibleOf); }

}  // namespace ttt
