#include "qt/accessibility/ReadingOrder.h"

#include <algorithm>

#include "qt/windows/FormWidget.h"
#include "screens/AccessibleDescription.h"

namespace ttt {

ReadingOrder::ReadingOrder(QWidget* widget, QAccessible::Role role, const FormWidget& window,
                           int parent)
    : QAccessibleWidget(widget, role), window_(window), parent_(parent) {}

std::vector<QWidget*> ReadingOrder::children() const {
  const AccessibleDescription& description = window_.description();
  std::vector<QWidget*> shown;
  for (const std::size_t place : description.childrenOf(parent_)) {
    if (QWidget* child = window_.widget(*description.items()[place].control)) shown.push_back(child);
  }
  return shown;
}

int ReadingOrder::childCount() const { return static_cast<int>(children().size()); }

QAccessibleInterface* ReadingOrder::child(int index) const {
  const std::vector<QWidget*> shown = children();
  if (index < 0 || index >= static_cast<int>(shown.size())) return nullptr;
  return QAccessible::queryAccessibleInterface(shown[static_cast<std::size_t>(index)]);
}

int ReadingOrder::indexOfChild(const QAccessibleInterface* child) const {
  if (child == nullptr) return -1;
  const std::vector<QWidget*> shown = children();
  const auto found = std::ranges::find(shown, child->object());
  return found == shown.end() ? -1 : static_cast<int>(found - shown.begin());
}

}  // namespace ttt
