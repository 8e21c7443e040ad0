// How one of the player's shots or bomb shots strikes one target: the gate, the
// box around the target's corner, what a strike does and what it is worth.
#pragma once
#include <cstdint>
#include <span>

#include "player/targets.h"

enum class Gate : uint8_t {
  kYAtLeast,  // the target's y >= value
  kXAtMost,   // the target's x <= value
  kXBelow,    // the target's x < value
};

enum class Effect : uint8_t {
  kHit,         // the hit operation, then the award
  kHpHit,       // hit points fall; the hit operation once they are at or below 0; award either way
  kBoss,        // the hit operation, the award, hit points fall (the boss runs its own defeat)
  kCountedHit,  // hit points count strikes up; from the 25th on, the hit operation and the award
  kSpare,       // no hit operation: the slot is spared from now on (hit-skip 1, explosion frame 0)
  kHitOnly,     // the hit operation without an award
};

struct StrikeRule {
  TargetId target;
  Gate gate;
  int gateValue;
  int left, right, top, bottom;  // the box: corner + left <= shot <= corner + right, likewise y
  int points;
  bool direct = false;   // the points go straight onto the score, without the bomb bonus
  bool consume = false;  // the strike takes the shot away
  Effect effect = Effect::kHit;
  float hpRate = 0.0f;  // hit points lost per second of contact
  int slots = 0;        // how many of the target's slots are tested; 0 means all
};

// Tests a shot at (sx, sy) against every rule in order, each whatever the rules
// before it did. A consuming strike clears *active; later rules still test the shot.
void StrikeTargets(std::span<const StrikeRule> rules, int sx, int sy, int* active);
