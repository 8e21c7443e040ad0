// The attack tables of bosses 4 to 8 that the game-state reset restores, per
// boss in the order the reset visits them: each list is the boss's group
// without the boss record and the explosions.
#pragma once
#include "bosses/attack_resets.h"
#include "bosses/boss_reset_groups.h"
#include "bosses/late_aimed.h"
#include "bosses/late_drops.h"
#include "bosses/late_fans.h"
#include "bosses/late_pairs.h"

inline constexpr ResetTable kBoss4AttackTables[] = {
    attack_resets::Aimed<AimedKindId::Boss4AimedVolley1>("gBoss4AimedVolley1", gBoss4AimedVolley1),
    attack_resets::Aimed<AimedKindId::Boss4AimedVolley2>("gBoss4AimedVolley2", gBoss4AimedVolley2),
    boss_resets::Pair<PairKindId::Boss4PairShot1>("gBoss4PairShot1", gBoss4PairShot1),
    boss_resets::Pair<PairKindId::Boss4PairShot2>("gBoss4PairShot2", gBoss4PairShot2),
    boss_resets::Pair<PairKindId::Boss4PairShot3>("gBoss4PairShot3", gBoss4PairShot3),
    attack_resets::Aimed<AimedKindId::Boss4AimedShot1>("gBoss4AimedShot1", gBoss4AimedShot1),
    attack_resets::Aimed<AimedKindId::Boss4AimedShot2>("gBoss4AimedShot2", gBoss4AimedShot2),
    boss_resets::Fan<FanKindId::Boss4FanVolley1>("gBoss4FanVolley1", gBoss4FanVolley1),
    boss_resets::Fan<FanKindId::Boss4FanVolley2>("gBoss4FanVolley2", gBoss4FanVolley2),
    boss_resets::Fan<FanKindId::Boss4FanVolley3>("gBoss4FanVolley3", gBoss4FanVolley3),
    boss_resets::Fan<FanKindId::Boss4FanVolley4>("gBoss4FanVolley4", gBoss4FanVolley4),
    boss_resets::Fan<FanKindId::Boss4FanVolley5>("gBoss4FanVolley5", gBoss4FanVolley5),
    boss_resets::Fan<FanKindId::Boss4FanVolley6>("gBoss4FanVolley6", gBoss4FanVolley6),
    boss_resets::Fan<FanKindId::Boss4FanVolley7>("gBoss4FanVolley7", gBoss4FanVolley7),
    boss_resets::Pair<PairKindId::Boss4Drop1>("gBoss4Drop1", gBoss4Drop1),
    boss_resets::Pair<PairKindId::Boss4Drop2>("gBoss4Drop2", gBoss4Drop2),
    boss_resets::Pair<PairKindId::Boss4Drop3>("gBoss4Drop3", gBoss4Drop3),
    boss_resets::Pair<PairKindId::Boss4Drop4>("gBoss4Drop4", gBoss4Drop4),
    boss_resets::Pair<PairKindId::Boss4Drop5>("gBoss4Drop5", gBoss4Drop5),
    boss_resets::Pair<PairKindId::Boss4Drop6>("gBoss4Drop6", gBoss4Drop6),
    boss_resets::Pair<PairKindId::Boss4Drop7>("gBoss4Drop7", gBoss4Drop7),
    boss_resets::Pair<PairKindId::Boss4Drop8>("gBoss4Drop8", gBoss4Drop8),
    boss_resets::Pair<PairKindId::Boss4Drop9>("gBoss4Drop9", gBoss4Drop9),
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
    boss_resets::Pair<PairKindId::Boss5Drop1>("gBoss5Drop1", gBoss5Drop1),
    boss_resets::Pair<PairKindId::Boss5Drop2>("gBoss5Drop2", gBoss5Drop2),
    boss_resets::Pair<PairKindId::Boss5Drop3>("gBoss5Drop3", gBoss5Drop3),
    boss_resets::Pair<PairKindId::Boss5Drop4>("gBoss5Drop4", gBoss5Drop4),
    boss_resets::Pair<PairKindId::Boss5Drop5>("gBoss5Drop5", gBoss5Drop5),
    boss_resets::Pair<PairKindId::Boss5Drop6>("gBoss5Drop6", gBoss5Drop6),
    boss_resets::Pair<PairKindId::Boss5Drop7>("gBoss5Drop7", gBoss5Drop7),
    boss_resets::Pair<PairKindId::Boss5Drop8>("gBoss5Drop8", gBoss5Drop8),
    boss_resets::Pair<PairKindId::Boss5Drop9>("gBoss5Drop9", gBoss5Drop9),
};

