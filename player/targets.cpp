#include "player/targets.h"

#include "bosses/boss_bodies.h"
#include "bosses/late_boss_bodies.h"
#include "enemies/big90.h"
#include "enemies/divers.h"
#include "enemies/gun_zak.h"
#include "enemies/gunners.h"
#include "enemies/large_kinds.h"
#include "enemies/shot_pass_targets.h"
#include "enemies/template_kinds.h"
#include "enemies/twin_gun_zak.h"
#include "enemies/volley_zak.h"
#include "enemies/zak4.h"
#include "enemies/zak51_side.h"
#include "enemies/zak52.h"
#include "enemies/zak60.h"

namespace {

// `slots` of the kind's table, all of them unless the passes test fewer.
template <typename T, size_t N>
constexpr TargetRef Slots(T (&table)[N], void (*hit)(int), int slots = N) {
  if (slots > static_cast<int>(N)) throw "more slots than the table holds";
  return {&table[0].x, &table[0].y, &table[0].hitSkip, sizeof(T), slots,
          hit,         nullptr,     nullptr,           nullptr};
}

// Zak3's slots, whose explosion frame a bomb strike resets.
constexpr TargetRef SparedSlots(ZakRecord (&table)[3], void (*hit)(int)) {
  TargetRef t = Slots(table, hit);
  t.frame = &table[0].frame1;
  return t;
}

template <typename T>
constexpr TargetRef Single(T& kind, void (*hit)()) {
  float* hp = nullptr;
  if constexpr (requires { kind.hp; }) hp = &kind.hp;
  return {&kind.x, &kind.y, &kind.hitSkip, 0, 1, nullptr, hit, hp, nullptr};
}

}  // namespace

constexpr TargetRef kTargets[kTargetCount] = {
    Slots(gZak1, HitZak1),
    Slots(gZak2, HitZak2),
    SparedSlots(gZak3, HitZak3),
    Slots(gZak7A, HitZak7A),
    Slots(gZak7B, HitZak7B),
    Slots(gZak1B, HitZak1B),
    Slots(gZak2B, HitZak2B),
    Slots(gZak3B, HitZak3B),
    Slots(gZak8, HitZak8),
    Slots(gDiver80L, HitDiver80L),
    Slots(gDiver80R, HitDiver80R),
    Slots(gZak9, HitZak9),
    Slots(gGunner80L, HitGunner80L),
    Slots(gGunner80R, HitGunner80R),
    Slots(gStrafer3, HitStrafer3),
    Slots(gStrafer5, HitStrafer5),
    Slots(gZak51L, HitZak51L, 2),
    Slots(gZak51R, HitZak51R, 2),
    Slots(gShotPassTargets, HitShotPassTarget),
    Slots(gBig90A, HitBig90A, 2),
    Slots(gBig90B, HitBig90B, 2),
    Slots(gConvoy90, HitConvoy90, 5),
    Slots(gVolleyZakA, HitVolleyZakA, 3),
    Slots(gVolleyZakB, HitVolleyZakB, 2),
    Slots(gVolleyZakC, HitVolleyZakC, 5),
    Slots(gTwinGunZakA, HitTwinGunZakA, 5),
    Slots(gTwinGunZakB, HitTwinGunZakB, 5),
    Slots(gTwinGunZakC, HitTwinGunZakC, 5),
    Slots(gTwinGunZakD, HitTwinGunZakD, 5),
    Slots(gGunZakA, HitGunZakA, 5),
    Slots(gGunZakB, HitGunZakB, 5),
    Slots(gGunZakC, HitGunZakC, 5),
    Slots(gGunZakD, HitGunZakD, 5),
    Slots(gZak4A, HitZak4A, 5),
    Slots(gZak4B, HitZak4B, 5),
    Slots(gZak4C, HitZak4C, 5),
    Slots(gZak4D, HitZak4D, 5),
    Single(gZak50A, HitZak50A),
    Single(gZak50B, HitZak50B),
    Single(gZak51A, HitZak51A),
    Single(gZak51B, HitZak51B),
    Single(gZak52, HitZak52),
    Single(gZak54A, HitZak54A),
    Single(gZak54B, HitZak54B),
    Single(gZak54C, HitZak54C),
    Single(gZak50C, HitZak50C),
    Single(gZak60A, HitZak60A),
    Single(gZak60B, HitZak60B),
    Single(gZak60C, HitZak60C),
    Single(gBoss1, HitBoss1),
    Single(gBoss2, HitBoss2),
    Single(gBoss3, HitBoss3),
    Single(gBoss4, HitBoss4),
    Single(gBoss5, HitBoss5),
    Single(gBoss6, HitBoss6),
    Single(gBoss7, HitBoss7),
    Single(gBoss8, HitBoss8),
};
