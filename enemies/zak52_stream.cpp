// Zak52's stream: four bullets from fixed muzzles, fired together at the
// home point, flying left at a fixed speed.
#include "enemies/bullets.h"
#include "enemies/zak52.h"
#include "game/assets.h"

ShotRecord gZak52Stream[kZak52StreamSlots];

namespace {

constexpr float kSpeed = 170.0f;
struct Muzzle {
  float x, y;
};
// An upper pair and a lower pair, in slot order.
constexpr Muzzle kMuzzles[kZak52StreamSlots] = {{130, 40}, {90, 40}, {90, 140}, {130, 140}};
constexpr enemy::KeepArea kKeep{-20, enemy::kNoBound, -enemy::kNoBound, enemy::kNoBound, true};
constexpr enemy::ShipBox kShipBox{10, 30, 20, 30};
constexpr enemy::BulletLook kLook{&gPicVal2024, 20, 24, true};

}  // namespace

// Any free slot starts the whole volley again: the free slots come alive and
// all four, flying or not, go back to their muzzles.
void FireZak52Stream(int) {
  bool started = false;
  for (ShotRecord& s : gZak52Stream) {
    if (s.alive != 0) continue;
    s.alive = 1;
    started = true;
  }
  if (!started) return;
  for (int i = 0; i < kZak52StreamSlots; ++i) {
    gZak52Stream[i].x = gZak52.x + kMuzzles[i].x;
    gZak52Stream[i].y = gZak52.y + kMuzzles[i].y;
  }
}

// The bullets keep their height: the vertical pulls of one move cancel out.
void MoveZak52Stream(int) {
  for (ShotRecord& s : gZak52Stream) {
    if (s.alive == 0) continue;
    s.vx = kSpeed;
    s.x -= s.vx * enemy::FrameScale();
    if (!enemy::Keeps(kKeep, s.x, s.y)) {
      s.alive = 0;
      enemy::Park(s);
    }
    enemy::TestShip(kShipBox, s.x, s.y);
  }
}

void DrawZak52Stream(int) { enemy::DrawBullets(kLook, std::span<ShotRecord>(gZak52Stream)); }
