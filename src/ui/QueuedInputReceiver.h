#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "core/buttons/InputHooks.h"
#include "core/buttons/ReportRing.h"

class QSocketNotifier;

namespace n63k::ui {

// The main window's receiver of the input hooks' reports. The hooks call it
// on the backend's thread; it only puts the identity into a fixed queue and
// wakes the window thread through an eventfd, which then hands each report to
// `reported` in order.
class QueuedInputReceiver final : public InputReceiver {
 public:
  explicit QueuedInputReceiver(std::function<void(std::uint32_t identity)> reported);
  ~QueuedInputReceiver() override;
  QueuedInputReceiver(const QueuedInputReceiver&) = delete;
  QueuedInputReceiver& operator=(const QueuedInputReceiver&) = delete;

  // The main window takes no captured keys.
  void CapturedInput(std::uint32_t, std::uint32_t) override {}
  void PcAction(std::uint32_t identity) override;

  // Reports lost because the window thread fell behind.
  std::uint64_t dropped() const { return ring_.dropped(); }

 private:
  void Drain();

  std::function<void(std::uint32_t)> reported_;
  ReportRing ring_;
  int wakeFd_;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace n63k::ui
