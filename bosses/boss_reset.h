// The start values of the boss bodies, the boss scalars and the stage-1 laser,
// as the game-state reset writes them at every game start and boss defeat.
#pragma once

#include "bosses/boss_state.h"
#include "player/parking.h"

// Every boss record (1 to 8), the attack counters, the flame cells, the
// stage-1 laser and the entry pictures of bosses 5 and 7. Draws no random numbers.
void ResetBossRecords();
// One boss record (n = 1 to 8): its start corner and hp, clocks and hitSkip 0.
// Only boss 1 clears its hit flag; the others keep theirs.
void ResetBossRecord(int n);
bool BossRecordAtStart(int n);

// The explosions of bosses 1 to 8: frame 0 at the park point.
void ResetBossExplosions();

template <int N>
void ResetBoss() {
  ResetBossRecord(N);
}
template <int N>
bool BossAtStart() {
  return BossRecordAtStart(N);
}

template <auto& table>
void ResetExplosions() {
  for (BossExplosion& e : table) e = {0, kParkX, kParkY};
}
template <auto& table>
bool ExplosionsAtStart() {
  for (const BossExplosion& e : table)
    if (e.frame != 0 || e.x != kParkX || e.y != kParkY) return false;
  return true;
}
