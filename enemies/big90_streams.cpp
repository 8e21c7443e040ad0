// The streams of Big90A and Big90B: one row each, and their entry points.
// Nothing in the stage scripts fires, moves or draws Big90B's streams.
#include "enemies/big90.h"
#include "enemies/craft90.h"

ShotRecord gBig90AStream1[2], gBig90AStream2[2], gBig90AStream3[2], gBig90AStream4[2],
    gBig90AStream5[2];
ShotRecord gBig90BStream1[2], gBig90BStream2[2], gBig90BStream3[2], gBig90BStream4[2],
    gBig90BStream5[2];

namespace {

using namespace enemy;

constexpr StreamDesign<ZakRecord> kBig90AStream[5] = {
    CraftStream<ZakRecord>(0, gBig90AStream1, gBig90A),
    CraftStream<ZakRecord>(1, gBig90AStream2, gBig90A),
    CraftStream<ZakRecord>(2, gBig90AStream3, gBig90A),
    CraftStream<ZakRecord>(3, gBig90AStream4, gBig90A),
    CraftStream<ZakRecord>(4, gBig90AStream5, gBig90A),
};
constexpr StreamDesign<ZakRecord> kBig90BStream[5] = {
    CraftStream<ZakRecord>(0, gBig90BStream1, gBig90B),
    CraftStream<ZakRecord>(1, gBig90BStream2, gBig90B),
    CraftStream<ZakRecord>(2, gBig90BStream3, gBig90B),
    CraftStream<ZakRecord>(3, gBig90BStream4, gBig90B),
    CraftStream<ZakRecord>(4, gBig90BStream5, gBig90B),
};

}  // namespace

void FireBig90AStream1(int) { FireStream(kBig90AStream[0]); }
void MoveBig90AStream1(int) { MoveStream(kBig90AStream[0]); }
void DrawBig90AStream1(int) { DrawStream(kBig90AStream[0]); }
void FireBig90AStream2(int) { FireStream(kBig90AStream[1]); }
void MoveBig90AStream2(int) { MoveStream(kBig90AStream[1]); }
void DrawBig90AStream2(int) { DrawStream(kBig90AStream[1]); }
void FireBig90AStream3(int) { FireStream(kBig90AStream[2]); }
void MoveBig90AStream3(int) { MoveStream(kBig90AStream[2]); }
void DrawBig90AStream3(int) { DrawStream(kBig90AStream[2]); }
void FireBig90AStream4(int) { FireStream(kBig90AStream[3]); }
void MoveBig90AStream4(int) { MoveStream(kBig90AStream[3]); }
void DrawBig90AStream4(int) { DrawStream(kBig90AStream[3]); }
void FireBig90AStream5(int) { FireStream(kBig90AStream[4]); }
void MoveBig90AStream5(int) { MoveStream(kBig90AStream[4]); }
void DrawBig90AStream5(int) { DrawStream(kBig90AStream[4]); }

void FireBig90BStream1(int) { FireStream(kBig90BStream[0]); }
void MoveBig90BStream1(int) { MoveStream(kBig90BStream[0]); }
void DrawBig90BStream1(int) { DrawStream(kBig90BStream[0]); }
void FireBig90BStream2(int) { FireStream(kBig90BStream[1]); }
void MoveBig90BStream2(int) { MoveStream(kBig90BStream[1]); }
void DrawBig90BStream2(int) { DrawStream(kBig90BStream[1]); }
void FireBig90BStream3(int) { FireStream(kBig90BStream[2]); }
void MoveBig90BStream3(int) { MoveStream(kBig90BStream[2]); }
void DrawBig90BStream3(int) { DrawStream(kBig90BStream[2]); }
void FireBig90BStream4(int) { FireStream(kBig90BStream[3]); }
void MoveBig90BStream4(int) { MoveStream(kBig90BStream[3]); }
void DrawBig90BStream4(int) { DrawStream(kBig90BStream[3]); }
void FireBig90BStream5(int) { FireStream(kBig90BStream[4]); }
void MoveBig90BStream5(int) { MoveStream(kBig90BStream[4]); }
void DrawBig90BStream5(int) { DrawStream(kBig90BStream[4]); }
