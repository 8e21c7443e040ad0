// The boss attack tables that the game-state reset restores, per boss in the
// order the reset visits them (each list is a run of that boss's group, to be
// placed among the boss's other tables in this order).
#pragma once
#include "bosses/aimed_kinds.h"
#include "bosses/hazard_kinds.h"
#include "bosses/lightning.h"
#include "game/reset.h"

namespace attack_resets {

template <AimedKindId id, size_t N>
constexpr ResetTable Aimed(const char* name, AimedVolleySlot (&table)[N]) {
  return {name, table, sizeof table, ResetAimedTable<id>, AimedTableAtStart<id>};
}

template <HazardKindId id, int row = 0>
constexpr ResetTable Hazard(const char* name, HazardSlot (&table)[kHazardSlots]) {
  return {name, table, sizeof table, ResetHazardTable<id, row>, HazardTableAtStart<id, row>};
}

}  // namespace attack_resets

inline constexpr ResetTable kBoss1AttackTables[] = {
    attack_resets::Hazard<HazardKindId::Boss1Hazard1, 0>("gBoss1Hazard1A", gBoss1Hazard1A),
    attack_resets::Hazard<HazardKindId::Boss1Hazard1, 1>("gBoss1Hazard1B", gBoss1Hazard1B),
    attack_resets::Hazard<HazardKindId::Boss1Hazard1, 2>("gBoss1Hazard1C", gBoss1Hazard1C),
    attack_resets::Hazard<HazardKindId::Boss1Hazard2>("gBoss1Hazard2", gBoss1Hazard2),
    attack_resets::Hazard<HazardKindId::Boss1Hazard3>("gBoss1Hazard3", gBoss1Hazard3),
    attack_resets::Hazard<HazardKindId::Boss1Hazard4>("gBoss1Hazard4", gBoss1Hazard4),
    attack_resets::Hazard<HazardKindId::Boss1Hazard5>("gBoss1Hazard5", gBoss1Hazard5),
    attack_resets::Aimed<AimedKindId::Boss1AimedShot1>("gBoss1AimedShot1", gBoss1AimedShot1),
    attack_resets::Aimed<AimedKindId::Boss1AimedShot2>("gBoss1AimedShot2", gBoss1AimedShot2),
    attack_resets::Aimed<AimedKindId::Boss1AimedVolley1>("gBoss1AimedVolley1", gBoss1AimedVolley1),
    attack_resets::Aimed<AimedKindId::Boss1AimedVolley2>("gBoss1AimedVolley2", gBoss1AimedVolley2),
    attack_resets::Aimed<AimedKindId::Boss1AimedVolley4>("gBoss1AimedVolley4", gBoss1AimedVolley4),
    attack_resets::Aimed<AimedKindId::Boss1AimedVolley3>("gBoss1AimedVolley3", gBoss1AimedVolley3),
};

// Boss 2's two rings are the reset's "gBoss2Unused5" and "gBoss2Unused6".
inline constexpr ResetTable kBoss2AttackTables[] = {
    {"gBoss2Lightning1", gBoss2Lightning1, sizeof gBoss2Lightning1, ResetBoss2Lightning1,
     Boss2Lightning1AtStart},
    {"gBoss2Lightning2", gBoss2Lightning2, sizeof gBoss2Lightning2, ResetBoss2Lightning2,
     Boss2Lightning2AtStart},
    attack_resets::Hazard<HazardKindId::Boss2Hazard1>("gBoss2Hazard1", gBoss2Hazard1),
    attack_resets::Hazard<HazardKindId::Boss2Hazard2>("gBoss2Hazard2", gBoss2Hazard2),
    attack_resets::Hazard<HazardKindId::Boss2Hazard3>("gBoss2Hazard3", gBoss2Hazard3),
    attack_resets::Hazard<HazardKindId::Boss2Hazard4, 0>("gBoss2Hazard4A", gBoss2Hazard4A),
    attack_resets::Hazard<HazardKindId::Boss2Hazard4, 1>("gBoss2Hazard4B", gBoss2Hazard4B),
    attack_resets::Hazard<HazardKindId::Boss2Hazard4, 2>("gBoss2Hazard4C", gBoss2Hazard4C),
    attack_resets::Aimed<AimedKindId::Boss2AimedShot1>("gBoss2Unused5", gBoss2AimedShot1),
    attack_resets::Aimed<AimedKindId::Boss2AimedShot2>("gBoss2Unused6", gBoss2AimedShot2),
};

// Boss 3's second ring is the reset's "gBoss3UnusedAimedShot".
inline constexpr ResetTable kBoss3AttackTables[] = {
    attack_resets::Hazard<HazardKindId::Boss3Hazard1, 0>("gBoss3Hazard1A", gBoss3Hazard1A),
    attack_resets::Hazard<HazardKindId::Boss3Hazard1, 1>("gBoss3Hazard1B", gBoss3Hazard1B),
    attack_resets::Hazard<HazardKindId::Boss3Hazard1, 2>("gBoss3Hazard1C", gBoss3Hazard1C),
    attack_resets::Hazard<HazardKindId::Boss3Hazard2, 0>("gBoss3Hazard2A", gBoss3Hazard2A),
    attack_resets::Hazard<HazardKindId::Boss3Hazard2, 1>("gBoss3Hazard2B", gBoss3Hazard2B),
    attack_resets::Hazard<HazardKindId::Boss3Hazard2, 2>("gBoss3Hazard2C", gBoss3Hazard2C),
    attack_resets::Hazard<HazardKindId::Boss3Hazard3, 0>("gBoss3Hazard3A", gBoss3Hazard3A),
    attack_resets::Hazard<HazardKindId::Boss3Hazard3, 1>("gBoss3Hazard3B", gBoss3Hazard3B),
    attack_resets::Hazard<HazardKindId::Boss3Hazard3, 2>("gBoss3Hazard3C", gBoss3Hazard3C),
    attack_resets::Aimed<AimedKindId::Boss3AimedVolley1>("gBoss3AimedVolley1", gBoss3AimedVolley1),
    attack_resets::Aimed<AimedKindId::Boss3AimedVolley2>("gBoss3AimedVolley2", gBoss3AimedVolley2),
    attack_resets::Aimed<AimedKindId::Boss3AimedVolley3>("gBoss3AimedVolley3", gBoss3AimedVolley3),
    attack_resets::Aimed<AimedKindId::Boss3AimedVolley4>("gBoss3AimedVolley4", gBoss3AimedVolley4),
    attack_resets::Aimed<AimedKindId::Boss3AimedVolley5>("gBoss3AimedVolley5", gBoss3AimedVolley5),
    attack_resets::Aimed<AimedKindId::Boss3AimedVolley6>("gBoss3AimedVolley6", gBoss3AimedVolley6),
    attack_resets::Aimed<AimedKindId::Boss3AimedShot1>("gBoss3AimedShot1", gBoss3AimedShot1),
    attack_resets::Aimed<AimedKindId::Boss3AimedShot2>("gBoss3UnusedAimedShot", gBoss3AimedShot2),
};
