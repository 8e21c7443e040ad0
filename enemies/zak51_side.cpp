// Zak51L and Zak51R: one kind row each, and their entry points.
#include "enemies/zak51_side.h"

#include <array>

#include "enemies/kind.h"
#include "game/assets.h"

ZakRecord gZak51L[2], gZak51R[2];

namespace {

using namespace enemy;
using enum BlitKind;
using enum Field;

constexpr MarkerDesign kNoMarker{};

// Eight still copies around the large body, drawn plainly whatever the blit
// mode, hitSkip never written and the wreck drifting on; 8 frames x 3 rows.
// The two kinds differ only in the strip of the seventh copy.
constexpr std::array<ExplosionCopy, 8> Zak51Copies(const int* seventhStrip) {
  return {{{kPlain, &gPicZbak2b, 80, -25, 0, 35, 0},
           {kPlain, &gPicZbak3b, 80, 135, 0, 35, 0},
           {kPlain, &gPicZbak2b, 80, 55, 0, -45, 0},
           {kPlain, &gPicZbak2b, 80, 55, 0, 115, 0},
           {kPlain, &gPicZbak2b, 80, -2, 0, -22, 0},
           {kPlain, &gPicZbak2b, 80, 112, 0, -22, 0},
           {kPlain, seventhStrip, 80, -2, 0, 92, 0},
           {kPlain, &gPicZbak3b, 80, 112, 0, 92, 0}}};
}
constexpr auto kZak51LCopies = Zak51Copies(&gPicZbak3b);
constexpr auto kZak51RCopies = Zak51Copies(&gPicZbak2b);

constexpr Explosion<ZakRecord> Zak51Explosion(std::span<const ExplosionCopy> copies) {
  return {&ZakRecord::frame2, 8, 3, copies, copies, false, false, false, true};
}

// Freed only below the bottom edge; x is not tested.
constexpr Bounds kAboveBottom{-kNoBound, kNoBound, -kNoBound, 480};

// Both axes move by vy: the craft flies at 45 degrees and vx, though drawn, is never read.
constexpr EntryValue kZak51LEntry[] = {{kX, 0, -100}, {kY, 0, -160}, {kVX, 80, 100}, {kVY, 80, 80}};
constexpr KindDesign<ZakRecord> kZak51L{
    .slots = gZak51L,
    .body = {&gPicZak51, 200, 160, BodyDrawn::kAlways},
    .marker = kNoMarker,
    .explosion = Zak51Explosion(kZak51LCopies),
    .motion = {.xSign = 1, .ySign = 1, .steerToShip = 0, .xMovesByVy = true},
    .bounds = kAboveBottom,
    .entry = kZak51LEntry,
};

constexpr EntryValue kZak51REntry[] = {{kX, 0, 540}, {kY, 0, -160}, {kVX, 80, 100}, {kVY, 80, 80}};
constexpr KindDesign<ZakRecord> kZak51R{
    .slots = gZak51R,
    .body = {&gPicZak51, 200, 160, BodyDrawn::kAlways},
    .marker = kNoMarker,
    .explosion = Zak51Explosion(kZak51RCopies),
    .motion = {.xSign = -1, .ySign = 1, .steerToShip = 0, .xMovesByVy = true},
    .bounds = kAboveBottom,
    .entry = kZak51REntry,
};

}  // namespace

void SpawnZak51L(int) { SpawnKind(kZak51L); }
void DrawZak51L(int) { DrawKind(kZak51L); }
void MoveZak51L(int) { MoveKind(kZak51L); }
void HitZak51L(int slot) { HitKind(kZak51L, slot); }

void SpawnZak51R(int) { SpawnKind(kZak51R); }
void DrawZak51R(int) { DrawKind(kZak51R); }
void MoveZak51R(int) { MoveKind(kZak51R); }
void HitZak51R(int slot) { HitKind(kZak51R, slot); }
