#include "qt/windows/FormWidget.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QKeyEvent>
#include <algorithm>
#include <array>
#include <optional>

#include "forms/Form.h"
#include "qt/system/ArtImages.h"
#include "qt/system/ClassicLook.h"
#include "qt/system/X11Hints.h"
#include "qt/windows/ButtonWidget.h"
#include "qt/windows/FrameWidget.h"
#include "qt/windows/LabelWidget.h"
#include "qt/windows/LineWidget.h"
#include "screens/access/CellKeyPress.h"

namespace ttt {

namespace {

// The layout's pixels are Qt's logical pixels; Qt makes them as large as the screen asks.
constexpr int kLogicalDpi = 96;

// With Num Lock off the keypad's keys 0 to 9 come as these.
constexpr std::array<int, 10> kKeypadWithoutNumLock{
    Qt::Key_Insert, Qt::Key_End,   Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Left,
    Qt::Key_Clear,  Qt::Key_Right, Qt::Key_Home, Qt::Key_Up,       Qt::Key_PageUp};

std::optional<int> keypadDigit(int key) {
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return key - Qt::Key_0;
  const auto* found = std::ranges::find(kKeypadWithoutNumLock, key);
  if (found == kKeypadWithoutNumLock.end()) return std::nullopt;
  return static_cast<int>(found - kKeypadWithoutNumLock.begin());
}

// While a screen reader listens, the keypad's keys other than its digits (Num Lock off) are
// the reader's own; one that still reaches a window slipped past a reader too busy to take it.
bool isScreenReaderKey(const QKeyEvent& event) {
  const bool digit = event.key() >= Qt::Key_0 && event.key() <= Qt::Key_9;
  return (event.modifiers() & Qt::KeypadModifier) != 0 && !digit && QAccessible::isActive();
}

// The digit key a key press stands for, from the keypad (with Num Lock on or off) or the row
// above the letters; none with Ctrl, Alt or Meta held.
std::optional<CellKey> cellKeyOf(const QKeyEvent& event) {
  if ((event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0)
    return std::nullopt;
  if ((event.modifiers() & Qt::KeypadModifier) != 0) {
    const auto digit = keypadDigit(event.key());
    return digit ? std::optional(CellKey{CellKey::Row::Keypad, *digit}) : std::nullopt;
  }
  const QString text = event.text();
  if (text.size() == 1 && text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9'))
    return CellKey{CellKey::Row::Digits, text[0].unicode() - u'0'};
  return std::nullopt;
}

}  // namespace

FormWidget::FormWidget(Form& form)
    : ScreenCentred(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      form_(form),
      placed_(placeForm(form.layout(), kLogicalDpi)),
      description_(form) {
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
  // Raising each from the bottom-most (the layout's last) up stacks them as the layout does.
  for (std::size_t index = count; index-- > 0;) widgets_[index]->raise();
  setTabChain();
}

QWidget* FormWidget::createWidget(std::size_t index, QWidget* container) {
  Control& control = *form_.controls()[index];
  const PlacedControl& placed = placed_.controls[index];
  switch (placed.layout->kind) {
    case ControlKind::Frame:
      return new FrameWidget(control, placed, container);
    case ControlKind::Button: {
      auto* button = new ButtonWidget(control, placed, container);
      button->installEventFilter(this);
      tabOrder_.push_back(button);
      return button;
    }
    case ControlKind::Line:
      return new LineWidget(control, placed, container);
    case ControlKind::Label:
      break;
  }
  return new LabelWidget(form_, control, placed, container);
}

void FormWidget::setTabChain() {
  std::ranges::sort(tabOrder_, {}, &ButtonWidget::tabOrder);
  for (std::size_t index = 1; index < tabOrder_.size(); ++index)
    setTabOrder(tabOrder_[index - 1], tabOrder_[index]);
}

void FormWidget::open() {
  if (!form_.layout().taskbarButton) keepOutOfTaskbar(*this);
  show();
  // Without a window manager nothing else gives the new window the keyboard.
  activateWindow();
  focusFirstButton();
}

void FormWidget::raise() {
  show();
  QWidget::raise();
  activateWindow();
}

void FormWidget::close() {
  for (QObject* child : findChildren<QObject*>()) {
    if (auto* link = dynamic_cast<ControlLink*>(child)) link->detach();
  }
  hide();
}

QWidget* FormWidget::widget(const Control& control) const {
  const auto& controls = form_.controls();
  const auto found = std::ranges::find(controls, &control, &std::unique_ptr<Control>::get);
  return found == controls.end() ? nullptr
                                 : widgets_[static_cast<std::size_t>(found - controls.begin())];
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
  if (isScreenReaderKey(*event)) return;
  if (const auto key = cellKeyOf(*event); key && pressCellKey(form_, *key)) return;
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if (plain && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
    focusNextPrevChild(event->key() == Qt::Key_Down);
    return;
  }
  QWidget::keyPressEvent(event);
}

// A cell key, or a screen reader's, reaches the window before the focused button would.
bool FormWidget::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto& press = static_cast<QKeyEvent&>(*event);
    if (isScreenReaderKey(press)) return true;
    if (const auto key = cellKeyOf(press)) return pressCellKey(form_, *key);
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace ttt
