// The eight single large kinds: one row each over its own block, and their
// entry points.
#include "enemies/large_kinds.h"

#include "enemies/bars.h"
#include "enemies/large_kind.h"
#include "game/assets.h"

LargeZakState gZak50A, gZak50B, gZak50C, gZak51A, gZak51B, gZak54A, gZak54B, gZak54C;

namespace {

using namespace enemy;
using enum BlitKind;
using enum Field;

constexpr std::span<LargeZakState> One(LargeZakState& block) { return {&block, 1}; }

// Eight plain copies of the strips around the craft, drawn whatever
// gExplosionBlitMode says.
constexpr ExplosionCopy kMixed[] = {
    {kPlain, &gPicZbak3b, 80, -25, 0, 35, 0}, {kPlain, &gPicZbak3b, 80, 135, 0, 35, 0},
    {kPlain, &gPicZbak3b, 80, 55, 0, -45, 0}, {kPlain, &gPicZbak3b, 80, 55, 0, 115, 0},
    {kPlain, &gPicZbak2b, 80, -2, 0, -22, 0}, {kPlain, &gPicZbak2b, 80, 112, 0, -22, 0},
    {kPlain, &gPicZbak2b, 80, -2, 0, 92, 0},  {kPlain, &gPicZbak3b, 80, 112, 0, 92, 0},
};
// Zak50B: every copy from the large strip.
constexpr ExplosionCopy kAllLarge[] = {
    {kPlain, &gPicZbak3b, 80, -25, 0, 35, 0}, {kPlain, &gPicZbak3b, 80, 135, 0, 35, 0},
    {kPlain, &gPicZbak3b, 80, 55, 0, -45, 0}, {kPlain, &gPicZbak3b, 80, 55, 0, 115, 0},
    {kPlain, &gPicZbak3b, 80, -2, 0, -22, 0}, {kPlain, &gPicZbak3b, 80, 112, 0, -22, 0},
    {kPlain, &gPicZbak3b, 80, -2, 0, 92, 0},  {kPlain, &gPicZbak3b, 80, 112, 0, 92, 0},
};
// Zak50C: the mixed copies with the four diagonal ones a pixel further out.
constexpr ExplosionCopy kMixedWide[] = {
    {kPlain, &gPicZbak3b, 80, -25, 0, 35, 0}, {kPlain, &gPicZbak3b, 80, 135, 0, 35, 0},
    {kPlain, &gPicZbak3b, 80, 55, 0, -45, 0}, {kPlain, &gPicZbak3b, 80, 55, 0, 115, 0},
    {kPlain, &gPicZbak2b, 80, -3, 0, -23, 0}, {kPlain, &gPicZbak2b, 80, 113, 0, -23, 0},
    {kPlain, &gPicZbak2b, 80, -3, 0, 93, 0},  {kPlain, &gPicZbak3b, 80, 113, 0, 93, 0},
};

// Four rows of the 8-frame strip; the wreck drifts on with the craft.
constexpr Explosion<LargeZakState> Boom(std::span<const ExplosionCopy> copies,
                                        bool endClearsHitSkip) {
  return {&LargeZakState::frame, 8, 4, {}, copies, false, endClearsHitSkip, false, true};
}
constexpr Motion kLeftward{-1, 0, 0};
constexpr Motion kScripted{0, 0, 0};  // the phase script moves the craft
constexpr Bounds kLeftAndBottom(float minX) { return {minX, kNoBound, -kNoBound, 480}; }

constexpr EntryValue kZak50AEntry[] = {{kX, 0, 640}, {kY, 80, 30}, {kVX, 60, 160}, {kVY, 60, 60}};
constexpr LargeKind kZak50A{{
                                .slots = One(gZak50A),
                                .body = {&gPicZak50, 200, 160, BodyDrawn::kAlways},
                                .marker = {},
                                .explosion = Boom(kMixed, true),
                                .motion = kLeftward,
                                .bounds = kLeftAndBottom(-200),
                                .entry = kZak50AEntry,
                            },
                            nullptr,
                            1};

constexpr EntryValue kZak50BEntry[] = {{kX, 0, 640}, {kY, 50, 240}, {kVX, 70, 180}, {kVY, 60, 60}};
constexpr LargeKind kZak50B{{
                                .slots = One(gZak50B),
                                .body = {&gPicZak50, 200, 160, BodyDrawn::kAlways},
                                .marker = {},
                                .explosion = Boom(kAllLarge, true),
                                .motion = kLeftward,
                                .bounds = kLeftAndBottom(-200),
                                .entry = kZak50BEntry,
                            },
                            nullptr,
                            2};

constexpr EntryValue kZak51AEntry[] = {{kX, 0, 640}, {kY, 80, 30}, {kVX, 90, 90}, {kVY, 60, 60}};
constexpr LargeKind kZak51A{{
                                .slots = One(gZak51A),
                                .body = {&gPicZak51, 270, 190, BodyDrawn::kAlways},
                                .marker = {},
                                .explosion = Boom(kMixed, true),
                                .motion = kLeftward,
                                .bounds = kLeftAndBottom(-270),
                                .entry = kZak51AEntry,
                            },
                            nullptr,
                            1};

constexpr EntryValue kZak51BEntry[] = {{kX, 0, 640}, {kY, 20, 240}, {kVX, 80, 80}, {kVY, 30, 60}};
constexpr LargeKind kZak51B{{
                                .slots = One(gZak51B),
                                .body = {&gPicZak51, 270, 190, BodyDrawn::kAlways},
                                .marker = {},
                                .explosion = Boom(kMixed, true),
                                .motion = kLeftward,
                                .bounds = kLeftAndBottom(-270),
                                .entry = kZak51BEntry,
                            },
                            nullptr,
                            1};

// Zak54: enters at 220 px/s, stands and fires its bars, then leaves at 250
// px/s; vx stays 0 after the first stand, so later rounds only stand and leave.
void FireZak54ABars() {
  FireZak54ABar1();
  FireZak54ABar2();
}
void FireZak54BBars() {
  FireZak54BBar1();
  FireZak54BBar2();
}
void FireZak54CBars() {
  FireZak54CBar1();
  FireZak54CBar2();
}
constexpr LargePhaseScript Zak54Script(void (*fire)()) {
  return {45, 50, 0, 51, 70, 71, 120, 250, false, 121, fire};
}
constexpr LargePhaseScript kZak54AScript = Zak54Script(FireZak54ABars);
constexpr LargePhaseScript kZak54BScript = Zak54Script(FireZak54BBars);
constexpr LargePhaseScript kZak54CScript = Zak54Script(FireZak54CBars);

// y is the base plus one draw minus the next; the end of the explosion leaves hitSkip.
constexpr EntryValue kZak54AEntry[] = {
    {kX, 0, 640}, {kY, 20, 165}, {kY, 20, 0, -1, true}, {kVX, 0, 220}, {kVY, 0, 280}};
constexpr EntryValue kZak54BEntry[] = {
    {kX, 0, 640}, {kY, 20, 25}, {kY, 20, 0, -1, true}, {kVX, 0, 220}, {kVY, 0, 280}};
constexpr EntryValue kZak54CEntry[] = {
    {kX, 0, 640}, {kY, 20, 325}, {kY, 20, 0, -1, true}, {kVX, 0, 220}, {kVY, 0, 280}};
constexpr Bounds kZak54Bounds{-200, 650, -150, 480};

constexpr LargeKind Zak54(LargeZakState& block, std::span<const EntryValue> entry,
                          const LargePhaseScript& script) {
  return {{
              .slots = One(block),
              .body = {&gPicZak54, 200, 150, BodyDrawn::kAlways},
              .marker = {},
              .explosion = Boom(kMixed, false),
              .motion = kScripted,
              .bounds = kZak54Bounds,
              .entry = entry,
          },
          &script,
          1};
}
constexpr LargeKind kZak54A = Zak54(gZak54A, kZak54AEntry, kZak54AScript);
constexpr LargeKind kZak54B = Zak54(gZak54B, kZak54BEntry, kZak54BScript);
constexpr LargeKind kZak54C = Zak54(gZak54C, kZak54CEntry, kZak54CScript);

// Zak50C: dives in from above, stands and fires its stream, then sinks at its
// spawn vy while leaving at 150 px/s.
void FireZak50CVolley() { FireZak50CStream(0); }
constexpr LargePhaseScript kZak50CScript{
    40, 40, 170, 41, 70, 71, 120, 150, true, 121, FireZak50CVolley};
constexpr EntryValue kZak50CEntry[] = {{kX, 0, 540}, {kY, 0, -150}, {kVX, 0, 200}, {kVY, 0, 280}};
constexpr LargeKind kZak50C{{
                                .slots = One(gZak50C),
                                .body = {&gPicZak50, 200, 160, BodyDrawn::kAlways},
                                .marker = {},
                                .explosion = Boom(kMixedWide, false),
                                .motion = kScripted,
                                .bounds = {-100, 540, -160, 480},
                                .entry = kZak50CEntry,
                            },
                            &kZak50CScript,
                            1};

}  // namespace

