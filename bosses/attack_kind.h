// Rules that every boss attack kind shares: a freed slot is parked, a bullet
// that leaves its bounds or meets a running bomb is freed, a bullet touching
// the ship clears gPlayerAlive, aimed bullets turn towards the ship the same
// way, fired-by-timer kinds step one timer per slot, and animated bullets
// draw 20 x 20 cells of a horizontal strip.
#pragma once
#include <cmath>
#include <span>

#include "engine/system/ko_system.h"
#include "game/game_state.h"
#include "player/parking.h"

// Frees a slot and moves it out of the screen and every hit box.
template <typename Slot>
void ParkSlot(Slot& s) {
  s.active = 0;
  s.x = kParkX;
  s.y = kParkY;
}

// Where a bullet's top-left corner may fly; strictly beyond a bound it is gone.
struct FlightBounds {
  float left, right, top, bottom;
};
inline constexpr FlightBounds kScreenBounds{-20.0f, 640.0f, -20.0f, 480.0f};

// The corner left its bounds, or a running bomb clears every bullet.
inline bool LeftBoundsOrBombed(float x, float y, const FlightBounds& b) {
  return x > b.right || x < b.left || y > b.bottom || y < b.top || gBombActive == 1;
}

// A hit box: how far a bullet's corner may lie right of and below the
// ship's top-left corner, all bounds inclusive.
struct ShipBox {
  float left, right, top, bottom;
};
inline constexpr ShipBox kAimedShipBox{10.0f, 30.0f, 20.0f, 30.0f};

// While the ship can be hit and (x, y) lies in `box`, clears gPlayerAlive.
// Returns whether it hit.
bool HitShip(float x, float y, const ShipBox& box);

// The flight angle towards a point dx, dy away, turned by `spread` radians:
// atan(dy / dx) (pi/2 for dx exactly 0) plus the spread, plus a half turn
// when the point lies left, or straight above, or on the start point.
float AimAngle(float dx, float dy, float spread);

// Aims a slot at the ship's top-left corner plus `offset` on both axes;
// keeps the aim vector in the slot's dx and dy.
template <typename Slot>
void AimAtShip(Slot& s, float offset, float spread) {
  s.dx = gPlayerX + offset - s.x;
  s.dy = gPlayerY + offset - s.y;
  s.angle = AimAngle(s.dx, s.dy, spread);
}

// One frame of flight along the slot's angle at its speed, y first.
template <typename Slot>
void StepAlongAngle(Slot& s) {
  s.y += std::sin(s.angle) * s.speed * gFrameScale;
  s.x += std::cos(s.angle) * s.speed * gFrameScale;
}

// One Tick of a kind's firing timers: each counts 0 .. cycle - 1 and repeats.
template <typename Slot>
void StepTimers(std::span<Slot> slots, int cycle) {
  for (Slot& s : slots)
    if (++s.timer >= cycle) s.timer = 0;
}

// Blits cell `cell` of a strip of 20 x 20 cells at the truncated corner and
// returns the next cell; any cell at or past the strip's end goes back to 0.
int DrawStripCell(float x, float y, int picture, int cell, int cells);
