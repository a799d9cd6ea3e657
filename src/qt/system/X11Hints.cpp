#include "qt/system/X11Hints.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <array>
#include <cstdlib>
#include <cstring>

namespace ttt {

namespace {

// Motif hints: functions and decorations given; move and close; border, title and window menu.
constexpr std::array<std::uint32_t, 5> kMoveAndCloseOnly{0x3, 0x4 | 0x20, 0x2 | 0x8 | 0x10, 0, 0};

xcb_atom_t atomNamed(xcb_connection_t* connection, const char* name) {
  const auto cookie =
      xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
  const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
  std::free(reply);
  return atom;
}

// Writes 32-bit values into a property of the window; off X11, nothing.
void setProperty(QWidget& window, std::uint8_t mode, const char* property, const char* type,
                 const std::uint32_t* values, std::uint32_t count) {
  auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
  if (connection == nullptr) return;
  xcb_change_property(connection, mode, static_cast<xcb_window_t>(window.winId()),
                      atomNamed(connection, property), atomNamed(connection, type), 32, count,
                      values);
  xcb_flush(connection);
}

void setAtom(QWidget& window, std::uint8_t mode, const char* property, const char* atom) {
  if (auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>()) {
    const xcb_atom_t value = atomNamed(x11->connection(), atom);
    setProperty(window, mode, property, "ATOM", &value, 1);
  }
}

}  // namespace

// Qt merges its own states into the property when it maps the window, keeping this one.
void keepOutOfTaskbar(QWidget& window) {
  setAtom(window, XCB_PROP_MODE_APPEND, "_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR");
}

void offerOnlyMoveAndClose(QWidget& window) {
  setProperty(window, XCB_PROP_MODE_REPLACE, "_MOTIF_WM_HINTS", "_MOTIF_WM_HINTS",
              kMoveAndCloseOnly.data(), kMoveAndCloseOnly.size());
}

void typeAsDialogOnly(QWidget& dialog) {
  setAtom(dialog, XCB_PROP_MODE_REPLACE, "_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_DIALOG");
}

}  // namespace ttt
