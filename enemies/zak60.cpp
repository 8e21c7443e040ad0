#include "enemies/zak60.h"

#include "enemies/mid_boss.h"
#include "enemies/spreads.h"
#include "game/assets.h"

Zak60State gZak60A, gZak60B, gZak60C;
SpreadShotRecord gZak60ASpreadMid[kSpreadSlots], gZak60ASpreadUp[kSpreadSlots],
    gZak60ASpreadDown[kSpreadSlots], gZak60BSpreadMid[kSpreadSlots], gZak60BSpreadUp[kSpreadSlots],
    gZak60BSpreadDown[kSpreadSlots], gZak60CSpreadMid[kSpreadSlots], gZak60CSpreadUp[kSpreadSlots],
    gZak60CSpreadDown[kSpreadSlots];

namespace {

// Zak60C starts the last leg of its second zigzag one unit late.
constexpr auto kFlight = MidBossFlight(461);
constexpr auto kFlightC = MidBossFlight(462);

constexpr MidBossDesign<Zak60State> Kind(Zak60State& block, int entryBaseY,
                                         std::span<const FlightBand> bands) {
  return {&block, {&gPicZak60, 240, 180, enemy::BodyDrawn::kAlways}, entryBaseY, {bands, {}}};
}
// Zak60B enters above the screen's top, which its bounds allow.
constexpr MidBossDesign<Zak60State> kZak60A = Kind(gZak60A, 140, kFlight);
constexpr MidBossDesign<Zak60State> kZak60B = Kind(gZak60B, -40, kFlight);
constexpr MidBossDesign<Zak60State> kZak60C = Kind(gZak60C, 150, kFlightC);

// Rows: table, picture, muzzle height, vertical sense, slow and fast steps.
// The straight row keeps its speed in the fast phase; only the slanted rows speed up.
constexpr SpreadDesign Spread(Zak60State& block, void (*fire)(int), SpreadShotRecord* mid,
                              SpreadShotRecord* up, SpreadShotRecord* down) {
  return {&block.x,
          &block.y,
          &block.spreadClock,
          &block.spreadTick,
          fire,
          {mid, &gPicBlzs2_1, 60, 0, {12, 0}, {12, 0}},
          {up, &gPicBlzs2_2, 30, -1, {5, 2}, {10, 5}},
          {down, &gPicBlzs2_3, 90, 1, {5, 2}, {10, 5}},
          140,
          40,
          -139};
}
constexpr SpreadDesign kSpreadA =
    Spread(gZak60A, FireZak60ASpread, gZak60ASpreadMid, gZak60ASpreadUp, gZak60ASpreadDown);
constexpr SpreadDesign kSpreadB =
    Spread(gZak60B, FireZak60BSpread, gZak60BSpreadMid, gZak60BSpreadUp, gZak60BSpreadDown);
constexpr SpreadDesign kSpreadC =
    Spread(gZak60C, FireZak60CSpread, gZak60CSpreadMid, gZak60CSpreadUp, gZak60CSpreadDown);

}  // namespace

void SpawnZak60A() { SpawnMidBoss(kZak60A); }
void DrawZak60A() { DrawMidBoss(kZak60A); }
void MoveZak60A() { MoveMidBoss(kZak60A); }
void HitZak60A() { HitMidBoss(kZak60A); }
void TickZak60ASpread() { TickSpread(kSpreadA); }
void FireZak60ASpread(int slot) { FireSpread(kSpreadA, slot); }
void DrawZak60ASpread(int) { DrawSpread(kSpreadA); }
void MoveZak60ASpread() { MoveSpread(kSpreadA); }

void SpawnZak60B() { SpawnMidBoss(kZak60B); }
void DrawZak60B() { DrawMidBoss(kZak60B); }
void MoveZak60B() { MoveMidBoss(kZak60B); }
void HitZak60B() { HitMidBoss(kZak60B); }
void TickZak60BSpread() { TickSpread(kSpreadB); }
void FireZak60BSpread(int slot) { FireSpread(kSpreadB, slot); }
void DrawZak60BSpread(int) { DrawSpread(kSpreadB); }
void MoveZak60BSpread() { MoveSpread(kSpreadB); }

void SpawnZak60C() { SpawnMidBoss(kZak60C); }
void DrawZak60C() { DrawMidBoss(kZak60C); }
void MoveZak60C() { MoveMidBoss(kZak60C); }
void HitZak60C() { HitMidBoss(kZak60C); }
void TickZak60CSpread() { TickSpread(kSpreadC); }
void FireZak60CSpread(int slot) { FireSpread(kSpreadC, slot); }
void DrawZak60CSpread(int) { DrawSpread(kSpreadC); }
void MoveZak60CSpread() { MoveSpread(kSpreadC); }
