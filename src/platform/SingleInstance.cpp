#include "platform/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QByteArray>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <cstdlib>
#include <string>
#include <system_error>

namespace n63k {
namespace {

// The name the program's single-instance lock has always had.
constexpr char kInstanceName[] = "N63KDriver.exe";
// A request is a short line; a peer that sends more is not one of ours.
constexpr qint64 kRequestLimit = 32;
// The first copy may hold the lock a moment before it listens.
constexpr int kConnectTries = 10;
constexpr int kConnectWaitMs = 200;
constexpr int kWriteWaitMs = 1000;

QString SocketName(const std::filesystem::path& path) {
  return QString::fromStdString(path.string());
}

void ReadRequests(QLocalSocket* peer, const std::function<void(int)>& onRequest) {
  while (peer->canReadLine()) {
    const QByteArray line = peer->readLine(kRequestLimit).trimmed();
    bool number = false;
    const int request = line.toInt(&number);
    if (number && onRequest) {
      onRequest(request);
    }
  }
  if (peer->bytesAvailable() > kRequestLimit) {
    peer->abort();
  }
}

}  // namespace

SingleInstance::SingleInstance(std::filesystem::path socket) : socket_(std::move(socket)) {}

SingleInstance::~SingleInstance() {
  if (server_) {
    server_->close();
  }
  if (lock_ >= 0) {
    ::close(lock_);
  }
}

std::filesystem::path SingleInstance::DefaultSocket() {
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime != 0) {
    std::error_code error;
    if (std::filesystem::is_directory(runtime, error)) {
      return std::filesystem::path(runtime) / kInstanceName;
    }
  }
  std::error_code error;
  std::filesystem::path temporary = std::filesystem::temp_directory_path(error);
  if (error) {
    temporary = "/tmp";
  }
  return temporary / (std::string(kInstanceName) + "-" + std::to_string(::getuid()));
}

SingleInstance::Claim SingleInstance::ClaimOrSignal(std::function<void(int request)> onRequest) {
  if (lock_ >= 0) {
    return Claim::kFirst;
  }
  if (!TakeLock()) {
    SendShowRequest();
    return Claim::kAlreadyRunning;
  }
  onRequest_ = std::move(onRequest);
  Listen();
  return Claim::kFirst;
}

bool SingleInstance::TakeLock() {
  std::filesystem::path lockPath = socket_;
  lockPath += ".lock";
  const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) {
    // Without a lock file there is no way to tell another copy; this one runs.
    return true;
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return false;
  }
  lock_ = fd;
  return true;
}

void SingleInstance::Listen() {
  // Whoever made a socket here before is gone, or the lock would be theirs.
  QLocalServer::removeServer(SocketName(socket_));
  server_ = std::make_unique<QLocalServer>();
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  QLocalServer* server = server_.get();
  QObject::connect(server, &QLocalServer::newConnection, server, [this, server] {
    while (QLocalSocket* peer = server->nextPendingConnection()) {
      QObject::connect(peer, &QLocalSocket::readyRead, peer,
                       [this, peer] { ReadRequests(peer, onRequest_); });
      QObject::connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
      ReadRequests(peer, onRequest_);
    }
  });
  server_->listen(SocketName(socket_));
}

void SingleInstance::SendShowRequest() const {
  QLocalSocket socket;
  for (int attempt = 0; attempt < kConnectTries; ++attempt) {
    socket.connectToServer(SocketName(socket_));
    if (socket.waitForConnected(kConnectWaitMs)) {
      socket.write(QByteArray::number(kShowRequest) + '\n');
      socket.waitForBytesWritten(kWriteWaitMs);
      socket.disconnectFromServer();
      return;
    }
    socket.abort();
    QThread::msleep(kConnectWaitMs);
  }
}

}  // namespace n63k
