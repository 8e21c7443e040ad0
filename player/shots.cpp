#include "player/shots.h"

#include <span>

#include "engine/draw/ko_draw.h"
#include "engine/sound/ko_sound.h"
#include "game/assets.h"
#include "game/game_state.h"
#include "game/scenes.h"
#include "player/parking.h"
#include "player/replay.h"
#include "player/shot_strikes.h"

PlayerShot gShotAMain[kShotSlots], gShotAUpper[kShotSlots], gShotALower[kShotSlots];
PlayerShot gShotBMain[kShotSlots], gShotBLeft[kShotSlots], gShotBRight[kShotSlots];
PlayerShot gShotBLeftOuter[kShotSlots], gShotBRightOuter[kShotSlots];
PlayerShot gShotUpLeft[kShotSlots], gShotUpRight[kShotSlots];

namespace {

enum class Power { kAlways, kSideShots, kOuterShots };  // what a family's start needs
enum class Cull { kNever, kPastRight, kPastTop };

constexpr int kCullRight = 640;  // freed once x is beyond it
constexpr int kCullTop = -60;    // freed once y is above it

// One family: where its shots start, how they move and how they are drawn.
struct ShotFamily {
  PlayerShot* slots;
  int startX = 0, startY = 0;  // from the ship's truncated position
  int dx = 0, dy = 0;          // steps given at the start
  Power power = Power::kAlways;
  bool startSound = false;   // starting a shot plays the shot sound (the main families)
  int xSign = 0, ySign = 0;  // per frame: x += xSign * dx, y += ySign * dy + yExtra
  int yExtra = 0;
  Cull cull = Cull::kNever;
  int* liveCount = nullptr;  // the pass counts the family's live shots here
  bool replayTrack = false;  // ship type 1's main shots keep the replay's shot track
  const int* picture = &kNoPicture;
  int width = 60, height = 60;
  const std::span<const StrikeRule>* strikes = nullptr;  // what a live shot strikes, in order
};

// The families in the shot pass's order, then the two outer families, which
// are only ever started: never moved, drawn or freed.
// clang-format off
enum FamilyId {
  kBMain, kBLeft, kBRight, kAMain, kAUpper, kALower, kUpLeft, kUpRight,
  kBLeftOuter, kBRightOuter, kFamilyCount
};

const ShotFamily kFamilies[kFamilyCount] = {
    {.slots = gShotBMain, .startX = -30, .startY = -38, .dy = 20, .startSound = true,
     .ySign = -1, .yExtra = -2, .cull = Cull::kPastTop, .liveCount = &gLiveShotsB, .width = 120, .strikes = &kBMainShotStrikes},
    {.slots = gShotBLeft, .startX = -30, .startY = -38, .dx = 6, .dy = 20,
     .power = Power::kSideShots, .xSign = -1, .ySign = -1, .cull = Cull::kPastTop,
     .liveCount = &gLiveShotsB, .strikes = &kLeftShotStrikes},
    {.slots = gShotBRight, .startX = 30, .startY = -38, .dx = 6, .dy = 20,
     .power = Power::kSideShots, .xSign = 1, .ySign = -1, .cull = Cull::kPastTop,
     .liveCount = &gLiveShotsB, .strikes = &kBRightShotStrikes},
    {.slots = gShotAMain, .startX = 48, .dx = 20, .startSound = true, .xSign = 1,
     .cull = Cull::kPastRight, .liveCount = &gLiveShotsA, .replayTrack = true,
     .picture = &gPicMylz1, .strikes = &kMainShotStrikes},
    {.slots = gShotAUpper, .startX = 50, .dx = 20, .dy = 4, .power = Power::kSideShots,
     .xSign = 1, .ySign = -1, .cull = Cull::kPastRight, .liveCount = &gLiveShotsA,
     .picture = &gPicMylz2, .strikes = &kUpperShotStrikes},
    {.slots = gShotALower, .startX = 50, .dx = 20, .dy = 4, .power = Power::kSideShots,
     .xSign = 1, .ySign = 1, .cull = Cull::kPastRight, .liveCount = &gLiveShotsA,
     .picture = &gPicMylz3, .strikes = &kLowerShotStrikes},
    {.slots = gShotUpLeft, .xSign = -1, .ySign = -1, .cull = Cull::kPastTop,
     .liveCount = &gLiveShotsA, .strikes = &kLeftShotStrikes},
    {.slots = gShotUpRight, .xSign = 1, .ySign = -1, .cull = Cull::kPastTop,
     .liveCount = &gLiveShotsA, .strikes = &kUpRightShotStrikes},
    {.slots = gShotBLeftOuter, .startX = -30, .startY = -38, .dx = 10, .dy = 20,
     .power = Power::kOuterShots},
    {.slots = gShotBRightOuter, .startX = 30, .startY = -38, .dx = 10, .dy = 20,
     .power = Power::kOuterShots},
};
// clang-format on

constexpr FamilyId kFireOrderA[] = {kAMain, kAUpper, kALower};
constexpr FamilyId kFireOrderB[] = {kBMain, kBLeft, kBRight, kBLeftOuter, kBRightOuter};
constexpr FamilyId kDrawOrderA[] = {kUpLeft, kUpRight, kAUpper, kALower, kAMain};
constexpr FamilyId kDrawOrderB[] = {kBLeft, kBRight, kBMain};
constexpr FamilyId kPassOrder[] = {kBMain,  kBLeft,  kBRight, kAMain,
                                   kAUpper, kALower, kUpLeft, kUpRight};
constexpr FamilyId kParkedAtGameOver[] = {kAMain, kAUpper, kALower, kUpLeft, kUpRight};

// Ship type 2's muzzle flash, drawn over the ship after a fire call.
constexpr int kFlashOffsetX = -5, kFlashOffsetY = -15, kFlashWidth = 70, kFlashHeight = 36;

constexpr int kCadenceStep = 4;   // every fourth step fires
constexpr int kCadenceWrap = 48;  // after slot 12

bool PowerGranted(Power p) {
  switch (p) {
    case Power::kAlways:
      return true;
    case Power::kSideShots:
      return gSideShots == 1;
    case Power::kOuterShots:
      return gOuterShots == 1;
  }
  return false;
}

void Fire(std::span<const FamilyId> order, int slot) {
  const int shipX = static_cast<int>(gPlayerX);
  const int shipY = static_cast<int>(gPlayerY);
  for (FamilyId id : order) {
    const ShotFamily& f = kFamilies[id];
    if (!PowerGranted(f.power)) continue;
    PlayerShot& s = f.slots[slot];
    if (s.active) continue;
    s = PlayerShot{shipX + f.startX, shipY + f.startY, f.dx, f.dy, 1};
    if (f.startSound) koSound::Play(gSndShot, -1);
  }
  gShotFlash = 1;
}

void DrawShot(const ShotFamily& f, int slot) {
  const PlayerShot& s = f.slots[slot];
  if (s.active) koDraw::Blit(s.x, s.y, *f.picture, 0, 0, f.width, f.height);
}

bool Culled(const ShotFamily& f, const PlayerShot& s) {
  switch (f.cull) {
    case Cull::kNever:
      return false;
    case Cull::kPastRight:
      return s.x > kCullRight;
    case Cull::kPastTop:
      return s.y < kCullTop;
  }
  return false;
}

}  // namespace

