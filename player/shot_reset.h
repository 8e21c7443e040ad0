// A game-state reset of one shot family: every slot free and parked. The
// steps are left as they are: every start writes them.
#pragma once

#include "player/parking.h"
#include "player/shots.h"

template <PlayerShot (&shots)[kShotSlots]>
void ResetShots() {
  for (PlayerShot& s : shots) {
    s.x = kParkX;
    s.y = kParkY;
    s.active = 0;
  }
}

template <PlayerShot (&shots)[kShotSlots]>
bool ShotsAtStart() {
  for (const PlayerShot& s : shots)
    if (s.x != kParkX || s.y != kParkY || s.active != 0) return false;
  return true;
}
