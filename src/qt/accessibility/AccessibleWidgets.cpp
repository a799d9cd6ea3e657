#include "qt/accessibility/AccessibleWidgets.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>
#include <algorithm>
#include <vector>

#include "cli/ProgramIdentity.h"
#include "qt/accessibility/Announcer.h"
#include "qt/windows/FormWidget.h"
#include "qt/windows/FrameWidget.h"
#include "qt/windows/LabelWidget.h"
#include "screens/access/AccessibleDescription.h"
#include "screens/access/AccessibleText.h"
#include "screens/access/Announcements.h"

namespace ttt {

namespace {

// A form window, or its board frame, with its children in the shared reading order, not Qt's
// stacking order.
class ReadingOrder : public QAccessibleWidget {
 public:
  // `parent` is the frame's place in the reading order, -1 for the window itself.
  ReadingOrder(QWidget* widget, QAccessible::Role role, const FormWidget& window, int parent)
      : QAccessibleWidget(widget, role), window_(window), parent_(parent) {}

  int childCount() const override { return static_cast<int>(children().size()); }
  QAccessibleInterface* child(int index) const override {
    const std::vector<QWidget*> shown = children();
    if (index < 0 || index >= static_cast<int>(shown.size())) return nullptr;
    return QAccessible::queryAccessibleInterface(shown[static_cast<std::size_t>(index)]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const std::vector<QWidget*> shown = children();
    const auto found = std::ranges::find(shown, child != nullptr ? child->object() : nullptr);
    return found == shown.end() ? -1 : static_cast<int>(found - shown.begin());
  }

 private:
  std::vector<QWidget*> children() const {
    const AccessibleDescription& description = window_.description();
    std::vector<QWidget*> shown;
    for (const std::size_t place : description.childrenOf(parent_)) {
      if (QWidget* child = window_.widget(*description.items()[place].control))
        shown.push_back(child);
    }
    return shown;
  }

  const FormWidget& window_;
  int parent_;
};

// A cell reads as a label does, its name saying its place and mark.
QAccessible::Role qtRole(AccessibleRole role) {
  if (role == AccessibleRole::Link) return QAccessible::Link;
  if (role == AccessibleRole::Frame) return QAccessible::Grouping;
  return QAccessible::StaticText;
}

// The program is named by its file; Qt would name it by its windows' class.
class NamedApplication : public QAccessibleApplication {
 public:
  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) return QString::fromLatin1(kProgramName);
    return QAccessibleApplication::text(kind);
  }
};

QAccessibleInterface* accessibleOf(const QString& /*className*/, QObject* object) {
  if (object == qApp) return new NamedApplication;
  if (auto* notice = qobject_cast<Notice*>(object))
    return new QAccessibleWidget(notice, QAccessible::Notification);
  if (auto* window = dynamic_cast<FormWidget*>(object))
    return new ReadingOrder(window, QAccessible::Window, *window, -1);
  if (auto* label = dynamic_cast<LabelWidget*>(object))
    return new QAccessibleWidget(label, qtRole(accessibleRole(label->control().layout())));
  if (auto* frame = dynamic_cast<FrameWidget*>(object)) {
    const auto* window = dynamic_cast<const FormWidget*>(frame->window());
    const auto place = window ? window->description().placeOf(frame->control()) : std::nullopt;
    const QAccessible::Role role = qtRole(accessibleRole(frame->control().layout()));
    if (!place) return new QAccessibleWidget(frame, role);
    return new ReadingOrder(frame, role, *window, static_cast<int>(*place));
  }
  return nullptr;
}

}  // namespace

void installAccessibleWidgets() { QAccessible::installFactory(accessibleOf); }

void announceName(QWidget& widget, const Control& control) {
  const QString name = QString::fromStdString(accessibleName(control.layout(), control.caption()));
  if (widget.accessibleName() == name) return;
  widget.setAccessibleName(name);
  // Orca speaks only the focused object's name changes. What a window's load resets before it
  // is shown was placed by nobody.
  QWidget& window = *widget.window();
  if (!window.isVisible()) return;
  if (const auto spoken = announcement(control.layout(), control.caption()))
    Announcer::of(window).announce(QString::fromStdString(*spoken));
}

}  // namespace ttt
