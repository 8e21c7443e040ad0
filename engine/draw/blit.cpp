// Rectangle blits, stretched and mirrored blits, fills and the half-tone rectangle.
#include <algorithm>
#include <array>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

#include "engine/draw/bmp.h"
#include "engine/draw/draw_internal.h"
#include "engine/draw/ko_draw.h"

namespace koDraw {
namespace detail {
namespace {

// Eight pixels in one 128-bit register.
typedef uint16_t Pixels8 __attribute__((vector_size(16)));
typedef uint64_t Lanes64 __attribute__((vector_size(16)));

inline Pixels8 Load8(const uint16_t* p) {
  Pixels8 v;
  std::memcpy(&v, p, sizeof v);
  return v;
}
inline void Store8(uint16_t* p, Pixels8 v) { std::memcpy(p, &v, sizeof v); }

// Keyed rows: h rows of n pixels, pitches in pixels.
using KeyedRowsFn = void (*)(uint16_t* d, ptrdiff_t dp, const uint16_t* s, ptrdiff_t sp, int n,
                             int h, uint16_t key);

// Keyed rows copy every source pixel but the key. They work in blocks: a
// block without key pixels is stored whole, a block of key pixels only is
// left alone, a mixed one is merged. A row's last partial block is done as
// a whole block ending at the row's end: redoing pixels already written
// gives them the same values again.

inline void KeyedBlock8(uint16_t* d, const uint16_t* s, Pixels8 key) {
  const Pixels8 v = Load8(s);
  const Pixels8 m = reinterpret_cast<Pixels8>(v == key);
  const Lanes64 lanes = reinterpret_cast<Lanes64>(m);
  if ((lanes[0] | lanes[1]) == 0)
    Store8(d, v);
  else if ((lanes[0] & lanes[1]) != ~uint64_t{0})
    Store8(d, (v & ~m) | (Load8(d) & m));
}

void KeyedRowsPortable(uint16_t* d, ptrdiff_t dp, const uint16_t* s, ptrdiff_t sp, int n, int h,
                       uint16_t key) {
  const Pixels8 k = Pixels8{} + key;
  for (int j = 0; j < h; ++j, d += dp, s += sp) {
    if (n < 8) {
      for (int i = 0; i < n; ++i)
        if (s[i] != key) d[i] = s[i];
      continue;
    }
    int i = 0;
    for (; i + 8 <= n; i += 8) KeyedBlock8(d + i, s + i, k);
    if (i < n) KeyedBlock8(d + n - 8, s + n - 8, k);
  }
}

#if defined(__x86_64__)
// The same with sixteen pixels a block, on processors with AVX2.
__attribute__((target("avx2"))) inline void KeyedBlock16(uint16_t* d, const uint16_t* s,
                                                         __m256i key) {
  const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s));
  const __m256i m = _mm256_cmpeq_epi16(v, key);
  if (_mm256_testz_si256(m, m)) {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(d), v);
  } else if (!_mm256_testc_si256(m, _mm256_set1_epi32(-1))) {
    const __m256i old = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(d));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(d), _mm256_blendv_epi8(v, old, m));
  }
}

__attribute__((target("avx2"))) void KeyedRowsAvx2(uint16_t* d, ptrdiff_t dp, const uint16_t* s,
                                                   ptrdiff_t sp, int n, int h, uint16_t key) {
  if (n < 16) {
    KeyedRowsPortable(d, dp, s, sp, n, h, key);
    return;
  }
  const __m256i k = _mm256_set1_epi16(static_cast<short>(key));
  for (int j = 0; j < h; ++j, d += dp, s += sp) {
    int i = 0;
    for (; i + 16 <= n; i += 16) KeyedBlock16(d + i, s + i, k);
    if (i < n) KeyedBlock16(d + n - 16, s + n - 16, k);
  }
}
#endif

// Narrow spans merge every block and store it without a branch: on spans
// this narrow that costs less than finding the runs or testing the blocks.
// The last block of a row overlaps the one before; it is read first, since a
// read overlapping an earlier store in part waits for that store.
constexpr int kNarrow = 32;

typedef uint16_t Pixels4 __attribute__((vector_size(8)));
typedef uint16_t Pixels2 __attribute__((vector_size(4)));

