#include "player/power_item.h"

#include <climits>

#include "engine/draw/ko_draw.h"
#include "engine/sound/ko_sound.h"
#include "engine/system/ko_system.h"
#include "game/assets.h"
#include "game/game_state.h"
#include "game/score.h"
#include "player/parking.h"

namespace {

constexpr float kStartX = 640.0f;
constexpr int kRowFirst = 30, kRows = 390;       // y 30 to 419
constexpr int kSpeedFirst = 100, kSpeeds = 130;  // 100 to 229 px/s
constexpr float kLeaveX = -60.0f;
constexpr int kSize = 60;
constexpr int kPickupScore = 500;

// The ship's corner touches the item inside this box around the item's corner.
constexpr int kTouchLeft = -60, kTouchRight = 50, kTouchTop = -60, kTouchBottom = 30;

void Park() {
  gPowerItem.x = static_cast<float>(kParkX);
  gPowerItem.y = static_cast<float>(kParkY);
}

// The grant rules, tested one after the other on the count as it stands: an
// item counted 0 (released before a death) counts as the first and then also
// takes the count-1 grant; the third item and later take the last two.
struct GrantRule {
  int fromCount, toCount;  // inclusive
  int outerShots;
};
constexpr GrantRule kGrants[] = {{0, 0, 0}, {1, 1, 0}, {2, INT_MAX, 0}, {3, INT_MAX, 1}};

void Grant() {
  for (const GrantRule& g : kGrants) {
    if (gPowerItemCount < g.fromCount || gPowerItemCount > g.toCount) continue;
    gSideShots = 1;
    gOuterShots = g.outerShots;
    if (gPowerItemCount == 0) gPowerItemCount = 1;
    gBombStock += 1;
  }
}

}  // namespace

void SpawnPowerItem() {
  if (gPowerItem.active) return;
  gPowerItem.y = static_cast<float>(koSystem::Rand() % kRows + kRowFirst);
  gPowerItem.x = kStartX;
  gPowerItem.speed = static_cast<float>(koSystem::Rand() % kSpeeds + kSpeedFirst);
  gPowerItem.active = 1;
  gPowerItem.collected = 0;
  ++gPowerItemCount;  // counted on release, whether or not it is collected
}

void MovePowerItem() {
  if (gPowerItem.active) gPowerItem.x -= gPowerItem.speed * gFrameScale;
  if (gPowerItem.x < kLeaveX) {
    gPowerItem.active = 0;
    Park();
  }
}

void DrawPowerItem() {
  if (gPowerItem.collected > 0) {
    Grant();
    gPowerItem.active = 0;
    gPowerItem.collected = 0;
    Park();
    return;
  }
  koDraw::Blit(static_cast<int>(gPowerItem.x), static_cast<int>(gPowerItem.y), gPicPower, 0, 0,
               kSize, kSize);
}

void CollectPowerItem() {
  gPowerItem.collected = 1;
  koSound::Play(gSndBom, -1);
}

void TouchPowerItem() {
  if (!gPowerItem.active || gPowerItem.y <= 0.0f) return;
  const int px = static_cast<int>(gPlayerX), py = static_cast<int>(gPlayerY);
  const int ix = static_cast<int>(gPowerItem.x), iy = static_cast<int>(gPowerItem.y);
  if (ix + kTouchLeft <= px && px <= ix + kTouchRight && iy + kTouchTop <= py &&
      py <= iy + kTouchBottom) {
    CollectPowerItem();
    AddScore(kPickupScore);
  }
}

void ResetPowerItem() {
  gPowerItem =
      PowerItem{static_cast<float>(kParkX), static_cast<float>(kParkY), 0.0f, 0, 0, 0, {0, 0}};
}
