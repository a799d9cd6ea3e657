#include "qt/app/ProgramMessages.h"

#include <unistd.h>

#include <QRegularExpression>
#include <cstdio>
#include <cstdlib>

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
  const char* name = std::getenv(variable);
  endWith(QStringLiteral("lost the connection to the %1 display \"%2\"")
              .arg(QLatin1String(kind), QString::fromLocal8Bit(name != nullptr ? name : "")));
}

// Qt's line about an X protocol error, in the program's words: errors about windows another
// client destroyed are said once, any other up to a limit, and the game goes on.
void reportProtocolError(const QRegularExpressionMatch& error) {
  const QString name = error.captured(1);
  const QString where = QStringLiteral("%1 in X_%2").arg(name, error.captured(3));
  if (name == QLatin1String("BadWindow") || name == QLatin1String("BadDrawable")) {
    if (!reportedGoneWindow_)
      say(QStringLiteral("ignoring X errors about windows that are gone (%1)").arg(where));
    reportedGoneWindow_ = true;
  } else if (++reports_ <= kMaxReports) {
    const auto resource = static_cast<quint32>(error.captured(2).toLongLong());
    say(QStringLiteral("X error %1 on resource 0x%2; carrying on").arg(where).arg(resource, 0, 16));
  } else if (reports_ == kMaxReports + 1) {
    say(QStringLiteral("more X errors; no longer reporting them"));
  }
}

void onMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  static const QRegularExpression protocolError(QStringLiteral(
      R"(XCB error: \d+ \((\w+)\), sequence: \d+, resource id: (-?\d+), major code: \d+ \((\w+)\))"));
  if (message.contains(QLatin1String("X11 connection broke"))) lostDisplay("X", "DISPLAY");
  if (message.contains(QLatin1String("Wayland connection")))
    lostDisplay("Wayland", "WAYLAND_DISPLAY");
  if (const auto error = protocolError.match(message); error.hasMatch())
    return reportProtocolError(error);
  if (type == QtFatalMsg) endWith(message);
  toolkitHandler_(type, context, message);
}

}  // namespace

void routeToolkitMessages(const char* programName) {
  programName_ = programName;
  toolkitHandler_ = qInstallMessageHandler(onMessage);
}

}  // namespace ttt
