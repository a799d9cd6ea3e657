#include "qt/app/ProgramMessages.h"

#include <unistd.h>

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

// After Qt's headers, whose names Xlib's macros would clash with.
#include <X11/Xlib.h>

namespace ttt {

namespace {

constexpr int kMaxReports = 20;  // more would only bury the first ones

const char* programName_ = "";
QtMessageHandler toolkitHandler_ = nullptr;
bool reportedGoneWindow_ = false;
int reports_ = 0;

void say(const QString& line) {
  std::fprintf(stderr, "%s: %s\n", programName_, qPrintable(line));
  std::fflush(stderr);
}

// Nothing more may be said to the display: no clean-up, which would.
[[noreturn]] void endWith(const QString& line) {
  say(line);
  _exit(1);
}

[[noreturn]] void lostDisplay(const char* kind, const char* variable) {
  endWith(QStringLiteral("lost the connection to the %1 display \"%2\"")
              .arg(QLatin1String(kind), qEnvironmentVariable(variable)));
}

void onMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains(QLatin1String("X11 connection broke"))) lostDisplay("X", "DISPLAY");
  if (message.contains(QLatin1String("Wayland connection")))
    lostDisplay("Wayland", "WAYLAND_DISPLAY");
  if (type == QtFatalMsg) endWith(message);
  toolkitHandler_(type, context, message);
}

// Xlib names the error and the request from the X server's own tables, or gives the number.
std::string described(Display* display, const char* database, int code) {
  const std::string number = std::to_string(code);
  char text[128] = "";
  if (display != nullptr)
    XGetErrorDatabaseText(display, database, number.c_str(), number.c_str(), text, sizeof text);
  return display != nullptr ? text : number;
}

}  // namespace

// Errors about windows another client destroyed are said once, any other up to a limit.
void reportProtocolError(int error, int request, unsigned resource) {
  auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
  Display* display = x11 != nullptr ? x11->display() : nullptr;
  const std::string where =
      described(display, "XProtoError", error) + " in " + described(display, "XRequest", request);
  if (error == BadWindow || error == BadDrawable) {
    if (!reportedGoneWindow_)
      say(QStringLiteral("ignoring X errors about windows that are gone (%1)").arg(where.c_str()));
    reportedGoneWindow_ = true;
  } else if (++reports_ <= kMaxReports) {
    say(QStringLiteral("X error %1 on resource 0x%2; carrying on")
            .arg(where.c_str())
            .arg(resource, 0, 16));
  } else if (reports_ == kMaxReports + 1) {
    say(QStringLiteral("more X errors; no longer reporting them"));
  }
}

void routeToolkitMessages(const char* programName) {
  programName_ = programName;
  toolkitHandler_ = qInstallMessageHandler(onMessage);
}

}  // namespace ttt
