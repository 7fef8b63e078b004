#include "app/GlobalInput.h"

#include <cstdlib>

#include "core/buttons/ButtonEncoding.h"
#include "core/device/PointerDesktopRule.h"

namespace n63k::app {
namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

bool X11Session() {
  return IsX11Session({.sessionType = Variable("XDG_SESSION_TYPE"),
                       .currentDesktop = {},
                       .waylandDisplay = !Variable("WAYLAND_DISPLAY").empty(),
                       .xDisplay = !Variable("DISPLAY").empty()});
}

}  // namespace

GlobalInput::GlobalInput(ProgramState& state, ProgramStarter& starter, PageHooks& pages)
    : watchList_(state.mouseWatchList()),
      hooks_(watchList_),
      actions_(starter),
      handler_(state.profileFiles().Current(), pages, actions_),
      receiver_([this](std::uint32_t identity) { handler_.Reported(identity); }),
      keyCapture_(hooks_) {
  // The mouse still holds the profile that was current when the program last
  // ran, so its PC actions work before the first write of this run.
  const ProfileRecord& current = state.profileFiles().Current();
  for (int slot = 0; slot < kButtonCount; ++slot) {
    WatchButton(watchList_, slot, current.buttons[slot]);
  }
}

std::string GlobalInput::Install(bool chineseUi) {
  // Once: when the mouse comes back, a page that captures keys keeps them.
  if (!notice_) {
    hooks_.SetMainWindow(&receiver_);
    hooks_.SetClickNotify(true);
  }
  if (evdev_ == nullptr) {
    evdev_ = std::make_unique<platform::EvdevMouseInput>(hooks_, watchList_);
  }
  using Reach = platform::EvdevMouseInput::Reach;
  const Reach nodes = evdev_->Start();
  InputReach reach = InputReach::kNone;
  if (nodes == Reach::kObserveAndSwallow) {
    reach = InputReach::kSwallows;
  } else if (StartX11()) {
    // Every press would be reported twice while both ran.
    evdev_->Stop();
    reach = InputReach::kSwallows;
  } else if (nodes == Reach::kObserveOnly) {
    reach = InputReach::kObservesOnly;
  }
  if (!notice_) {
    notice_.emplace(reach);
  }
  return notice_->Check(watchList_, chineseUi);
}

bool GlobalInput::StartX11() {
  if (!X11Session()) {
    return false;
  }
  if (x11_ == nullptr) {
    x11_ = std::make_unique<X11MouseInput>(hooks_, watchList_);
  }
  return x11_->Start();
}

void GlobalInput::Remove() {
  if (evdev_ != nullptr) {
    evdev_->Stop();
  }
  if (x11_ != nullptr) {
    x11_->Stop();
  }
}

std::string GlobalInput::WatchListChanged(bool chineseUi) {
  if (evdev_ != nullptr) {
    evdev_->WatchListChanged();
  }
  if (x11_ != nullptr) {
    x11_->WatchListChanged();
  }
  return notice_ ? notice_->Check(watchList_, chineseUi) : std::string();
}

}  // namespace n63k::app
