// Operations of the ship that no scene calls: the entry fly-in, the lock-on
// sight and the explosion sound.
#include "engine/draw/ko_draw.h"
#include "engine/sound/ko_sound.h"
#include "engine/system/ko_system.h"
#include "game/assets.h"
#include "game/game_state.h"
#include "game/scenes.h"
#include "player/parking.h"
#include "player/ship.h"

namespace {

// The fly-in of one ship type: its picture rises from below the screen, fast
// after a while, and hands the ship its start position on the way out.
struct EntryFlight {
  float x;
  int width, height;
};
constexpr EntryFlight kEntryFlights[2] = {{100.0f, 440, 380}, {80.0f, 480, 390}};
constexpr float kEntryStartY = 480.0f;
constexpr int kEntryRiseFrame = 11, kEntryBoostFrame = 180;
constexpr float kEntryRise = 160.0f, kEntryBoost = 400.0f;  // px/s upwards
constexpr float kEntryHandOverY = 50.0f, kEntryEndY = -380.0f;
constexpr float kEntryShipX = 290.0f, kEntryShipY = 210.0f;
constexpr float kEntryParked = -500.0f;  // the picture waits off the screen's top-left

constexpr int kSightWidth = 300, kSightHeight = 240;
constexpr int kSightOffsetX = -120, kSightOffsetY = -270;

}  // namespace

void ShipEntry() {
  if (gShipType != 1 && gShipType != 2) return;
  ShipEntryState& e = gShipEntry[gShipType - 1];
  const EntryFlight& f = kEntryFlights[gShipType - 1];
  if (e.done) return;
  koDraw::Blit(static_cast<int>(e.x), static_cast<int>(e.y), kNoPicture, 0, 0, f.width, f.height);
  ++e.counter;
  if (e.counter < kEntryRiseFrame) {
    e.x = f.x;
    e.y = kEntryStartY;
  } else {
    e.x = f.x;
    e.y -= kEntryRise * gFrameScale;
    if (e.counter >= kEntryBoostFrame) e.y -= kEntryBoost * gFrameScale;
  }
  if (e.y < kEntryHandOverY) {
    gPlayerX = kEntryShipX;
    gPlayerY = kEntryShipY;
  }
  if (e.y < kEntryEndY) {
    e.x = e.y = kEntryParked;
    e.counter = 0;
    e.done = 1;
  }
}

void DrawSight() {
  if (gPlayerAlive == 0 || (gShipType != 1 && gShipType != 2)) return;
  const int x = static_cast<int>(gPlayerX) + kSightOffsetX;
  const int y = static_cast<int>(gPlayerY) + kSightOffsetY;
  koDraw::Blit(x, y, kNoPicture, 0, 0, kSightWidth, kSightHeight);
  gSightX = x;
  gSightY = y;
}

void PlayExplosionSound(int) { koSound::Play(gSndBom, -1); }
