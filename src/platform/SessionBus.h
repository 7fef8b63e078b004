#pragma once

#include <QtCore/QString>
#include <QtDBus/QDBusConnection>
#include <QtDBus/QDBusMessage>
#include <string>
#include <string_view>

namespace n63k {

// A connection of the program's own to the session bus, or to the bus at
// `address` when one is given, closed with the object. Its calls wait only a
// few seconds, so a desktop that hangs cannot hold up a write for long.
class SessionBus {
 public:
  explicit SessionBus(const std::string& address = {});
  ~SessionBus();
  SessionBus(const SessionBus&) = delete;
  SessionBus& operator=(const SessionBus&) = delete;

  bool connected() const { return connection_.isConnected(); }
  // Why there is no connection.
  std::string error() const;

  // The reply, or an error message when the call failed or took too long.
  QDBusMessage Call(const QDBusMessage& message);
  bool Send(const QDBusMessage& message);
  bool OwnsName(std::string_view name);

 private:
  QString name_;
  QDBusConnection connection_;
};

// The text of an error reply, for the report.
std::string ErrorText(const QDBusMessage& reply);

}  // namespace n63k
