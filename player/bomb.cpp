#include "player/bomb.h"

#include <cmath>
#include <cstring>
#include <numbers>

#include "engine/draw/ko_draw.h"
#include "game/assets.h"
#include "game/game_state.h"
#include "player/parking.h"
#include "player/shot_strikes.h"

BombShot gBombShots[kBombShots];

namespace {

constexpr int kBombFrames = 48;
constexpr int kVolleys = 8, kShotsPerVolley = 10;
constexpr int kVolleyStep = 3;     // volley v (1 to 7) fires at 3v ...
constexpr int kVolleyRepeat = 24;  // ... and again 24 frames later; volley 0 only at 24
constexpr int kShotSpeed = 40;
constexpr int kShotOffset = -10;  // from the ship's corner
constexpr int kShotSize = 80;

// A shot flies while inside these bounds (inclusive).
constexpr int kAreaLeft = -80, kAreaRight = 640, kAreaTop = -20, kAreaBottom = 480;

bool VolleyFires(int v, int frame) {
  if (v == 0) return frame == kVolleyRepeat;
  return frame == kVolleyStep * v || frame == kVolleyStep * v + kVolleyRepeat;
}

// Direction of record i: with dx and dy 0 the start rule takes its vertical
// branch and turns it half round, so ring i starts at 112.5 degrees and steps
// 36 degrees; records i and i + 10 share a direction.
float ShotAngle(int i) {
  constexpr double pi = std::numbers::pi;
  return static_cast<float>(pi * 2 / 16 - pi / 2 + i * pi * 2 / 10 + pi);
}

constexpr BombShot kParkedShot{.x = kParkX, .y = kParkY, .angle = kParkedAngle};

}  // namespace

void ResetBombShots() {
  for (BombShot& s : gBombShots) s = kParkedShot;
}

bool BombShotsAtStart() {
  for (const BombShot& s : gBombShots)
    if (std::memcmp(&s, &kParkedShot, sizeof s) != 0) return false;
  return true;
}

void StartBomb() {
  gBombActive = 1;
  gFireEnabled = 0;
  gBombReady = 0;
  gBombTimer = 0;
}

void UpdateBomb(int) {
  ++gBombTimer;
  for (int v = 0; v < kVolleys; ++v)
    if (VolleyFires(v, gBombTimer))
      for (int i = v * kShotsPerVolley; i < (v + 1) * kShotsPerVolley; ++i) SpawnBombShot(i);
  if (gBombTimer == kBombFrames) {
    gBombTimer = 0;
    gBombActive = 0;
    gFireEnabled = 1;
    gBombReady = 1;
    gBombStock -= 1;
  }
  // Without a bomb in stock the bomb ends at once and costs nothing.
  if (gBombStock < 1) {
    gBombActive = 0;
    gFireEnabled = 1;
    gBombReady = 1;
  }
}

void SpawnBombShot(int i) {
  BombShot& s = gBombShots[i];
  if (s.active) return;
  s = BombShot{.x = static_cast<int>(gPlayerX) + kShotOffset,
               .y = static_cast<int>(gPlayerY) + kShotOffset,
               .speed = kShotSpeed,
               .active = 1,
               .angle = ShotAngle(i)};
}

void DrawBombShots(int) {
  for (const BombShot& s : gBombShots)
    koDraw::Blit(s.x, s.y, gPicFbom1, 0, 0, kShotSize, kShotSize);
}

void UpdateBombShots(int) {
  for (BombShot& s : gBombShots) {
    if (!s.active) continue;
    // Whole-pixel steps: each is truncated, so the path never drifts onto the exact line.
    s.y += static_cast<int>(std::sin(static_cast<double>(s.angle)) * s.speed);
    s.x += static_cast<int>(std::cos(static_cast<double>(s.angle)) * s.speed);
    ++gBombShotMoves;
    if (s.x > kAreaRight || s.x < kAreaLeft || s.y > kAreaBottom || s.y < kAreaTop) {
      s.active = 0;
      s.x = kParkX;
      s.y = kParkY;
      continue;
    }
    // A bomb shot is never used up: it strikes everything it overlaps.
    StrikeTargets(kBombShotStrikes, s.x, s.y, &s.active);
  }
}