// A block of V's lanes: the source pixels but where they are the key.
template <typename V>
inline V Merged(const uint16_t* d, const uint16_t* s, V key) {
  V v, old;
  std::memcpy(&v, s, sizeof v);
  std::memcpy(&old, d, sizeof old);
  const V m = reinterpret_cast<V>(v == key);
  return (v & ~m) | (old & m);
}

// Rows of n pixels, lanes(V) <= n <= 2 lanes(V): two blocks, the last
// overlapping the first.
template <typename V>
inline void MergeRowsOf2(uint16_t* d, ptrdiff_t dp, const uint16_t* s, ptrdiff_t sp, int n, int h,
                         uint16_t key) {
  constexpr int kLanes = sizeof(V) / sizeof(uint16_t);
  const V k = V{} + key;
  for (int j = 0; j < h; ++j, d += dp, s += sp) {
    const V first = Merged(d, s, k), last = Merged(d + n - kLanes, s + n - kLanes, k);
    std::memcpy(d, &first, sizeof first);
    std::memcpy(d + n - kLanes, &last, sizeof last);
  }
}

void MergeRowsPortable(uint16_t* d, ptrdiff_t dp, const uint16_t* s, ptrdiff_t sp, int n, int h,
                       uint16_t key) {
  if (n > 16) {
    const Pixels8 k = Pixels8{} + key;
    for (int j = 0; j < h; ++j, d += dp, s += sp) {
      const Pixels8 last = Merged(d + n - 8, s + n - 8, k);
      for (int i = 0; i + 8 < n; i += 8) Store8(d + i, Merged(d + i, s + i, k));
      Store8(d + n - 8, last);
    }
  } else if (n >= 8) {
    MergeRowsOf2<Pixels8>(d, dp, s, sp, n, h, key);
  } else if (n >= 4) {
    MergeRowsOf2<Pixels4>(d, dp, s, sp, n, h, key);
  } else if (n >= 2) {
    MergeRowsOf2<Pixels2>(d, dp, s, sp, n, h, key);
  } else {
    for (int j = 0; j < h; ++j, d += dp, s += sp) {
      const uint16_t keep = static_cast<uint16_t>(-(*s == key));
      *d = static_cast<uint16_t>((*s & ~keep) | (*d & keep));
    }
  }
}

#if defined(__x86_64__)
__attribute__((target("avx2"))) inline __m256i Merged16(const uint16_t* d, const uint16_t* s,
                                                        __m256i key) {
  const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s));
  const __m256i old = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(d));
  return _mm256_blendv_epi8(v, old, _mm256_cmpeq_epi16(v, key));
}

__attribute__((target("avx2"))) void MergeRowsAvx2(uint16_t* d, ptrdiff_t dp, const uint16_t* s,
                                                   ptrdiff_t sp, int n, int h, uint16_t key) {
  if (n < 16) {
    MergeRowsPortable(d, dp, s, sp, n, h, key);
    return;
  }
  const __m256i k = _mm256_set1_epi16(static_cast<short>(key));
  for (int j = 0; j < h; ++j, d += dp, s += sp) {
    const __m256i last = Merged16(d + n - 16, s + n - 16, k);
    for (int i = 0; i + 16 < n; i += 16)
      _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + i), Merged16(d + i, s + i, k));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + n - 16), last);
  }
}
#endif

// Runs this long go to the long copier.
constexpr int kLongRun = 64;
using CopyFn = void (*)(uint16_t* d, const uint16_t* s, int n);

// The C library's copy, which it picks for the processor at load time.
void CopyLongLibrary(uint16_t* d, const uint16_t* s, int n) {
  std::memcpy(d, s, sizeof(uint16_t) * static_cast<size_t>(n));
}

#if defined(__x86_64__)
// 32-byte moves whose stores, but the first and the last, are aligned, so
// that none of them is split across two cache lines. On AVX2 processors it
// is ahead of the C library's copy on the runs of the game's pictures; on
// processors with AVX-512 the library's copy (64-byte moves, and no loop up
// to 512 bytes) is ahead of it.
__attribute__((target("avx2"))) void CopyLongAvx2(uint16_t* d, const uint16_t* s, int n) {
  using V = __m256i;
  _mm256_storeu_si256(reinterpret_cast<V*>(d), _mm256_loadu_si256(reinterpret_cast<const V*>(s)));
  int i = static_cast<int>(32 - (reinterpret_cast<uintptr_t>(d) & 31)) / 2;
  for (; i + 32 <= n; i += 32) {
    const V a = _mm256_loadu_si256(reinterpret_cast<const V*>(s + i));
    const V b = _mm256_loadu_si256(reinterpret_cast<const V*>(s + i + 16));
    _mm256_store_si256(reinterpret_cast<V*>(d + i), a);
    _mm256_store_si256(reinterpret_cast<V*>(d + i + 16), b);
  }
  if (i + 16 <= n)
    _mm256_store_si256(reinterpret_cast<V*>(d + i),
                       _mm256_loadu_si256(reinterpret_cast<const V*>(s + i)));
  _mm256_storeu_si256(reinterpret_cast<V*>(d + n - 16),
                      _mm256_loadu_si256(reinterpret_cast<const V*>(s + n - 16)));
}
#endif

