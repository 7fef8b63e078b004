#pragma once

#include <cstdint>

#include "core/buttons/PcActions.h"
#include "core/pages/PageHooks.h"
#include "core/store/ProfileRecord.h"

namespace n63k {

// The main window's answer to a press or notch that the input hooks
// reported: the statistics page counts it, and a control whose function is a
// PC action in the current profile has its action carried out.
class PcActionHandler {
 public:
  // `current` is the profile the pages edit, written to the mouse or not.
  PcActionHandler(const ProfileRecord& current, PageHooks& pages, PcActions& actions)
      : current_(current), pages_(pages), actions_(actions) {}

  void Reported(std::uint32_t identity);

 private:
  const ProfileRecord& current_;
  PageHooks& pages_;
  PcActions& actions_;
};

}  // namespace n63k