void SpawnZak50A(int) { SpawnLarge(kZak50A); }
void DrawZak50A(int) { DrawLarge(kZak50A); }
void MoveZak50A(int) { MoveLarge(kZak50A); }
void HitZak50A() { HitLarge(kZak50A); }

void SpawnZak50B(int) { SpawnLarge(kZak50B); }
void DrawZak50B(int) { DrawLarge(kZak50B); }
void MoveZak50B(int) { MoveLarge(kZak50B); }
void HitZak50B() { HitLarge(kZak50B); }

void SpawnZak50C(int) { SpawnLarge(kZak50C); }
void DrawZak50C(int) { DrawLarge(kZak50C); }
void MoveZak50C(int) { MoveLarge(kZak50C); }
void HitZak50C() { HitLarge(kZak50C); }

void SpawnZak51A(int) { SpawnLarge(kZak51A); }
void DrawZak51A(int) { DrawLarge(kZak51A); }
void MoveZak51A(int) { MoveLarge(kZak51A); }
void HitZak51A() { HitLarge(kZak51A); }

void SpawnZak51B(int) { SpawnLarge(kZak51B); }
void DrawZak51B(int) { DrawLarge(kZak51B); }
void MoveZak51B(int) { MoveLarge(kZak51B); }
void HitZak51B() { HitLarge(kZak51B); }

void SpawnZak54A(int) { SpawnLarge(kZak54A); }
void DrawZak54A(int) { DrawLarge(kZak54A); }
void MoveZak54A(int) { MoveLarge(kZak54A); }
void HitZak54A() { HitLarge(kZak54A); }

void SpawnZak54B(int) { SpawnLarge(kZak54B); }
void DrawZak54B(int) { DrawLarge(kZak54B); }
void MoveZak54B(int) { MoveLarge(kZak54B); }
void HitZak54B() { HitLarge(kZak54B); }

void SpawnZak54C(int) { SpawnLarge(kZak54C); }
void DrawZak54C(int) { DrawLarge(kZak54C); }
void MoveZak54C(int) { MoveLarge(kZak54C); }
void HitZak54C() { HitLarge(kZak54C); }