// Copies n >= 1 pixels in as few moves as it can: a short run in two moves
// that overlap (the overlap gets the same values twice), a longer one in
// blocks of 16 pixels with an overlapping last block.
template <CopyFn Long>
__attribute__((always_inline)) inline void CopyRun(uint16_t* d, const uint16_t* s, int n) {
  if (n >= 16) {
    if (n >= kLongRun) {
      Long(d, s, n);
      return;
    }
    int i = 0;
    for (; i + 16 <= n; i += 16) std::memcpy(d + i, s + i, 32);
    if (i < n) std::memcpy(d + n - 16, s + n - 16, 32);
  } else if (n >= 8) {
    Store8(d, Load8(s));
    Store8(d + n - 8, Load8(s + n - 8));
  } else if (n >= 4) {
    uint64_t a, b;
    std::memcpy(&a, s, 8);
    std::memcpy(&b, s + n - 4, 8);
    std::memcpy(d, &a, 8);
    std::memcpy(d + n - 4, &b, 8);
  } else if (n >= 2) {
    uint32_t a, b;
    std::memcpy(&a, s, 4);
    std::memcpy(&b, s + n - 2, 4);
    std::memcpy(d, &a, 4);
    std::memcpy(d + n - 2, &b, 4);
  } else {
    *d = *s;
  }
}

// Keyed rows from a picture's runs: h rows of columns [left, right) of the
// source from row `top`; only the runs are read and written. A row with more
// runs than blocks of 8 pixels (fine detail such as digits) is merged block
// by block instead. Only the merge and the long copy differ by processor:
// the rest built for AVX2 measured slower on runs of 16 to 63 pixels.
template <KeyedRowsFn Blocks, CopyFn Long>
void KeyedRuns(uint16_t* d, ptrdiff_t dp, const Surface& src, int left, int top, int right, int h) {
  // Empty rows at the top and bottom are skipped whole.
  const int skip = std::max(0, src.runs.firstRow - top);
  h = std::min(h, src.runs.endRow - top) - skip;
  top += skip;
  d += skip * dp;
  const uint32_t* rows = src.runs.rowStart.data() + top;
  const uint16_t* const ends = src.runs.ends.data();
  const uint16_t* s = src.Row(top);
  const ptrdiff_t sp = src.pitch;
  const uint16_t key = src.runs.key;
  // Ends (2 a run) past which a row goes block by block (spans here are
  // wider than kNarrow).
  const int n = right - left;
  const uint32_t dense = static_cast<uint32_t>(n) / 4;
  for (int j = 0; j < h; ++j, d += dp, s += sp) {
    const uint16_t *e = ends + rows[j], *end = ends + rows[j + 1];
    if (end - e == 2) {  // one run, the commonest row: no loop
      const int a = std::max<int>(e[0], left), b = std::min<int>(e[1], right);
      if (a < b) CopyRun<Long>(d + (a - left), s + a, b - a);
      continue;
    }
    if (rows[j + 1] - rows[j] > dense) {
      Blocks(d, 0, s + left, 0, n, 1, key);
      continue;
    }
    if (left == 0 && right == src.width) {
      for (; e != end; e += 2) CopyRun<Long>(d + e[0], s + e[0], e[1] - e[0]);
      continue;
    }
    while (e != end && e[1] <= left) e += 2;
    for (; e != end && e[0] < right; e += 2) {
      const int a = std::max<int>(e[0], left), b = std::min<int>(e[1], right);
      CopyRun<Long>(d + (a - left), s + a, b - a);
    }
  }
}

using KeyedRunsFn = void (*)(uint16_t* d, ptrdiff_t dp, const Surface& src, int left, int top,
                             int right, int h);

