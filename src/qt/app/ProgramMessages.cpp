#include "qt/app/ProgramMessages.h"

#include <unistd.h>

#include <QGuiApplication>
#include <cstdio>
#include <string>

#include "platform/display/XErrorReports.h"

namespace ttt {

namespace {

const char* programName_ = "";
QtMessageHandler toolkitHandler_ = nullptr;

void say(const QString& line) {
  std::fprintf(stderr, "%s: %s\n", programName_, qPrintable(line));  // stderr is unbuffered
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

}  // namespace

void reportProtocolError(int error, int request, unsigned resource) {
  static XErrorReports reports;
  auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
  const std::string line =
      reports.lineFor(x11 != nullptr ? x11->display() : nullptr, error, request, resource);
  if (!line.empty()) say(QString::fromStdString(line));
}

void routeToolkitMessages(const char* programName) {
  programName_ = programName;
  toolkitHandler_ = qInstallMessageHandler(onMessage);
}

}  // namespace ttt
