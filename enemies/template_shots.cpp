// The aimed shots of Zak7A to Zak3B and the streams of Zak8 to Convoy90:
// one row each, and their entry points.
#include "enemies/aimed_shots.h"
#include "enemies/streams.h"
#include "enemies/template_kinds.h"
#include "game/assets.h"

AimedShotRecord gZak7AShot[5], gZak7BShot[5], gZak1BShot[3], gZak2BShot[3], gZak3BShot[3];
ShotRecord gZak8Stream1[3], gZak8Stream2[3], gZak8Stream3[3];
ShotRecord gZak9Stream1[3], gZak9Stream2[3], gZak9Stream3[3], gZak9Stream4[3], gZak9Stream5[3];
ShotRecord gStrafer3Stream1[3], gStrafer3Stream2[3], gStrafer3Stream3[3];
ShotRecord gStrafer5Stream1[3], gStrafer5Stream2[3], gStrafer5Stream3[3], gStrafer5Stream4[3],
    gStrafer5Stream5[3];
ShotRecord gConvoy90Stream1[5], gConvoy90Stream2[5], gConvoy90Stream3[5], gConvoy90Stream4[5],
    gConvoy90Stream5[5];

namespace {

using namespace enemy;

// Every aimed family here: inside the screen while no bomb runs, the 24-frame
// bullet strip, the same ship box.
constexpr KeepArea kAimedKeep{-16, 640, -16, 480, true};
constexpr ShipBox kShotShipBox{14, 30, 24, 30};
constexpr BulletLook kAimedLook{&gPicVal1624, 16, 24, false};

constexpr AimedShotFamily<ZakRecord> kZak7AShot{
    .shots = gZak7AShot,
    .owner = gZak7A,
    .ownerSlot = kSameSlot,
    .muzzleX = 32,
    .muzzleY = 22,
    .spare1 = {40, 30},
    .spare2 = {80, 80},
    .speed = {100, 100},
    .aimX = 22,
    .aimY = 22,
    .keep = kAimedKeep,
    .shipBox = kShotShipBox,
    .look = kAimedLook,
};

constexpr AimedShotFamily<ZakRecord> kZak7BShot{
    .shots = gZak7BShot,
    .owner = gZak7B,
    .ownerSlot = kSameSlot,
    .muzzleX = 32,
    .muzzleY = 22,
    .spare1 = {40, 30},
    .spare2 = {80, 80},
    .speed = {100, 100},
    .aimX = 22,
    .aimY = 22,
    .keep = kAimedKeep,
    .shipBox = kShotShipBox,
    .look = kAimedLook,
};

// The B kinds' shots draw one spare value only.
constexpr AimedShotFamily<ZakRecord> BShot(std::span<AimedShotRecord> shots,
                                           std::span<ZakRecord> owner, RandomValue spare2) {
  return {.shots = shots,
          .owner = owner,
          .ownerSlot = kSameSlot,
          .muzzleX = 20,
          .muzzleY = 17,
          .spare1 = {0, 0},
          .spare2 = spare2,
          .speed = {100, 100},
          .aimX = 22,
          .aimY = 22,
          .keep = kAimedKeep,
          .shipBox = kShotShipBox,
          .look = kAimedLook};
}
constexpr AimedShotFamily<ZakRecord> kZak1BShot = BShot(gZak1BShot, gZak1B, {80, 150});
constexpr AimedShotFamily<ZakRecord> kZak2BShot = BShot(gZak2BShot, gZak2B, {70, 140});
constexpr AimedShotFamily<ZakRecord> kZak3BShot = BShot(gZak3BShot, gZak3B, {110, 120});

// Zak8's streams leave by the left edge or the bottom; there is no test at the
// right or the top.
constexpr KeepArea kLeftwardKeep{-16, kNoBound, -kNoBound, 480, true};
constexpr BulletLook kVal13{&gPicVal13, 16, 0, false};

constexpr StreamDesign<ZakRecord> kZak8Stream[3] = {
    {gZak8Stream1, gZak8, 22, 30, {70, 140}, {0, 0}, -1, 0, kLeftwardKeep, kShotShipBox, kVal13},
    {gZak8Stream2, gZak8, 22, 30, {0, 150}, {0, 20}, -1, 1, kLeftwardKeep, kShotShipBox, kVal13},
    {gZak8Stream3, gZak8, 22, 30, {0, 150}, {0, 20}, -1, -1, kLeftwardKeep, kShotShipBox, kVal13},
};

// The falling streams: they leave only by the bottom; a drifting bullet that
// leaves by a side flies on unseen until it falls below y 480.
constexpr KeepArea kFallingKeep{-kNoBound, kNoBound, -16, 480, true};
constexpr KeepArea kFallingKeepThroughBombs{-kNoBound, kNoBound, -16, 480, false};
constexpr BulletLook kVal2Animated{&gPicVal2, 16, 16, false};
constexpr BulletLook kVal1AnimatedEvenFree{&gPicVal1, 16, 16, true};

// A falling stream of `owner`: fall speed vy, drift vx to the side xSign.
template <typename Owner>
constexpr StreamDesign<Owner> Falling(std::span<ShotRecord> shots, std::span<Owner> owner,
                                      float muzzleX, float muzzleY, float xSign, int drift,
                                      RandomValue fall, const KeepArea& keep, const ShipBox& box,
                                      const BulletLook& look) {
  return {shots, owner, muzzleX, muzzleY, {0, drift}, fall, xSign, 1, keep, box, look};
}

// Zak9's fall speed is drawn for each bullet at firing.
constexpr RandomValue kZak9Fall{50, 100};
constexpr StreamDesign<ZakRecord> kZak9Stream[5] = {
    Falling<ZakRecord>(gZak9Stream1, gZak9, 32, 20, 0, 0, kZak9Fall, kFallingKeep, kShotShipBox,
                       kVal2Animated),
    Falling<ZakRecord>(gZak9Stream2, gZak9, 32, 20, -1, 30, kZak9Fall, kFallingKeep, kShotShipBox,
                       kVal2Animated),
    Falling<ZakRecord>(gZak9Stream3, gZak9, 32, 20, 1, 30, kZak9Fall, kFallingKeep, kShotShipBox,
                       kVal2Animated),
    Falling<ZakRecord>(gZak9Stream4, gZak9, 32, 20, -1, 46, kZak9Fall, kFallingKeep, kShotShipBox,
                       kVal2Animated),
    Falling<ZakRecord>(gZak9Stream5, gZak9, 32, 20, 1, 46, kZak9Fall, kFallingKeep, kShotShipBox,
                       kVal2Animated),
};

constexpr StreamDesign<ZakRecord> kStrafer3Stream[3] = {
    Falling<ZakRecord>(gStrafer3Stream1, gStrafer3, 22, 50, 0, 0, {0, 100}, kFallingKeep,
                       kShotShipBox, kVal13),
    Falling<ZakRecord>(gStrafer3Stream2, gStrafer3, 22, 50, -1, 20, {0, 90}, kFallingKeep,
                       kShotShipBox, kVal13),
    Falling<ZakRecord>(gStrafer3Stream3, gStrafer3, 22, 50, 1, 20, {0, 90}, kFallingKeep,
                       kShotShipBox, kVal13),
};

// Strafer5's draws also blit and animate its free bullets at the parked place.
constexpr StreamDesign<ZakRecord> kStrafer5Stream[5] = {
    Falling<ZakRecord>(gStrafer5Stream1, gStrafer5, 42, 50, 0, 0, {0, 110}, kFallingKeep,
                       kShotShipBox, kVal1AnimatedEvenFree),
    Falling<ZakRecord>(gStrafer5Stream2, gStrafer5, 42, 50, -1, 10, {0, 105}, kFallingKeep,
                       kShotShipBox, kVal1AnimatedEvenFree),
    Falling<ZakRecord>(gStrafer5Stream3, gStrafer5, 42, 50, 1, 10, {0, 105}, kFallingKeep,
                       kShotShipBox, kVal1AnimatedEvenFree),
    Falling<ZakRecord>(gStrafer5Stream4, gStrafer5, 42, 50, -1, 20, {0, 96}, kFallingKeep,
                       kShotShipBox, kVal1AnimatedEvenFree),
    Falling<ZakRecord>(gStrafer5Stream5, gStrafer5, 42, 50, 1, 20, {0, 96}, kFallingKeep,
                       kShotShipBox, kVal1AnimatedEvenFree),
};

// Convoy90's streams fly on through a bomb; the fifth has a taller ship box
// (and nothing fires it).
constexpr ShipBox kConvoy90Stream5Box{14, 30, 20, 30};
constexpr StreamDesign<WaveZakRecord> kConvoy90Stream[5] = {
    Falling<WaveZakRecord>(gConvoy90Stream1, gConvoy90, 37, 40, 0, 0, {0, 130},
                           kFallingKeepThroughBombs, kShotShipBox, kVal13),
    Falling<WaveZakRecord>(gConvoy90Stream2, gConvoy90, 37, 44, -1, 20, {0, 130},
                           kFallingKeepThroughBombs, kShotShipBox, kVal13),
    Falling<WaveZakRecord>(gConvoy90Stream3, gConvoy90, 37, 44, 1, 20, {0, 130},
                           kFallingKeepThroughBombs, kShotShipBox, kVal13),
    Falling<WaveZakRecord>(gConvoy90Stream4, gConvoy90, 37, 30, -1, 40, {0, 130},
                           kFallingKeepThroughBombs, kShotShipBox, kVal13),
    Falling<WaveZakRecord>(gConvoy90Stream5, gConvoy90, 42, 30, 1, 40, {0, 130},
                           kFallingKeepThroughBombs, kConvoy90Stream5Box, kVal13),
};

}  // namespace

