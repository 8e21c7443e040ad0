// The two lasers and the four beam families: one row each, and their entry points.
#include "enemies/lasers_beams.h"

#include "enemies/beams.h"
#include "enemies/large_kinds.h"
#include "game/assets.h"

LaserRecord gZak51ALaser, gZak51BLaser;
AimedShotRecord gZak50BBeam1[20], gZak50BBeam2[20], gZak51ABeam1[20], gZak51ABeam2[20];

namespace {

using namespace enemy;

// Both lasers: from the muzzle at (+85, +95), up to 240 pixels long, 520 px/s,
// freed past x -270.
constexpr StripDesign Laser(LaserRecord& laser, const LargeZakState& owner) {
  return {&laser, &owner, 85, 95, 520, 240, -270, &gPicLz1, -14};
}
constexpr StripDesign kZak51ALaser = Laser(gZak51ALaser, gZak51A);
constexpr StripDesign kZak51BLaser = Laser(gZak51BLaser, gZak51B);

// Beam1 falls straight at 280 px/s; Beam2 falls at 250 px/s while its pair
// spreads apart at 120 px/s each way.
constexpr BeamDesign Beam1(std::span<AimedShotRecord, kBeamSlots> slots, const LargeZakState& owner,
                           float evenX, float oddX) {
  return {slots, &owner, {evenX, oddX}, 130, 280, 0, {120, 120}};
}
constexpr BeamDesign Beam2(std::span<AimedShotRecord, kBeamSlots> slots, const LargeZakState& owner,
                           float evenX, float oddX) {
  return {slots, &owner, {evenX, oddX}, 130, 250, 120, {80, 160}};
}
constexpr BeamDesign kZak50BBeam1 = Beam1(gZak50BBeam1, gZak50B, 60, 140);
constexpr BeamDesign kZak50BBeam2 = Beam2(gZak50BBeam2, gZak50B, 60, 140);
constexpr BeamDesign kZak51ABeam1 = Beam1(gZak51ABeam1, gZak51A, 40, 120);
constexpr BeamDesign kZak51ABeam2 = Beam2(gZak51ABeam2, gZak51A, 40, 120);

}  // namespace

void FireZak51ALaser() { FireStrip(kZak51ALaser); }
void MoveZak51ALaser() { MoveStrip(kZak51ALaser); }
void DrawZak51ALaser() { DrawStrip(kZak51ALaser); }

void FireZak51BLaser() { FireStrip(kZak51BLaser); }
void MoveZak51BLaser() { MoveStrip(kZak51BLaser); }
void DrawZak51BLaser() { DrawStrip(kZak51BLaser); }

void TickZak50BBeam1(int) { TickBeams(kZak50BBeam1); }
void FireZak50BBeam1(int slot, int first) { FireBeam(kZak50BBeam1, slot, first); }
void MoveZak50BBeam1(int) { MoveBeams(kZak50BBeam1); }
void DrawZak50BBeam1(int) { DrawBeams(kZak50BBeam1); }

void TickZak50BBeam2(int) { TickBeams(kZak50BBeam2); }
void FireZak50BBeam2(int slot, int first) { FireBeam(kZak50BBeam2, slot, first); }
void MoveZak50BBeam2(int) { MoveBeams(kZak50BBeam2); }
void DrawZak50BBeam2(int) { DrawBeams(kZak50BBeam2); }

void TickZak51ABeam1(int) { TickBeams(kZak51ABeam1); }
void FireZak51ABeam1(int slot, int first) { FireBeam(kZak51ABeam1, slot, first); }
void MoveZak51ABeam1(int) { MoveBeams(kZak51ABeam1); }
void DrawZak51ABeam1(int) { DrawBeams(kZak51ABeam1); }

void TickZak51ABeam2(int) { TickBeams(kZak51ABeam2); }
void FireZak51ABeam2(int slot, int first) { FireBeam(kZak51ABeam2, slot, first); }
void MoveZak51ABeam2(int) { MoveBeams(kZak51ABeam2); }
void DrawZak51ABeam2(int) { DrawBeams(kZak51ABeam2); }
