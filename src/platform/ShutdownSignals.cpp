#include "platform/ShutdownSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <atomic>
#include <cerrno>

namespace n63k {
namespace {

// The write end of the pipe, for the handler; -1 while no object exists.
std::atomic<int> signalPipe{-1};

extern "C" void OnShutdownSignal(int signal) {
  const int saved = errno;
  const int fd = signalPipe.load();
  if (fd >= 0) {
    const char byte = static_cast<char>(signal);
    // A full pipe already holds a request; nothing is lost by dropping this.
    [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
  }
  errno = saved;
}

void SetDefault(int signal) {
  struct sigaction action {};
  action.sa_handler = SIG_DFL;
  sigemptyset(&action.sa_mask);
  ::sigaction(signal, &action, nullptr);
}

}  // namespace

ShutdownSignals::ShutdownSignals(std::function<void()> onRequest)
    : onRequest_(std::move(onRequest)) {
  if (signalPipe.load() >= 0 || ::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) {
    return;
  }
  signalPipe.store(pipe_[1]);
  struct sigaction action {};
  action.sa_handler = OnShutdownSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  ::sigaction(SIGTERM, &action, &previousTerm_);
  ::sigaction(SIGINT, &action, &previousInt_);
  notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                   [this] { Deliver(); });
}

ShutdownSignals::~ShutdownSignals() {
  if (notifier_ == nullptr) {
    return;
  }
  ::sigaction(SIGTERM, &previousTerm_, nullptr);
  ::sigaction(SIGINT, &previousInt_, nullptr);
  signalPipe.store(-1);
  notifier_.reset();
  ::close(pipe_[0]);
  ::close(pipe_[1]);
}

void ShutdownSignals::Deliver() {
  char bytes[16];
  while (::read(pipe_[0], bytes, sizeof bytes) > 0) {
  }
  if (delivered_) {
    return;
  }
  delivered_ = true;
  SetDefault(SIGTERM);
  SetDefault(SIGINT);
  onRequest_();
}

}  // namespace n63k
