#include "enemies/kind.h"

#include "engine/draw/ko_draw.h"
#include "engine/sound/ko_sound.h"
#include "engine/system/ko_system.h"
#include "game/assets.h"
#include "game/game_state.h"

int gPicStrafer3 = kNoPicture, gPicStrafer5 = kNoPicture, gPicBig90 = kNoPicture,
    gPicTargetMarker = kNoPicture, gPicBullet20 = kNoPicture;

namespace enemy {

int Truncate(float v) { return static_cast<int>(v); }

float NextEntryValue(const EntryValue& e) {
  const int v = e.mod > 0 ? koSystem::Rand() % e.mod + e.add : e.add;
  return static_cast<float>(e.sign * v);
}

void PlayHitSound() { koSound::Play(gSndBom, -1); }
int ExplosionMode() { return gExplosionBlitMode; }
float FrameScale() { return gFrameScale; }
float ShipX() { return gPlayerX; }
float ShipY() { return gPlayerY; }

void DrawExplosionCopies(std::span<const ExplosionCopy> copies, int x, int y, int f) {
  for (const ExplosionCopy& c : copies) {
    const int left = c.size * f;
    const int dx = x + c.ax + c.bx * f, dy = y + c.ay + c.by * f;
    switch (c.blit) {
      case BlitKind::kPlain:
        koDraw::Blit(dx, dy, *c.picture, left, 0, left + c.size, c.size);
        break;
      case BlitKind::kAdd:
        koDraw::BlitAdd(dx, dy, *c.picture, left, 0, left + c.size, c.size);
        break;
      case BlitKind::kHalf:
        koDraw::BlitHalf(dx, dy, *c.picture, left, 0, left + c.size, c.size);
        break;
    }
  }
}

void DrawBody(const Body& b, int x, int y, float phase) {
  if (b.cells.empty()) {
    koDraw::Blit(x, y, *b.picture, 0, 0, b.width, b.height);
    return;
  }
  for (const BodyCell& c : b.cells)
    if (c.from <= phase && phase <= c.to)
      koDraw::Blit(x, y, *b.picture, c.left, 0, c.left + b.width, b.height);
}

void ParkMarker(TargetMarker& m) {
  m.locked = 0;
  m.x = kParkX;
  m.y = kParkY;
}

void KeepOrParkMarker(const MarkerDesign& d, TargetMarker& m) {
  const bool xKept = d.keepMinX <= m.x && m.x <= d.keepMaxX;
  const bool yKept = !d.keepTestsY || (d.keepMinY <= m.y && m.y <= d.keepMaxY);
  if (!(xKept && yKept)) ParkMarker(m);
}

void DrawMarker(const MarkerDesign& d, TargetMarker& m, int x, int y) {
  if (m.locked == 0) return;
  m.x = x + d.drawX;
  m.y = y + d.drawY;
  koDraw::Blit(m.x, m.y, gPicTargetMarker, 0, 0, 60, 60);
}

void ClearCounters(ZakRecord& r) { r.frame1 = r.frame2 = 0; }
void ClearCounters(WaveZakRecord& r) { r.frame = r.spare = 0; }
void ClearCounters(LargeZakState& r) { r.frame = 0; }

void ResetRecord(ZakRecord& r) {
  r = ZakRecord{};
  Park(r);
}
void ResetRecord(WaveZakRecord& r) {
  const float phase = r.phaseTimer;
  r = WaveZakRecord{};
  r.phaseTimer = phase;
  Park(r);
}

namespace {
template <typename Record>
bool ParkedAndZero(const Record& r) {
  return r.x == kParkX && r.y == kParkY && r.row == 0 && r.vx == 0.0f && r.vy == 0.0f &&
         r.hitSkip == 0 && r.alive == 0 && r.dying == 0;
}
}  // namespace

bool RecordAtStart(const ZakRecord& r) {
  return ParkedAndZero(r) && r.frame1 == 0 && r.frame2 == 0;
}
bool RecordAtStart(const WaveZakRecord& r) {
  return ParkedAndZero(r) && r.frame == 0 && r.waveCounter == 0 && r.spare == 0;
}

void ResetMarkers(std::span<TargetMarker> markers) {
  for (TargetMarker& m : markers) {
    ParkMarker(m);
    m.spare = 0;
  }
}
bool MarkersAtStart(std::span<const TargetMarker> markers) {
  for (const TargetMarker& m : markers)
    if (m.x != kParkX || m.y != kParkY || m.locked != 0 || m.spare != 0) return false;
  return true;
}

}  // namespace enemy
