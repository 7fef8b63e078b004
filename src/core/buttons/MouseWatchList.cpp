#include "core/buttons/MouseWatchList.h"

namespace n63k {

void MouseWatchList::Unwatch(std::uint32_t identity) {
  if (identity == 0) {
    return;
  }
  for (std::atomic<std::uint32_t>& entry : entries_) {
    std::uint32_t expected = identity;
    entry.compare_exchange_strong(expected, 0);
  }
}

void MouseWatchList::Watch(std::uint32_t identity) {
  if (identity == 0 || IsWatched(identity)) {
    return;
  }
  for (std::atomic<std::uint32_t>& entry : entries_) {
    std::uint32_t expected = 0;
    if (entry.compare_exchange_strong(expected, identity)) {
      return;
    }
  }
}

bool MouseWatchList::IsWatched(std::uint32_t identity) const {
  if (identity == 0) {
    return false;
  }
  for (const std::atomic<std::uint32_t>& entry : entries_) {
    if (entry.load() == identity) {
      return true;
    }
  }
  return false;
}

bool MouseWatchList::AnyWatched() const {
  for (const std::atomic<std::uint32_t>& entry : entries_) {
    if (entry.load() != 0) {
      return true;
    }
  }
  return false;
}

}  // namespace n63k
