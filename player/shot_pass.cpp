#include "player/shot_pass.h"

#include "player/power_item.h"
#include "player/shots.h"

void HitTestShots() {
  TouchPowerItem();
  MoveAndStrikeShots();
}
