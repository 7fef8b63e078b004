#pragma once

#include <filesystem>
#include <functional>
#include <memory>

class QLocalServer;

namespace n63k {

// What a second copy sends: the tray icon's double click, which shows the
// window.
inline constexpr int kShowRequest = 515;

// One copy of the program per user. The first copy holds a lock for as long
// as it runs and listens on a local socket beside it; a later copy finds the
// lock taken, sends the show request to the socket and ends. The lock goes
// with the process, so a crashed copy never blocks the next start, and its
// stale socket is replaced.
class SingleInstance {
 public:
  enum class Claim { kFirst, kAlreadyRunning };

  // `socket` is the socket's path; the lock is the same path with ".lock".
  explicit SingleInstance(std::filesystem::path socket = DefaultSocket());
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;
  ~SingleInstance();

  // The first copy listens (on the Qt event loop of this thread) and calls
  // `onRequest` with each request that arrives; a later copy has sent its
  // show request when this returns, or found nobody answering, and must end.
  Claim ClaimOrSignal(std::function<void(int request)> onRequest);

  // "N63KDriver.exe" in the user's runtime folder, which no other user can
  // enter; without one, in the temporary folder, named with the user's id.
  static std::filesystem::path DefaultSocket();

 private:
  bool TakeLock();
  void Listen();
  void SendShowRequest() const;

  std::filesystem::path socket_;
  int lock_ = -1;
  std::unique_ptr<QLocalServer> server_;
  std::function<void(int)> onRequest_;
};

}  // namespace n63k
