// The boss attack tables that the game-state reset restores, per boss in the
// order the reset visits them (each list is a run of that boss's group, to be
// placed among the boss's other tables in this order).
#pragma once
#include "bosses/aimed_kinds.h"
#include "game/reset.h"

namespace attack_resets {

template <AimedKindId id, size_t N>
constexpr ResetTable Aimed(const char* name, AimedVolleySlot (&table)[N]) {
  return {name, table, sizeof table, ResetAimedTable<id>, AimedTableAtStart<id>};
}

}  // namespace attack_resets

inline constexpr ResetTable kBoss1AttackTables[] = {
    attack_resets::Aimed<AimedKindId::Boss1AimedShot1>("gBoss1AimedShot1", gBoss1AimedShot1),
    attack_resets::Aimed<AimedKindId::Boss1AimedShot2>("gBoss1AimedShot2", gBoss1AimedShot2),
    attack_resets::Aimed<AimedKindId::Boss1AimedVolley1>("gBoss1AimedVolley1", gBoss1AimedVolley1),
    attack_resets::Aimed<AimedKindId::Boss1AimedVolley2>("gBoss1AimedVolley2", gBoss1AimedVolley2),
    attack_resets::Aimed<AimedKindId::Boss1AimedVolley4>("gBoss1AimedVolley4", gBoss1AimedVolley4),
    attack_resets::Aimed<AimedKindId::Boss1AimedVolley3>("gBoss1AimedVolley3", gBoss1AimedVolley3),
};

// Boss 2's two rings are the reset's "gBoss2Unused5" and "gBoss2Unused6".
inline constexpr ResetTable kBoss2AttackTables[] = {
    attack_resets::Aimed<AimedKindId::Boss2AimedShot1>("gBoss2Unused5", gBoss2AimedShot1),
    attack_resets::Aimed<AimedKindId::Boss2AimedShot2>("gBoss2Unused6", gBoss2AimedShot2),
};

// Boss 3's second ring is the reset's "gBoss3UnusedAimedShot".
inline constexpr ResetTable kBoss3AttackTables[] = {
    attack_resets::Aimed<AimedKindId::Boss3AimedVolley1>("gBoss3AimedVolley1", gBoss3AimedVolley1),
    attack_resets::Aimed<AimedKindId::Boss3AimedVolley2>("gBoss3AimedVolley2", gBoss3AimedVolley2),
    attack_resets::Aimed<AimedKindId::Boss3AimedVolley3>("gBoss3AimedVolley3", gBoss3AimedVolley3),
    attack_resets::Aimed<AimedKindId::Boss3AimedVolley4>("gBoss3AimedVolley4", gBoss3AimedVolley4),
    attack_resets::Aimed<AimedKindId::Boss3AimedVolley5>("gBoss3AimedVolley5", gBoss3AimedVolley5),
    attack_resets::Aimed<AimedKindId::Boss3AimedVolley6>("gBoss3AimedVolley6", gBoss3AimedVolley6),
    attack_resets::Aimed<AimedKindId::Boss3AimedShot1>("gBoss3AimedShot1", gBoss3AimedShot1),
    attack_resets::Aimed<AimedKindId::Boss3AimedShot2>("gBoss3UnusedAimedShot", gBoss3AimedShot2),
};
