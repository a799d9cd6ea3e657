#include "qt/system/X11Hints.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <array>
#include <cstdlib>
#include <cstring>

namespace ttt {

namespace {

constexpr std::uint32_t kMotifFunctions = 1u << 0;
constexpr std::uint32_t kMotifDecorations = 1u << 1;
constexpr std::uint32_t kMotifMove = 1u << 2;
constexpr std::uint32_t kMotifClose = 1u << 5;
// Border, title and window menu; no resize handles, no minimise or maximise buttons.
constexpr std::uint32_t kMotifBorderTitleMenu = (1u << 1) | (1u << 3) | (1u << 4);

xcb_connection_t* x11Connection() {
  auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 != nullptr ? x11->connection() : nullptr;
}

xcb_atom_t atomNamed(xcb_connection_t* connection, const char* name) {
  const auto cookie =
      xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
  const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
  std::free(reply);
  return atom;
}

}  // namespace

// Qt merges its own states into the property when it maps the window, keeping this one.
void keepOutOfTaskbar(QWidget& window) {
  xcb_connection_t* connection = x11Connection();
  if (connection == nullptr) return;
  const xcb_atom_t state = atomNamed(connection, "_NET_WM_STATE");
  const xcb_atom_t skip = atomNamed(connection, "_NET_WM_STATE_SKIP_TASKBAR");
  if (state == XCB_ATOM_NONE || skip == XCB_ATOM_NONE) return;
  xcb_change_property(connection, XCB_PROP_MODE_APPEND, static_cast<xcb_window_t>(window.winId()),
                      state, XCB_ATOM_ATOM, 32, 1, &skip);
}

void offerOnlyMoveAndClose(QWidget& window) {
  xcb_connection_t* connection = x11Connection();
  if (connection == nullptr) return;
  const xcb_atom_t hints = atomNamed(connection, "_MOTIF_WM_HINTS");
  if (hints == XCB_ATOM_NONE) return;
  const std::array<std::uint32_t, 5> value{kMotifFunctions | kMotifDecorations,
                                           kMotifMove | kMotifClose, kMotifBorderTitleMenu, 0, 0};
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window.winId()),
                      hints, hints, 32, static_cast<std::uint32_t>(value.size()), value.data());
  xcb_flush(connection);
}

}  // namespace ttt