void FireShotA(int slot) { Fire(kFireOrderA, slot); }
void FireShotB(int slot) { Fire(kFireOrderB, slot); }

void StepFireCadence() {
  if (gShipType != 1 && gShipType != 2) return;
  int& counter = gShipType == 1 ? gFireCounterA : gFireCounterB;
  if (++counter % kCadenceStep == 0)
    (gShipType == 1 ? FireShotA : FireShotB)(counter / kCadenceStep);
  if (counter == kCadenceWrap) counter = 0;
}

void DrawPlayerShots() {
  if (gShipType == 1) {
    for (int slot = 0; slot < kShotSlots; ++slot) {
      for (FamilyId id : kDrawOrderA) DrawShot(kFamilies[id], slot);
      gShotFlash = 0;
    }
  }
  if (gShipType == 2) {
    for (int slot = 0; slot < kShotSlots; ++slot) {
      if (gShotFlash) {
        koDraw::Blit(static_cast<int>(gPlayerX) + kFlashOffsetX,
                     static_cast<int>(gPlayerY) + kFlashOffsetY, kNoPicture, 0, 0, kFlashWidth,
                     kFlashHeight);
      }
      for (FamilyId id : kDrawOrderB) DrawShot(kFamilies[id], slot);
      gShotFlash = 0;
    }
  }
}

void MoveAndStrikeShots() {
  for (FamilyId id : kPassOrder) {
    const ShotFamily& f = kFamilies[id];
    for (int slot = 0; slot < kShotSlots; ++slot) {
      PlayerShot& s = f.slots[slot];
      const bool live = s.active != 0;
      if (live) {
        s.x += f.xSign * s.dx;
        s.y += f.ySign * s.dy + f.yExtra;
        if (Culled(f, s)) s.active = 0;  // a culled shot keeps its place
        ++*f.liveCount;
      }
      if (f.replayTrack) TrackMainShot(slot, s, live);
      // Every shot live at the start strikes, even one culled or used up a moment ago.
      if (live) StrikeTargets(*f.strikes, s.x, s.y, &s.active);
    }
  }
}

void ParkShotsAtGameOver() {
  for (FamilyId id : kParkedAtGameOver)
    for (int slot = 0; slot < kShotSlots; ++slot) {
      PlayerShot& s = kFamilies[id].slots[slot];
      s.active = 0;
      s.x = kParkX;
      s.y = kParkY;
    }
}
