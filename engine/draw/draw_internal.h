// Pieces shared by the drawing files: the blit clip and the row loops.
#pragma once
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "engine/draw/ko_draw.h"

namespace koDraw::detail {

// A blit cut to its surfaces: width x height pixels from (left, top) of the
// source to (x, y) of the destination, all inside both.
struct Span {
  int x, y, left, top, width, height;
};

// The engine's clip of a blit of w x h source pixels at (x, y) against
// gClipRect: the right and bottom edges shorten it, then the left and top
// edges move the destination and the source origin. False when the width or
// height comes out negative (0 is kept: it draws nothing).
inline bool ClipToClipRect(int64_t& x, int64_t& y, int64_t& left, int64_t& top, int64_t& w,
                           int64_t& h) {
  const DrawRect& c = gClipRect;
  if (x + w > c.right) w = c.right - x;
  if (y + h > c.bottom) h = c.bottom - y;
  if (x < c.left) {
    left += c.left - x;
    w -= c.left - x;
    x = c.left;
  }
  if (y < c.top) {
    top += c.top - y;
    h -= c.top - y;
    y = c.top;
  }
  return w >= 0 && h >= 0;
}

// Cuts a blit to the source picture and to the destination surface, so no
// pixel outside either is touched. False when nothing remains.
inline bool CutToSurfaces(int64_t x, int64_t y, int64_t left, int64_t top, int64_t w, int64_t h,
                          const Surface& src, const Surface& dst, Span& out) {
  if (left < 0) {
    x -= left;
    w += left;
    left = 0;
  }
  if (top < 0) {
    y -= top;
    h += top;
    top = 0;
  }
  if (x < 0) {
    left -= x;
    w += x;
    x = 0;
  }
  if (y < 0) {
    top -= y;
    h += y;
    y = 0;
  }
  w = std::min({w, src.width - left, dst.width - x});
  h = std::min({h, src.height - top, dst.height - y});
  if (w <= 0 || h <= 0) return false;
  out = {static_cast<int>(x),   static_cast<int>(y), static_cast<int>(left),
         static_cast<int>(top), static_cast<int>(w), static_cast<int>(h)};
  return true;
}

// Both cuts, for a source rectangle given as left, top, right, bottom.
__attribute__((always_inline)) inline bool ClipBlit(int x, int y, int left, int top, int right,
                                                    int bottom, const Surface& src,
                                                    const Surface& dst, Span& out) {
  int64_t X = x, Y = y, L = left, T = top, W = int64_t{right} - left, H = int64_t{bottom} - top;
  return ClipToClipRect(X, Y, L, T, W, H) && CutToSurfaces(X, Y, L, T, W, H, src, dst, out);
}

// Copies a span, leaving out source pixels equal to `key` when keyed.
void CopySpan(Surface& dst, const Surface& src, const Span& s, bool keyed);

// The keyed row codes: portable, or AVX2 merging blocks of 16 pixels with
// its long runs going to a copier of its own or to the C library's copy.
enum class KeyedPath { Portable, Avx2, Avx2LibraryCopy };
// The code keyed blits take on this processor unless told otherwise.
KeyedPath BestKeyedPath();
// Makes keyed blits take `path` (for tests and benchmarks); false, changing
// nothing, when this processor cannot run it.
bool UseKeyedPath(KeyedPath path);

// Reserves the storage of a picture's key runs, so that building them later
// (inside a frame) allocates nothing.
void ReserveKeyRuns(Surface& s);

// Pixels a stretch reads: width x height, rows `pitch` pixels apart.
struct PixelView {
  const uint16_t* pixels;
  int width, height, pitch;
};
inline PixelView View(const Surface& s) { return {s.pixels.data(), s.width, s.height, s.pitch}; }

// Nearest-neighbour stretch of the source rectangle from (left, top), sw x sh
// pixels, to width x height at (x, y) of dst: destination pixel (i, j) shows
// source pixel (left + i * sw / width, top + j * sh / height). Cut to dst and
// to the source picture; keyed leaves out source pixels equal to `key`.
void StretchRect(Surface& dst, int x, int y, int width, int height, const PixelView& src,
                 int64_t left, int64_t top, int64_t sw, int64_t sh, bool keyed, uint16_t key);

// Writes `colour` to n pixels.
void FillRow(uint16_t* d, int n, uint16_t colour);

// Fills the rectangle cut to the surface (wide edges, so callers may add to them).
void FillSurface(Surface& dst, int64_t left, int64_t top, int64_t right, int64_t bottom,
                 uint16_t colour);

// Object-table rules the picture loaders share: names of 31 characters or
// more are refused; a new picture takes the key the loader settings give.
bool NameTooLong(const char* name);
void GiveColorKey(koDrawObject& rec);

}  // namespace koDraw::detail
