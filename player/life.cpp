#include "player/life.h"

#include <cmath>
#include <cstring>
#include <numbers>

#include "engine/draw/ko_draw.h"
#include "engine/sound/ko_sound.h"
#include "engine/system/ko_system.h"
#include "game/assets.h"
#include "game/game_state.h"
#include "player/parking.h"

ExplosionFragment gExplosionFragments[kExplosionFragments];

namespace {

constexpr int kShipWidth = 80, kShipHeight = 60;
constexpr int kRespawnFrames = 249;  // hits are undone meanwhile

constexpr int kRings = 5, kRingSize = 16;
static_assert(kRings * kRingSize == kExplosionFragments);
constexpr int kRingStart[kRings] = {1, 10, 20, 30, 40};  // life at which each ring starts
constexpr int kChargedRing = kRings - 1;
static_assert(kDeathLives % kRingSize == 0 && kDeathScore % kRingSize == 0);
constexpr int kAliveAgainLife = 50;  // the ship returns, respawning

constexpr float kFragmentSpeed = 280.0f;
constexpr float kAimX = 20.0f, kAimY = 20.0f;  // one fragment of each ring points here

// The cells of "GFBAK1.BMP": row 0 columns 0 to 7, then row 1 columns 1 to 7.
constexpr int kCell = 60;
constexpr int kRowOneStep = 8, kLastStep = 14;

// Fragments fly while inside these bounds (inclusive).
constexpr float kFlyLeft = -60.0f, kFlyRight = 640.0f, kFlyTop = -60.0f, kFlyBottom = 480.0f;

void DrawShip() {
  koDraw::Blit(static_cast<int>(gPlayerX), static_cast<int>(gPlayerY), gPlayerSprite, 0, 0,
               kShipWidth, kShipHeight);
}

void ParkFragment(ExplosionFragment& f) {
  f = ExplosionFragment{.x = kParkX, .y = kParkY, .angle = kParkedAngle};
}

void StartFragment(int i, int ring) {
  ExplosionFragment& f = gExplosionFragments[i];
  if (ring == kChargedRing) {
    gLives -= kDeathLives / kRingSize;
    gScore -= kDeathScore / kRingSize;  // directly: no bonus and no floor
  }
  f.started = 1;
  f.x = f.startX = gPlayerX;
  f.y = f.startY = gPlayerY;
  f.speed = kFragmentSpeed;
  f.dx = kAimX - f.x;
  f.dy = kAimY - f.y;
  constexpr double pi = std::numbers::pi;
  const double spread = i * 2 * pi / kRingSize;
  double angle = f.dx == 0 ? pi / 2 + spread : std::atan(static_cast<double>(f.dy / f.dx)) + spread;
  if ((f.dx <= 0 && f.dy <= 0) || (f.dx < 0 && f.dy > 0)) angle += pi;
  f.angle = static_cast<float>(angle);
}

}  // namespace

void ParkExplosionFragments() {
  for (ExplosionFragment& f : gExplosionFragments) ParkFragment(f);
}

bool ExplosionFragmentsAtStart() {
  ExplosionFragment parked;
  ParkFragment(parked);
  for (const ExplosionFragment& f : gExplosionFragments)
    if (std::memcmp(&f, &parked, sizeof f) != 0) return false;
  return true;
}

void UpdatePlayerLife() {
  if (gPlayerAlive && !gRespawning) {
    DrawShip();
  } else if (gPlayerAlive) {
    ++gRespawnTimer;
    DrawShip();
    if (gRespawnTimer >= kRespawnFrames) {
      gRespawnTimer = 0;
      gRespawning = 0;
      ParkExplosionFragments();
    }
  } else if (gRespawning) {
    gPlayerAlive = 1;  // a hit while respawning is undone, and the period waits a frame
  } else {
    UpdateShipExplosion(0);
    DrawShipExplosion(0);
    MoveShipExplosion(0);
    gPlayerVX = gPlayerVY = 0.0f;
    koSound::Play(gSndBom, -1);
    gSideShots = gOuterShots = gPowerItemCount = 0;
  }
}

void UpdateShipExplosion(int) {
  for (ExplosionFragment& f : gExplosionFragments) {
    if (++f.life == kAliveAgainLife) gPlayerAlive = gRespawning = 1;
  }
  for (int ring = 0; ring < kRings; ++ring)
    for (int i = ring * kRingSize; i < (ring + 1) * kRingSize; ++i) {
      const ExplosionFragment& f = gExplosionFragments[i];
      if (f.life == kRingStart[ring] && !f.started) StartFragment(i, ring);
    }
}

void DrawShipExplosion(int) {
  for (ExplosionFragment& f : gExplosionFragments) {
    const int left = f.cellColumn * kCell, top = f.cellRow * kCell;
    koDraw::Blit(static_cast<int>(f.x), static_cast<int>(f.y), gPicGfbak1, left, top, left + kCell,
                 top + kCell);
    ++f.animationStep;
    if (f.animationStep < kRowOneStep) {
      ++f.cellColumn;
      f.cellRow = 0;
    }
    if (f.animationStep == kRowOneStep) f.cellColumn = 0;
    if (f.animationStep >= kRowOneStep && f.animationStep <= kLastStep) {
      ++f.cellColumn;
      f.cellRow = 1;
    }
    if (f.animationStep > kLastStep) f.cellColumn = f.cellRow = f.animationStep = 0;
  }
}

void MoveShipExplosion(int) {
  for (ExplosionFragment& f : gExplosionFragments) {
    if (!f.started) continue;
    const double step = static_cast<double>(f.speed) * gFrameScale;
    f.y = static_cast<float>(f.y + std::sin(static_cast<double>(f.angle)) * step);
    f.x = static_cast<float>(f.x + std::cos(static_cast<double>(f.angle)) * step);
    if (f.x < kFlyLeft || f.x > kFlyRight || f.y < kFlyTop || f.y > kFlyBottom) {
      f.started = 0;  // it keeps its life count, so it does not start again in this death
      f.x = static_cast<float>(kParkX);
      f.y = static_cast<float>(kParkY);
    }
  }
}
