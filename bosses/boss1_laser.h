// The stage-1 boss's giant beam: 600 pixels across the boss's middle, in a
// 43-call cycle of warm-up (12), burning (24, the only lethal frames), fade
// (6) and one blank call.
#pragma once
#include <cstdint>

extern int32_t gBoss1LaserFrame;     // frame of the cycle, 0 to 43
extern int32_t gBoss1LaserX;         // left edge of the beam
extern int32_t gBoss1LaserY;         // top edge of its band
extern int32_t gBoss1LaserAnchored;  // set once by AnchorBoss1Laser

// One frame of the beam: draws it where the last call anchored it, anchors it
// to the boss, and while it burns destroys a ship inside its box.
void DrawBoss1Laser();
// Places the beam once at its own offsets from the boss; later calls do nothing.
void AnchorBoss1Laser();

// Frame 0, not anchored, anchored at the park point.
void ResetBoss1Laser();
bool Boss1LaserAtStart();
