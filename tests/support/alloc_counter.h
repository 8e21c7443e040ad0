// Counts the heap allocations of the calling thread while counting is switched on.
#pragma once
#include <cstddef>

namespace alloc_counter {
void Start();
// Stops counting and returns the allocations made since Start.
size_t Stop();
}  // namespace alloc_counter
