// The record of a stage boss and its explosion cells.
#pragma once
#include <cstdint>

struct BossState {
  float x, y;         // top-left corner of the body picture
  float clock;        // script clock, 10 units per second
  float hp;           // lowered by the hit passes; the defeat runs at 0 or below
  float defeatClock;  // advances only while hp <= 0
  int32_t hitSkip;    // while non-zero the hit passes and the sight pass over the boss
  int32_t hit;        // 1 from a hit until the boss is next drawn
};

struct BossExplosion {
  int32_t frame;  // animation cell
  float x, y;     // where it is drawn next
};

extern BossState gBoss1, gBoss2, gBoss3, gBoss4, gBoss5, gBoss6, gBoss7, gBoss8;
