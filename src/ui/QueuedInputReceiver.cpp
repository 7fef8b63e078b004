#include "ui/QueuedInputReceiver.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <QSocketNotifier>

namespace n63k::ui {

QueuedInputReceiver::QueuedInputReceiver(std::function<void(std::uint32_t identity)> reported)
    : reported_(std::move(reported)), wakeFd_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
  if (wakeFd_ >= 0) {
    notifier_ = std::make_unique<QSocketNotifier>(wakeFd_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { Drain(); });
  }
}

QueuedInputReceiver::~QueuedInputReceiver() {
  notifier_.reset();
  if (wakeFd_ >= 0) {
    ::close(wakeFd_);
  }
}

void QueuedInputReceiver::PcAction(std::uint32_t identity) {
  if (ring_.Push(identity) && wakeFd_ >= 0) {
    ::eventfd_write(wakeFd_, 1);
  }
}

void QueuedInputReceiver::Drain() {
  eventfd_t count = 0;
  ::eventfd_read(wakeFd_, &count);
  std::uint32_t identity = 0;
  while (ring_.Pop(identity)) {
    reported_(identity);
  }
}

}  // namespace n63k::ui
