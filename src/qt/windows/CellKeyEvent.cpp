#include "qt/windows/CellKeyEvent.h"

#include <QKeyEvent>
#include <array>

namespace ttt {

namespace {

// With Num Lock off the keypad's keys 0 to 9 come as these.
constexpr std::array<int, 10> kKeypadWithoutNumLock{
    Qt::Key_Insert, Qt::Key_End,   Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Left,
    Qt::Key_Clear,  Qt::Key_Right, Qt::Key_Home, Qt::Key_Up,       Qt::Key_PageUp};

std::optional<int> keypadDigit(int key) {
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return key - Qt::Key_0;
  for (std::size_t digit = 0; digit < kKeypadWithoutNumLock.size(); ++digit) {
    if (kKeypadWithoutNumLock[digit] == key) return static_cast<int>(digit);
  }
  return std::nullopt;
}

}  // namespace

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

}  // namespace ttt
