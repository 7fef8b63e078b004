#pragma once

#include <memory>
#include <thread>
#include <vector>

#include "core/buttons/InputHooks.h"
#include "core/buttons/MouseWatchList.h"
#include "core/stats/PointerTravel.h"
#include "platform/evdev/EvdevKernel.h"
#include "platform/evdev/RelativeMotionTravel.h"

namespace n63k::platform {

// The mouse's input on every session, read from its own event nodes on a
// thread of its own that never waits for the window. Each press, release and
// wheel notch goes through the input hooks. While a control is watched the
// nodes are grabbed, so nothing reaches the desktop but what we write on
// through a uinput clone of the mouse: everything the hooks do not swallow.
class EvdevMouseInput {
 public:
  EvdevMouseInput(InputHooks& hooks, const MouseWatchList& watchList);
  // With other kernel calls, for tests.
  EvdevMouseInput(InputHooks& hooks, const MouseWatchList& watchList, EvdevKernel& kernel);
  EvdevMouseInput(const EvdevMouseInput&) = delete;
  EvdevMouseInput& operator=(const EvdevMouseInput&) = delete;
  ~EvdevMouseInput();

  enum class Reach {
    kNoEventNode,        // no node of the mouse could be opened
    kObserveOnly,        // no uinput access: presses are seen but not swallowed
    kObserveAndSwallow,  // watched presses reach no application
  };
  // Opens the nodes present now and starts reading and watching for nodes
  // that come and go.
  Reach Start();
  // Releases the nodes and ends the reader; at once.
  void Stop();
  // After each change of the watch list: the nodes are grabbed or released
  // as soon as no button is held.
  void WatchListChanged();

  PointerTravel& travel() { return travel_; }

 private:
  struct Node;

  void Run();
  void Rescan();
  bool ReadNode(Node& node);
  void UpdateGrab(Node& node);
  void CloseNode(Node& node);
  bool SwallowWanted() const;

  InputHooks& hooks_;
  const MouseWatchList& watchList_;
  std::unique_ptr<EvdevKernel> ownKernel_;
  EvdevKernel& kernel_;
  RelativeMotionTravel travel_;
  int stopFd_ = -1;
  int wakeFd_ = -1;
  int hotplugFd_ = -1;  // none: nodes that come later are not seen
  bool started_ = false;
  bool canClone_ = false;
  Reach reach_ = Reach::kNoEventNode;
  // The reader thread's own once it runs.
  std::vector<std::unique_ptr<Node>> nodes_;
  std::thread reader_;
};

}  // namespace n63k::platform
