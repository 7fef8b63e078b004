#pragma once

#include <csignal>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace n63k {

// SIGTERM (the end of the session, a service manager) and SIGINT (Ctrl+C)
// ask the program to end: the request reaches the Qt event loop of the thread
// that made this object, once, so the program runs its shut-down sequence and
// saves instead of being killed with unsaved changes. A second signal after
// that ends the program the system's way, in case the shut-down hangs. One
// object at a time; its end puts the previous handlers back.
class ShutdownSignals {
 public:
  explicit ShutdownSignals(std::function<void()> onRequest);
  ShutdownSignals(const ShutdownSignals&) = delete;
  ShutdownSignals& operator=(const ShutdownSignals&) = delete;
  ~ShutdownSignals();

  // False when the signals could not be taken over; they then end the program
  // as before.
  bool active() const { return notifier_ != nullptr; }

 private:
  void Deliver();

  std::function<void()> onRequest_;
  int pipe_[2] = {-1, -1};
  struct sigaction previousTerm_ {};
  struct sigaction previousInt_ {};
  std::unique_ptr<QSocketNotifier> notifier_;
  bool delivered_ = false;
};

}  // namespace n63k
