// The aimed fan: a timer-thrown bullet family. Every fortieth call it throws
// five bullets 12 degrees apart around the line from its owner's slot 0 to the
// ship, five fans in a cycle of 250 calls.
#pragma once
#include <cstdint>

struct FanShotRecord {
  int32_t frame;           // animation cell of the 16-cell strip
  float x, y;              // top-left of the 16 x 16 bullet
  int32_t spare1, spare2;  // cleared by the reset, read by nothing
  int32_t spare3;          // written by nothing
  int32_t timer;           // per-bullet call counter, 0 .. 249; all bullets step together
  int32_t alive;
  float dx, dy;  // aim point minus muzzle at the throw
  float originX, originY;
  float angle;  // radians, 0 = right, pi/2 = down
  float speed;  // pixels per second
};

// Bullets 5g .. 5g + 4 form the fan thrown at count 40 (g + 1).
constexpr int kFanShots = 25;

namespace enemy {

// One fan table and the slot whose position is its muzzle.
struct FanDesign {
  FanShotRecord (&bullets)[kFanShots];
  const float& ownerX;
  const float& ownerY;
};

// Steps every timer and throws the free bullets of the group whose count came.
void FireFan(const FanDesign& fan);
// Moves the flying bullets, frees those that left or met a bomb, tests the ship.
void MoveFan(const FanDesign& fan);
// Draws and animates every bullet, free ones at their parked place.
void DrawFan(const FanDesign& fan);

void ResetFan(FanShotRecord (&bullets)[kFanShots]);
bool FanAtStart(const FanShotRecord (&bullets)[kFanShots]);

}  // namespace enemy

// Reset-table entries of a fan table.
template <auto& table>
void ResetFanShots() {
  enemy::ResetFan(table);
}
template <auto& table>
bool FanShotsAtStart() {
  return enemy::FanAtStart(table);
}