// The keyed row code of one processor kind: block by block, narrow spans,
// and from the runs.
struct KeyedCode {
  KeyedRowsFn rows, narrow;
  KeyedRunsFn runs;
};

constexpr KeyedCode kPortable{KeyedRowsPortable, MergeRowsPortable,
                              KeyedRuns<MergeRowsPortable, CopyLongLibrary>};

#if defined(__x86_64__)
constexpr KeyedCode kAvx2{KeyedRowsAvx2, MergeRowsAvx2, KeyedRuns<MergeRowsAvx2, CopyLongAvx2>};
constexpr KeyedCode kAvx2LibraryCopy{KeyedRowsAvx2, MergeRowsAvx2,
                                     KeyedRuns<MergeRowsAvx2, CopyLongLibrary>};
#endif

// The code of `path`, or nullptr when this processor cannot run it.
const KeyedCode* CodeOf(KeyedPath path) {
  if (path == KeyedPath::Portable) return &kPortable;
#if defined(__x86_64__)
  __builtin_cpu_init();
  if (__builtin_cpu_supports("avx2")) return path == KeyedPath::Avx2 ? &kAvx2 : &kAvx2LibraryCopy;
#endif
  return nullptr;
}

const KeyedCode* gKeyed = CodeOf(BestKeyedPath());

void BuildRuns(const Surface& src) {
  KeyRuns& r = src.runs;
  r.rowStart.clear();
  r.ends.clear();
  const uint16_t key = src.colorKey;
  for (int y = 0; y < src.height; ++y) {
    r.rowStart.push_back(static_cast<uint32_t>(r.ends.size()));
    const uint16_t* s = src.Row(y);
    for (int x = 0; x < src.width;) {
      while (x < src.width && s[x] == key) ++x;
      if (x == src.width) break;
      r.ends.push_back(static_cast<uint16_t>(x));
      while (x < src.width && s[x] != key) ++x;
      r.ends.push_back(static_cast<uint16_t>(x));
    }
  }
  r.rowStart.push_back(static_cast<uint32_t>(r.ends.size()));
  r.firstRow = 0;
  while (r.firstRow < src.height && r.rowStart[r.firstRow + 1] == r.rowStart[r.firstRow])
    ++r.firstRow;
  r.endRow = src.height;
  while (r.endRow > r.firstRow && r.rowStart[r.endRow] == r.rowStart[r.endRow - 1]) --r.endRow;
  r.builtAt = src.writes;
  r.key = key;
  r.built = true;
}

// The picture's runs when they hold its pixels and key as they are now. They
// are built on the second keyed blit without a write between, so a picture
// redrawn between its blits (a text buffer) never pays for them, and only
// into the storage reserved with the picture.
const KeyRuns* CurrentRuns(const Surface& src) {
  KeyRuns& r = src.runs;
  if (r.built && r.builtAt == src.writes && r.key == src.colorKey) return &r;
  if (r.seen && r.seenAt == src.writes && r.rowStart.capacity() > static_cast<size_t>(src.height) &&
      r.ends.capacity() >= static_cast<size_t>(src.height) * static_cast<size_t>(src.width + 1)) {
    BuildRuns(src);
    return &r;
  }
  r.seen = true;
  r.seenAt = src.writes;
  return nullptr;
}

void CopyRows(uint16_t* d, ptrdiff_t dp, const uint16_t* s, ptrdiff_t sp, int n, int h, bool keyed,
              uint16_t key) {
  if (keyed) {
    gKeyed->rows(d, dp, s, sp, n, h, key);
    return;
  }
  for (int j = 0; j < h; ++j, d += dp, s += sp) std::memcpy(d, s, sizeof(uint16_t) * n);
}

// A keyed span no wider than kNarrow onto another surface.
__attribute__((always_inline)) inline void KeyedNarrow(Surface& dst, const Surface& src,
                                                       const Span& s) {
  gKeyed->narrow(dst.Row(s.y) + s.x, dst.pitch, src.Row(s.top) + s.left, src.pitch, s.width,
                 s.height, src.colorKey);
}

// One source row of a blit within one picture; no surface is wider.
uint16_t gRowCopy[kBmpMaxSide];

}  // namespace

