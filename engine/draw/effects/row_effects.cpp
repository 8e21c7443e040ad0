// Effects that draw a picture one source row at a time through the keyed
// (or opaque) blit: waves, a scrolling wallpaper, scrolling wave bands,
// vertical pixelation, scan-line gaps, jitter and a rolling drum. The
// animated ones keep their phase here, advanced by speed x gFrameScale.
#include <algorithm>
#include <climits>
#include <cmath>

#include "engine/draw/ko_draw.h"
#include "engine/system/ko_system.h"

float gWavePhase = 0.0f;
int gWaveSign = 1;
float gTileOffsetX = 0.0f, gTileOffsetY = 0.0f;
float gScrollWavePhase = 0.0f, gScrollWaveOffset = 0.0f;
float gBandWavePhase = 0.0f, gBandScroll = 0.0f;
float gRollPhase = 0.0f;

namespace koDraw {
namespace {

constexpr double kPi = 3.14159265358979323846;
// From here on a float holds no fraction; a phase this far out is folded back
// by its period so it never grows past what an integer holds.
constexpr float kFar = 16777216.0f;
// The random row effects draw their numbers for every row of a rectangle up
// to this height, so cutting rows away does not change what the rest get.
constexpr int64_t kWholeWalk = int64_t{1} << 16;

bool FitsInt(int64_t v) { return v >= INT_MIN && v <= INT_MAX; }

// Source row r of the object drawn at (x, y); rows placed beyond what an int
// holds are off every surface anyway.
void DrawRow(int64_t x, int64_t y, int object, int left, int64_t r, int right, bool opaque) {
  if (!FitsInt(x) || !FitsInt(y)) return;
  const int row = static_cast<int>(r);
  if (opaque)
    BlitOpaque(static_cast<int>(x), static_cast<int>(y), object, left, row, right, row + 1);
  else
    Blit(static_cast<int>(x), static_cast<int>(y), object, left, row, right, row + 1);
}

// The rows from [top, bottom) that exist in the picture and land inside the
// clip rows when row r goes to destination row dy + r: [first, end).
struct Rows {
  int64_t first, end;
};
Rows DrawableRows(int object, int64_t top, int64_t bottom, int64_t dy) {
  const Surface* s = ObjectSurface(object);
  if (!s) return {0, 0};
  const int64_t first = std::max({top, int64_t{0}, int64_t{gClipRect.top} - dy});
  const int64_t end = std::min({bottom, int64_t{s->height}, int64_t{gClipRect.bottom} - dy});
  return {first, std::max(first, end)};
}

// Adds speed x gFrameScale; a step that is not a finite number leaves the value.
void Advance(float& v, float speed) {
  const float next = v + speed * gFrameScale;
  if (std::isfinite(next)) v = next;
}

// Folds a phase that has run far out back by its period.
void KeepNear(float& v, double period) {
  if (std::fabs(v) >= kFar) v = static_cast<float>(std::fmod(v, period));
}

// A wave phase: one wrap at 360 going up, as the animation expects.
void AdvanceDegrees(float& phase, float speed) {
  Advance(phase, speed);
  if (phase >= 360.0f) phase -= 360.0f;
  KeepNear(phase, 360.0);
}

// A scroll through h rows, kept from 0 to below h; subtracting moves the picture down.
void AdvanceScroll(float& offset, float speed, int64_t h) {
  Advance(offset, -speed);
  if (offset < 0.0f) offset += static_cast<float>(h);
  if (offset >= static_cast<float>(h)) offset -= static_cast<float>(h);
  if (offset < 0.0f || offset >= static_cast<float>(h)) {  // a step of more than h
    offset = static_cast<float>(std::fmod(offset, static_cast<double>(h)));
    if (offset < 0.0f) offset += static_cast<float>(h);
    if (offset >= static_cast<float>(h)) offset = 0.0f;
  }
}

// The wave's horizontal offset of a row: the cosine of its angle in degrees.
int64_t WaveOffset(int64_t row, int divisor, float phase, int amplitude) {
  const int64_t angle = (divisor != 0 ? row / divisor : row) + static_cast<int64_t>(phase);
  return static_cast<int64_t>(std::cos(static_cast<double>(angle) * 2 * kPi / 360) * amplitude);
}

// The smallest start + m x step (m >= 0) that is at least lo; step >= 1.
int64_t FirstFrom(int64_t start, int64_t step, int64_t lo) {
  return start >= lo ? start : start + (lo - start + step - 1) / step * step;
}

}  // namespace

void BlitWave(int x, int y, int amplitude, int divisor, float speed, int object, int left, int top,
              int right, int bottom, int alternate) {
  const int64_t dy = int64_t{y} - top;
  const Rows rows = DrawableRows(object, top, bottom, dy);
  for (int64_t r = rows.first; r < rows.end; ++r) {
    int64_t offset = WaveOffset(r, divisor, gWavePhase, amplitude);
    // The sign alternates from row top on, whether a row is drawn or not.
    if (alternate != 0 && (r - top) % 2 != 0) offset = -offset;
    if (alternate != 0) offset *= gWaveSign;
    DrawRow(x + offset, dy + r, object, left, r, right, false);
  }
  if (alternate != 0 && bottom > top && (int64_t{bottom} - top) % 2 != 0) gWaveSign = -gWaveSign;
  AdvanceDegrees(gWavePhase, speed);
}

void DrawTiledBackground(float speedX, float speedY, int object, int left, int top, int right,
                         int bottom) {
  const int64_t w = int64_t{right} - left, h = int64_t{bottom} - top;
  if (w < 1 || h < 1) return;  // no tile to repeat
  const int64_t ox = static_cast<int64_t>(gTileOffsetX), oy = static_cast<int64_t>(gTileOffsetY);
  for (int64_t j = 0; j < gScreenHeight / h + 2; ++j)
    for (int64_t i = 0; i < gScreenWidth / w + 2; ++i) {
      const int64_t tx = w * i + ox, ty = h * j + oy;
      if (FitsInt(tx) && FitsInt(ty))
        Blit(static_cast<int>(tx), static_cast<int>(ty), object, left, top, right, bottom);
    }
  auto wrap = [](float& v, float speed, int64_t size) {
    const float s = static_cast<float>(size);
    Advance(v, speed);
    if (v < -s) v += s;
    if (v > 0.0f) v -= s;
    if (v < -s || v > 0.0f) v = static_cast<float>(std::fmod(v, static_cast<double>(size)));
    if (v > 0.0f) v -= s;
  };
  wrap(gTileOffsetX, speedX, w);
  wrap(gTileOffsetY, speedY, h);
}

void BlitWaveScroll(int x, int y, int amplitude, int divisor, float waveSpeed, float scrollSpeed,
                    int object, int left, int top, int right, int bottom) {
  const int64_t h = int64_t{bottom} - top;
  const Surface* src = ObjectSurface(object);
  if (h >= 1 && src) {
    // Row r shows source row r + k, wrapped once by the height of this call's
    // rectangle. Only rows r that land inside the clip rows are visited.
    const int64_t k = static_cast<int64_t>(gScrollWaveOffset);
    const int64_t first = std::max(int64_t{top}, int64_t{gClipRect.top} - y);
    const int64_t end = std::min(int64_t{bottom}, int64_t{gClipRect.bottom} - y);
    for (int64_t r = first; r < end; ++r) {
      const int64_t s = r + k >= bottom ? r + k - h : r + k;
      if (s < 0 || s >= src->height) continue;
      const int64_t offset = WaveOffset(r, divisor, gScrollWavePhase, amplitude);
      DrawRow(x + offset, y + r, object, left, s, right, false);
    }
  }
  AdvanceDegrees(gScrollWavePhase, waveSpeed);
  if (h >= 1) AdvanceScroll(gScrollWaveOffset, scrollSpeed, h);
}

void BlitWaveBand(int firstRow, int endRow, int amplitude, int divisor, float waveSpeed,
                  float scrollSpeed, int object, int left, int top, int right, int bottom) {
  const int64_t w = int64_t{right} - left, h = int64_t{bottom} - top;
  const Surface* src = ObjectSurface(object);
  if (w >= 1 && h >= 1 && src) {
    const int64_t k = static_cast<int64_t>(gBandScroll);
    // Only band rows inside the clip rows can show.
    const int64_t first = std::max(int64_t{0}, int64_t{gClipRect.top} - firstRow);
    const int64_t end = std::min(int64_t{endRow} - firstRow, int64_t{gClipRect.bottom} - firstRow);
    for (int64_t i = first; i < end; ++i) {
      int64_t s = i % h + k;
      if (s > h - 1) s -= h;
      const int64_t row = top + s;
      if (row < 0 || row >= src->height) continue;
      const int64_t offset = WaveOffset(i, divisor, gBandWavePhase, amplitude);
      for (int64_t j = 0; j < gScreenWidth / w + 2; ++j)
        DrawRow(w * j + offset - amplitude, firstRow + i, object, left, row, right, false);
    }
  }
  AdvanceDegrees(gBandWavePhase, waveSpeed);
  if (h >= 1) AdvanceScroll(gBandScroll, scrollSpeed, h);
}

void BlitRowRepeat(int x, int y, int step, int object, int left, int top, int right, int bottom) {
  if (step < 1) return;  // no group to repeat
  const Surface* src = ObjectSurface(object);
  if (!src) return;
  const int64_t dy = int64_t{y} - top;
  const int64_t dLo = gClipRect.top - dy, dHi = gClipRect.bottom - dy;  // visible d
  const int64_t end = std::min(int64_t{bottom}, int64_t{src->height});
  for (int64_t r = FirstFrom(top, step, std::max(int64_t{0}, dLo - step + 1)); r < end && r < dHi;
       r += step)
    for (int64_t d = std::max(r, dLo); d < std::min(r + step, dHi); ++d)
      DrawRow(x, dy + d, object, left, r, right, false);
}

void BlitRowSkip(int x, int y, int step, int object, int left, int top, int right, int bottom) {
  const int64_t dy = int64_t{y} - top;
  const Rows rows = DrawableRows(object, top, bottom, dy);
  if (step > 0) {
    for (int64_t r = FirstFrom(int64_t{top} + step, step, rows.first); r < rows.end; r += step)
      DrawRow(x, dy + r, object, left, r, right, false);
  } else if (step < 0) {
    // Random gaps of 1 to -step rows, one number per gap over the whole
    // rectangle; only one far taller than any picture is walked just near its
    // drawable rows, no gap being longer than the generator's range.
    const int64_t most = std::min(-int64_t{step}, int64_t{koSystem::kRandMax} + 1);
    const bool whole = int64_t{bottom} - top <= kWholeWalk;
    int64_t r = whole ? top : std::max(int64_t{top}, rows.first - most);
    const int64_t end = whole ? bottom : rows.end;
    for (r += koSystem::Rand() % -int64_t{step} + 1; r < end;
         r += koSystem::Rand() % -int64_t{step} + 1)
      if (r >= rows.first && r < rows.end) DrawRow(x, dy + r, object, left, r, right, false);
  }
}

void BlitRowJitter(int x, int y, int jitter, int object, int left, int top, int right, int bottom) {
  if (jitter < 1) return Blit(x, y, object, left, top, right, bottom);
  const int64_t dy = int64_t{y} - top;
  const Rows rows = DrawableRows(object, top, bottom, dy);
  // One number per row of the rectangle, drawn or not (see BlitRowSkip).
  const bool whole = int64_t{bottom} - top <= kWholeWalk;
  const int64_t end = whole ? bottom : rows.end;
  for (int64_t r = whole ? top : rows.first; r < end; ++r) {
    const int64_t dx = koSystem::Rand() % (2 * int64_t{jitter}) - jitter;
    if (r >= rows.first && r < rows.end) DrawRow(x + dx, dy + r, object, left, r, right, false);
  }
}

void BlitRoll(int x, int y, int direction, float speed, int object, int left, int top, int right,
              int bottom) {
  const int64_t h = int64_t{bottom} - top;
  if (h < 2) return;  // the drum needs two rows to turn
  const int64_t half = h / 2;
  // Destination row (from y) down to which source row i reaches.
  auto target = [&](int64_t i) {
    const double a = (static_cast<double>(i) + gRollPhase) * kPi * 2 / static_cast<double>(h - 1);
    return static_cast<int64_t>(std::cos(a) * static_cast<double>(half) +
                                static_cast<double>(half));
  };
  if (const Surface* src = ObjectSurface(object)) {
    // Each source row is drawn from the row after the previous one's target
    // down to its own: a row whose target does not pass the previous one's is
    // hidden behind the drum, one that jumps ahead is stretched over several
    // rows. Rows above the picture draw nothing; only the last of them says
    // where the first row of the picture starts.
    const int64_t dLo = int64_t{gClipRect.top} - y, dHi = int64_t{gClipRect.bottom} - y;
    const int64_t first = std::max(int64_t{0}, -int64_t{top});
    const int64_t end = std::min(h, src->height - int64_t{top});
    int64_t next = first > 0 ? target(first - 1) + 1 : 0;
    for (int64_t i = first; i < end; ++i) {
      const int64_t t = target(i);
      for (int64_t d = std::max(next, dLo); d <= std::min(t, dHi - 1); ++d)
        DrawRow(x, y + d, object, left, top + i, right, true);
      next = t + 1;
    }
  }
  if (direction == 0) {
    Advance(gRollPhase, -speed);
    if (gRollPhase < 0.0f) gRollPhase += static_cast<float>(h);
  } else {
    Advance(gRollPhase, speed);
    if (gRollPhase >= static_cast<float>(h)) gRollPhase -= static_cast<float>(h);
  }
  KeepNear(gRollPhase, static_cast<double>(h));
}

}  // namespace koDraw
