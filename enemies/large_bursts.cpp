// The aimed bursts of Zak50A, Zak50B and Zak51A: one row each, and their
// entry points.
#include <numbers>

#include "enemies/large_kinds.h"
#include "game/assets.h"

BurstShotRecord gZak50AShot[25], gZak50BShot1[25], gZak50BShot2[25], gZak50BShot3[25],
    gZak51AShot1[25], gZak51AShot2[120];

namespace {

using namespace enemy;

constexpr float kFanStep = 2.0f * std::numbers::pi_v<float> / 30.0f;   // 12 degrees
constexpr float kRingStep = 2.0f * std::numbers::pi_v<float> / 12.0f;  // 30 degrees
constexpr BulletLook kVal1624{&gPicVal1624, 16, 24, true};
constexpr BulletLook kVal3{&gPicVal3, 16, 16, true};

// Five fans of five, centred on the aim line.
constexpr BurstDesign Fan(std::span<BurstShotRecord> shots, const LargeZakState& owner, int period,
                          std::span<const int> fireAt, float muzzleX, float muzzleY, float speed,
                          BulletLook look) {
  return {shots, &owner, 5, period, fireAt, muzzleX, muzzleY, speed, kFanStep, 2, false, look};
}

constexpr int kZak50AFireAt[] = {15, 30, 45, 60, 75};
// The last group follows the fourth after only five counts.
constexpr int kZak50BShot1FireAt[] = {15, 30, 45, 60, 65};
constexpr int kZak50BSideFireAt[] = {60, 120, 180, 240, 300};
constexpr int kZak51AShot1FireAt[] = {70, 140, 210, 280, 350};
constexpr int kZak51AShot2FireAt[] = {60, 120, 180, 240, 300, 360, 420, 480, 540, 600};

constexpr BurstDesign kZak50AShot =
    Fan(gZak50AShot, gZak50A, 80, kZak50AFireAt, 92, 70, 280, kVal1624);
constexpr BurstDesign kZak50BShot1 =
    Fan(gZak50BShot1, gZak50B, 80, kZak50BShot1FireAt, 92, 70, 280, kVal1624);
constexpr BurstDesign kZak50BShot2 =
    Fan(gZak50BShot2, gZak50B, 370, kZak50BSideFireAt, 2, 70, 160, kVal3);
constexpr BurstDesign kZak50BShot3 =
    Fan(gZak50BShot3, gZak50B, 370, kZak50BSideFireAt, 222, 70, 160, kVal3);
constexpr BurstDesign kZak51AShot1 =
    Fan(gZak51AShot1, gZak51A, 430, kZak51AShot1FireAt, 92, 70, 130, kVal3);
// Ten rings of twelve; each ring's first bullet flies at the ship.
constexpr BurstDesign kZak51AShot2{
    gZak51AShot2, &gZak51A, 12, 660, kZak51AShot2FireAt, 92, 32, 150, kRingStep, 0, true, kVal3};

}  // namespace

void TickZak50AShot(int) { TickBurst(kZak50AShot); }
void FireZak50AShot(int slot, int first) { FireBurstShot(kZak50AShot, slot, first); }
void MoveZak50AShot(int) { MoveBurst(kZak50AShot); }
void DrawZak50AShot(int) { DrawBurst(kZak50AShot); }

void TickZak50BShot1(int) { TickBurst(kZak50BShot1); }
void FireZak50BShot1(int slot, int first) { FireBurstShot(kZak50BShot1, slot, first); }
void MoveZak50BShot1(int) { MoveBurst(kZak50BShot1); }
void DrawZak50BShot1(int) { DrawBurst(kZak50BShot1); }

void TickZak50BShot2(int) { TickBurst(kZak50BShot2); }
void FireZak50BShot2(int slot, int first) { FireBurstShot(kZak50BShot2, slot, first); }
void MoveZak50BShot2(int) { MoveBurst(kZak50BShot2); }
void DrawZak50BShot2(int) { DrawBurst(kZak50BShot2); }

void TickZak50BShot3(int) { TickBurst(kZak50BShot3); }
void FireZak50BShot3(int slot, int first) { FireBurstShot(kZak50BShot3, slot, first); }
void MoveZak50BShot3(int) { MoveBurst(kZak50BShot3); }
void DrawZak50BShot3(int) { DrawBurst(kZak50BShot3); }

void TickZak51AShot1(int) { TickBurst(kZak51AShot1); }
void FireZak51AShot1(int slot, int first) { FireBurstShot(kZak51AShot1, slot, first); }
void MoveZak51AShot1(int) { MoveBurst(kZak51AShot1); }
void DrawZak51AShot1(int) { DrawBurst(kZak51AShot1); }

void TickZak51AShot2(int) { TickBurst(kZak51AShot2); }
void FireZak51AShot2(int slot) { FireBurstShot(kZak51AShot2, slot, 0); }
void MoveZak51AShot2(int) { MoveBurst(kZak51AShot2); }
void DrawZak51AShot2(int) { DrawBurst(kZak51AShot2); }
