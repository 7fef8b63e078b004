#include "ui/QtTimers.h"

#include <QTimer>
#include <utility>

namespace n63k::ui {

QtTimers::~QtTimers() {
  for (auto& [id, timer] : timers_) {
    delete timer;
  }
}

Timers::Id QtTimers::Start(std::uint32_t periodMs, std::function<void()> fire) {
  const Id id = nextId_++;
  auto* timer = new QTimer();
  timer->setInterval(static_cast<int>(periodMs));
  timer->setTimerType(Qt::PreciseTimer);
  QObject::connect(timer, &QTimer::timeout, [fire = std::move(fire)] { fire(); });
  timers_[id] = timer;
  timer->start();
  return id;
}

void QtTimers::Stop(Id id) {
  const auto found = timers_.find(id);
  if (found == timers_.end()) {
    return;
  }
  found->second->stop();
  // Later, since the timer may be stopping itself from its own timeout.
  found->second->deleteLater();
  timers_.erase(found);
}

}  // namespace n63k::ui
