#include "enemies/muzzle_streams.h"

#include "enemies/streams.h"
#include "game/assets.h"

namespace enemy {

namespace {

constexpr KeepArea kAboveBottom{-kNoBound, kNoBound, -kNoBound, 480, true};
constexpr ShipBox kShipBox{10, 30, 20, 30};
constexpr BulletLook kVal201{&gPicVal201, 20, 7, true};

void Spread(const MuzzleStreamDesign& d, float scale) {
  for (size_t j = 0; j < d.spread.size(); ++j)
    if (d.spread[j] != 0.0f) d.shots[j].x += d.spread[j] * scale;
}

}  // namespace

void FireMuzzleStream(const MuzzleStreamDesign& d) {
  for (ShotRecord& s : d.shots) {
    if (s.alive != 0) continue;
    s.alive = 1;
    for (size_t j = 0; j < d.shots.size(); ++j) {
      d.shots[j].x = d.owner->x + d.muzzles[j].x;
      d.shots[j].y = d.owner->y + d.muzzles[j].y;
    }
  }
}

void MoveMuzzleStream(const MuzzleStreamDesign& d) {
  for (ShotRecord& s : d.shots) {
    if (s.alive == 0) continue;
    const float scale = FrameScale();
    Spread(d, scale);
    s.vy = d.fall;
    s.y += s.vy * scale;
    if (!Keeps(kAboveBottom, s.x, s.y)) {
      s.alive = 0;
      Park(s);
    }
    TestShip(kShipBox, s.x, s.y);
  }
}

void DrawMuzzleStream(const MuzzleStreamDesign& d) { DrawBullets(kVal201, d.shots); }

void ResetMuzzleShot(ShotRecord& s) {
  ResetShot(s, StartFrame::kRandom10);
  s.spare1 = s.spare2 = 0;
}

bool MuzzleShotAtStart(const ShotRecord& s) {
  return ShotAtStart(s, StartFrame::kRandom10) && s.spare1 == 0 && s.spare2 == 0;
}

}  // namespace enemy
