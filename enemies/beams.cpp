#include "enemies/beams.h"

#include "engine/draw/ko_draw.h"

int gPicBeam = kNoPicture;

namespace enemy {

namespace {

constexpr int kPeriod = 150;
// The count of each pair. Pairs 8 and 9 wait for counts that a timer wrapping
// at 150 never reaches, so they are moved and drawn but never start.
constexpr int kPairFireAt[kBeamSlots / 2] = {10, 20, 30, 70, 80, 90, 130, 140, 150, 160};
constexpr KeepArea kAboveBottom{-kNoBound, kNoBound, -kNoBound, 480, true};
constexpr ShipBox kShipBox{0, 20, 0, 20};
constexpr int kCell = 40;

}  // namespace

void TickBeams(const BeamDesign& d) {
  for (AimedShotRecord& s : d.slots)
    if (++s.timer >= kPeriod) s.timer = 0;
  for (int k = 0; k < kBeamSlots / 2; ++k)
    for (int slot = 2 * k; slot < 2 * k + 2; ++slot)
      if (d.slots[slot].timer == kPairFireAt[k]) FireBeam(d, slot, 2 * k);
}

void FireBeam(const BeamDesign& d, int slot, int first) {
  AimedShotRecord& s = d.slots[slot];
  if (s.alive != 0) return;
  s.alive = 1;
  d.slots[first].x = d.owner->x + d.pairX[0];
  d.slots[first + 1].x = d.owner->x + d.pairX[1];
  s.y = d.owner->y + d.startY;
}

void MoveBeams(const BeamDesign& d) {
  const float scale = FrameScale();
  if (d.spread != 0.0f)
    for (int i = 0; i < kBeamSlots; ++i)
      d.slots[i].x += (i % 2 == 0 ? -d.spread : d.spread) * scale;
  for (AimedShotRecord& s : d.slots) {
    if (s.alive == 0) continue;
    s.speed = d.fallSpeed;
    s.y += s.speed * scale;
    if (!Keeps(kAboveBottom, s.x, s.y)) {
      s.alive = 0;
      Park(s);
    }
    TestShip(kShipBox, s.x, s.y);
  }
}

void DrawBeams(const BeamDesign& d) {
  for (int i = 0; i < kBeamSlots; ++i) {
    const AimedShotRecord& s = d.slots[i];
    const int left = d.cellLeft[i % 2];
    koDraw::Blit(Truncate(s.x), Truncate(s.y), gPicBeam, left, 0, left + kCell, kCell);
  }
}

void ResetBeam(AimedShotRecord& s) {
  s.frame = StartFrameValue(StartFrame::kRandom7);
  s.timer = 0;
  s.alive = 0;
  Park(s);
  s.speed = 0.0f;
}

bool BeamAtStart(const AimedShotRecord& s) {
  return FrameAtStart(StartFrame::kRandom7, s.frame) && s.timer == 0 && s.alive == 0 &&
         s.x == kParkX && s.y == kParkY && s.speed == 0.0f;
}

}  // namespace enemy
