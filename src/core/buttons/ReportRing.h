#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

namespace n63k {

// A fixed queue of reported mouse identities between one producing thread
// (the input backend's) and one consuming thread (the window's). Neither side
// waits or allocates, so the input path never stalls the desktop's input; a
// full queue drops the report and counts it.
class ReportRing {
 public:
  static constexpr std::size_t kCapacity = 256;

  // Producer side. False when the report was dropped.
  bool Push(std::uint32_t identity) {
    const std::size_t head = head_.load(std::memory_order_relaxed);
    if (head - tail_.load(std::memory_order_acquire) == kCapacity) {
      dropped_.fetch_add(1, std::memory_order_relaxed);
      return false;
    }
    slots_[head % kCapacity] = identity;
    head_.store(head + 1, std::memory_order_release);
    return true;
  }

  // Consumer side. False when the queue is empty.
  bool Pop(std::uint32_t& identity) {
    const std::size_t tail = tail_.load(std::memory_order_relaxed);
    if (tail == head_.load(std::memory_order_acquire)) {
      return false;
    }
    identity = slots_[tail % kCapacity];
    tail_.store(tail + 1, std::memory_order_release);
    return true;
  }

  // How many reports a full queue has dropped so far.
  std::uint64_t dropped() const { return dropped_.load(std::memory_order_relaxed); }

 private:
  std::array<std::uint32_t, kCapacity> slots_{};
  std::atomic<std::size_t> head_{0};
  std::atomic<std::size_t> tail_{0};
  std::atomic<std::uint64_t> dropped_{0};
};

}  // namespace n63k
