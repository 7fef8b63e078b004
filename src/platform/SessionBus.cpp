#include "platform/SessionBus.h"

#include <atomic>

namespace n63k {
namespace {

constexpr int kCallTimeoutMs = 3000;

// Qt keeps connections by name; each object gets its own.
QString UniqueName() {
  static std::atomic<int> next{0};
  return QStringLiteral("n63k-pointer-%1").arg(next++);
}

QDBusConnection Connect(const std::string& address, const QString& name) {
  if (address.empty()) {
    return QDBusConnection::connectToBus(QDBusConnection::SessionBus, name);
  }
  return QDBusConnection::connectToBus(QString::fromStdString(address), name);
}

}  // namespace

SessionBus::SessionBus(const std::string& address)
    : name_(UniqueName()), connection_(Connect(address, name_)) {}

SessionBus::~SessionBus() {
  QDBusConnection::disconnectFromBus(name_);
}

std::string SessionBus::error() const {
  const QString message = connection_.lastError().message();
  return message.isEmpty() ? "no session bus" : "no session bus: " + message.toStdString();
}

QDBusMessage SessionBus::Call(const QDBusMessage& message) {
  return connection_.call(message, QDBus::Block, kCallTimeoutMs);
}

bool SessionBus::Send(const QDBusMessage& message) {
  return connection_.send(message);
}

bool SessionBus::OwnsName(std::string_view name) {
  QDBusMessage ask = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
      QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
  ask << QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  const QDBusMessage reply = Call(ask);
  return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
         reply.arguments().constFirst().toBool();
}

std::string ErrorText(const QDBusMessage& reply) {
  const QString text = reply.errorMessage().isEmpty() ? reply.errorName() : reply.errorMessage();
  return text.isEmpty() ? "no answer" : text.toStdString();
}

}  // namespace n63k
