// Three enemy slots that no kind spawns, moves or draws: only the player's
// shot pass and bomb-shot pass test them, and the game-state reset parks them.
#pragma once
#include "enemies/records.h"

extern ZakRecord gShotPassTargets[3];

// A strike marks the slot dying; nothing explodes it, so it stays marked
// until the next reset.
void HitShotPassTarget(int slot);
