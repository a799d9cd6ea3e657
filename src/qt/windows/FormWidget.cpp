#include "qt/windows/FormWidget.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>
#include <algorithm>

#include "forms/Form.h"
#include "qt/system/ArtImages.h"
#include "qt/system/Colours.h"
#include "qt/system/X11Hints.h"
#include "qt/windows/ButtonWidget.h"
#include "qt/windows/CellKeyEvent.h"
#include "qt/windows/FrameWidget.h"
#include "qt/windows/LabelWidget.h"
#include "qt/windows/LineWidget.h"
#include "screens/CellKeyPress.h"

namespace ttt {

namespace {
// The layout's pixels are Qt's logical pixels; Qt makes them as large as the screen asks.
constexpr int kLogicalDpi = 96;
}  // namespace

FormWidget::FormWidget(Form& form)
    : QWidget(nullptr,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                  Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      form_(form),
      placed_(placeForm(form.layout(), kLogicalDpi)) {
  const FormLayout& layout = form.layout();
  setFixedSize(placed_.clientWidth, placed_.clientHeight);
  setWindowTitle(QString::fromStdString(layout.caption));
  QPalette colours = palette();
  colours.setColor(QPalette::Window, qtColour(layout.backColour));
  setPalette(colours);
  setAutoFillBackground(true);
  setWindowIcon(ttt::windowIcon(layout.icon, devicePixelRatioF()));
  buildControls();
}

FormWidget::~FormWidget() = default;

void FormWidget::buildControls() {
  const std::size_t count = placed_.controls.size();
  widgets_.assign(count, nullptr);
  // A frame exists before the controls that go into it.
  for (std::size_t index = 0; index < count; ++index) {
    if (placed_.controls[index].layout->kind == ControlKind::Frame)
      widgets_[index] = createWidget(index, this);
  }
  for (std::size_t index = 0; index < count; ++index) {
    const int container = placed_.controls[index].container;
    if (widgets_[index] == nullptr)
      widgets_[index] =
          createWidget(index, container < 0 ? this : widgets_[static_cast<std::size_t>(container)]);
  }
  // Raising each from the bottom-most up stacks them as the layout does.
  std::vector<std::size_t> bottomUp(count);
  for (std::size_t index = 0; index < count; ++index) bottomUp[index] = index;
  std::ranges::sort(bottomUp, {},
                    [this](std::size_t index) { return placed_.controls[index].stacking; });
  for (const std::size_t index : bottomUp) widgets_[index]->raise();
  setTabChain();
}

QWidget* FormWidget::createWidget(std::size_t index, QWidget* container) {
  Control& control = *form_.controls()[index];
  const PlacedControl& placed = placed_.controls[index];
  switch (placed.layout->kind) {
    case ControlKind::Frame: {
      auto* frame = new FrameWidget(control, placed, container);
      observers_.emplace_back(&control, frame);
      return frame;
    }
    case ControlKind::Button: {
      auto* button = new ButtonWidget(control, placed, container);
      button->installEventFilter(this);
      tabOrder_.push_back(button);
      observers_.emplace_back(&control, button);
      return button;
    }
    case ControlKind::Line: {
      auto* line = new LineWidget(control, placed, container);
      observers_.emplace_back(&control, line);
      return line;
    }
    case ControlKind::Label:
      break;
  }
  auto* label = new LabelWidget(form_, control, placed, container);
  observers_.emplace_back(&control, label);
  return label;
}

void FormWidget::setTabChain() {
  std::ranges::sort(tabOrder_, {}, &ButtonWidget::tabOrder);
  for (std::size_t index = 1; index < tabOrder_.size(); ++index)
    setTabOrder(tabOrder_[index - 1], tabOrder_[index]);
}

void FormWidget::open() {
  centreOnScreen();
  if (!form_.layout().taskbarButton) keepOutOfTaskbar(*this);
  show();
  focusFirstButton();
}

void FormWidget::raise() {
  show();
  QWidget::raise();
  activateWindow();
}

void FormWidget::close() {
  for (const auto& [control, observer] : observers_) control->removeObserver(observer);
  hide();
}

QWidget* FormWidget::widget(const Control& control) const {
  const auto& controls = form_.controls();
  for (std::size_t index = 0; index < controls.size(); ++index) {
    if (controls[index].get() == &control) return widgets_[index];
  }
  return nullptr;
}

// On Wayland the compositor places windows; elsewhere the window opens in the middle of the
// screen's work area, not where the pointer is.
void FormWidget::centreOnScreen() {
  const QScreen* shownOn = screen();
  if (shownOn == nullptr) return;
  const QRect area = shownOn->availableGeometry();
  move(area.center() - QPoint(width() / 2, height() / 2));
}

void FormWidget::focusFirstButton() {
  for (ButtonWidget* button : tabOrder_) {
    if (button->isVisible() && button->isEnabled()) {
      button->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
}

// The title bar's close box asks the form, which closes the window itself if it agrees.
void FormWidget::closeEvent(QCloseEvent* event) {
  event->ignore();
  form_.requestClose();
}

void FormWidget::keyPressEvent(QKeyEvent* event) {
  if (const auto key = cellKeyOf(*event); key && pressCellKey(form_, *key)) return;
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if (plain && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
    focusNextPrevChild(event->key() == Qt::Key_Down);
    return;
  }
  QWidget::keyPressEvent(event);
}

// A cell key reaches the window before the focused button, which would take the keypad's
// arrows with Num Lock off, and leaves the focus where it is.
bool FormWidget::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    if (const auto key = cellKeyOf(static_cast<QKeyEvent&>(*event)))
      return pressCellKey(form_, *key);
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace ttt