KeyedPath BestKeyedPath() {
#if defined(__x86_64__)
  __builtin_cpu_init();
  // With AVX-512 the library's long copy is ahead of ours (see CopyLongAvx2).
  if (__builtin_cpu_supports("avx512f")) return KeyedPath::Avx2LibraryCopy;
  if (__builtin_cpu_supports("avx2")) return KeyedPath::Avx2;
#endif
  return KeyedPath::Portable;
}

bool UseKeyedPath(KeyedPath path) {
  const KeyedCode* code = CodeOf(path);
  if (code) gKeyed = code;
  return code != nullptr;
}

void ReserveKeyRuns(Surface& s) {
  s.runs.rowStart.reserve(static_cast<size_t>(s.height) + 1);
  s.runs.ends.reserve(static_cast<size_t>(s.height) * static_cast<size_t>(s.width + 1));
}

void CopySpan(Surface& dst, const Surface& src, const Span& s, bool keyed) {
  uint16_t* d = dst.Row(s.y) + s.x;
  const uint16_t* p = src.Row(s.top) + s.left;
  if (&dst != &src) {
    // Narrow keyed spans never come here: the blits draw them themselves.
    if (keyed && CurrentRuns(src)) {
      gKeyed->runs(d, dst.pitch, src, s.left, s.top, s.left + s.width, s.height);
      return;
    }
    CopyRows(d, dst.pitch, p, src.pitch, s.width, s.height, keyed, src.colorKey);
    return;
  }
  // Within one picture each row is read whole before it is written, and the
  // rows go from the end the destination moves towards, so no row is
  // overwritten before it is read.
  const bool down = s.y > s.top;
  for (int j = 0; j < s.height; ++j) {
    const ptrdiff_t row = static_cast<ptrdiff_t>(down ? s.height - 1 - j : j) * src.pitch;
    std::memcpy(gRowCopy, p + row, sizeof(uint16_t) * s.width);
    CopyRows(d + row, 0, gRowCopy, 0, s.width, 1, keyed, src.colorKey);
  }
}

void FillRow(uint16_t* d, int n, uint16_t colour) {
  const Pixels8 c = Pixels8{} + colour;
  int i = 0;
  for (; i + 8 <= n; i += 8) Store8(d + i, c);
  for (; i < n; ++i) d[i] = colour;
}

void FillSurface(Surface& dst, int64_t l, int64_t t, int64_t r, int64_t b, uint16_t colour) {
  l = std::max<int64_t>(l, 0);
  t = std::max<int64_t>(t, 0);
  r = std::min<int64_t>(r, dst.width);
  b = std::min<int64_t>(b, dst.height);
  if (r <= l || b <= t) return;
  const int left = static_cast<int>(l), top = static_cast<int>(t), right = static_cast<int>(r),
            bottom = static_cast<int>(b);
  if ((colour >> 8) == (colour & 0xFF)) {  // both bytes alike (black, white): memset
    const size_t bytes = sizeof(uint16_t) * static_cast<size_t>(right - left);
    if (left == 0 && right == dst.pitch)  // whole rows: one block
      std::memset(dst.Row(top), colour & 0xFF, bytes * static_cast<size_t>(bottom - top));
    else
      for (int y = top; y < bottom; ++y) std::memset(dst.Row(y) + left, colour & 0xFF, bytes);
    return;
  }
  for (int y = top; y < bottom; ++y) FillRow(dst.Row(y) + left, right - left, colour);
}

void StretchRect(Surface& dst, int x, int y, int width, int height, const PixelView& src,
                 int64_t left, int64_t top, int64_t sw, int64_t sh, bool keyed, uint16_t key) {
  if (width <= 0 || height <= 0 || sw <= 0 || sh <= 0) return;
  auto srcX = [&](int64_t i) { return left + i * sw / width; };
  auto srcY = [&](int64_t j) { return top + j * sh / height; };
  // Destination columns and rows inside the surface whose source lies in the picture.
  int64_t i0 = std::max<int64_t>(0, -int64_t{x}),
          i1 = std::min<int64_t>(width, dst.width - int64_t{x});
  int64_t j0 = std::max<int64_t>(0, -int64_t{y}),
          j1 = std::min<int64_t>(height, dst.height - int64_t{y});
  while (i0 < i1 && srcX(i0) < 0) ++i0;
  while (i0 < i1 && srcX(i1 - 1) >= src.width) --i1;
  while (j0 < j1 && srcY(j0) < 0) ++j0;
  while (j0 < j1 && srcY(j1 - 1) >= src.height) --j1;
  if (i0 >= i1 || j0 >= j1) return;
  static std::array<int32_t, kBmpMaxSide> columns;  // no surface is wider
  const int n = static_cast<int>(i1 - i0);
  for (int i = 0; i < n; ++i) columns[i] = static_cast<int32_t>(srcX(i0 + i));
  for (int64_t j = j0; j < j1; ++j) {
    const uint16_t* s = src.pixels + srcY(j) * src.pitch;
    uint16_t* d = dst.Row(static_cast<int>(y + j)) + (x + i0);
    if (keyed) {
      for (int i = 0; i < n; ++i) {
        const uint16_t v = s[columns[i]];
        if (v != key) d[i] = v;
      }
    } else {
      for (int i = 0; i < n; ++i) d[i] = s[columns[i]];
    }
  }
}

}  // namespace detail

