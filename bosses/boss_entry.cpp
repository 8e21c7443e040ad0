#include "bosses/boss_entry.h"

#include "engine/draw/ko_draw.h"
#include "engine/system/ko_system.h"
#include "player/parking.h"

BossEntryPicture gBoss5Entry, gBoss7Entry;

namespace {

constexpr float kBelowScreenY = 480.0f;
// Once the picture's corner is this far above the screen it has left it.
constexpr float kAboveScreenY = -480.0f;

void Park(BossEntryPicture& p) {
  p.x = static_cast<float>(kParkX);
  p.y = static_cast<float>(kParkY);
  p.speed = 0.0f;
}

}  // namespace

void MoveBossEntry(const BossEntry& e, float clock) {
  BossEntryPicture& p = *e.picture;
  const bool waits = clock >= 0.0f && clock <= e.waitUntil;
  const bool rises = clock > e.riseAfter && clock <= e.riseUntil;
  if (!waits && !rises) return;
  koDraw::Blit(static_cast<int>(p.x), static_cast<int>(p.y), *e.object, 0, 0, e.width, e.height);
  if (waits) {
    p.x = e.column;
    p.y = kBelowScreenY;
    p.speed = e.speed;
    return;
  }
  // The column is set again on every rising call, even once the picture is parked.
  p.x = e.column;
  p.y -= p.speed * gFrameScale;
  if (p.y < kAboveScreenY) Park(p);
}

void ResetBossEntries() {
  Park(gBoss5Entry);
  Park(gBoss7Entry);
}

bool BossEntriesAtStart() {
  for (const BossEntryPicture* p : {&gBoss5Entry, &gBoss7Entry})
    if (p->x != kParkX || p->y != kParkY || p->speed != 0.0f) return false;
  return true;
}
