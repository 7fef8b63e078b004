#pragma once

#include <cstddef>

namespace n63k {

// How many times the program has called operator new so far: a benchmark
// reads it before and after the path it must prove free of allocations.
std::size_t AllocationCount();

}  // namespace n63k