inline constexpr ResetTable kBoss6AttackTables[] = {
    boss_resets::Pair<PairKindId::Boss6PairShot1>("gBoss6PairShot1", gBoss6PairShot1),
    boss_resets::Pair<PairKindId::Boss6PairShot2>("gBoss6PairShot2", gBoss6PairShot2),
    boss_resets::Fan<FanKindId::Boss6FanVolley1>("gBoss6FanVolley1", gBoss6FanVolley1),
    boss_resets::Fan<FanKindId::Boss6FanVolley2>("gBoss6FanVolley2", gBoss6FanVolley2),
    boss_resets::Fan<FanKindId::Boss6FanVolley3>("gBoss6FanVolley3", gBoss6FanVolley3),
    boss_resets::Fan<FanKindId::Boss6FanVolley4>("gBoss6FanVolley4", gBoss6FanVolley4),
    boss_resets::Fan<FanKindId::Boss6FanVolley5>("gBoss6FanVolley5", gBoss6FanVolley5),
    boss_resets::Fan<FanKindId::Boss6FiveWay1>("gBoss6FiveWay1", gBoss6FiveWay1),
    boss_resets::Fan<FanKindId::Boss6FiveWay2>("gBoss6FiveWay2", gBoss6FiveWay2),
    attack_resets::Aimed<AimedKindId::Boss6AimedShot1>("gBoss6AimedShot1", gBoss6AimedShot1),
    boss_resets::Pair<PairKindId::Boss6Drop1>("gBoss6Drop1", gBoss6Drop1),
    boss_resets::Pair<PairKindId::Boss6Drop2>("gBoss6Drop2", gBoss6Drop2),
    boss_resets::Pair<PairKindId::Boss6Drop3>("gBoss6Drop3", gBoss6Drop3),
    boss_resets::Pair<PairKindId::Boss6Drop4>("gBoss6Drop4", gBoss6Drop4),
    boss_resets::Pair<PairKindId::Boss6Drop5>("gBoss6Drop5", gBoss6Drop5),
    boss_resets::Pair<PairKindId::Boss6Drop6>("gBoss6Drop6", gBoss6Drop6),
    boss_resets::Pair<PairKindId::Boss6Drop7>("gBoss6Drop7", gBoss6Drop7),
    boss_resets::Pair<PairKindId::Boss6Drop8>("gBoss6Drop8", gBoss6Drop8),
    boss_resets::Pair<PairKindId::Boss6Drop9>("gBoss6Drop9", gBoss6Drop9),
};

