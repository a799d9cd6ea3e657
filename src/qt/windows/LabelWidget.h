#pragma once

#include <QWidget>

#include "forms/Control.h"
#include "screens/Placement.h"

namespace ttt {

class Form;

// A label: its caption drawn literally at the top left of its box, wrapped at word breaks, in
// its font and colour, on its background unless it is transparent. A label that sizes itself
// takes the size of its caption and keeps its top left corner. A link label shows the hand
// cursor and repeats its caption as a tooltip. A left press and release over the label clicks
// the control, as far as a click on the screen may reach it.
class LabelWidget : public QWidget, public ControlObserver {
 public:
  LabelWidget(Form& form, Control& control, const PlacedControl& placed, QWidget* parent);
  ~LabelWidget() override { control_.removeObserver(this); }
  LabelWidget(const LabelWidget&) = delete;
  LabelWidget& operator=(const LabelWidget&) = delete;

  Control& control() const { return control_; }
  const QString& text() const { return text_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void controlChanged(const Control& control) override;

  Form& form_;
  Control& control_;
  const ControlLayout& layout_;
  QString text_;
  bool pressed_ = false;
};

}  // namespace ttt
