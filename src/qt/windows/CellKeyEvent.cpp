#include "qt/windows/CellKeyEvent.h"

#include <QKeyEvent>
#include <array>
#include <utility>

namespace ttt {

namespace {

// With Num Lock off the keypad's keys come as arrows, Home, End and so on.
constexpr std::array<std::pair<int, int>, 10> kKeypadWithoutNumLock{{
    {Qt::Key_Insert, 0},
    {Qt::Key_End, 1},
    {Qt::Key_Down, 2},
    {Qt::Key_PageDown, 3},
    {Qt::Key_Left, 4},
    {Qt::Key_Clear, 5},
    {Qt::Key_Right, 6},
    {Qt::Key_Home, 7},
    {Qt::Key_Up, 8},
    {Qt::Key_PageUp, 9},
}};

std::optional<int> keypadDigit(int key) {
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return key - Qt::Key_0;
  for (const auto& [keypadKey, digit] : kKeypadWithoutNumLock) {
    if (keypadKey == key) return digit;
  }
  return std::nullopt;
}

}  // namespace

std::optional<CellKey> cellKeyOf(const QKeyEvent& event) {
  if ((event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0)
    return std::nullopt;
  if ((event.modifiers() & Qt::KeypadModifier) != 0) {
    if (const auto digit = keypadDigit(event.key())) return CellKey{CellKey::Row::Keypad, *digit};
    return std::nullopt;
  }
  const QString text = event.text();
  if (text.size() == 1 && text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9'))
    return CellKey{CellKey::Row::Digits, text[0].unicode() - u'0'};
  return std::nullopt;
}

}  // namespace ttt
