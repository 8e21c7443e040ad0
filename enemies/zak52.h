// Zak52, the mid-boss of stages 1 and 3: one 260 x 200 craft on its flight
// script with a three-row spread, two pattern-bullet families and a stream.
#pragma once
#include <cstdint>

#include "enemies/records.h"
#include "enemies/spread_shot.h"

// Zak52's state block.
struct Zak52State {
  int32_t row, frame;   // explosion row 0 to 3 and frame 0 to 7
  int32_t spreadTick;   // counter of TickZak52Spread
  int32_t spreadClock;  // spread schedule clock that the stage advances
  int32_t burstATick, burstBTick;
  float x, y;        // top-left of the picture
  float vx;          // entry speed to the left; 0 from the home point on
  float vy;          // speed of the diagonal legs
  float phaseTimer;  // flight clock
  float hp;          // lowered by the hit passes; the spawn does not restore it
  int32_t hitSkip, alive;
  int32_t dying;  // 1 from the hit; stays 1 after the explosion until the next spawn
  bool operator==(const Zak52State&) const = default;
};

extern Zak52State gZak52;
extern SpreadShotRecord gZak52SpreadMid[kSpreadSlots], gZak52SpreadUp[kSpreadSlots],
    gZak52SpreadDown[kSpreadSlots], gZak52BurstA[kSpreadSlots], gZak52BurstB[kSpreadSlots];
constexpr int kZak52StreamSlots = 4;
extern ShotRecord gZak52Stream[kZak52StreamSlots];

void SpawnZak52();
void DrawZak52();
void MoveZak52();
// Moves Zak52 along its flight without ever firing its stream.
void MoveZak52WithoutStream();
void HitZak52();

void TickZak52Spread();
void FireZak52Spread(int slot);
void DrawZak52Spread(int stage);
void MoveZak52Spread();

void TickZak52BurstA();
void FireZak52BurstA(int slot);
void DrawZak52BurstA(int stage);
void MoveZak52BurstA();
void TickZak52BurstB();
void FireZak52BurstB(int slot);
void DrawZak52BurstB(int stage);
void MoveZak52BurstB();

void FireZak52Stream(int stage);
void DrawZak52Stream(int stage);
void MoveZak52Stream(int stage);
