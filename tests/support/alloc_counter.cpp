#include "tests/support/alloc_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
// Only the thread that started counting is watched: the game's frames run on
// it, while the audio and music threads allocate on their own schedule.
thread_local bool tCounting = false;
std::atomic<size_t> gCount{0};

void* Allocate(size_t n) {
  if (tCounting) gCount.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
}  // namespace

namespace alloc_counter {
void Start() {
  gCount = 0;
  tCounting = true;
}
size_t Stop() {
  tCounting = false;
  return gCount.load();
}
}  // namespace alloc_counter

void* operator new(size_t n) { return Allocate(n); }
void* operator new[](size_t n) { return Allocate(n); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }
void operator delete[](void* p, size_t) noexcept { std::free(p); }
