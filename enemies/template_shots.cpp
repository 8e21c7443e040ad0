// The aimed shots of Zak7A to Zak3B and the streams of Zak8 to Convoy90:
// one row each, and their entry points.
#include "enemies/aimed_shots.h"
#include "enemies/streams.h"
#include "enemies/template_kinds.h"
#include "game/assets.h"

AimedShotRecord gZak7AShot[5], gZak7BShot[5], gZak1BShot[3], gZak2BShot[3], gZak3BShot[3];
ShotRecord gZak8Stream1[3], gZak8Stream2[3], gZak8Stream3[3];

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

// Zak8's streams leave by the left edge or the bottom; there is no test at the
// right or the top.
constexpr KeepArea kLeftwardKeep{-16, kNoBound, -kNoBound, 480, true};
constexpr BulletLook kVal13{&gPicVal13, 16, 0, false};

constexpr StreamDesign<ZakRecord> kZak8Stream[3] = {
    {gZak8Stream1, gZak8, 22, 30, {70, 140}, {0, 0}, -1, 0, kLeftwardKeep, kShotShipBox, kVal13},
    {gZak8Stream2, gZak8, 22, 30, {0, 150}, {0, 20}, -1, 1, kLeftwardKeep, kShotShipBox, kVal13},
    {gZak8Stream3, gZak8, 22, 30, {0, 150}, {0, 20}, -1, -1, kLeftwardKeep, kShotShipBox, kVal13},
};

}  // namespace

void FireZak7AShot(int) { FireAimedShots(kZak7AShot); }
void MoveZak7AShot(int) { MoveAimedShots(kZak7AShot); }
void DrawZak7AShot(int) { DrawAimedShots(kZak7AShot); }

void FireZak8Stream1(int) { FireStream(kZak8Stream[0]); }
void MoveZak8Stream1(int) { MoveStream(kZak8Stream[0]); }
void DrawZak8Stream1(int) { DrawStream(kZak8Stream[0]); }
void FireZak8Stream2(int) { FireStream(kZak8Stream[1]); }
void MoveZak8Stream2(int) { MoveStream(kZak8Stream[1]); }
void DrawZak8Stream2(int) { DrawStream(kZak8Stream[1]); }
void FireZak8Stream3(int) { FireStream(kZak8Stream[2]); }
void MoveZak8Stream3(int) { MoveStream(kZak8Stream[2]); }
void DrawZak8Stream3(int) { DrawStream(kZak8Stream[2]); }
