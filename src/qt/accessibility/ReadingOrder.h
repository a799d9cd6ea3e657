#pragma once

#include <QAccessibleWidget>
#include <vector>

namespace ttt {

class FormWidget;

// A form window, or its board frame, as a screen reader walks it: its children are the objects
// of the window's accessible description whose parent it is, in the description's reading
// order, rather than in Qt's stacking order; the lines and the hidden labels are left out.
class ReadingOrder : public QAccessibleWidget {
 public:
  // `parent` is the frame's place in the reading order, -1 for the window itself.
  ReadingOrder(QWidget* widget, QAccessible::Role role, const FormWidget& window, int parent);

  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;

 private:
  std::vector<QWidget*> children() const;

  const FormWidget& window_;
  int parent_;
};

}  // namespace ttt
