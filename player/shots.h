// The player's shots: ten families of 13 slots, started by the fire cadence,
// moved and culled by the shot pass, drawn once per frame.
#pragma once

struct PlayerShot {
  int x, y;    // top-left corner, screen pixels
  int dx, dy;  // pixels per frame, not scaled by the frame time
  int active;
};

constexpr int kShotSlots = 13;

// Ship type 1 (the type the running game plays).
extern PlayerShot gShotAMain[kShotSlots], gShotAUpper[kShotSlots], gShotALower[kShotSlots];
// Ship type 2.
extern PlayerShot gShotBMain[kShotSlots], gShotBLeft[kShotSlots], gShotBRight[kShotSlots];
extern PlayerShot gShotBLeftOuter[kShotSlots], gShotBRightOuter[kShotSlots];
// Two families that nothing starts; the shot pass and the drawing still visit them.
extern PlayerShot gShotUpLeft[kShotSlots], gShotUpRight[kShotSlots];

// Start slot `slot` of the ship type's families where it is free.
void FireShotA(int slot);
void FireShotB(int slot);
void DrawPlayerShots();

// One step of the current ship type's fire cadence: every fourth step fires
// the next slot, 1 to 12 in turn.
void StepFireCadence();

// Moves, culls and counts every live shot of the eight moving families, in
// the shot pass's family and slot order (the main shots of ship type 1 also
// record or replay their replay track), and lets each strike its targets.
void MoveAndStrikeShots();

// Frees and parks the shots a game over takes away (ship type 1's families
// and the two unstarted ones).
void ParkShotsAtGameOver();
