// The attack tables of bosses 4 to 8 that the game-state reset restores, per
// boss in the order the reset visits them (each list is a run of that boss's
// group, to be placed among the boss's other tables in this order).
#pragma once
#include "bosses/attack_resets.h"
#include "bosses/late_aimed.h"

inline constexpr ResetTable kBoss4AttackTables[] = {
    attack_resets::Aimed<AimedKindId::Boss4AimedVolley1>("gBoss4AimedVolley1", gBoss4AimedVolley1),
    attack_resets::Aimed<AimedKindId::Boss4AimedVolley2>("gBoss4AimedVolley2", gBoss4AimedVolley2),
    attack_resets::Aimed<AimedKindId::Boss4AimedShot1>("gBoss4AimedShot1", gBoss4AimedShot1),
    attack_resets::Aimed<AimedKindId::Boss4AimedShot2>("gBoss4AimedShot2", gBoss4AimedShot2),
};

inline constexpr ResetTable kBoss5AttackTables[] = {
    attack_resets::Aimed<AimedKindId::Boss5AimedVolley1>("gBoss5AimedVolley1", gBoss5AimedVolley1),
    attack_resets::Aimed<AimedKindId::Boss5AimedVolley2>("gBoss5AimedVolley2", gBoss5AimedVolley2),
    attack_resets::Aimed<AimedKindId::Boss5AimedVolley3>("gBoss5AimedVolley3", gBoss5AimedVolley3),
    attack_resets::Aimed<AimedKindId::Boss5AimedVolley4>("gBoss5AimedVolley4", gBoss5AimedVolley4),
};

inline constexpr ResetTable kBoss6AttackTables[] = {
    attack_resets::Aimed<AimedKindId::Boss6AimedShot1>("gBoss6AimedShot1", gBoss6AimedShot1),
};

inline constexpr ResetTable kBoss7AttackTables[] = {
    attack_resets::Aimed<AimedKindId::Boss7AimedShot1>("gBoss7AimedShot1", gBoss7AimedShot1),
    attack_resets::Aimed<AimedKindId::Boss7AimedShot2>("gBoss7AimedShot2", gBoss7AimedShot2),
};

inline constexpr ResetTable kBoss8AttackTables[] = {
    attack_resets::Aimed<AimedKindId::Boss8AimedShot1>("gBoss8AimedShot1", gBoss8AimedShot1),
};
