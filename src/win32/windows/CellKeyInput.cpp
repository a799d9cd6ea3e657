#include "win32/windows/CellKeyInput.h"

#include <array>

#include "screens/access/CellKeys.h"

namespace ttt {

namespace {

constexpr LPARAM kExtendedKey = LPARAM{1} << 24;  // a key beside the keypad, not on it
constexpr LPARAM kWasDown = LPARAM{1} << 30;      // a repeat of a key held down

// With Num Lock off the keypad's digits 1 to 9 send the keys printed under them.
constexpr std::array<WPARAM, 9> kKeypadWithoutNumLock{VK_END,   VK_DOWN, VK_NEXT, VK_LEFT, VK_CLEAR,
                                                      VK_RIGHT, VK_HOME, VK_UP,   VK_PRIOR};

std::optional<CellKey> digitKey(WPARAM key, LPARAM flags) {
  if (key >= VK_NUMPAD1 && key <= VK_NUMPAD9) {
    return CellKey{CellKey::Row::Keypad, static_cast<int>(key - VK_NUMPAD0)};
  }
  if (key >= '1' && key <= '9') return CellKey{CellKey::Row::Digits, static_cast<int>(key - '0')};
  if ((flags & kExtendedKey) != 0) return std::nullopt;
  for (std::size_t i = 0; i < kKeypadWithoutNumLock.size(); ++i) {
    if (kKeypadWithoutNumLock[i] == key) {
      return CellKey{CellKey::Row::Keypad, static_cast<int>(i) + 1};
    }
  }
  return std::nullopt;
}

bool chordHeld() { return GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0; }

}  // namespace

std::optional<int> cellOfKeyMessage(const MSG& message) {
  if (message.message != WM_KEYDOWN || (message.lParam & kWasDown) != 0) return std::nullopt;
  const std::optional<CellKey> key = digitKey(message.wParam, message.lParam);
  if (!key || chordHeld()) return std::nullopt;
  return cellForKey(*key);
}

}  // namespace ttt
