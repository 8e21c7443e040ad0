// The boss section of a stage frame: the boss's move and draw while the
// section's clock window is open, its attack schedule on a frame counter, and
// the time-out that ends an unbeaten boss.
#pragma once
#include <cstdint>
#include <span>

#include "bosses/boss_state.h"
#include "stages/timeline.h"

// Attacks that run while the counter, just advanced, lies in from..to (inclusive).
struct AttackWindow {
  int from, to;
  std::span<const TimelineOp> ops;
};

// Attacks that run while the boss's hp lies in from..to (inclusive), under a mode of play.
struct HpBand {
  Mode mode;
  float from, to;
  std::span<const TimelineOp> ops;
};

// The defaults are those of every boss but the first.
struct BossSection {
  StageClock clock = StageClock::kFirst;
  float openAfter, closeBefore = 11100;  // the section runs while openAfter < clock < closeBefore
  bool openWhileDefeated = false;        // and also while the boss's hp is at or below 0
  BossState* boss;
  void (*move)();
  void (*draw)();
  void (*defeat)();
  float attackLimit;  // the counter advances while 0 < hp < attackLimit
  int32_t* counter;
  int wrapAt, wrapTo = 0;  // a counter at wrapAt or above becomes wrapTo
  std::span<const AttackWindow> schedule;
  // From <= clock <= to: hp 0 and one more defeat step.
  float timeoutFrom = 11000, timeoutTo = 11100;
  bool laser = false;                    // the stage-1 boss's laser runs before the boss moves
  std::span<const HpBand> hpBands = {};  // tested after the schedule, before the wrap
};

void RunBossSection(const BossSection& s);
