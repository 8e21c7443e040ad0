// The tunnel: a polar map from area points to texture texels, built once, and
// the blit that draws it every frame turned and moved in depth.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "engine/draw/ko_draw.h"

TunnelPoint gTunnelMap[kTunnelMapPoints];
int32_t gTunnelTextureWidth, gTunnelTextureHeight, gTunnelMapWidth, gTunnelMapHeight;

namespace koDraw {
namespace {

constexpr double kPi = 3.14159265358979323846;

// The texel index of a raw coordinate: wrapped into 0..size - 1. A value with
// no finite integer (at the centre, or a divisor of 0) becomes 0.
int16_t Wrap(double raw, int64_t size) {
  if (!(std::fabs(raw) < 2147483648.0)) return 0;
  const int64_t v = static_cast<int64_t>(raw) % size;
  return static_cast<int16_t>(v < 0 ? v + size : v);
}

float Distance(int shape, int64_t dx, int64_t dy, int64_t cx) {
  const int64_t ax = std::llabs(dx), ay = std::llabs(dy);
  switch (shape) {
    case 0:
      return static_cast<float>(std::hypot(static_cast<double>(dx), static_cast<double>(dy)));
    case 1:
      return static_cast<float>(std::max(ax, ay));
    case 2:
      return static_cast<float>((ax + ay) / 2.0);
    case 3:
      return static_cast<float>(std::min(ax, ay));
    case 4:
      return static_cast<float>(ax);
    case 5:
      return static_cast<float>(ay);
    default:
      return static_cast<float>(cx);
  }
}

float DepthScale(int mode, double f, int64_t dx, int64_t dy) {
  const double ax = static_cast<double>(std::llabs(dx)), ay = static_cast<double>(std::llabs(dy));
  double k;
  switch (mode) {
    case 0:
      k = f / 32;
      break;
    case 1:
      k = f / ((ay + 1) / 10.0);
      break;
    case 2:
      k = f / ((ax + 1) / 10.0);
      break;
    case 3:
      k = f / std::max(ax, ay);
      break;
    case 4:
      k = f / ((ax + ay) / 2.0);
      break;
    default:
      k = f / std::min(ax, ay);
      break;
  }
  return std::fabs(static_cast<float>(k));
}

}  // namespace

void BuildTunnelMap(int textureWidth, int textureHeight, int width, int height, int centreX,
                    int centreY, int viewDivisor, int motion, int shape, int depthMode) {
  // A map that would not fit the table, or texels an int16 cannot hold, is not built.
  if (width < 1 || height < 1 || int64_t{width} * height > kTunnelMapPoints) return;
  if (textureWidth < 1 || textureHeight < 1 || textureWidth > 32768 || textureHeight > 32768)
    return;
  if (shape < 0 || shape > 6 || depthMode < 0 || depthMode > 5) return;
  gTunnelTextureWidth = textureWidth;
  gTunnelTextureHeight = textureHeight;
  gTunnelMapWidth = width;
  gTunnelMapHeight = height;
  int64_t cx = centreX == -1 ? width / 2 : centreX;
  int64_t cy = centreY == -1 ? height / 2 : centreY;
  const int view = viewDivisor == -1 ? 8 : std::max(viewDivisor, 2);
  if (motion == 1) cy = height;
  if (motion == 3) cx = width;
  if (motion == 4) cx = 0;
  const double f = textureHeight / (2 * std::tan(kPi / view / 2));
  for (int y = 0; y < height; ++y) {
    if (motion == 1) --cy;
    if (motion == 2) cx = width;
    if (motion == 3) cx = std::max<int64_t>(cx - 1, 0);
    if (motion == 4) cx = std::min<int64_t>(cx + 1, width);
    for (int x = 0; x < width; ++x) {
      if (motion == 2) --cx;
      const int64_t dx = x - cx, dy = y - cy;
      const float d = Distance(shape, dx, dy, cx);
      const float k = DepthScale(depthMode, f, dx, dy);
      const double r = std::hypot(static_cast<double>(cx), static_cast<double>(cy));
      const double u =
          std::atan2(static_cast<double>(dy), static_cast<double>(dx)) * textureWidth / (2 * kPi);
      const double v = (r - d) * k / d;
      TunnelPoint& p = gTunnelMap[y * width + x];
      p.u = Wrap(u, textureWidth);
      p.v = Wrap(v, textureHeight);
    }
  }
}

int BlitTunnel(int x, int y, int du, int dv, int object) {
  const Surface* src = ObjectSurface(object);
  Surface* dst = gBackSurface.get();
  if (!src || !dst) return 0;
  const int64_t tw = gTunnelTextureWidth, th = gTunnelTextureHeight;
  if (tw < 1 || th < 1) return 1;  // no map built yet
  // Turn and depth offsets reduced once, so any du and dv gives a texel in range.
  const int64_t su = (du % tw + tw) % tw, sv = (dv % th + th) % th;
  // Cut to the back surface and to the texture the caller gave.
  const int64_t r0 = std::max<int64_t>(0, -int64_t{y}), c0 = std::max<int64_t>(0, -int64_t{x});
  const int64_t r1 = std::min<int64_t>(gTunnelMapHeight, dst->height - int64_t{y});
  const int64_t c1 = std::min<int64_t>(gTunnelMapWidth, dst->width - int64_t{x});
  for (int64_t r = r0; r < r1; ++r) {
    const TunnelPoint* row = gTunnelMap + r * gTunnelMapWidth;
    uint16_t* d = dst->Row(static_cast<int>(y + r)) + x;
    for (int64_t c = c0; c < c1; ++c) {
      const int64_t u = (row[c].u + su) % tw, v = (row[c].v + sv) % th;
      if (u < src->width && v < src->height) d[c] = src->Row(static_cast<int>(v))[u];
    }
  }
  return 1;
}

}  // namespace koDraw
