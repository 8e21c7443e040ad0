// What each family of the player's shots strikes, in the order it tests them.
#pragma once
#include <span>

#include "player/strike.h"

// Ship type 1's main shot, its upper and its lower side shot.
extern const std::span<const StrikeRule> kMainShotStrikes, kUpperShotStrikes, kLowerShotStrikes;
// Ship type 2's main shot and the shots that climb to the left and right.
extern const std::span<const StrikeRule> kBMainShotStrikes, kLeftShotStrikes, kUpRightShotStrikes,
    kBRightShotStrikes;
// The bomb's shots.
extern const std::span<const StrikeRule> kBombShotStrikes;
