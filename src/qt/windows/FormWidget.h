#pragma once

#include <QWidget>
#include <vector>

#include "forms/FormWindow.h"
#include "qt/system/ScreenCentred.h"
#include "screens/AccessibleDescription.h"
#include "screens/Placement.h"

namespace ttt {

class ButtonWidget;
class Control;
class Form;

// The real window of a form: its fixed client size at 96-dpi pixels (Qt scales them), caption,
// background, icon and a widget for every control, placed and stacked as the layout is. The
// close box asks the form to close; Escape closes nothing. Tab and the arrow keys move the
// focus among the buttons in tab order; a cell key clicks its cell.
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
