#include "player/ship.h"

#include "engine/system/ko_system.h"
#include "game/backgrounds.h"
#include "game/game_state.h"
#include "game/scenes.h"
#include "platform/keys.h"
#include "player/bomb.h"
#include "player/replay.h"
#include "player/shots.h"

int gKeyStateLeft, gKeyStateRight, gKeyStateUp, gKeyStateDown;
int gKeyStateZ, gKeyStateX, gKeyStateC, gKeyStateShift, gKeyStateCtrl;
int gStickX, gStickY;

namespace {

constexpr int kHeld = 3;        // a key's edge state from its second frame down
constexpr int kFireLimit = 12;  // firing needs gShotLimit below it

// The ship's room: its 80 x 60 picture stays on the screen.
constexpr float kMaxX = 480.0f, kMaxY = 420.0f;
constexpr int kBankLevel = 3, kBankMin = 0, kBankMax = 6;

// The strips of the vertical scrollers drift against the ship's direction:
// these are the drifts while it flies left (px/s); flying right negates them.
struct StripDrift {
  BackgroundStrip* strips;
  float drift;
};
const StripDrift kLeftDrifts[] = {{gUnusedStripsB, 50.0f},
                                  {gStage5Strips, 55.0f},
                                  {gStage6Strips, 60.0f},
                                  {gStage7Strips, 65.0f}};

// The keys in the order they are polled; C has no action.
struct ShipKey {
  int vk;
  int* state;
};
const ShipKey kShipKeys[] = {{plat::kVkLeft, &gKeyStateLeft},
                             {plat::kVkRight, &gKeyStateRight},
                             {plat::kVkUp, &gKeyStateUp},
                             {plat::kVkDown, &gKeyStateDown},
                             {'Z', &gKeyStateZ},
                             {'X', &gKeyStateX},
                             {'C', &gKeyStateC},
                             {plat::kVkShift, &gKeyStateShift},
                             {plat::kVkControl, &gKeyStateCtrl}};

float ShipSpeed() { return gShipType == 2 ? 200.0f : 177.0f; }

void SetDrift(float sign) {
  for (const StripDrift& d : kLeftDrifts)
    for (int i = 0; i < kStripRecords; ++i) d.strips[i].driftX = sign * d.drift;
}

void SteerLeft() {
  gBankStep = 1;
  gPlayerVX = -ShipSpeed();
  SetDrift(1.0f);
}

void SteerRight() {
  gBankStep = -1;
  gPlayerVX = ShipSpeed();
  SetDrift(-1.0f);
}

void TryFire() {
  if (gFireEnabled == 1 && gShotLimit < kFireLimit) StepFireCadence();
}

void TryBomb() {
  if (gBombReady == 1) StartBomb();
}

}  // namespace

void PlayerKeyboardControl() {
  for (const ShipKey& k : kShipKeys) koSystem::KeyEdge(k.vk, k.state);
  // After the game is over no key reaches its held state.
  if (gGameOver)
    for (const ShipKey& k : kShipKeys) *k.state = 0;
  if (gKeyStateLeft == kHeld) SteerLeft();
  if (gKeyStateRight == kHeld) SteerRight();
  if (gKeyStateUp == kHeld) gPlayerVY = -ShipSpeed();
  if (gKeyStateDown == kHeld) gPlayerVY = ShipSpeed();
  // Ctrl's bomb comes between the two fire keys: it stops Z, not Shift.
  if (gKeyStateShift == kHeld) TryFire();
  if (gKeyStateCtrl == kHeld) TryBomb();
  if (gKeyStateZ == kHeld) TryFire();
  if (gKeyStateX == kHeld) TryBomb();
}

void PlayerJoystickControl() {
  koSystem::JoyGetDirection(0, gStickX, gStickY);
  if (gStickX == -1) SteerLeft();
  if (gStickX == 1) SteerRight();
  if (gStickY == -1) gPlayerVY = -ShipSpeed();
  if (gStickY == 1) gPlayerVY = ShipSpeed();
  if (koSystem::JoyButtonDown(0, 1)) TryFire();
  if (koSystem::JoyButtonDown(0, 2)) TryBomb();
}

void MovePlayer() {
  if (gReplay != 0) {
    ReplayShipFrame();
    return;
  }
  gBankFrame += gBankStep;
  if (gBankFrame < kBankMin) gBankFrame = kBankMin;
  if (gBankFrame > kBankMax) gBankFrame = kBankMax;
  if (gBankFrame == kBankLevel) gBankStep = 0;
  gPlayerX += gPlayerVX * gFrameScale;
  if (gPlayerX < 0.0f) gPlayerX = 0.0f;
  if (gPlayerX > kMaxX) gPlayerX = kMaxX;
  gPlayerY += gPlayerVY * gFrameScale;
  if (gPlayerY < 0.0f) gPlayerY = 0.0f;
  if (gPlayerY > kMaxY) gPlayerY = kMaxY;
  gPlayerVX = gPlayerVY = 0.0f;
  // At full bank the step turns round, so the frame walks back to level.
  if (gBankFrame == kBankMin || gBankFrame == kBankMax) gBankStep = -gBankStep;
  RecordShipFrame();
}