void FireZak7AShot(int) { FireAimedShots(kZak7AShot); }
void MoveZak7AShot(int) { MoveAimedShots(kZak7AShot); }
void DrawZak7AShot(int) { DrawAimedShots(kZak7AShot); }

void FireZak7BShot(int) { FireAimedShots(kZak7BShot); }
void MoveZak7BShot(int) { MoveAimedShots(kZak7BShot); }
void DrawZak7BShot(int) { DrawAimedShots(kZak7BShot); }

void FireZak1BShot(int) { FireAimedShots(kZak1BShot); }
void MoveZak1BShot(int) { MoveAimedShots(kZak1BShot); }
void DrawZak1BShot(int) { DrawAimedShots(kZak1BShot); }

void FireZak2BShot(int) { FireAimedShots(kZak2BShot); }
void MoveZak2BShot(int) { MoveAimedShots(kZak2BShot); }
void DrawZak2BShot(int) { DrawAimedShots(kZak2BShot); }

void FireZak3BShot(int) { FireAimedShots(kZak3BShot); }
void MoveZak3BShot(int) { MoveAimedShots(kZak3BShot); }
void DrawZak3BShot(int) { DrawAimedShots(kZak3BShot); }

void FireZak8Stream1(int) { FireStream(kZak8Stream[0]); }
void MoveZak8Stream1(int) { MoveStream(kZak8Stream[0]); }
void DrawZak8Stream1(int) { DrawStream(kZak8Stream[0]); }
void FireZak8Stream2(int) { FireStream(kZak8Stream[1]); }
void MoveZak8Stream2(int) { MoveStream(kZak8Stream[1]); }
void DrawZak8Stream2(int) { DrawStream(kZak8Stream[1]); }
void FireZak8Stream3(int) { FireStream(kZak8Stream[2]); }
void MoveZak8Stream3(int) { MoveStream(kZak8Stream[2]); }
void DrawZak8Stream3(int) { DrawStream(kZak8Stream[2]); }

