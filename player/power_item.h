// The power-up item: released in windows of the stage clock, it drifts left;
// touching it grants bombs and the side shots (and from the third item since
// the last death the outer shots).
#pragma once

void SpawnPowerItem();
void MovePowerItem();
// Draws the item, or applies and retires it once it has been collected.
void DrawPowerItem();
void CollectPowerItem();
// The touch test against the ship; the ship counts even while it is dead.
void TouchPowerItem();
// The start pattern of a new game and of every reset: parked, at rest, nothing collected.
void ResetPowerItem();