namespace {

using detail::Span;

// Inlined into each blit, with the narrow keyed span (a sprite, a cell) done
// here: most blits of a frame are such.
__attribute__((always_inline)) inline void BlitOnto(Surface* dst, int x, int y, int object,
                                                    int left, int top, int right, int bottom,
                                                    bool keyed) {
  const Surface* src = ObjectSurface(object);
  Span s;
  if (!dst || !src || !detail::ClipBlit(x, y, left, top, right, bottom, *src, *dst, s)) return;
  if (keyed && s.width <= detail::kNarrow && dst != src)
    detail::KeyedNarrow(*dst, *src, s);
  else
    detail::CopySpan(*dst, *src, s, keyed);
}

// Stretched blit of the source rectangle to width x height at (x, y). With
// a stretching display it goes straight onto the back surface, keyed with
// the picture's key and not cut to gClipRect. Without one it goes through
// ObjectBuffer: stretched opaque into its top-left corner (cut at its size),
// then blitted from there as any sprite, clipped and keyed with the
// buffer's key (black); the buffer keeps what was stretched into it.
void StretchBlit(int x, int y, int object, int left, int top, int right, int bottom, int width,
                 int height, bool keyed) {
  const Surface* src = ObjectSurface(object);
  const int64_t sw = int64_t{right} - left, sh = int64_t{bottom} - top;
  if (gCanStretch) {
    if (src && gBackSurface)
      detail::StretchRect(*gBackSurface, x, y, width, height, detail::View(*src), left, top, sw, sh,
                          keyed, src->colorKey);
    return;
  }
  Surface* buffer = ObjectSurface(kObjectBuffer);
  if (src && buffer)
    detail::StretchRect(*buffer, 0, 0, width, height, detail::View(*src), left, top, sw, sh, false,
                        0);
  if (keyed)
    Blit(x, y, kObjectBuffer, 0, 0, width, height);
  else
    BlitOpaque(x, y, kObjectBuffer, 0, 0, width, height);
}

uint16_t White() { return static_cast<uint16_t>(gPixelFormat.white); }

}  // namespace

void Blit(int x, int y, int object, int left, int top, int right, int bottom) {
  BlitOnto(gBackSurface.get(), x, y, object, left, top, right, bottom, true);
}

void BlitOpaque(int x, int y, int object, int left, int top, int right, int bottom) {
  BlitOnto(gBackSurface.get(), x, y, object, left, top, right, bottom, false);
}

void BlitToObject(int destination, int x, int y, int object, int left, int top, int right,
                  int bottom) {
  BlitOnto(ObjectSurface(destination), x, y, object, left, top, right, bottom, true);
}

void BlitOpaqueToObject(int destination, int x, int y, int object, int left, int top, int right,
                        int bottom) {
  BlitOnto(ObjectSurface(destination), x, y, object, left, top, right, bottom, false);
}

void BlitStretch(int x, int y, int object, int left, int top, int right, int bottom, int width,
                 int height) {
  StretchBlit(x, y, object, left, top, right, bottom, width, height, true);
}

void BlitStretchOpaque(int x, int y, int object, int left, int top, int right, int bottom,
                       int width, int height) {
  StretchBlit(x, y, object, left, top, right, bottom, width, height, false);
}

