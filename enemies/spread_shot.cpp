#include "enemies/spread_shot.h"

#include "game/game_state.h"
#include "game/score.h"
#include "player/parking.h"

namespace {
constexpr int kTickFirstSlot = 1, kTickLastSlot = 12, kTickSpacing = 4;
constexpr int kTickWrap = kTickSpacing * kTickLastSlot;
}  // namespace

void TouchShip(const ShipTouchBox& box, int x, int y) {
  if (gPlayerAlive != 1) return;
  const int px = static_cast<int>(gPlayerX), py = static_cast<int>(gPlayerY);
  if (x < px + box.left || x > px + box.right || y < py + box.top || y > py + box.bottom) return;
  gPlayerAlive = 0;
  AddScore(kTouchPenalty);
}

void TickSlots(int32_t& tick, void (*fire)(int)) {
  ++tick;
  for (int slot = kTickFirstSlot; slot <= kTickLastSlot; ++slot)
    if (tick == kTickSpacing * slot) fire(slot);
  if (tick == kTickWrap) tick = 0;
}

void ResetSpreadShots(SpreadShotRecord (&shots)[kSpreadSlots]) {
  for (SpreadShotRecord& s : shots) s = SpreadShotRecord{0.0f, kParkX, kParkY, 0, 0, 0};
}

bool SpreadShotsAtStart(const SpreadShotRecord (&shots)[kSpreadSlots]) {
  for (const SpreadShotRecord& s : shots)
    if (s.phaseTimer != 0.0f || s.x != kParkX || s.y != kParkY || s.stepX != 0 || s.stepY != 0 ||
        s.alive != 0)
      return false;
  return true;
}
