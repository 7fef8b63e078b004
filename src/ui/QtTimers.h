#pragma once

#include <QObject>
#include <map>

#include "core/base/Timers.h"

class QTimer;

namespace n63k::ui {

// The windows' timers on Qt's event loop.
class QtTimers final : public Timers {
 public:
  QtTimers() = default;
  QtTimers(const QtTimers&) = delete;
  QtTimers& operator=(const QtTimers&) = delete;
  ~QtTimers() override;

  Id Start(std::uint32_t periodMs, std::function<void()> fire) override;
  void Stop(Id id) override;

 private:
  std::map<Id, QTimer*> timers_;
  Id nextId_ = 1;
};

}  // namespace n63k::ui
