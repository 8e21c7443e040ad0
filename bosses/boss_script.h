// A boss's movement script: rows of windows tested in order within one call,
// each placing the boss, drifting it by a speed or setting its clock back.
#pragma once
#include <cstdint>
#include <limits>
#include <span>

#include "bosses/boss_state.h"

struct BossScriptRow {
  enum class Test : uint8_t { kClock, kYAtLeast };
  enum Effect : uint8_t { kPlace = 1, kDrift = 2, kSetClock = 4 };

  Test test;
  bool lowStrict;  // lo < value instead of lo <= value
  float lo, hi;    // the window; the upper bound is always inclusive
  uint8_t effect;
  float a, b;   // kPlace: x and y; kDrift: x and y speeds in pixels per second
  float clock;  // kSetClock: the clock's new value
};

namespace boss_script {

constexpr float kOpen = std::numeric_limits<float>::infinity();

// x, y = (x, y) while lo <= clock <= hi.
constexpr BossScriptRow Place(float lo, float hi, float x, float y) {
  return {BossScriptRow::Test::kClock, false, lo, hi, BossScriptRow::kPlace, x, y, 0.0f};
}
// The entry row: x, y = (x, y) while lo < clock <= hi.
constexpr BossScriptRow Enter(float lo, float hi, float x, float y) {
  return {BossScriptRow::Test::kClock, true, lo, hi, BossScriptRow::kPlace, x, y, 0.0f};
}
// x += vx dt, y += vy dt while lo <= clock <= hi.
constexpr BossScriptRow Drift(float lo, float hi, float vx, float vy) {
  return {BossScriptRow::Test::kClock, false, lo, hi, BossScriptRow::kDrift, vx, vy, 0.0f};
}
// clock = to while lo <= clock <= hi: the pattern repeats from there.
constexpr BossScriptRow Rewind(float lo, float hi, float to) {
  return {BossScriptRow::Test::kClock, false, lo, hi, BossScriptRow::kSetClock, 0.0f, 0.0f, to};
}
// Once y >= lowestY: x, y = (x, y) and the clock jumps to `clock`.
constexpr BossScriptRow ParkBelow(float lowestY, float x, float y, float clock) {
  return {BossScriptRow::Test::kYAtLeast,
          false,
          lowestY,
          kOpen,
          BossScriptRow::kPlace | BossScriptRow::kSetClock,
          x,
          y,
          clock};
}

}  // namespace boss_script

// Tests the rows in order against the boss's current clock (or y), so a row
// that changes them is seen by the rows after it.
void RunBossScript(BossState& boss, std::span<const BossScriptRow> rows);
