#pragma once

#include <set>
#include <string>

#include "core/device/DeviceEvents.h"

namespace n63k {

// Turns the system's events about single device nodes into the mouse's
// arrival and removal: the mouse has a node per interface, each added and
// removed on its own. It arrives with its first node and leaves with its
// last.
class MousePresence {
 public:
  explicit MousePresence(DeviceEvents& events) : events_(events) {}

  // A node that is there when watching starts; tells nothing.
  void Present(const std::string& node) { nodes_.insert(node); }
  // A node that was added; only the mouse's nodes are to be given.
  void Added(const std::string& node);
  // Any node that was removed; others than the mouse's are ignored.
  void Removed(const std::string& node);

  bool MousePresent() const { return !nodes_.empty(); }

 private:
  DeviceEvents& events_;
  std::set<std::string> nodes_;
};

}  // namespace n63k
