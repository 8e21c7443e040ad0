// The spread of the mid-bosses: three rows of integer bullets (straight,
// rising, falling) that leave one muzzle of the craft, slot by slot on the
// spread tick. The craft's spread clock selects the slow or the fast steps.
#pragma once
#include <cstdint>

#include "enemies/spread_shot.h"

struct SpreadSteps {
  int32_t stepX, stepY;  // pixels per move call
};

// One row: its table, picture and muzzle height, and its steps while the
// spread clock is below the fast threshold and from it on.
struct SpreadRow {
  SpreadShotRecord* shots;  // kSpreadSlots bullets
  const int* picture;       // drawn whole
  int muzzleY;              // below the craft's top
  int ySign;                // 0: straight (stepY neither set nor used), -1 rising, +1 falling
  SpreadSteps slow, fast;
};

// A kind's spread: the craft it leaves and that craft's counters, the three
// rows, the bullets' size and where they are freed.
struct SpreadDesign {
  const float* craftX;
  const float* craftY;
  const int32_t* spreadClock;  // from kFastSpreadFrom on the fast steps
  int32_t* spreadTick;
  void (*fire)(int);  // the kind's fire entry point, called by its tick
  SpreadRow straight, rising, falling;
  int width, height;   // every row's picture
  int32_t freeBelowX;  // a bullet whose x drops below this is freed where it is
};

constexpr int kSpreadMuzzleX = 100;
constexpr int32_t kFastSpreadFrom = 650;
// A spread bullet takes the ship from 10 to 37 pixels right of its corner and
// from 24 above to 44 below it.
constexpr ShipTouchBox kSpreadTouchBox{10, 37, -24, 44};

void TickSpread(const SpreadDesign& d);
// Starts slot `slot` of every row whose slot is free.
void FireSpread(const SpreadDesign& d, int slot);
void MoveSpread(const SpreadDesign& d);
void DrawSpread(const SpreadDesign& d);
