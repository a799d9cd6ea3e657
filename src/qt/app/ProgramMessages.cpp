#include "qt/app/ProgramMessages.h"

#include <unistd.h>

#include <QRegularExpression>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace ttt {

namespace {

// More reports than this would only bury the first ones.
constexpr int kMaxReports = 20;

const char* programName_ = "";
QtMessageHandler toolkitHandler_ = nullptr;
bool reportedGoneWindow_ = false;
int reports_ = 0;

void say(const QString& line) {
  std::fprintf(stderr, "%s: %s\n", programName_, qPrintable(line));
  std::fflush(stderr);
}

[[noreturn]] void endWith(const QString& line) {
  say(line);
  // Nothing more may be said to the display: no clean-up, which would.
  _exit(1);
}

QString displayNamed(const char* variable) {
  const char* name = std::getenv(variable);
  return QString::fromLocal8Bit(name != nullptr ? name : "");
}

// Qt's one line about an X protocol error, in the program's words: an error about a window
// that another client destroyed is said once, any other up to a limit, and the game goes on.
void reportProtocolError(const QRegularExpressionMatch& error) {
  const QString name = error.captured(1);
  const bool aboutGoneWindow = name == QLatin1String("BadWindow") ||
                               name == QLatin1String("BadDrawable");
  const QString where = QStringLiteral("%1 in X_%2").arg(name, error.captured(3));
  if (aboutGoneWindow) {
    if (!reportedGoneWindow_)
      say(QStringLiteral("ignoring X errors about windows that are gone (%1)").arg(where));
    reportedGoneWindow_ = true;
    return;
  }
  if (++reports_ > kMaxReports) {
    if (reports_ == kMaxReports + 1) say(QStringLiteral("more X errors; no longer reporting them"));
    return;
  }
  const auto resource = error.captured(2).toLongLong();
  say(QStringLiteral("X error %1 on resource 0x%2; carrying on")
          .arg(where, QString::number(static_cast<quint32>(resource), 16)));
}

void onMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  static const QRegularExpression protocolError(QStringLiteral(
      R"(XCB error: \d+ \((\w+)\), sequence: \d+, resource id: (-?\d+), major code: \d+ \((\w+)\))"));
  if (message.contains(QLatin1String("X11 connection broke")))
    endWith(QStringLiteral("lost the connection to the X display \"%1\"").arg(displayNamed("DISPLAY")));
  if (message.contains(QLatin1String("Wayland connection")))
    endWith(QStringLiteral("lost the connection to the Wayland display \"%1\"")
                .arg(displayNamed("WAYLAND_DISPLAY")));
  if (const auto error = protocolError.match(message); error.hasMatch()) {
    reportProtocolError(error);
    return;
  }
  if (type == QtFatalMsg) endWith(message);
  toolkitHandler_(type, context, message);
}

}  // namespace

void routeToolkitMessages(const char* programName) {
  programName_ = programName;
  toolkitHandler_ = qInstallMessageHandler(onMessage);
}

}  // namespace ttt
