#include "enemies/zak52.h"

#include "enemies/mid_boss.h"
#include "enemies/pattern_bursts.h"
#include "enemies/spreads.h"
#include "game/assets.h"

Zak52State gZak52;
SpreadShotRecord gZak52SpreadMid[kSpreadSlots], gZak52SpreadUp[kSpreadSlots],
    gZak52SpreadDown[kSpreadSlots], gZak52BurstA[kSpreadSlots], gZak52BurstB[kSpreadSlots];

namespace {

constexpr auto kLegs = MidBossFlight(461);
constexpr WeaponBand kWeapons[] = {
    {51, 70, [] { FireZak52Stream(0); }},  // a volley on reaching the home point
    {176, 190, TickZak52BurstA},          {276, 290, TickZak52BurstA},
    {306, 320, TickZak52BurstA},          {500, 540, TickZak52BurstB},
};
constexpr MidBossDesign<Zak52State> kZak52{
    &gZak52, {&gPicZak52, 260, 200, enemy::BodyDrawn::kAlways}, 140, {kLegs, kWeapons}};
// The same flight without the stream volley (the first band), for a stage that
// never shows the stream.
static_assert(kWeapons[0].from == 51 && kWeapons[1].from == 176);
constexpr MidBossDesign<Zak52State> kZak52WithoutStream{
    kZak52.block, kZak52.body, kZak52.entryBaseY, {kLegs, std::span(kWeapons).subspan(1)}};

// Rows: table, picture, muzzle height, vertical sense, slow and fast steps.
constexpr SpreadDesign kSpread{
    &gZak52.x,
    &gZak52.y,
    &gZak52.spreadClock,
    &gZak52.spreadTick,
    FireZak52Spread,
    {gZak52SpreadMid, &gPicBlzs1, 60, 0, {10, 0}, {20, 0}},
    {gZak52SpreadUp, &gPicBlzs2, 30, -1, {10, 3}, {20, 5}},
    {gZak52SpreadDown, &gPicBlzs3, 90, 1, {10, 3}, {20, 5}},
    60,
    40,
    -59,
};

// BurstA climbs to the upper right, hooks back and falls away to the lower left.
constexpr PathLeg kBurstALegs[] = {
    {0, 10, {1}, {-1}}, {11, 20, {}, {0, 0, -19}},  {21, 30, {-1}, {-1}},
    {31, 40, {-1}, {}}, {41, 50, {-1}, {0, 0, 15}}, {51, 251, {-1}, {0, 0, 15}},
};
// BurstB loops once round a circle every 90 units.
constexpr PathLeg kBurstBLegs[] = {
    {0, 10, {}, {0, -1}}, {11, 20, {-1}, {-1}}, {21, 30, {-1}, {}},
    {31, 40, {-1}, {1}},  {41, 50, {}, {1}},    {51, 60, {1}, {1}},
    {61, 70, {1}, {}},    {71, 80, {1}, {-1}},  {81, 90, {}, {0, 1}},
};

// Each family: table, counter, fire, craft, muzzle, step, legs, restart, keep box, picture.
constexpr BurstDesign kBurstA{gZak52BurstA,
                              &gZak52.burstATick,
                              FireZak52BurstA,
                              &gZak52.x,
                              &gZak52.y,
                              220,
                              10,
                              15,
                              kBurstALegs,
                              251,
                              {-60, kNoEdge, -kNoEdge, kNoEdge},
                              &gPicBlzs10};
constexpr BurstDesign kBurstB{gZak52BurstB,
                              &gZak52.burstBTick,
                              FireZak52BurstB,
                              &gZak52.x,
                              &gZak52.y,
                              40,
                              50,
                              16,
                              kBurstBLegs,
                              90,
                              {-60, 640, -60, 480},
                              &gPicBlzs10};

}  // namespace

void SpawnZak52() { SpawnMidBoss(kZak52); }
void DrawZak52() { DrawMidBoss(kZak52); }
void MoveZak52() { MoveMidBoss(kZak52); }
void MoveZak52WithoutStream() { MoveMidBoss(kZak52WithoutStream); }
void HitZak52() { HitMidBoss(kZak52); }

void TickZak52Spread() { TickSpread(kSpread); }
void FireZak52Spread(int slot) { FireSpread(kSpread, slot); }
void DrawZak52Spread(int) { DrawSpread(kSpread); }
void MoveZak52Spread() { MoveSpread(kSpread); }

void TickZak52BurstA() { TickBurst(kBurstA); }
void FireZak52BurstA(int slot) { FireBurst(kBurstA, slot); }
void DrawZak52BurstA(int) { DrawBurst(kBurstA); }
void MoveZak52BurstA() { MoveBurst(kBurstA); }
void TickZak52BurstB() { TickBurst(kBurstB); }
void FireZak52BurstB(int slot) { FireBurst(kBurstB, slot); }
void DrawZak52BurstB(int) { DrawBurst(kBurstB); }
void MoveZak52BurstB() { MoveBurst(kBurstB); }
