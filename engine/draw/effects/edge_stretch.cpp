// A picture blit that repeats one column or row of the picture towards one side.
#include <algorithm>
#include <climits>

#include "engine/draw/draw_internal.h"
#include "engine/draw/ko_draw.h"

namespace koDraw {
namespace {

// How a column or row index picks its sample around the edge index n.
enum Hold { kPlain, kHoldAfter, kHoldBefore };

int Sample(int i, int n, Hold hold) {
  if (hold == kHoldAfter) return std::min(i, n);
  if (hold == kHoldBefore) return i <= n ? n : i;
  return i;
}

struct Direction {
  Hold columns, rows;
  bool toRightEdge, toBottomEdge;  // the picture reaches the screen's edge
  bool leftMargin, topMargin;      // the screen between the edge and x or y gets the sample too
};
constexpr Direction kDirections[4] = {
    {kHoldAfter, kPlain, true, false, false, false},   // stretch right
    {kHoldBefore, kPlain, false, false, true, false},  // stretch left
    {kPlain, kHoldAfter, false, true, false, false},   // stretch down
    {kPlain, kHoldBefore, false, false, false, true},  // stretch up
};

}  // namespace

int BlitEdgeStretch(int x, int y, int direction, int edge, int object, int left, int top, int right,
                    int bottom) {
  Surface* dst = gBackSurface.get();
  const Surface* src = ObjectSurface(object);
  if (!dst || !src) return 0;
  if (direction < 0 || direction > 3) return 1;
  const Direction& d = kDirections[direction];
  int64_t X = x, Y = y, L = left, T = top;
  int64_t W = (d.toRightEdge ? int64_t{gScreenWidth} - left : right) - L;
  int64_t H = (d.toBottomEdge ? int64_t{gScreenHeight} - top : bottom) - T;
  if (!detail::ClipToClipRect(X, Y, L, T, W, H)) return 1;
  // A stretched axis may run past the picture; its samples stay inside it.
  Surface bounds;
  bounds.width = d.toRightEdge ? INT_MAX : src->width;
  bounds.height = d.toBottomEdge ? INT_MAX : src->height;
  detail::Span s;
  if (!detail::CutToSurfaces(X, Y, L, T, W, H, bounds, *dst, s)) return 1;
  const int edgeIndex = static_cast<uint16_t>(edge);
  const int nx = std::min(edgeIndex, src->width - 1 - s.left);
  const int ny = std::min(edgeIndex, src->height - 1 - s.top);
  if (nx < 0 || ny < 0) return 1;  // the picture origin lies past the picture

  if (d.topMargin)
    for (int row = 0; row < s.y; ++row)
      std::copy_n(src->Row(s.top + ny) + s.left, s.width, dst->Row(row) + s.x);
  for (int r = 0; r < s.height; ++r) {
    const uint16_t* p = src->Row(s.top + Sample(r, ny, d.rows)) + s.left;
    uint16_t* out = dst->Row(s.y + r);
    for (int c = 0; c < s.width; ++c) {
      const uint16_t v = p[Sample(c, nx, d.columns)];
      if (v != 0) out[s.x + c] = v;
    }
    if (d.leftMargin) detail::FillRow(out, s.x, p[nx]);
  }
  return 1;
}

}  // namespace koDraw
