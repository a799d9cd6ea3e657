#include "qt/app/ProgramMessages.h"

#include <unistd.h>

#include <QString>
#include <QtGlobal>
#include <cstdio>

namespace ttt {

namespace {

const char* programName_ = "";
QtMessageHandler toolkitHandler_ = nullptr;

bool aboutLostDisplay(const QString& message) {
  return message.contains(QLatin1String("X11 connection broke")) ||
         message.contains(QLatin1String("Wayland connection broke")) ||
         message.contains(QLatin1String("Wayland connection experienced a fatal error"));
}

[[noreturn]] void endWith(const char* message) {
  std::fprintf(stderr, "%s: %s\n", programName_, message);
  std::fflush(stderr);
  _exit(1);
}

void onMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (aboutLostDisplay(message)) endWith("the connection to the display was lost; ending");
  if (type == QtFatalMsg) endWith(qPrintable(message));
  toolkitHandler_(type, context, message);
}

}  // namespace

void routeToolkitMessages(const char* programName) {
  programName_ = programName;
  toolkitHandler_ = qInstallMessageHandler(onMessage);
}

}  // namespace ttt
