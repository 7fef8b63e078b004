#include "AllocationCount.h"

#include <atomic>
#include <cstdlib>
#include <new>

// The replacements live in a file of their own, where no caller can inline
// them.
namespace {
std::atomic<std::size_t> allocations{0};
}  // namespace

void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* memory = std::malloc(size == 0 ? 1 : size)) {
    return memory;
  }
  throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
  std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
  std::free(memory);
}

namespace n63k {

std::size_t AllocationCount() {
  return allocations.load(std::memory_order_relaxed);
}

}  // namespace n63k
