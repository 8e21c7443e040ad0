// Blits that turn a picture rectangle by whole degrees about the centre of a
// destination rectangle, stepping through the destination in 360-fold fixed
// point with the sine table. One walk serves every member; a style picks
// tiling, zoom and the colour scale.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "engine/draw/effects/neighbour_channels.h"
#include "engine/draw/ko_draw.h"

namespace koDraw {
namespace {

struct TurnStyle {
  bool tiled;       // the picture repeats over the whole destination
  bool zoomed;      // source points are divided by the zoom
  bool zoomCentre;  // the centring offsets use the zoomed size
  bool tint;        // channels are scaled by the colour factors
};

constexpr TurnStyle kSpin{false, false, false, false};
constexpr TurnStyle kSpinTiled{true, false, false, false};
constexpr TurnStyle kSpinZoom{false, true, true, false};
constexpr TurnStyle kSpinZoomTiled{true, true, false, false};
constexpr TurnStyle kSpinRampTint{true, true, false, true};

struct TurnArgs {
  int x1, y1, x2, y2, angle;
  float zoomX, zoomXStep, zoomY, zoomYStep;
  float factor[3];
  int object, left, top, right, bottom;
};

// Rows further above the clip than this get their zoom ramp in one product.
constexpr int64_t kSteppedRows = 4096;

// trunc(v) when it fits in an int32.
bool Trunc32(float v, int64_t& out) {
  if (!(std::fabs(v) < 2147483648.0f)) return false;
  out = static_cast<int64_t>(v);
  return true;
}

// One coordinate of the source point; false when the point has none.
bool SourceCoord(const TurnStyle& style, int64_t fixed, int64_t offset, float zoom, int64_t size,
                 int64_t& out) {
  int64_t p = fixed / 360 - offset;
  if (style.zoomed && !Trunc32(static_cast<float>(p) / zoom, p)) return false;
  if (style.tiled) p = std::llabs(p) % size;
  out = p;
  return p >= 0 && p < size;
}

uint16_t Tinted(uint16_t pixel, const float (&factor)[3]) {
  const uint8_t* ch = gRgbSplitTable[pixel];
  uint32_t v[3];
  for (int k = 0; k < 3; ++k) {
    const float f = static_cast<float>(ch[k]) * factor[k];
    v[k] = f > 0.0f ? static_cast<uint32_t>(std::min(f, 31.0f)) : 0;  // NaN gives 0 too
  }
  return detail::PlaceChannels(v[0], v[1], v[2]);
}

int Turn(const TurnStyle& style, const TurnArgs& a) {
  const DrawRect& clip = gClipRect;
  const int64_t W = int64_t{a.x2} - a.x1, H = int64_t{a.y2} - a.y1;
  const int64_t sw = int64_t{a.right} - a.left, sh = int64_t{a.bottom} - a.top;
  // Per-pixel clip: the destination keeps its origin.
  int64_t cw = a.x1 + W > clip.right ? int64_t{clip.right} - a.x1 : W;
  int64_t ch = a.y1 + H > clip.bottom ? int64_t{clip.bottom} - a.y1 : H;
  int64_t c0 = a.x1 < clip.left ? int64_t{clip.left} - a.x1 : 0;
  int64_t r0 = a.y1 < clip.top ? int64_t{clip.top} - a.y1 : 0;
  if (c0 > cw || r0 > ch) return 1;
  const Surface* src = ObjectSurface(a.object);
  Surface* dst = gBackSurface.get();
  if (!src || !dst) return 0;
  // Nothing is written outside the back surface, and an empty picture has no point.
  cw = std::min<int64_t>(cw, dst->width - int64_t{a.x1});
  ch = std::min<int64_t>(ch, dst->height - int64_t{a.y1});
  c0 = std::max<int64_t>(c0, -int64_t{a.x1});
  r0 = std::max<int64_t>(r0, -int64_t{a.y1});
  if (sw <= 0 || sh <= 0 || c0 >= cw || r0 >= ch) return 1;

  const int turn = (a.angle % 360 + 360) % 360;
  const int64_t s = gSineTable[turn], c = gSineTable[turn + 90];
  const int64_t hx = W >> 1, hy = H >> 1;
  int64_t zw = sw, zh = sh;
  if (style.zoomCentre && (!Trunc32(static_cast<float>(sw) * a.zoomX, zw) ||
                           !Trunc32(static_cast<float>(sh) * a.zoomY, zh)))
    return 1;
  const int64_t ox = (W - zw) >> 1, oy = (H - zh) >> 1;
  const int64_t u0 = 360 * hx - c * hx + s * hy, v0 = 360 * hy - s * hx - c * hy;

  float zx = a.zoomX, zy = a.zoomY;
  if (r0 <= kSteppedRows) {
    for (int64_t j = 0; j < r0; ++j) zx += a.zoomXStep, zy += a.zoomYStep;
  } else {
    zx += a.zoomXStep * static_cast<float>(r0), zy += a.zoomYStep * static_cast<float>(r0);
  }
  for (int64_t j = r0; j < ch; ++j) {
    int64_t u = u0 - j * s + c0 * c, v = v0 + j * c + c0 * s;
    uint16_t* d = dst->Row(static_cast<int>(a.y1 + j)) + a.x1;
    for (int64_t i = c0; i < cw; ++i, u += c, v += s) {
      int64_t su, sv;
      if (!SourceCoord(style, u, ox, zx, sw, su) || !SourceCoord(style, v, oy, zy, sh, sv))
        continue;
      const int64_t px = a.left + su, py = a.top + sv;
      if (px < 0 || py < 0 || px >= src->width || py >= src->height) continue;
      const uint16_t p = src->Row(static_cast<int>(py))[px];
      if (p != 0) d[i] = style.tint ? Tinted(p, a.factor) : p;
    }
    if (style.tint) zx += a.zoomXStep, zy += a.zoomYStep;
  }
  return 1;
}

}  // namespace

int BlitSpin(int x1, int y1, int x2, int y2, int angle, int object, int left, int top, int right,
             int bottom) {
  return Turn(kSpin,
              {x1, y1, x2, y2, angle, 1, 0, 1, 0, {1, 1, 1}, object, left, top, right, bottom});
}

int BlitSpinTiled(int x1, int y1, int x2, int y2, int angle, int object, int left, int top,
                  int right, int bottom) {
  return Turn(kSpinTiled,
              {x1, y1, x2, y2, angle, 1, 0, 1, 0, {1, 1, 1}, object, left, top, right, bottom});
}

int BlitSpinZoom(int x1, int y1, int x2, int y2, int angle, float zoom, int object, int left,
                 int top, int right, int bottom) {
  return Turn(
      kSpinZoom,
      {x1, y1, x2, y2, angle, zoom, 0, zoom, 0, {1, 1, 1}, object, left, top, right, bottom});
}

int BlitSpinZoomTiled(int x1, int y1, int x2, int y2, int angle, float zoom, int object, int left,
                      int top, int right, int bottom) {
  return Turn(
      kSpinZoomTiled,
      {x1, y1, x2, y2, angle, zoom, 0, zoom, 0, {1, 1, 1}, object, left, top, right, bottom});
}

int BlitSpinRampTint(int x1, int y1, int x2, int y2, int angle, float zoomX, float zoomXStep,
                     float zoomY, float zoomYStep, float redFactor, float greenFactor,
                     float blueFactor, int object, int left, int top, int right, int bottom) {
  return Turn(kSpinRampTint, {x1,
                              y1,
                              x2,
                              y2,
                              angle,
                              zoomX,
                              zoomXStep,
                              zoomY,
                              zoomYStep,
                              {redFactor, greenFactor, blueFactor},
                              object,
                              left,
                              top,
                              right,
                              bottom});
}

}  // namespace koDraw
