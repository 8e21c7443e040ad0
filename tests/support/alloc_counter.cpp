#include "tests/support/alloc_counter.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <new>

namespace {
// Only the thread that started counting is watched: the game's frames run on
// it, while the audio and music threads allocate on their own schedule.
thread_local bool tCounting = false;
std::atomic<size_t> gCount{0};

void Count() {
  if (tCounting) gCount.fetch_add(1, std::memory_order_relaxed);
}

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer owns malloc: its hook sees every allocation of C and C++ code alike.
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*)(const volatile void*, size_t),
                                                         void (*)(const volatile void*));
void OnMalloc(const volatile void*, size_t) { Count(); }
void OnFree(const volatile void*) {}
[[maybe_unused]] const int gHooked = __sanitizer_install_malloc_and_free_hooks(OnMalloc, OnFree);
void CountNew() {}
#else
void CountNew() { Count(); }
#endif

void* Allocate(size_t n) {
  CountNew();
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
}  // namespace

#if !defined(__SANITIZE_ADDRESS__)
// The C allocator too, so that the libraries' own allocations count: each
// entry point counts and hands over to the C library's allocator.
extern "C" {
void* __libc_malloc(size_t);
void* __libc_calloc(size_t, size_t);
void* __libc_realloc(void*, size_t);
void* __libc_memalign(size_t, size_t);
void* malloc(size_t n) {
  Count();
  return __libc_malloc(n);
}
void* calloc(size_t n, size_t size) {
  Count();
  return __libc_calloc(n, size);
}
void* realloc(void* p, size_t n) {
  Count();
  return __libc_realloc(p, n);
}
void* memalign(size_t align, size_t n) {
  Count();
  return __libc_memalign(align, n);
}
void* aligned_alloc(size_t align, size_t n) { return memalign(align, n); }
int posix_memalign(void** out, size_t align, size_t n) {
  *out = memalign(align, n);
  return *out ? 0 : ENOMEM;
}
}
#endif

namespace alloc_counter {
void Start() {
  gCount = 0;
  tCounting = true;
}
size_t Stop() {
  tCounting = false;
  return gCount.exchange(0);  // a Stop with no Start before it (the next test's) finds none
}
Aside::Aside() : was_(tCounting) { tCounting = false; }
Aside::~Aside() { tCounting = was_; }
}  // namespace alloc_counter

// Every form that pairs with the deletes below, so that none of them frees
// what the library's own new allocated.
void* operator new(size_t n) { return Allocate(n); }
void* operator new(size_t n, const std::nothrow_t&) noexcept {
  CountNew();
  return std::malloc(n ? n : 1);
}
void* operator new[](size_t n, const std::nothrow_t& t) noexcept { return operator new(n, t); }
void* operator new[](size_t n) { return Allocate(n); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }
void operator delete[](void* p, size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