inline constexpr ResetTable kBoss7AttackTables[] = {
    boss_resets::Pair<PairKindId::Boss7PairShot1>("gBoss7PairShot1", gBoss7PairShot1),
    boss_resets::Pair<PairKindId::Boss7PairShot2>("gBoss7PairShot2", gBoss7PairShot2),
    attack_resets::Aimed<AimedKindId::Boss7AimedShot1>("gBoss7AimedShot1", gBoss7AimedShot1),
    attack_resets::Aimed<AimedKindId::Boss7AimedShot2>("gBoss7AimedShot2", gBoss7AimedShot2),
    boss_resets::Fan<FanKindId::Boss7FanVolley1>("gBoss7FanVolley1", gBoss7FanVolley1),
    boss_resets::Fan<FanKindId::Boss7FanVolley2>("gBoss7FanVolley2", gBoss7FanVolley2),
    boss_resets::Fan<FanKindId::Boss7FanVolley3>("gBoss7FanVolley3", gBoss7FanVolley3),
    boss_resets::Fan<FanKindId::Boss7FanVolley4>("gBoss7FanVolley4", gBoss7FanVolley4),
    boss_resets::Fan<FanKindId::Boss7FanVolley5>("gBoss7FanVolley5", gBoss7FanVolley5),
    boss_resets::Fan<FanKindId::Boss7FiveWay1>("gBoss7FiveWay1", gBoss7FiveWay1),
    boss_resets::Fan<FanKindId::Boss7FiveWay2>("gBoss7FiveWay2", gBoss7FiveWay2),
    boss_resets::Pair<PairKindId::Boss7Drop1>("gBoss7Drop1", gBoss7Drop1),
    boss_resets::Pair<PairKindId::Boss7Drop2>("gBoss7Drop2", gBoss7Drop2),
    boss_resets::Pair<PairKindId::Boss7Drop3>("gBoss7Drop3", gBoss7Drop3),
    boss_resets::Pair<PairKindId::Boss7Drop4>("gBoss7Drop4", gBoss7Drop4),
    boss_resets::Pair<PairKindId::Boss7Drop5>("gBoss7Drop5", gBoss7Drop5),
    boss_resets::Pair<PairKindId::Boss7Drop6>("gBoss7Drop6", gBoss7Drop6),
    boss_resets::Pair<PairKindId::Boss7Drop7>("gBoss7Drop7", gBoss7Drop7),
    boss_resets::Pair<PairKindId::Boss7Drop8>("gBoss7Drop8", gBoss7Drop8),
    boss_resets::Pair<PairKindId::Boss7Drop9>("gBoss7Drop9", gBoss7Drop9),
};

inline constexpr ResetTable kBoss8AttackTables[] = {
    boss_resets::Fan<FanKindId::Boss8FanVolley1>("gBoss8FanVolley1", gBoss8FanVolley1),
    boss_resets::Fan<FanKindId::Boss8FanVolley2>("gBoss8FanVolley2", gBoss8FanVolley2),
    boss_resets::Fan<FanKindId::Boss8FanVolley3>("gBoss8FanVolley3", gBoss8FanVolley3),
    boss_resets::Fan<FanKindId::Boss8FanVolley4>("gBoss8FanVolley4", gBoss8FanVolley4),
    boss_resets::Fan<FanKindId::Boss8FanVolley5>("gBoss8FanVolley5", gBoss8FanVolley5),
    attack_resets::Aimed<AimedKindId::Boss8AimedShot1>("gBoss8AimedShot1", gBoss8AimedShot1),
    boss_resets::Pair<PairKindId::Boss8Drop1>("gBoss8Drop1", gBoss8Drop1),
    boss_resets::Pair<PairKindId::Boss8Drop2>("gBoss8Drop2", gBoss8Drop2),
    boss_resets::Pair<PairKindId::Boss8Drop3>("gBoss8Drop3", gBoss8Drop3),
    boss_resets::Pair<PairKindId::Boss8Drop4>("gBoss8Drop4", gBoss8Drop4),
    boss_resets::Pair<PairKindId::Boss8Drop5>("gBoss8Drop5", gBoss8Drop5),
    boss_resets::Pair<PairKindId::Boss8Drop6>("gBoss8Drop6", gBoss8Drop6),
    boss_resets::Pair<PairKindId::Boss8Drop7>("gBoss8Drop7", gBoss8Drop7),
    boss_resets::Pair<PairKindId::Boss8Drop8>("gBoss8Drop8", gBoss8Drop8),
    boss_resets::Pair<PairKindId::Boss8Drop9>("gBoss8Drop9", gBoss8Drop9),
};
