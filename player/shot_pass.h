// The pass after the ship's move that gives the player's shots their effect.
#pragma once

// Tests the power item against the ship, then moves, culls and counts every
// live shot.
void HitTestShots();