void FireZak9Stream1(int) { FireStream(kZak9Stream[0]); }
void MoveZak9Stream1(int) { MoveStream(kZak9Stream[0]); }
void DrawZak9Stream1(int) { DrawStream(kZak9Stream[0]); }
void FireZak9Stream2(int) { FireStream(kZak9Stream[1]); }
void MoveZak9Stream2(int) { MoveStream(kZak9Stream[1]); }
void DrawZak9Stream2(int) { DrawStream(kZak9Stream[1]); }
void FireZak9Stream3(int) { FireStream(kZak9Stream[2]); }
void MoveZak9Stream3(int) { MoveStream(kZak9Stream[2]); }
void DrawZak9Stream3(int) { DrawStream(kZak9Stream[2]); }
void FireZak9Stream4(int) { FireStream(kZak9Stream[3]); }
void MoveZak9Stream4(int) { MoveStream(kZak9Stream[3]); }
void DrawZak9Stream4(int) { DrawStream(kZak9Stream[3]); }
void FireZak9Stream5(int) { FireStream(kZak9Stream[4]); }
void MoveZak9Stream5(int) { MoveStream(kZak9Stream[4]); }
void DrawZak9Stream5(int) { DrawStream(kZak9Stream[4]); }

void FireStrafer3Stream1(int) { FireStream(kStrafer3Stream[0]); }
void MoveStrafer3Stream1(int) { MoveStream(kStrafer3Stream[0]); }
void DrawStrafer3Stream1(int) { DrawStream(kStrafer3Stream[0]); }
void FireStrafer3Stream2(int) { FireStream(kStrafer3Stream[1]); }
void MoveStrafer3Stream2(int) { MoveStream(kStrafer3Stream[1]); }
void DrawStrafer3Stream2(int) { DrawStream(kStrafer3Stream[1]); }
void FireStrafer3Stream3(int) { FireStream(kStrafer3Stream[2]); }
void MoveStrafer3Stream3(int) { MoveStream(kStrafer3Stream[2]); }
void DrawStrafer3Stream3(int) { DrawStream(kStrafer3Stream[2]); }

