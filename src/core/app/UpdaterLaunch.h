#pragma once

#include <cstdint>
#include <filesystem>

#include "core/app/Handoffs.h"
#include "core/base/Timers.h"

namespace n63k {

inline constexpr std::uint32_t kUpdaterDelayMs = 3000;

// The maker's updater starts once, a while after the window appeared with the
// mouse, so that it does not compete with the start-up.
class UpdaterLaunch {
 public:
  UpdaterLaunch(Timers& timers, ProgramStarter& starter, std::filesystem::path programFolder)
      : timers_(timers), starter_(starter), programFolder_(std::move(programFolder)) {}
  UpdaterLaunch(const UpdaterLaunch&) = delete;
  UpdaterLaunch& operator=(const UpdaterLaunch&) = delete;
  ~UpdaterLaunch() { timers_.Stop(timer_); }

  // Once the window is shown. Without the mouse nothing is ever started; a
  // later call does nothing.
  void Arm(bool mouseOpened);

 private:
  Timers& timers_;
  ProgramStarter& starter_;
  std::filesystem::path programFolder_;
  Timers::Id timer_ = 0;
  bool armed_ = false;
};

}  // namespace n63k
