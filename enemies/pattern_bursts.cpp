#include "enemies/pattern_bursts.h"

#include "engine/draw/ko_draw.h"
#include "engine/system/ko_system.h"

namespace {

int Shift(const LegMove& m, int32_t step) {
  return m.perStep * step + m.perHalfStep * (step / 2) + m.pixels;
}

bool Inside(const OpenBox& b, int x, int y) {
  return b.minX < x && x < b.maxX && b.minY < y && y < b.maxY;
}

}  // namespace

void TickBurst(const BurstDesign& d) { TickSlots(*d.tick, d.fire); }

void FireBurst(const BurstDesign& d, int slot) {
  SpreadShotRecord& s = d.shots[slot];
  if (s.alive != 0) return;
  s.alive = 1;
  s.phaseTimer = 0.0f;
  s.x = static_cast<int>(*d.craftX) + d.muzzleX;
  s.y = static_cast<int>(*d.craftY) + d.muzzleY;
  s.stepX = d.step;
}

void MoveBurst(const BurstDesign& d) {
  for (int i = 0; i < kSpreadSlots; ++i) {
    SpreadShotRecord& s = d.shots[i];
    if (s.alive == 0) continue;
    s.phaseTimer += kBurstClockRate * gFrameScale;
    for (const PathLeg& leg : d.legs) {
      if (s.phaseTimer < leg.from || s.phaseTimer > leg.to) continue;
      s.x += Shift(leg.dx, s.stepX);
      s.y += Shift(leg.dy, s.stepX);
    }
    if (s.phaseTimer >= d.restartAt) s.phaseTimer = 0.0f;
    if (!Inside(d.keep, s.x, s.y)) s.alive = 0;
    TouchShip(kBurstTouchBox, s.x, s.y);
  }
}

void DrawBurst(const BurstDesign& d) {
  for (int i = 0; i < kSpreadSlots; ++i) {
    const SpreadShotRecord& s = d.shots[i];
    if (s.alive != 0) koDraw::Blit(s.x, s.y, *d.picture, 0, 0, kBurstSize, kBurstSize);
  }
}
