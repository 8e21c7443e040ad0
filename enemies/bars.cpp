// The six bars and the five muzzle streams: one row each, and their entry points.
#include "enemies/bars.h"

#include "enemies/large_kinds.h"
#include "enemies/muzzle_streams.h"
#include "game/assets.h"

LaserBarRecord gZak54ABar1, gZak54ABar2, gZak54BBar1, gZak54BBar2, gZak54CBar1, gZak54CBar2;
ShotRecord gZak51BStream[4], gZak54AStream[4], gZak54BStream[4], gZak54CStream[6], gZak50CStream[6];

namespace {

using namespace enemy;

// Every bar: up to 200 pixels long, 420 px/s, freed past x -200, and a ship
// box ten pixels taller than the laser's.
constexpr StripDesign Bar(LaserBarRecord& bar, const LargeZakState& owner, int muzzleX,
                          int muzzleY) {
  return {&bar, &owner, muzzleX, muzzleY, 420, 200, -200, &gPicBlzs12, -24};
}
constexpr StripDesign Bar1(LaserBarRecord& bar, const LargeZakState& owner) {
  return Bar(bar, owner, 100, 40);
}
constexpr StripDesign Bar2(LaserBarRecord& bar, const LargeZakState& owner) {
  return Bar(bar, owner, 120, 95);
}
constexpr StripDesign kZak54ABar1 = Bar1(gZak54ABar1, gZak54A);
constexpr StripDesign kZak54ABar2 = Bar2(gZak54ABar2, gZak54A);
constexpr StripDesign kZak54BBar1 = Bar1(gZak54BBar1, gZak54B);
constexpr StripDesign kZak54BBar2 = Bar2(gZak54BBar2, gZak54B);
constexpr StripDesign kZak54CBar1 = Bar1(gZak54CBar1, gZak54C);
constexpr StripDesign kZak54CBar2 = Bar2(gZak54CBar2, gZak54C);

// Six muzzles in two columns under the craft, the outer four spreading.
constexpr Muzzle kSixMuzzles[] = {{120, 60}, {120, 105}, {120, 120},
                                  {60, 120}, {60, 105},  {60, 60}};
constexpr float kSixSpread[] = {28, 14, 0, 0, -14, -28};
// Four muzzles; the Zak54 streams spread their outer two, Zak51B's falls straight.
constexpr Muzzle kFourMuzzles[] = {{120, 90}, {120, 120}, {60, 120}, {60, 90}};
constexpr float kFourSpread[] = {20, 0, 0, -20};

constexpr MuzzleStreamDesign kZak50CStream{gZak50CStream, &gZak50C, kSixMuzzles, kSixSpread, 150};
constexpr MuzzleStreamDesign kZak54CStream{gZak54CStream, &gZak54C, kSixMuzzles, kSixSpread, 150};
constexpr MuzzleStreamDesign kZak54AStream{gZak54AStream, &gZak54A, kFourMuzzles, kFourSpread, 150};
constexpr MuzzleStreamDesign kZak54BStream{gZak54BStream, &gZak54B, kFourMuzzles, kFourSpread, 140};
constexpr MuzzleStreamDesign kZak51BStream{gZak51BStream, &gZak51B, kFourMuzzles, {}, 140};

}  // namespace

void FireZak54ABar1() { FireStrip(kZak54ABar1); }
void MoveZak54ABar1() { MoveStrip(kZak54ABar1); }
void DrawZak54ABar1() { DrawStrip(kZak54ABar1); }
void FireZak54ABar2() { FireStrip(kZak54ABar2); }
void MoveZak54ABar2() { MoveStrip(kZak54ABar2); }
void DrawZak54ABar2() { DrawStrip(kZak54ABar2); }

void FireZak54BBar1() { FireStrip(kZak54BBar1); }
void MoveZak54BBar1() { MoveStrip(kZak54BBar1); }
void DrawZak54BBar1() { DrawStrip(kZak54BBar1); }
void FireZak54BBar2() { FireStrip(kZak54BBar2); }
void MoveZak54BBar2() { MoveStrip(kZak54BBar2); }
void DrawZak54BBar2() { DrawStrip(kZak54BBar2); }

void FireZak54CBar1() { FireStrip(kZak54CBar1); }
void MoveZak54CBar1() { MoveStrip(kZak54CBar1); }
void DrawZak54CBar1() { DrawStrip(kZak54CBar1); }
void FireZak54CBar2() { FireStrip(kZak54CBar2); }
void MoveZak54CBar2() { MoveStrip(kZak54CBar2); }
void DrawZak54CBar2() { DrawStrip(kZak54CBar2); }

void FireZak50CStream(int) { FireMuzzleStream(kZak50CStream); }
void MoveZak50CStream(int) { MoveMuzzleStream(kZak50CStream); }
void DrawZak50CStream(int) { DrawMuzzleStream(kZak50CStream); }

void FireZak51BStream(int) { FireMuzzleStream(kZak51BStream); }
void MoveZak51BStream(int) { MoveMuzzleStream(kZak51BStream); }
void DrawZak51BStream(int) { DrawMuzzleStream(kZak51BStream); }

void FireZak54AStream(int) { FireMuzzleStream(kZak54AStream); }
void MoveZak54AStream(int) { MoveMuzzleStream(kZak54AStream); }
void DrawZak54AStream(int) { DrawMuzzleStream(kZak54AStream); }

void FireZak54BStream(int) { FireMuzzleStream(kZak54BStream); }
void MoveZak54BStream(int) { MoveMuzzleStream(kZak54BStream); }
void DrawZak54BStream(int) { DrawMuzzleStream(kZak54BStream); }

void FireZak54CStream(int) { FireMuzzleStream(kZak54CStream); }
void MoveZak54CStream(int) { MoveMuzzleStream(kZak54CStream); }
void DrawZak54CStream(int) { DrawMuzzleStream(kZak54CStream); }
