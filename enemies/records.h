// Slot records shared by the enemy kinds and their bullet families. Field
// order is the record's layout; spare words are kept so that the layout and
// the words each operation writes stay as designed.
#pragma once
#include <cstdint>

// The record of most small and medium kinds. A kind steps exactly one of the
// two explosion frame counters.
struct ZakRecord {
  int32_t row;     // how many times the explosion strip has played through
  int32_t frame1;  // explosion frame of the first group of kinds
  int32_t frame2;  // explosion frame of the second group of kinds
  float x, y;
  float vx;         // horizontal speed; most kinds subtract it from x
  float vy;         // vertical speed, added to y
  int32_t hitSkip;  // while non-zero the hit passes leave the slot alone
  int32_t alive;    // 1 while in play, also while exploding
  int32_t dying;    // 1 from a hit until the explosion has finished
};

// The two Diver kinds lay out the same words in different orders.
struct Diver80LRecord {
  int32_t row, spare1, spare2, frame;
  float x, y, vx, vy;
  int32_t hitSkip, alive, dying;
};
struct Diver80RRecord {
  int32_t row, spare1, spare2;
  float x, y, vx, vy;
  int32_t hitSkip, alive, dying, frame;
};

// A kind filled one slot at a time by a wave ticker.
struct WaveZakRecord {
  int32_t row;
  int32_t frame;        // explosion frame
  int32_t waveCounter;  // the slot's wave count
  int32_t spare;        // written by the slot start, read by nothing
  float phaseTimer;     // movement-script clock of the kinds that fly one
  float x, y, vx, vy;
  int32_t hitSkip, alive, dying;
};

// The block of one single large enemy: separate scalars rather than a table.
struct LargeZakState {
  int32_t row;    // explosion row counter
  int32_t frame;  // explosion frame within the row
  float x, y;
  float vx;          // entry speed towards the left
  float vy;          // set by the spawn; read only by the kinds whose script falls by it
  float phaseTimer;  // script clock of the kinds that fly a phase script
  float hp;          // hit points of the kinds that carry them
  int32_t hitSkip;   // while non-zero the hit passes leave the kind alone
  int32_t alive;
  int32_t dying;
};

// A lock-on mark over one enemy slot (the 60 x 60 marker picture's corner).
struct TargetMarker {
  int32_t x, y;
  int32_t locked;  // set only by the lock-on sight
  int32_t spare;
};

// An enemy bullet aimed at the ship when fired.
struct AimedShotRecord {
  int32_t frame;  // animation frame
  int32_t timer;  // per-bullet counter of the timer-fired families
  float x, y;
  float spare1, spare2;
  float dx, dy;  // aim point minus position at firing
  float originX, originY;
  float angle;  // radians, 0 = right, pi/2 = down
  float speed;  // pixels per second
  int32_t spare3;
  int32_t alive;
};

// An enemy bullet with a fixed velocity chosen at firing.
struct ShotRecord {
  int32_t frame;
  int32_t spare1;
  float x, y;
  float vx, vy;  // pixels per second; each stream adds or subtracts them
  int32_t spare2;
  int32_t alive;
};

// The bullets one enemy slot drops together: bullet j of the block is the j-th.
struct ClusterRecord {
  ShotRecord shots[5];
};
