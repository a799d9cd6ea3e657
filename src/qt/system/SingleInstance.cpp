#include "platform/SingleInstance.h"

#include <QApplication>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QWidget>

#include "platform/display/DesktopName.h"

// The claim is a lock file, named after the application and the desktop, held for the program's
// life beside a local socket on which the holder hears a later start.
namespace ttt {

namespace {

constexpr int kConnectMilliseconds = 2000;  // the holder listens right after it claims

QString claimPath(const std::string& applicationId) {
  const bool wayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
  const QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR", QDir::tempPath());
  return folder + QLatin1Char('/') +
         QString::fromStdString(applicationId + '-' + desktopName(wayland));
}

// The box open over the program's windows, if any, else the window on screen, to the front.
void raiseCurrentWindow() {
  QWidget* current = QApplication::activeModalWidget();
  for (QWidget* window : QApplication::topLevelWidgets())
    if (current == nullptr && window->isVisible()) current = window;
  if (current == nullptr) return;
  current->raise();
  current->activateWindow();
}

}  // namespace

struct SingleInstance::Claim {
  explicit Claim(const QString& path) : lock(path + QStringLiteral(".lock")) {}
  QLockFile lock;
  QLocalServer server;
};

SingleInstance::SingleInstance(const std::string& applicationId) {
  const QString path = claimPath(applicationId);
  const QString socket = path + QStringLiteral(".socket");
  auto claim = std::make_unique<Claim>(path);
  // A lock left by a program that died is taken over: the lock file names its process.
  if (!claim->lock.tryLock(0)) {
    QLocalSocket holder;
    holder.connectToServer(socket);
    if (holder.waitForConnected(kConnectMilliseconds)) {
      holder.write("raise\n");
      holder.waitForBytesWritten(kConnectMilliseconds);
    }
    return;
  }
  QLocalServer::removeServer(socket);
  claim->server.setSocketOptions(QLocalServer::UserAccessOption);
  QObject::connect(&claim->server, &QLocalServer::newConnection, &claim->server,
                   [server = &claim->server] {
                     while (QLocalSocket* caller = server->nextPendingConnection()) {
                       caller->deleteLater();
                       raiseCurrentWindow();
                     }
                   });
  claim->server.listen(socket);
  claim_ = std::move(claim);
}

SingleInstance::~SingleInstance() = default;

}  // namespace ttt
