#pragma once

#include <QWidget>
#include <vector>

#include "forms/FormWindow.h"
#include "qt/system/ScreenCentred.h"
#include "screens/access/AccessibleDescription.h"
#include "screens/layouts/Placement.h"

namespace ttt {

class ButtonWidget;
class Control;
class Form;

// A form's window at its fixed size in 96-dpi pixels (Qt scales them), a widget per control,
// placed and stacked as laid out. The close box asks the form; the arrows move as Tab does.
class FormWidget : public ScreenCentred<QWidget>, public FormWindow {
 public:
  explicit FormWidget(Form& form);

  void open() override;
  void raise() override;
  void close() override;
  // The widget that shows a control of the form; null when there is none.
  QWidget* widget(const Control& control) const;
  // What a screen reader finds in the window, in its reading order.
  const AccessibleDescription& description() const { return description_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();
  QWidget* createWidget(std::size_t index, QWidget* container);
  void setTabChain();
  void focusFirstButton();

  Form& form_;
  PlacedForm placed_;
  AccessibleDescription description_;
  std::vector<QWidget*> widgets_;  // in the layout's order
  std::vector<ButtonWidget*> tabOrder_;
};

}  // namespace ttt
