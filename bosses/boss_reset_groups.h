// The whole reset groups of the stage bosses 1 to 3, in the order the
// game-state reset visits them: the boss record, its laser, its attack tables
// and its explosions.
#pragma once
#include <span>
#include <string_view>

#include "bosses/attack_resets.h"
#include "bosses/boss1_laser.h"
#include "bosses/boss_bodies.h"
#include "bosses/boss_reset.h"
#include "bosses/drops.h"
#include "bosses/fan_volleys.h"
#include "bosses/pair_shots.h"

namespace boss_resets {

using Tables = std::span<const ResetTable>;

// The rows of `tables` up to and including the one named `last`, and the rows after it.
constexpr size_t Through(Tables tables, std::string_view last) {
  size_t n = 0;
  while (n < tables.size() && std::string_view(tables[n].name) != last) ++n;
  return n + 1;
}
constexpr Tables UpTo(Tables tables, std::string_view last) {
  return tables.first(Through(tables, last));
}
constexpr Tables After(Tables tables, std::string_view last) {
  return tables.subspan(Through(tables, last));
}

template <int N, BossState& boss>
constexpr ResetTable Boss(const char* name) {
  return {name, &boss, sizeof boss, ResetBoss<N>, BossAtStart<N>};
}
template <auto& table>
constexpr ResetTable Explosions(const char* name) {
  return {name, table, sizeof table, ResetExplosions<table>, ExplosionsAtStart<table>};
}
template <FanKindId id, size_t N>
constexpr ResetTable Fan(const char* name, FanVolleySlot (&table)[N]) {
  return {name, table, sizeof table, ResetFanTable<id>, FanTableAtStart<id>};
}
template <PairKindId id, size_t N>
constexpr ResetTable Pair(const char* name, FanVolleySlot (&table)[N]) {
  return {name, table, sizeof table, ResetPairTable<id>, PairTableAtStart<id>};
}

// The laser's frame stands for its four words.
inline constexpr ResetTable kBoss1Head[] = {
    Boss<1, gBoss1>("gBoss1"),
    {"gBoss1Laser", &gBoss1LaserFrame, sizeof gBoss1LaserFrame, ResetBoss1Laser, Boss1LaserAtStart},
};
inline constexpr ResetTable kBoss1Shots[] = {
    Pair<PairKindId::Boss1PairShot1>("gBoss1PairShot1", gBoss1PairShot1),
    Pair<PairKindId::Boss1PairShot2>("gBoss1PairShot2", gBoss1PairShot2),
    Pair<PairKindId::Boss1FallShot3>("gBoss1FallShot3", gBoss1FallShot3),
    Pair<PairKindId::Boss1FallShot4>("gBoss1FallShot4", gBoss1FallShot4),
};
// The two fan volleys that no schedule of boss 1 fires.
inline constexpr ResetTable kBoss1Tail[] = {
    Pair<PairKindId::Boss1FallShot1>("gBoss1FallShot1", gBoss1FallShot1),
    Pair<PairKindId::Boss1FallShot2>("gBoss1FallShot2", gBoss1FallShot2),
    Pair<PairKindId::Boss1Chain>("gBoss1Chain", gBoss1Chain),
    Fan<FanKindId::Boss1FanVolley1>("gBoss1UnusedFanVolley1", gBoss1FanVolley1),
    Fan<FanKindId::Boss1FanVolley2>("gBoss1UnusedFanVolley2", gBoss1FanVolley2),
    Pair<PairKindId::Boss1Drop1>("gBoss1Drop1", gBoss1Drop1),
    Pair<PairKindId::Boss1Drop2>("gBoss1Drop2", gBoss1Drop2),
    Pair<PairKindId::Boss1Drop3>("gBoss1Drop3", gBoss1Drop3),
    Explosions<gBoss1SmallExplosions>("gBoss1SmallExplosions"),
    Explosions<gBoss1LargeExplosions>("gBoss1LargeExplosions"),
};

inline constexpr ResetTable kBoss2Head[] = {
    Boss<2, gBoss2>("gBoss2"),
    Pair<PairKindId::Boss2Chain>("gBoss2Chain", gBoss2Chain),
};
// The boss-2 kinds that nothing fires are the reset's "unused" tables.
inline constexpr ResetTable kBoss2Unfired[] = {
    Pair<PairKindId::Boss2FallShot1>("gBoss2Unused1", gBoss2FallShot1),
    Pair<PairKindId::Boss2FallShot2>("gBoss2Unused2", gBoss2FallShot2),
    Pair<PairKindId::Boss2PairShot1>("gBoss2Unused3", gBoss2PairShot1),
    Pair<PairKindId::Boss2PairShot2>("gBoss2Unused4", gBoss2PairShot2),
};
inline constexpr ResetTable kBoss2Tail[] = {
    Pair<PairKindId::Boss2Drop1>("gBoss2Unused7", gBoss2Drop1),
    Pair<PairKindId::Boss2Drop2>("gBoss2Unused8", gBoss2Drop2),
    Pair<PairKindId::Boss2Drop3>("gBoss2Unused9", gBoss2Drop3),
    Pair<PairKindId::Boss2Drop4>("gBoss2Unused10", gBoss2Drop4),
    Pair<PairKindId::Boss2Drop5>("gBoss2Unused11", gBoss2Drop5),
    Fan<FanKindId::Boss2FanVolley1>("gBoss2FanVolley1", gBoss2FanVolley1),
    Fan<FanKindId::Boss2FanVolley2>("gBoss2FanVolley2", gBoss2FanVolley2),
    Fan<FanKindId::Boss2FanVolley3>("gBoss2FanVolley3", gBoss2FanVolley3),
    Fan<FanKindId::Boss2FanVolley4>("gBoss2FanVolley4", gBoss2FanVolley4),
    Fan<FanKindId::Boss2FanVolley5>("gBoss2FanVolley5", gBoss2FanVolley5),
    Explosions<gBoss2SmallExplosions>("gBoss2SmallExplosions"),
    Explosions<gBoss2LargeExplosions>("gBoss2LargeExplosions"),
};

inline constexpr ResetTable kBoss3Head[] = {Boss<3, gBoss3>("gBoss3")};
// Boss 3's pairs, fan volleys and drops: nothing fires them.
inline constexpr ResetTable kBoss3Pairs[] = {
    Pair<PairKindId::Boss3PairShot1>("gBoss3UnusedShot1", gBoss3PairShot1),
    Pair<PairKindId::Boss3PairShot2>("gBoss3UnusedShot2", gBoss3PairShot2),
};
inline constexpr ResetTable kBoss3Tail[] = {
    Fan<FanKindId::Boss3FanVolley1>("gBoss3UnusedFanVolley1", gBoss3FanVolley1),
    Fan<FanKindId::Boss3FanVolley2>("gBoss3UnusedFanVolley2", gBoss3FanVolley2),
    Fan<FanKindId::Boss3FanVolley3>("gBoss3UnusedFanVolley3", gBoss3FanVolley3),
    Fan<FanKindId::Boss3FanVolley4>("gBoss3UnusedFanVolley4", gBoss3FanVolley4),
    Fan<FanKindId::Boss3FanVolley5>("gBoss3UnusedFanVolley5", gBoss3FanVolley5),
    Pair<PairKindId::Boss3Drop1>("gBoss3UnusedDrop1", gBoss3Drop1),
    Pair<PairKindId::Boss3Drop2>("gBoss3UnusedDrop2", gBoss3Drop2),
    Pair<PairKindId::Boss3Drop3>("gBoss3UnusedDrop3", gBoss3Drop3),
    Pair<PairKindId::Boss3Drop4>("gBoss3UnusedDrop4", gBoss3Drop4),
    Pair<PairKindId::Boss3Drop5>("gBoss3UnusedDrop5", gBoss3Drop5),
    Pair<PairKindId::Boss3Drop6>("gBoss3UnusedDrop6", gBoss3Drop6),
    Pair<PairKindId::Boss3Drop7>("gBoss3UnusedDrop7", gBoss3Drop7),
    Explosions<gBoss3SmallExplosions>("gBoss3SmallExplosions"),
    Explosions<gBoss3LargeExplosions>("gBoss3LargeExplosions"),
};

}  // namespace boss_resets

// Each boss's runs of tables, to be visited one after another.
inline constexpr std::span<const ResetTable> kBossResetRuns[] = {
    boss_resets::kBoss1Head,
    boss_resets::UpTo(kBoss1AttackTables, "gBoss1Hazard5"),
    boss_resets::kBoss1Shots,
    boss_resets::After(kBoss1AttackTables, "gBoss1Hazard5"),
    boss_resets::kBoss1Tail,
    boss_resets::kBoss2Head,
    boss_resets::UpTo(kBoss2AttackTables, "gBoss2Hazard4C"),
    boss_resets::kBoss2Unfired,
    boss_resets::After(kBoss2AttackTables, "gBoss2Hazard4C"),
    boss_resets::kBoss2Tail,
    boss_resets::kBoss3Head,
    boss_resets::UpTo(kBoss3AttackTables, "gBoss3AimedVolley6"),
    boss_resets::kBoss3Pairs,
    boss_resets::After(kBoss3AttackTables, "gBoss3AimedVolley6"),
    boss_resets::kBoss3Tail,
};
