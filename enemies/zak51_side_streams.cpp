// The five-way fans of Zak51L and Zak51R: one stream row each, and their
// entry points.
#include "enemies/fan_streams.h"
#include "enemies/zak51_side.h"
#include "game/assets.h"

ShotRecord gZak51LStream1[2], gZak51LStream2[2], gZak51LStream3[2], gZak51LStream4[2],
    gZak51LStream5[2];
ShotRecord gZak51RStream1[2], gZak51RStream2[2], gZak51RStream3[2], gZak51RStream4[2],
    gZak51RStream5[2];

namespace {

using namespace enemy;

// One muzzle under the body's middle: straight down, then two pairs drifting apart.
constexpr ShipBox kShipBox{14, 30, 24, 30};
constexpr FanStream kZak51Fan[5] = {
    {112, 50, 0, 110, 0, kShipBox},  {112, 50, 10, 105, -1, kShipBox},
    {112, 50, 10, 105, 1, kShipBox}, {112, 50, 20, 96, -1, kShipBox},
    {112, 50, 20, 96, 1, kShipBox},
};
constexpr BulletLook kVal11{&gPicVal11, 16, 0, false};

constexpr StreamDesign<ZakRecord> kZak51LStream[5] = {
    FanRow<ZakRecord>(kZak51Fan[0], gZak51LStream1, gZak51L, kVal11),
    FanRow<ZakRecord>(kZak51Fan[1], gZak51LStream2, gZak51L, kVal11),
    FanRow<ZakRecord>(kZak51Fan[2], gZak51LStream3, gZak51L, kVal11),
    FanRow<ZakRecord>(kZak51Fan[3], gZak51LStream4, gZak51L, kVal11),
    FanRow<ZakRecord>(kZak51Fan[4], gZak51LStream5, gZak51L, kVal11),
};
constexpr StreamDesign<ZakRecord> kZak51RStream[5] = {
    FanRow<ZakRecord>(kZak51Fan[0], gZak51RStream1, gZak51R, kVal11),
    FanRow<ZakRecord>(kZak51Fan[1], gZak51RStream2, gZak51R, kVal11),
    FanRow<ZakRecord>(kZak51Fan[2], gZak51RStream3, gZak51R, kVal11),
    FanRow<ZakRecord>(kZak51Fan[3], gZak51RStream4, gZak51R, kVal11),
    FanRow<ZakRecord>(kZak51Fan[4], gZak51RStream5, gZak51R, kVal11),
};

}  // namespace

void FireZak51LStream1(int) { FireStream(kZak51LStream[0]); }
void MoveZak51LStream1(int) { MoveStream(kZak51LStream[0]); }
void DrawZak51LStream1(int) { DrawStream(kZak51LStream[0]); }
void FireZak51LStream2(int) { FireStream(kZak51LStream[1]); }
void MoveZak51LStream2(int) { MoveStream(kZak51LStream[1]); }
void DrawZak51LStream2(int) { DrawStream(kZak51LStream[1]); }
void FireZak51LStream3(int) { FireStream(kZak51LStream[2]); }
void MoveZak51LStream3(int) { MoveStream(kZak51LStream[2]); }
void DrawZak51LStream3(int) { DrawStream(kZak51LStream[2]); }
void FireZak51LStream4(int) { FireStream(kZak51LStream[3]); }
void MoveZak51LStream4(int) { MoveStream(kZak51LStream[3]); }
void DrawZak51LStream4(int) { DrawStream(kZak51LStream[3]); }
void FireZak51LStream5(int) { FireStream(kZak51LStream[4]); }
void MoveZak51LStream5(int) { MoveStream(kZak51LStream[4]); }
void DrawZak51LStream5(int) { DrawStream(kZak51LStream[4]); }

void FireZak51RStream1(int) { FireStream(kZak51RStream[0]); }
void MoveZak51RStream1(int) { MoveStream(kZak51RStream[0]); }
void DrawZak51RStream1(int) { DrawStream(kZak51RStream[0]); }
void FireZak51RStream2(int) { FireStream(kZak51RStream[1]); }
void MoveZak51RStream2(int) { MoveStream(kZak51RStream[1]); }
void DrawZak51RStream2(int) { DrawStream(kZak51RStream[1]); }
void FireZak51RStream3(int) { FireStream(kZak51RStream[2]); }
void MoveZak51RStream3(int) { MoveStream(kZak51RStream[2]); }
void DrawZak51RStream3(int) { DrawStream(kZak51RStream[2]); }
void FireZak51RStream4(int) { FireStream(kZak51RStream[3]); }
void MoveZak51RStream4(int) { MoveStream(kZak51RStream[3]); }
void DrawZak51RStream4(int) { DrawStream(kZak51RStream[3]); }
void FireZak51RStream5(int) { FireStream(kZak51RStream[4]); }
void MoveZak51RStream5(int) { MoveStream(kZak51RStream[4]); }
void DrawZak51RStream5(int) { DrawStream(kZak51RStream[4]); }
