#include "platform/SingleInstance.h"

#include <QApplication>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QWidget>
#include <memory>

// The claim is a lock file named after the application and the desktop (the X display or the
// Wayland socket) in the session's runtime folder, held for the program's life, beside a local
// socket on which the holder hears a later start.
namespace ttt {

namespace {

// How long a later start waits for the holder to listen, which it does right after claiming.
constexpr int kConnectMilliseconds = 2000;

QString desktopName() {
  const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
  if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")) && !wayland.isEmpty())
    return QStringLiteral("wayland-") + wayland;
  QString x11 = qEnvironmentVariable("DISPLAY");
  // ":1" and ":1.0" are the same desktop.
  if (const auto dot = x11.lastIndexOf(QLatin1Char('.')); dot > x11.lastIndexOf(QLatin1Char(':')))
    x11.truncate(dot);
  return QStringLiteral("x11-") + x11;
}

QString claimPath(const std::string& applicationId) {
  QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (folder.isEmpty()) folder = QDir::tempPath();
  QString name = QString::fromStdString(applicationId) + QLatin1Char('-') + desktopName();
  name.replace(QLatin1Char('/'), QLatin1Char('_'));
  return folder + QLatin1Char('/') + name;
}

// The box open over the program's windows, if any, else the window on screen, to the front.
void raiseCurrentWindow() {
  QWidget* current = QApplication::activeModalWidget();
  if (current == nullptr) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->isVisible()) current = window;
    }
  }
  if (current == nullptr) return;
  current->raise();
  current->activateWindow();
}

bool askHolderToRaise(const QString& path) {
  QLocalSocket socket;
  socket.connectToServer(path + QStringLiteral(".socket"));
  if (!socket.waitForConnected(kConnectMilliseconds)) return false;
  socket.write("raise\n");
  socket.waitForBytesWritten(kConnectMilliseconds);
  return true;
}

}  // namespace

struct SingleInstance::Claim {
  explicit Claim(const QString& path) : lock(path + QStringLiteral(".lock")) {}
  QLockFile lock;
  QLocalServer server;
};

SingleInstance::SingleInstance(const std::string& applicationId) {
  const QString path = claimPath(applicationId);
  auto claim = std::make_unique<Claim>(path);
  // A lock left by a program that died is taken over: the lock file names its process.
  if (!claim->lock.tryLock(0)) {
    askHolderToRaise(path);
    return;
  }
  QLocalServer::removeServer(path + QStringLiteral(".socket"));
  claim->server.setSocketOptions(QLocalServer::UserAccessOption);
  QObject::connect(&claim->server, &QLocalServer::newConnection, &claim->server,
                   [server = &claim->server] {
                     while (QLocalSocket* caller = server->nextPendingConnection()) {
                       caller->deleteLater();
                       raiseCurrentWindow();
                     }
                   });
  claim->server.listen(path + QStringLiteral(".socket"));
  claim_ = std::move(claim);
}

SingleInstance::~SingleInstance() = default;

}  // namespace ttt
