// The pattern bullets of the mid-boss: integer bullets that each trace a fixed
// path of straight legs under their own phase clock, started slot by slot on
// the family's tick.
#pragma once
#include <climits>
#include <cstdint>
#include <span>

#include "enemies/spread_shot.h"

// A move along one axis per call: perStep * s + perHalfStep * (s / 2) + pixels,
// with s the bullet's step.
struct LegMove {
  int perStep = 0, perHalfStep = 0, pixels = 0;
};

// While the clock lies in [from, to] each move call shifts the bullet by (dx, dy).
struct PathLeg {
  float from, to;
  LegMove dx, dy;
};

// The bullet stays in flight while minX < x < maxX and minY < y < maxY.
struct OpenBox {
  int minX, maxX, minY, maxY;
};
constexpr int kNoEdge = INT_MAX;

struct BurstDesign {
  SpreadShotRecord* shots;  // kSpreadSlots bullets
  int32_t* tick;
  void (*fire)(int);  // the family's fire entry point, called by its tick
  const float* craftX;
  const float* craftY;
  int muzzleX, muzzleY;  // from the craft's truncated corner
  int32_t step;
  std::span<const PathLeg> legs;
  float restartAt;  // the clock starts over from 0 once it reaches this
  OpenBox keep;
  const int* picture;  // drawn whole, kBurstSize square
};

// Clock units per second of play of every pattern bullet.
constexpr float kBurstClockRate = 110.0f;
constexpr int kBurstSize = 60;  // the picture, drawn whole
// A pattern bullet takes the ship from 10 to 37 pixels right of its corner and
// from 44 above to 44 below it.
constexpr ShipTouchBox kBurstTouchBox{10, 37, -44, 44};

void TickBurst(const BurstDesign& d);
// Starts one bullet at the craft's muzzle if it is free.
void FireBurst(const BurstDesign& d, int slot);
void MoveBurst(const BurstDesign& d);
void DrawBurst(const BurstDesign& d);