int BlitMirror(int x, int y, int mode, int object, int left, int top, int right, int bottom) {
  Surface* dst = gBackSurface.get();
  const Surface* src = ObjectSurface(object);
  if (!dst || !src) return 0;
  int64_t X = x, Y = y, L = left, T = top, W = int64_t{right} - left, H = int64_t{bottom} - top;
  if (!detail::ClipToClipRect(X, Y, L, T, W, H) || mode < 0 || mode > 3) return 1;
  // Destination pixel (X + i, Y + j) is pixel (k, m) = (X - x + i, Y - y + j)
  // of the unclipped blit; its source column is a + da * i, its row b + db * j.
  const int64_t k0 = X - x, m0 = Y - y;
  const int64_t a = (mode & 1) ? int64_t{right} - 1 - k0 : left + k0, da = (mode & 1) ? -1 : 1;
  const int64_t b = (mode & 2) ? int64_t{bottom} - 1 - m0 : top + m0, db = (mode & 2) ? -1 : 1;
  // Keep i where the destination is on the surface and the source in the picture.
  auto range = [](int64_t n, int64_t dstStart, int64_t dstSize, int64_t s0, int64_t ds,
                  int64_t srcSize, int64_t& lo, int64_t& hi) {
    lo = std::max<int64_t>(0, -dstStart);
    hi = std::min(n, dstSize - dstStart);
    if (ds > 0) {
      lo = std::max(lo, -s0);
      hi = std::min(hi, srcSize - s0);
    } else {
      lo = std::max(lo, s0 - (srcSize - 1));
      hi = std::min(hi, s0 + 1);
    }
  };
  int64_t i0, i1, j0, j1;
  range(W, X, dst->width, a, da, src->width, i0, i1);
  range(H, Y, dst->height, b, db, src->height, j0, j1);
  for (int64_t j = j0; j < j1; ++j) {
    const uint16_t* s = src->Row(static_cast<int>(b + db * j));
    uint16_t* d = dst->Row(static_cast<int>(Y + j));
    for (int64_t i = i0; i < i1; ++i) {
      const uint16_t v = s[a + da * i];
      if (v != 0) d[X + i] = v;
    }
  }
  return 1;
}

void ClearScreen() {
  if (gBackSurface) detail::FillSurface(*gBackSurface, 0, 0, gScreenWidth, gScreenHeight, 0);
}

void ClearObject(int object) {
  Surface* s = ObjectSurface(object);
  if (s) detail::FillSurface(*s, 0, 0, gDrawObjects[object].width, gDrawObjects[object].height, 0);
}

void FillBlack(int left, int top, int right, int bottom) { FillRect(left, top, right, bottom, 0); }

void FillScreenWhite() { FillRect(0, 0, gScreenWidth, gScreenHeight, White()); }

void FillWhite(int left, int top, int right, int bottom) {
  FillRect(left, top, right, bottom, White());
}

void FillRect(int left, int top, int right, int bottom, uint32_t colour) {
  if (gBackSurface)
    detail::FillSurface(*gBackSurface, left, top, right, bottom, static_cast<uint16_t>(colour));
}

void DrawFrame(int left, int top, int right, int bottom) {
  if (!gBackSurface) return;
  Surface& s = *gBackSurface;
  const int64_t l = left, t = top, r = right, b = bottom;
  detail::FillSurface(s, l, t, r, t + 1, 0);
  detail::FillSurface(s, l, b - 1, r, b, 0);
  detail::FillSurface(s, l, t, l + 1, b, 0);
  detail::FillSurface(s, r - 1, t, r, b, 0);
}

int HalfToneRect(int left, int top, int right, int bottom, uint16_t colour) {
  right = std::min(right, gClipRect.right);
  bottom = std::min(bottom, gClipRect.bottom);
  left = std::max(left, gClipRect.left);
  top = std::max(top, gClipRect.top);
  if (right < left || bottom < top) return 1;
  Surface* dst = gBackSurface.get();
  if (!dst) return 0;
  left = std::max(left, 0);
  top = std::max(top, 0);
  right = std::min(right, dst->width);
  bottom = std::min(bottom, dst->height);
  const uint16_t half = static_cast<uint16_t>(gPixelFormat.halfMask);
  const uint16_t c = static_cast<uint16_t>((colour >> 1) & half);
  for (int y = top; y < bottom; ++y) {
    uint16_t* d = dst->Row(y);
    for (int x = left; x < right; ++x) d[x] = static_cast<uint16_t>(c + ((d[x] >> 1) & half));
  }
  return 1;
}

}  // namespace koDraw