void FireStrafer5Stream1(int) { FireStream(kStrafer5Stream[0]); }
void MoveStrafer5Stream1(int) { MoveStream(kStrafer5Stream[0]); }
void DrawStrafer5Stream1(int) { DrawStream(kStrafer5Stream[0]); }
void FireStrafer5Stream2(int) { FireStream(kStrafer5Stream[1]); }
void MoveStrafer5Stream2(int) { MoveStream(kStrafer5Stream[1]); }
void DrawStrafer5Stream2(int) { DrawStream(kStrafer5Stream[1]); }
void FireStrafer5Stream3(int) { FireStream(kStrafer5Stream[2]); }
void MoveStrafer5Stream3(int) { MoveStream(kStrafer5Stream[2]); }
void DrawStrafer5Stream3(int) { DrawStream(kStrafer5Stream[2]); }
void FireStrafer5Stream4(int) { FireStream(kStrafer5Stream[3]); }
void MoveStrafer5Stream4(int) { MoveStream(kStrafer5Stream[3]); }
void DrawStrafer5Stream4(int) { DrawStream(kStrafer5Stream[3]); }
void FireStrafer5Stream5(int) { FireStream(kStrafer5Stream[4]); }
void MoveStrafer5Stream5(int) { MoveStream(kStrafer5Stream[4]); }
void DrawStrafer5Stream5(int) { DrawStream(kStrafer5Stream[4]); }

void FireConvoy90Stream1(int) { FireStream(kConvoy90Stream[0]); }
void MoveConvoy90Stream1(int) { MoveStream(kConvoy90Stream[0]); }
void DrawConvoy90Stream1(int) { DrawStream(kConvoy90Stream[0]); }
void FireConvoy90Stream2(int) { FireStream(kConvoy90Stream[1]); }
void MoveConvoy90Stream2(int) { MoveStream(kConvoy90Stream[1]); }
void DrawConvoy90Stream2(int) { DrawStream(kConvoy90Stream[1]); }
void FireConvoy90Stream3(int) { FireStream(kConvoy90Stream[2]); }
void MoveConvoy90Stream3(int) { MoveStream(kConvoy90Stream[2]); }
void DrawConvoy90Stream3(int) { DrawStream(kConvoy90Stream[2]); }
void FireConvoy90Stream4(int) { FireStream(kConvoy90Stream[3]); }
void MoveConvoy90Stream4(int) { MoveStream(kConvoy90Stream[3]); }
void DrawConvoy90Stream4(int) { DrawStream(kConvoy90Stream[3]); }
void FireConvoy90Stream5(int) { FireStream(kConvoy90Stream[4]); }
void MoveConvoy90Stream5(int) { MoveStream(kConvoy90Stream[4]); }
void DrawConvoy90Stream5(int) { DrawStream(kConvoy90Stream[4]); }
