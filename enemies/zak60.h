// Zak60A, Zak60B and Zak60C: 240 x 180 mid-boss-class craft of stages 2 and
// 3 that fly Zak52's script without its weapon calls and fire a wide
// three-row spread on the stage's schedule.
#pragma once
#include <cstdint>

#include "enemies/spread_shot.h"

// The state block of each Zak60 kind.
struct Zak60State {
  int32_t row, frame;   // explosion row 0 to 3 and frame 0 to 7
  int32_t spreadClock;  // spread schedule clock that the stage advances
  int32_t spreadTick;   // counter of the spread tick
  float x, y, vx, vy, phaseTimer, hp;
  int32_t hitSkip, alive;
  int32_t dying;  // 1 from the hit; stays 1 after the explosion until the next spawn
  bool operator==(const Zak60State&) const = default;
};

extern Zak60State gZak60A, gZak60B, gZak60C;
extern SpreadShotRecord gZak60ASpreadMid[kSpreadSlots], gZak60ASpreadUp[kSpreadSlots],
    gZak60ASpreadDown[kSpreadSlots], gZak60BSpreadMid[kSpreadSlots], gZak60BSpreadUp[kSpreadSlots],
    gZak60BSpreadDown[kSpreadSlots], gZak60CSpreadMid[kSpreadSlots], gZak60CSpreadUp[kSpreadSlots],
    gZak60CSpreadDown[kSpreadSlots];

void SpawnZak60A();
void DrawZak60A();
void MoveZak60A();
void HitZak60A();
void TickZak60ASpread();
void FireZak60ASpread(int slot);
void DrawZak60ASpread(int stage);
void MoveZak60ASpread();

void SpawnZak60B();
void DrawZak60B();
void MoveZak60B();
void HitZak60B();
void TickZak60BSpread();
void FireZak60BSpread(int slot);
void DrawZak60BSpread(int stage);
void MoveZak60BSpread();

void SpawnZak60C();
void DrawZak60C();
void MoveZak60C();
void HitZak60C();
void TickZak60CSpread();
void FireZak60CSpread(int slot);
void DrawZak60CSpread(int stage);
void MoveZak60CSpread();
