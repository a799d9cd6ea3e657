#include "qt/accessibility/KeypadPassThrough.h"

#include <QAbstractNativeEventFilter>
#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
// Xlib's macros clash with Qt's names: its headers come after Qt's.
#include <X11/XKBlib.h>
#include <X11/keysym.h>
#include <xcb/xcb.h>
#undef KeyPress  // Xlib's names for X's events, which hide Qt's
#undef KeyRelease

namespace ttt {

namespace {

// Num Lock is the second modifier in the X server's default map; Shift still reaches
// Orca's keypad, and Control, Alt and the logo key leave the key to Qt.
constexpr std::uint16_t kNumLock = XCB_MOD_MASK_2;
constexpr std::uint16_t kOtherModifiers =
    XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;

// The digit a keypad key gives with Num Lock on, or -1.
int keypadDigit(xcb_keycode_t code) {
  auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr) return -1;
  const KeySym symbol = XkbKeycodeToKeysym(x11->display(), code, 0, 1);
  return symbol >= XK_KP_0 && symbol <= XK_KP_9 ? static_cast<int>(symbol - XK_KP_0) : -1;
}

class KeypadFilter : public QAbstractNativeEventFilter {
 public:
  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    if (type != "xcb_generic_event_t" || !QAccessible::isActive()) return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const std::uint8_t kind = event->response_type & 0x7f;
    if (kind != XCB_KEY_PRESS && kind != XCB_KEY_RELEASE) return false;
    const auto* key = reinterpret_cast<const xcb_key_press_event_t*>(event);
    if ((key->state & kNumLock) == 0 || (key->state & kOtherModifiers) != 0) return false;
    const int digit = keypadDigit(key->detail);
    QWidget* focus = QApplication::focusWidget();  // a game window's, not a box's
    if (digit < 0 || focus == nullptr || focus->window()->windowType() != Qt::Window) return false;
    // A posted event is not spontaneous, and Qt's bridge passes only spontaneous keys on.
    QCoreApplication::postEvent(
        focus, new QKeyEvent(kind == XCB_KEY_PRESS ? QEvent::KeyPress : QEvent::KeyRelease,
                             Qt::Key_0 + digit, Qt::KeypadModifier, QString::number(digit)));
    return true;
  }
};

}  // namespace

void passKeypadDigitsToGameWindows() {
  static KeypadFilter filter;
  qApp->installNativeEventFilter(&filter);
}

}  // namespace ttt
