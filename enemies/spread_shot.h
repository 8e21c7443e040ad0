// The integer-position bullets of the mid-bosses: the spreads and the pattern
// bullets. They move a fixed number of pixels per move call, not per second.
#pragma once
#include <cstdint>

struct SpreadShotRecord {
  float phaseTimer;  // path clock of the pattern families
  int32_t x, y;      // top-left, pixels
  int32_t stepX;     // pixels per move call; the pattern families' one step
  int32_t stepY;     // pixels per move call in y; spreads only
  int32_t alive;
};

constexpr int kSpreadSlots = 13;

// A box around the ship for integer bullets: a bullet whose corner lies in
// [PX + left, PX + right] x [PY + top, PY + bottom], PX and PY the ship's
// truncated position, bounds included, touches the ship.
struct ShipTouchBox {
  int left, right, top, bottom;
};

// What a touch by a spread or pattern bullet costs besides the ship.
constexpr int kTouchPenalty = -2000;

// While the ship is in play, a bullet at (x, y) inside the box takes the ship
// and the penalty.
void TouchShip(const ShipTouchBox& box, int x, int y);

// The counter of the spread and pattern ticks: slots 1 to 12 start one every
// 4 calls and the count wraps at 48; slot 0 is never started.
void TickSlots(int32_t& tick, void (*fire)(int));

// Every bullet free at the parked place with its clock at 0.
void ResetSpreadShots(SpreadShotRecord (&shots)[kSpreadSlots]);
bool SpreadShotsAtStart(const SpreadShotRecord (&shots)[kSpreadSlots]);
template <auto& shots>
void ResetSpreadTable() {
  ResetSpreadShots(shots);
}
template <auto& shots>
bool SpreadTableAtStart() {
  return SpreadShotsAtStart(shots);
}
