// What each of stages 1 to 3 runs between the player's shots and the HUD:
// the enemy kinds, the mid-boss blocks, the power item, the ship's life and
// the bullets, in drawing order.
#pragma once
#include <span>

#include "game/timeline.h"

extern const std::span<const TimelineRow> kStage1Timeline, kStage2Timeline, kStage3Timeline;
// The homing missiles' updates, run after the hit passes.
extern const std::span<const TimelineOp> kStage1HomingUpdates, kStage2HomingUpdates,
    kStage3HomingUpdates;
