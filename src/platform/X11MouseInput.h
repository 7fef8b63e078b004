#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/buttons/InputHooks.h"
#include "core/buttons/MouseWatchList.h"

struct _XDisplay;
class QSocketNotifier;

namespace n63k {

// The input hooks' mouse events on an X11 session whose mouse nodes cannot be
// read: XInput2 raw button events on the root window show every press and
// notch of every pointer, and a passive grab on the root window for each
// watched control keeps its press and release from every other client. Runs
// on the window thread. An X server of Xwayland sees only what is aimed at X
// windows, so the caller uses this only on a true X11 session.
class X11MouseInput {
 public:
  X11MouseInput(InputHooks& hooks, const MouseWatchList& watchList);
  ~X11MouseInput();
  X11MouseInput(const X11MouseInput&) = delete;
  X11MouseInput& operator=(const X11MouseInput&) = delete;

  // Connects to `displayName` (empty: $DISPLAY). False when there is no
  // display or it has no XInput 2.2.
  bool Start(const std::string& displayName = {});
  void Stop();
  // Grabs the controls the watch list now holds and releases the others.
  void WatchListChanged();

 private:
  void ReadEvents();
  void Grab();

  InputHooks& hooks_;
  const MouseWatchList& watchList_;
  _XDisplay* display_ = nullptr;
  int xinputOpcode_ = 0;
  std::vector<unsigned int> grabbed_;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace n63k
