// The attack tables of bosses 4 to 8 that the game-state reset restores, per
// boss in the order the reset visits them (each list is a run of that boss's
// group, to be placed among the boss's other tables in this order).
#pragma once
#include "bosses/attack_resets.h"
#include "bosses/boss_reset_groups.h"
#include "bosses/late_aimed.h"
#include "bosses/late_fans.h"

inline constexpr ResetTable kBoss4AttackTables[] = {
    attack_resets::Aimed<AimedKindId::Boss4AimedVolley1>("gBoss4AimedVolley1", gBoss4AimedVolley1),
    attack_resets::Aimed<AimedKindId::Boss4AimedVolley2>("gBoss4AimedVolley2", gBoss4AimedVolley2),
    attack_resets::Aimed<AimedKindId::Boss4AimedShot1>("gBoss4AimedShot1", gBoss4AimedShot1),
    attack_resets::Aimed<AimedKindId::Boss4AimedShot2>("gBoss4AimedShot2", gBoss4AimedShot2),
    boss_resets::Fan<FanKindId::Boss4FanVolley1>("gBoss4FanVolley1", gBoss4FanVolley1),
    boss_resets::Fan<FanKindId::Boss4FanVolley2>("gBoss4FanVolley2", gBoss4FanVolley2),
    boss_resets::Fan<FanKindId::Boss4FanVolley3>("gBoss4FanVolley3", gBoss4FanVolley3),
    boss_resets::Fan<FanKindId::Boss4FanVolley4>("gBoss4FanVolley4", gBoss4FanVolley4),
    boss_resets::Fan<FanKindId::Boss4FanVolley5>("gBoss4FanVolley5", gBoss4FanVolley5),
    boss_resets::Fan<FanKindId::Boss4FanVolley6>("gBoss4FanVolley6", gBoss4FanVolley6),
    boss_resets::Fan<FanKindId::Boss4FanVolley7>("gBoss4FanVolley7", gBoss4FanVolley7),
};

inline constexpr ResetTable kBoss5AttackTables[] = {
    attack_resets::Aimed<AimedKindId::Boss5AimedVolley1>("gBoss5AimedVolley1", gBoss5AimedVolley1),
    attack_resets::Aimed<AimedKindId::Boss5AimedVolley2>("gBoss5AimedVolley2", gBoss5AimedVolley2),
    attack_resets::Aimed<AimedKindId::Boss5AimedVolley3>("gBoss5AimedVolley3", gBoss5AimedVolley3),
    attack_resets::Aimed<AimedKindId::Boss5AimedVolley4>("gBoss5AimedVolley4", gBoss5AimedVolley4),
    boss_resets::Fan<FanKindId::Boss5FanVolley1>("gBoss5FanVolley1", gBoss5FanVolley1),
    boss_resets::Fan<FanKindId::Boss5FanVolley2>("gBoss5FanVolley2", gBoss5FanVolley2),
    boss_resets::Fan<FanKindId::Boss5FanVolley3>("gBoss5FanVolley3", gBoss5FanVolley3),
    boss_resets::Fan<FanKindId::Boss5FanVolley4>("gBoss5FanVolley4", gBoss5FanVolley4),
    boss_resets::Fan<FanKindId::Boss5FanVolley5>("gBoss5FanVolley5", gBoss5FanVolley5),
    boss_resets::Fan<FanKindId::Boss5FanVolley6>("gBoss5FanVolley6", gBoss5FanVolley6),
    boss_resets::Fan<FanKindId::Boss5FanVolley7>("gBoss5FanVolley7", gBoss5FanVolley7),
};

inline constexpr ResetTable kBoss6AttackTables[] = {
    boss_resets::Fan<FanKindId::Boss6FanVolley1>("gBoss6FanVolley1", gBoss6FanVolley1),
    boss_resets::Fan<FanKindId::Boss6FanVolley2>("gBoss6FanVolley2", gBoss6FanVolley2),
    boss_resets::Fan<FanKindId::Boss6FanVolley3>("gBoss6FanVolley3", gBoss6FanVolley3),
    boss_resets::Fan<FanKindId::Boss6FanVolley4>("gBoss6FanVolley4", gBoss6FanVolley4),
    boss_resets::Fan<FanKindId::Boss6FanVolley5>("gBoss6FanVolley5", gBoss6FanVolley5),
    boss_resets::Fan<FanKindId::Boss6FiveWay1>("gBoss6FiveWay1", gBoss6FiveWay1),
    boss_resets::Fan<FanKindId::Boss6FiveWay2>("gBoss6FiveWay2", gBoss6FiveWay2),
    attack_resets::Aimed<AimedKindId::Boss6AimedShot1>("gBoss6AimedShot1", gBoss6AimedShot1),
};

inline constexpr ResetTable kBoss7AttackTables[] = {
    attack_resets::Aimed<AimedKindId::Boss7AimedShot1>("gBoss7AimedShot1", gBoss7AimedShot1),
    attack_resets::Aimed<AimedKindId::Boss7AimedShot2>("gBoss7AimedShot2", gBoss7AimedShot2),
    boss_resets::Fan<FanKindId::Boss7FanVolley1>("gBoss7FanVolley1", gBoss7FanVolley1),
    boss_resets::Fan<FanKindId::Boss7FanVolley2>("gBoss7FanVolley2", gBoss7FanVolley2),
    boss_resets::Fan<FanKindId::Boss7FanVolley3>("gBoss7FanVolley3", gBoss7FanVolley3),
    boss_resets::Fan<FanKindId::Boss7FanVolley4>("gBoss7FanVolley4", gBoss7FanVolley4),
    boss_resets::Fan<FanKindId::Boss7FanVolley5>("gBoss7FanVolley5", gBoss7FanVolley5),
    boss_resets::Fan<FanKindId::Boss7FiveWay1>("gBoss7FiveWay1", gBoss7FiveWay1),
    boss_resets::Fan<FanKindId::Boss7FiveWay2>("gBoss7FiveWay2", gBoss7FiveWay2),
};

inline constexpr ResetTable kBoss8AttackTables[] = {
    boss_resets::Fan<FanKindId::Boss8FanVolley1>("gBoss8FanVolley1", gBoss8FanVolley1),
    boss_resets::Fan<FanKindId::Boss8FanVolley2>("gBoss8FanVolley2", gBoss8FanVolley2),
    boss_resets::Fan<FanKindId::Boss8FanVolley3>("gBoss8FanVolley3", gBoss8FanVolley3),
    boss_resets::Fan<FanKindId::Boss8FanVolley4>("gBoss8FanVolley4", gBoss8FanVolley4),
    boss_resets::Fan<FanKindId::Boss8FanVolley5>("gBoss8FanVolley5", gBoss8FanVolley5),
    attack_resets::Aimed<AimedKindId::Boss8AimedShot1>("gBoss8AimedShot1", gBoss8AimedShot1),
};
