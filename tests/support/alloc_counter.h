// Counts the heap allocations of the calling thread while counting is switched on.
#pragma once
#include <cstddef>

namespace alloc_counter {
void Start();
// Stops counting and returns the allocations made since the last Start or Stop.
size_t Stop();
// Leaves out what the calling thread allocates while it lives, as another
// thread would (the audio thread's rendering, say).
class Aside {
 public:
  Aside();
  ~Aside();
  Aside(const Aside&) = delete;
  Aside& operator=(const Aside&) = delete;

 private:
  bool was_;
};
}  // namespace alloc_counter
