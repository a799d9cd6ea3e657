#include "fltk/AccessibilityBus.h"

#include <FL/x.H>
#include <dbus/dbus.h>

#include <cstdlib>
#include <cstring>

namespace ttt {

namespace {

constexpr const char* kBusLauncherName = "org.a11y.Bus";

bool set(const char* variable) {
  const char* value = std::getenv(variable);
  return value != nullptr && *value != '\0';
}

bool rootWindowNamesBus() {
  if (fl_display == nullptr) return false;
  const Atom property = XInternAtom(fl_display, "AT_SPI_BUS", True);
  if (property == None) return false;
  Atom type = None;
  int format = 0;
  unsigned long items = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  const int status =
      XGetWindowProperty(fl_display, RootWindow(fl_display, fl_screen), property, 0, 0, False,
                         AnyPropertyType, &type, &format, &items, &remaining, &data);
  if (data != nullptr) XFree(data);
  return status == Success && type != None;
}

// Asks the session bus, whose address the environment gives, without letting the D-Bus
// library start a bus of its own or activate the launcher.
bool sessionBusHasLauncher() {
  const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
  if (address == nullptr || *address == '\0') return false;
  DBusError error;
  dbus_error_init(&error);
  DBusConnection* bus = dbus_connection_open_private(address, &error);
  bool owned = false;
  if (bus != nullptr && dbus_bus_register(bus, &error)) {
    owned = dbus_bus_name_has_owner(bus, kBusLauncherName, &error) != FALSE;
  }
  dbus_error_free(&error);
  if (bus != nullptr) {
    dbus_connection_close(bus);
    dbus_connection_unref(bus);
  }
  return owned;
}

}  // namespace

bool accessibilityBusRunning() {
  const char* disabled = std::getenv("NO_AT_BRIDGE");
  if (disabled != nullptr && std::strcmp(disabled, "1") == 0) return false;
  return set("AT_SPI_BUS_ADDRESS") || rootWindowNamesBus() || sessionBusHasLauncher();
}

}  // namespace ttt
