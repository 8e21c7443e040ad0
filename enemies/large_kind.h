// The design every single large enemy repeats on its own block: the kind
// template over a table of one, an optional phase script that stops the craft
// to fire, the number of hit sounds and the hit points the reset restores.
//
// A kind is one LargeKind row; its entry points (SpawnZak50A, DrawZak50A,
// MoveZak50A, HitZak50A, ...) are one-line calls of the routines below.
#pragma once
#include "enemies/kind.h"

namespace enemy {

// The script of the kinds that stop to fire; the clock runs at `rate` units
// per second while the kind is alive and every band includes its limits.
struct LargePhaseScript {
  float rate;
  float entryEnd;              // 0 ..entryEnd: x -= vx, y += entryFall
  float entryFall;             // px/s downwards while entering
  float fireStart, fireEnd;    // vx = 0 and fire() on every frame of the band
  float leaveStart, leaveEnd;  // x -= leaveSpeed, and y += vy when leaveFallsByVY
  float leaveSpeed;            // px/s towards the left
  bool leaveFallsByVY;         // the leaving band also falls at the spawn's vy
  float restartAt;             // the clock at or past it starts again from 0
  void (*fire)();              // the kind's weapons of the firing band
};

struct LargeKind {
  KindDesign<LargeZakState> kind;  // a table of one: the kind's block
  const LargePhaseScript* script;  // nullptr: the kind only flies by its motion
  int hitSounds;                   // plays of "BOM.WAV" per hit
};

// Starts the kind if it is not alive; a scripted kind restarts its clock.
void SpawnLarge(const LargeKind& k);
// The body, or the next frame of the explosion while dying.
void DrawLarge(const LargeKind& k);
// Runs the script (or the motion) of the live kind, then frees it outside its bounds.
void MoveLarge(const LargeKind& k);
// Starts the explosion and plays its sounds; the caller adds the score.
void HitLarge(const LargeKind& k);

// Every word 0 except the parked place and the hit points.
void ResetLarge(LargeZakState& s, float hp);
bool LargeAtStart(const LargeZakState& s, float hp);

}  // namespace enemy

// Reset-table entries of a block whose reset writes `hp` into its hit points.
template <LargeZakState& block, int hp>
void ResetLargeBlock() {
  enemy::ResetLarge(block, static_cast<float>(hp));
}
template <LargeZakState& block, int hp>
bool LargeBlockAtStart() {
  return enemy::LargeAtStart(block, static_cast<float>(hp));
}
