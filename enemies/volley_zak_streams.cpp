// The streams of the three VolleyZak kinds: the fan of the Big90 kinds, each
// fired from its own kind's slots; one row each, and their entry points.
// Nothing in the stage scripts uses VolleyZakB's streams or VolleyZakC's fifth.
#include "enemies/craft90.h"
#include "enemies/volley_zak.h"

ShotRecord gVolleyZakAStream1[3], gVolleyZakAStream2[3], gVolleyZakAStream3[3],
    gVolleyZakAStream4[3], gVolleyZakAStream5[3];
ShotRecord gVolleyZakBStream1[2], gVolleyZakBStream2[2], gVolleyZakBStream3[2],
    gVolleyZakBStream4[2], gVolleyZakBStream5[2];
ShotRecord gVolleyZakCStream1[5], gVolleyZakCStream2[5], gVolleyZakCStream3[5],
    gVolleyZakCStream4[5], gVolleyZakCStream5[5];

namespace {

using namespace enemy;

constexpr StreamDesign<ZakRecord> kVolleyZakAStream[5] = {
    CraftStream<ZakRecord>(0, gVolleyZakAStream1, gVolleyZakA),
    CraftStream<ZakRecord>(1, gVolleyZakAStream2, gVolleyZakA),
    CraftStream<ZakRecord>(2, gVolleyZakAStream3, gVolleyZakA),
    CraftStream<ZakRecord>(3, gVolleyZakAStream4, gVolleyZakA),
    CraftStream<ZakRecord>(4, gVolleyZakAStream5, gVolleyZakA),
};
constexpr StreamDesign<ZakRecord> kVolleyZakBStream[5] = {
    CraftStream<ZakRecord>(0, gVolleyZakBStream1, gVolleyZakB),
    CraftStream<ZakRecord>(1, gVolleyZakBStream2, gVolleyZakB),
    CraftStream<ZakRecord>(2, gVolleyZakBStream3, gVolleyZakB),
    CraftStream<ZakRecord>(3, gVolleyZakBStream4, gVolleyZakB),
    CraftStream<ZakRecord>(4, gVolleyZakBStream5, gVolleyZakB),
};
constexpr StreamDesign<WaveZakRecord> kVolleyZakCStream[5] = {
    CraftStream<WaveZakRecord>(0, gVolleyZakCStream1, gVolleyZakC),
    CraftStream<WaveZakRecord>(1, gVolleyZakCStream2, gVolleyZakC),
    CraftStream<WaveZakRecord>(2, gVolleyZakCStream3, gVolleyZakC),
    CraftStream<WaveZakRecord>(3, gVolleyZakCStream4, gVolleyZakC),
    CraftStream<WaveZakRecord>(4, gVolleyZakCStream5, gVolleyZakC),
};

}  // namespace

void FireVolleyZakAStream1(int) { FireStream(kVolleyZakAStream[0]); }
void MoveVolleyZakAStream1(int) { MoveStream(kVolleyZakAStream[0]); }
void DrawVolleyZakAStream1(int) { DrawStream(kVolleyZakAStream[0]); }
void FireVolleyZakAStream2(int) { FireStream(kVolleyZakAStream[1]); }
void MoveVolleyZakAStream2(int) { MoveStream(kVolleyZakAStream[1]); }
void DrawVolleyZakAStream2(int) { DrawStream(kVolleyZakAStream[1]); }
void FireVolleyZakAStream3(int) { FireStream(kVolleyZakAStream[2]); }
void MoveVolleyZakAStream3(int) { MoveStream(kVolleyZakAStream[2]); }
void DrawVolleyZakAStream3(int) { DrawStream(kVolleyZakAStream[2]); }
void FireVolleyZakAStream4(int) { FireStream(kVolleyZakAStream[3]); }
void MoveVolleyZakAStream4(int) { MoveStream(kVolleyZakAStream[3]); }
void DrawVolleyZakAStream4(int) { DrawStream(kVolleyZakAStream[3]); }
void FireVolleyZakAStream5(int) { FireStream(kVolleyZakAStream[4]); }
void MoveVolleyZakAStream5(int) { MoveStream(kVolleyZakAStream[4]); }
void DrawVolleyZakAStream5(int) { DrawStream(kVolleyZakAStream[4]); }

void FireVolleyZakBStream1(int) { FireStream(kVolleyZakBStream[0]); }
void MoveVolleyZakBStream1(int) { MoveStream(kVolleyZakBStream[0]); }
void DrawVolleyZakBStream1(int) { DrawStream(kVolleyZakBStream[0]); }
void FireVolleyZakBStream2(int) { FireStream(kVolleyZakBStream[1]); }
void MoveVolleyZakBStream2(int) { MoveStream(kVolleyZakBStream[1]); }
void DrawVolleyZakBStream2(int) { DrawStream(kVolleyZakBStream[1]); }
void FireVolleyZakBStream3(int) { FireStream(kVolleyZakBStream[2]); }
void MoveVolleyZakBStream3(int) { MoveStream(kVolleyZakBStream[2]); }
void DrawVolleyZakBStream3(int) { DrawStream(kVolleyZakBStream[2]); }
void FireVolleyZakBStream4(int) { FireStream(kVolleyZakBStream[3]); }
void MoveVolleyZakBStream4(int) { MoveStream(kVolleyZakBStream[3]); }
void DrawVolleyZakBStream4(int) { DrawStream(kVolleyZakBStream[3]); }
void FireVolleyZakBStream5(int) { FireStream(kVolleyZakBStream[4]); }
void MoveVolleyZakBStream5(int) { MoveStream(kVolleyZakBStream[4]); }
void DrawVolleyZakBStream5(int) { DrawStream(kVolleyZakBStream[4]); }

void FireVolleyZakCStream1(int) { FireStream(kVolleyZakCStream[0]); }
void MoveVolleyZakCStream1(int) { MoveStream(kVolleyZakCStream[0]); }
void DrawVolleyZakCStream1(int) { DrawStream(kVolleyZakCStream[0]); }
void FireVolleyZakCStream2(int) { FireStream(kVolleyZakCStream[1]); }
void MoveVolleyZakCStream2(int) { MoveStream(kVolleyZakCStream[1]); }
void DrawVolleyZakCStream2(int) { DrawStream(kVolleyZakCStream[1]); }
void FireVolleyZakCStream3(int) { FireStream(kVolleyZakCStream[2]); }
void MoveVolleyZakCStream3(int) { MoveStream(kVolleyZakCStream[2]); }
void DrawVolleyZakCStream3(int) { DrawStream(kVolleyZakCStream[2]); }
void FireVolleyZakCStream4(int) { FireStream(kVolleyZakCStream[3]); }
void MoveVolleyZakCStream4(int) { MoveStream(kVolleyZakCStream[3]); }
void DrawVolleyZakCStream4(int) { DrawStream(kVolleyZakCStream[3]); }
void FireVolleyZakCStream5(int) { FireStream(kVolleyZakCStream[4]); }
void MoveVolleyZakCStream5(int) { MoveStream(kVolleyZakCStream[4]); }
void DrawVolleyZakCStream5(int) { DrawStream(kVolleyZakCStream[4]); }
