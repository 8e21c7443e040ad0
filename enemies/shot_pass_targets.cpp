#include "enemies/shot_pass_targets.h"

ZakRecord gShotPassTargets[3];

void HitShotPassTarget(int slot) { gShotPassTargets[slot].dying = 1; }
