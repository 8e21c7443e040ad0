#include "bosses/boss_script.h"

#include "engine/system/ko_system.h"

namespace {

bool InWindow(const BossScriptRow& row, float value) {
  const bool aboveLow = row.lowStrict ? value > row.lo : value >= row.lo;
  return aboveLow && value <= row.hi;
}

}  // namespace

void RunBossScript(BossState& boss, std::span<const BossScriptRow> rows) {
  for (const BossScriptRow& row : rows) {
    const float value = row.test == BossScriptRow::Test::kClock ? boss.clock : boss.y;
    if (!InWindow(row, value)) continue;
    if (row.effect & BossScriptRow::kPlace) {
      boss.x = row.a;
      boss.y = row.b;
    }
    if (row.effect & BossScriptRow::kDrift) {
      // An axis without speed is left alone.
      if (row.a != 0.0f) boss.x += row.a * gFrameScale;
      if (row.b != 0.0f) boss.y += row.b * gFrameScale;
    }
    if (row.effect & BossScriptRow::kSetClock) boss.clock = row.clock;
  }
}
