#include "enemies/spreads.h"

#include "engine/draw/ko_draw.h"

namespace {

void FireRow(const SpreadRow& row, int slot, int x, int y, bool fast) {
  SpreadShotRecord& s = row.shots[slot];
  if (s.alive != 0) return;
  const SpreadSteps& steps = fast ? row.fast : row.slow;
  s.alive = 1;
  s.x = x + kSpreadMuzzleX;
  s.y = y + row.muzzleY;
  s.stepX = steps.stepX;
  if (row.ySign != 0) s.stepY = steps.stepY;
}

void MoveBullet(const SpreadDesign& d, const SpreadRow& row, int slot) {
  SpreadShotRecord& s = row.shots[slot];
  if (s.alive == 0) return;
  s.x -= s.stepX;
  s.y += row.ySign * s.stepY;
  if (s.x < d.freeBelowX) s.alive = 0;
  TouchShip(kSpreadTouchBox, s.x, s.y);
}

void DrawBullet(const SpreadDesign& d, const SpreadRow& row, int slot) {
  const SpreadShotRecord& s = row.shots[slot];
  if (s.alive != 0) koDraw::Blit(s.x, s.y, *row.picture, 0, 0, d.width, d.height);
}

}  // namespace

void TickSpread(const SpreadDesign& d) { TickSlots(*d.spreadTick, d.fire); }

void FireSpread(const SpreadDesign& d, int slot) {
  const int x = static_cast<int>(*d.craftX), y = static_cast<int>(*d.craftY);
  const bool fast = *d.spreadClock >= kFastSpreadFrom;
  FireRow(d.straight, slot, x, y, fast);
  FireRow(d.rising, slot, x, y, fast);
  FireRow(d.falling, slot, x, y, fast);
}

void MoveSpread(const SpreadDesign& d) {
  for (int i = 0; i < kSpreadSlots; ++i) {
    MoveBullet(d, d.straight, i);
    MoveBullet(d, d.rising, i);
    MoveBullet(d, d.falling, i);
  }
}

void DrawSpread(const SpreadDesign& d) {
  for (int i = 0; i < kSpreadSlots; ++i) {
    DrawBullet(d, d.rising, i);
    DrawBullet(d, d.falling, i);
    DrawBullet(d, d.straight, i);
  }
}
