// What each of stages 4 to 8 runs between the player's shots and the HUD
// (the enemy kinds, the power item, the homing missiles' draws, the ship's
// life and the bullets, in drawing order), and what it runs after the shot
// hit pass (the homing missiles' updates).
#pragma once
#include <span>

#include "game/timeline.h"

extern const std::span<const TimelineRow> kStage4Timeline, kStage5Timeline, kStage6Timeline,
    kStage7Timeline, kStage8Timeline;
extern const std::span<const TimelineOp> kStage4HomingUpdates, kStage5HomingUpdates,
    kStage6HomingUpdates, kStage7HomingUpdates, kStage8HomingUpdates;
