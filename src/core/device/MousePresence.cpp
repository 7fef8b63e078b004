#include "core/device/MousePresence.h"

namespace n63k {

void MousePresence::Added(const std::string& node) {
  const bool wasPresent = MousePresent();
  if (nodes_.insert(node).second && !wasPresent) {
    events_.MouseArrived();
  }
}

void MousePresence::Removed(const std::string& node) {
  if (nodes_.erase(node) != 0 && !MousePresent()) {
    events_.MouseRemoved();
  }
}

}  // namespace n63k
