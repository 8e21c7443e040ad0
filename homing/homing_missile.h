// The homing missile of the player's second weapon: one missile per lock-on
// marker, flying from the ship to its locked marker and striking the target
// there. While it flies a lightning bolt is drawn from the ship to the marker.
//
// Every missile set (the lockable enemy kinds' and the boss parts') is one
// HomingDesign row over its own missile array and marker array; its Launch,
// Update and Draw entry points are one-line calls of the routines below. Every
// difference between sets is a column of the row.
#pragma once
#include <cstdint>
#include <span>

#include "bosses/boss_state.h"
#include "enemies/records.h"

struct HomingMissile {
  float x, y;
  int32_t active;            // 1 while flying
  float dx, dy;              // aim point minus position, written by each steering step
  float launchDx, launchDy;  // the same at launch; bends the bolt
  float angle;               // heading in radians, 0 right, pi/2 down
  float speed;               // pixels per second
  float spreadTimer;         // clock of the opening spread; the reset leaves it alone
};

namespace homing {

// How a missile pushes sideways during its opening spread.
enum class Push : int8_t { kLeft = -1, kRight = 1 };

// What a contact does besides parking the missile and its marker and scoring.
struct Strike {
  void (*hit)(int slot);  // the target's hit operation, given the missile's index
  BossState* boss;        // a boss part also costs the boss hit points; nullptr otherwise
  float hpLossRate;       // hit points per second of the contact frame
};

struct HomingDesign {
  std::span<HomingMissile> missiles;
  std::span<TargetMarker> markers;  // marker i belongs to missile i
  // Missiles 0 .. targets - 1 may launch: the rest have no enemy slot to strike.
  int targets;
  float speed;
  float launchX, launchY;  // start point relative to the ship's corner
  bool setsLaunchVector;   // the launch records the aim vector, which bends the bolt
  int xBound;              // a marker is on screen while 0 < x < xBound and 0 < y < 480
  float lossX;             // a missile right of this is lost
  float contactYLow;       // the contact window runs from marker y + this to + 30
  // Empty: no opening spread. Otherwise one push per missile of the array.
  std::span<const Push> spread;
  bool drawsBolt;  // false: the Draw visits the set and shows nothing
  Strike strike;
};

// A missile at every locked on-screen marker whose missile is idle.
void LaunchHoming(const HomingDesign& d);
// Steers and moves the flying missiles, parks lost ones, strikes on contact.
void UpdateHoming(const HomingDesign& d);
// The lightning bolt of every flying missile; four random numbers each.
void DrawHoming(const HomingDesign& d);

// The start values: idle and parked, aim, launch and speed 0, angle -3 degrees.
void ResetMissiles(std::span<HomingMissile> missiles);
bool MissilesAtStart(std::span<const HomingMissile> missiles);

// Adapts a boss's hit reaction, which takes no slot, to the Strike column.
template <void (*F)()>
void IgnoreSlot(int) {
  F();
}

}  // namespace homing

// Reset-table entries of one missile array.
template <auto& missiles>
void ResetHomingTable() {
  homing::ResetMissiles(missiles);
}
template <auto& missiles>
bool HomingTableAtStart() {
  return homing::MissilesAtStart(missiles);
}
