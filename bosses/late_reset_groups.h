// The whole reset groups of the stage bosses 4 to 8, in the order the
// game-state reset visits them: the boss record, its attack tables and its
// explosions.
#pragma once
#include <span>

#include "bosses/boss_reset_groups.h"
#include "bosses/late_attack_resets.h"
#include "bosses/late_boss_bodies.h"

namespace boss_resets {

inline constexpr ResetTable kBoss4Head[] = {Boss<4, gBoss4>("gBoss4")};
inline constexpr ResetTable kBoss4Explosions[] = {
    Explosions<gBoss4SmallExplosions>("gBoss4SmallExplosions"),
    Explosions<gBoss4LargeExplosions>("gBoss4LargeExplosions"),
};
inline constexpr ResetTable kBoss5Head[] = {Boss<5, gBoss5>("gBoss5")};
inline constexpr ResetTable kBoss5Explosions[] = {
    Explosions<gBoss5SmallExplosions>("gBoss5SmallExplosions"),
    Explosions<gBoss5LargeExplosions>("gBoss5LargeExplosions"),
};
inline constexpr ResetTable kBoss6Head[] = {Boss<6, gBoss6>("gBoss6")};
inline constexpr ResetTable kBoss6Explosions[] = {
    Explosions<gBoss6SmallExplosions>("gBoss6SmallExplosions"),
    Explosions<gBoss6LargeExplosions>("gBoss6LargeExplosions"),
};
inline constexpr ResetTable kBoss7Head[] = {Boss<7, gBoss7>("gBoss7")};
inline constexpr ResetTable kBoss7Explosions[] = {
    Explosions<gBoss7SmallExplosions>("gBoss7SmallExplosions"),
    Explosions<gBoss7LargeExplosions>("gBoss7LargeExplosions"),
};
inline constexpr ResetTable kBoss8Head[] = {Boss<8, gBoss8>("gBoss8")};
inline constexpr ResetTable kBoss8Explosions[] = {
    Explosions<gBoss8SmallExplosions>("gBoss8SmallExplosions"),
    Explosions<gBoss8LargeExplosions>("gBoss8LargeExplosions"),
};

}  // namespace boss_resets

// Each boss's runs of tables, to be visited one after another.
inline constexpr std::span<const ResetTable> kLateBossResetRuns[] = {
    boss_resets::kBoss4Head, kBoss4AttackTables, boss_resets::kBoss4Explosions,
    boss_resets::kBoss5Head, kBoss5AttackTables, boss_resets::kBoss5Explosions,
    boss_resets::kBoss6Head, kBoss6AttackTables, boss_resets::kBoss6Explosions,
    boss_resets::kBoss7Head, kBoss7AttackTables, boss_resets::kBoss7Explosions,
    boss_resets::kBoss8Head, kBoss8AttackTables, boss_resets::kBoss8Explosions,
};
