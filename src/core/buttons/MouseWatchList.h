#pragma once

#include <array>
#include <atomic>
#include <cstdint>

namespace n63k {

// The mouse input identities whose presses the input hooks swallow and report,
// so that the computer carries out the control's action. The worker changes
// the list on its own thread while the hooks read it on theirs; each entry is
// one atomic word, so a reader sees either the old or the new identity.
class MouseWatchList {
 public:
  static constexpr std::size_t kEntryCount = 12;

  // Puts `identity` into the first free entry unless it is listed already. A
  // full list ignores it.
  void Watch(std::uint32_t identity);
  // Frees the entry holding `identity`.
  void Unwatch(std::uint32_t identity);

  bool IsWatched(std::uint32_t identity) const;
  bool AnyWatched() const;

 private:
  std::array<std::atomic<std::uint32_t>, kEntryCount> entries_{};  // 0 = free
};

}  // namespace n63k
