// One routine per operation for every hazard stream, driven by the kind's row.
#include <span>

#include "bosses/hazard_kinds.h"
#include "engine/draw/ko_draw.h"
#include "engine/system/ko_system.h"
#include "game/game_state.h"
#include "game/score.h"
#include "player/parking.h"

namespace {

constexpr int32_t kCycle = 48;       // Tick calls per cycle: slot n starts on call 4n
constexpr int32_t kLeftOut = -59;    // a block whose x falls below this is gone
constexpr float kPathRate = 110.0f;  // path clock units per second
constexpr float kPathEnd = 251.0f;   // the path clock restarts from here
constexpr int kContactPenalty = -2000;
constexpr int32_t kBlockWidth = 60;

// One window of the path profile, as the rising profile steps: x by xSteps
// times the block's step, y by ySteps times the step plus yPixels. The diving
// profile reverses every y step.
struct PathWindow {
  float low, high;  // clock bounds, inclusive
  int32_t xSteps, ySteps, yPixels;
};
constexpr PathWindow kProfile[] = {
    {0, 10, 1, -1, 0},  {11, 20, 0, 0, -19}, {21, 30, -1, -1, 0},
    {31, 40, -1, 0, 0}, {41, 50, -1, 0, 10}, {51, 251, -1, 0, 10},
};

// Row visits: Fire and Move go middle, upper, lower; Draw upper, lower, middle.
constexpr int kDrawOrder3[] = {1, 2, 0};
constexpr int kDrawOrder1[] = {0};

void StepPath(const HazardKind& k, HazardSlot& s) {
  s.pathClock += kPathRate * gFrameScale;
  const int32_t ySign = k.path == HazardPath::Diving ? -1 : 1;
  for (const PathWindow& w : kProfile)
    if (s.pathClock >= w.low && s.pathClock <= w.high) {
      s.x += w.xSteps * s.speed;
      s.y += ySign * (w.ySteps * s.speed + w.yPixels);
    }
  if (s.pathClock >= kPathEnd) s.pathClock = 0.0f;
}

// Clears the ship and costs the penalty when the corner lies in the kind's box.
void TestContact(const HazardKind& k, const HazardSlot& s) {
  if (gPlayerAlive == 0) return;
  const int32_t px = static_cast<int32_t>(gPlayerX), py = static_cast<int32_t>(gPlayerY);
  if (s.x < px + 10 || s.x > px + k.boxRight || s.y < py + k.boxTop || s.y > py + k.boxBottom)
    return;
  gPlayerAlive = 0;
  AddScore(kContactPenalty);
}

void Step(const HazardKind& k, const HazardRow& row, HazardSlot& s) {
  if (k.path == HazardPath::Straight) {
    s.x -= s.speed;
    if (row.drifts) s.y += s.dy;
  } else {
    StepPath(k, s);
  }
  if (s.x < kLeftOut) s.active = 0;  // left where it is, not parked
  TestContact(k, s);
}

}  // namespace

void TickHazard(HazardKindId id) {
  const HazardKind& k = Hazard(id);
  int32_t& counter = *k.counter;
  ++counter;
  if (counter >= 4 && counter <= kCycle && counter % 4 == 0) FireHazard(id, counter / 4);
  if (counter == kCycle) counter = 0;
}

void FireHazard(HazardKindId id, int slot) {
  const HazardKind& k = Hazard(id);
  if (slot < 0 || slot >= kHazardSlots) return;  // outside the table: nothing starts
  const int32_t bx = static_cast<int32_t>(k.boss->x), by = static_cast<int32_t>(k.boss->y);
  for (int r = 0; r < k.rowCount; ++r) {
    const HazardRow& row = k.rows[r];
    HazardSlot& s = row.slots[slot];
    if (s.active != 0) continue;
    s.active = 1;
    if (k.path != HazardPath::Straight) s.pathClock = 0.0f;
    s.x = bx + k.startX;
    s.y = by + row.yOffset;
    s.speed = k.speed;
    if (row.drifts) s.dy = row.drift;
  }
}

void MoveHazard(HazardKindId id) {
  const HazardKind& k = Hazard(id);
  for (int i = 0; i < kHazardSlots; ++i)
    for (int r = 0; r < k.rowCount; ++r)
      if (k.rows[r].slots[i].active != 0) Step(k, k.rows[r], k.rows[r].slots[i]);
}

void DrawHazard(HazardKindId id) {
  const HazardKind& k = Hazard(id);
  const std::span<const int> order =
      k.rowCount == 3 ? std::span<const int>(kDrawOrder3) : std::span<const int>(kDrawOrder1);
  for (int i = 0; i < kHazardSlots; ++i)
    for (int r : order) {
      const HazardSlot& s = k.rows[r].slots[i];
      if (s.active != 0)
        koDraw::Blit(s.x, s.y, *k.rows[r].picture, 0, 0, kBlockWidth, k.drawHeight);
    }
}

void ResetHazardRow(HazardKindId id, int row) {
  const HazardKind& k = Hazard(id);
  for (int i = 0; i < kHazardSlots; ++i) k.rows[row].slots[i] = {0.0f, kParkX, kParkY, 0, 0, 0};
  if (row == 0) *k.counter = 0;
}

bool HazardRowAtStart(HazardKindId id, int row) {
  const HazardKind& k = Hazard(id);
  if (row == 0 && *k.counter != 0) return false;
  for (int i = 0; i < kHazardSlots; ++i) {
    const HazardSlot& s = k.rows[row].slots[i];
    if (s.pathClock != 0.0f || s.x != kParkX || s.y != kParkY || s.speed != 0 || s.dy != 0 ||
        s.active != 0)
      return false;
  }
  return true;
}
