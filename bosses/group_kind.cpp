// One routine per operation for every grouped kind, driven by the kind's row.
#include "bosses/group_kind.h"

#include <span>

#include "bosses/boss1_laser.h"
#include "engine/draw/ko_draw.h"
#include "engine/system/ko_system.h"

namespace {

constexpr int kStartCells = 10;

std::span<FanVolleySlot> Slots(const GroupKind& k) {
  return {k.slots, static_cast<size_t>(k.count)};
}

float& On(FanVolleySlot& s, Axis a) { return a == Axis::X ? s.x : s.y; }
float Of(const BossState& b, Axis a) { return a == Axis::X ? b.x : b.y; }
Axis Other(Axis a) { return a == Axis::X ? Axis::Y : Axis::X; }
int Member(const GroupKind& k, int slot) { return slot % k.group; }

bool Holds(const GroupKind& k, int slot, int first) {
  return slot >= 0 && slot < k.count && first >= 0 && first <= slot && slot - first < k.group &&
         first + k.group <= k.count;
}

bool MayFire(const GroupKind& k, const FanVolleySlot& s) {
  return s.active == 0 && !(k.needsLaserUnanchored && gBoss1LaserAnchored != 0);
}

void Start(const GroupKind& k, int slot, int first) {
  FanVolleySlot& s = k.slots[slot];
  if (!MayFire(k, s)) return;
  const GroupLayout& l = k.layout;
  s.active = 1;
  On(s, l.own) = Of(*k.boss, l.ownFrom) + l.ownOffset;
  for (int m = 0; m < k.group; ++m)
    On(k.slots[first + m], Other(l.own)) = Of(*k.boss, l.shapeFrom) + l.shape[m];
}

// Adds `share` of the frame's drift, as many times over as the kind repeats
// it, to every slot, idle or live.
void Drift(const GroupKind& k, float share) {
  const float step = gFrameScale * share;
  for (int r = 0; r < k.drift.repeats; ++r)
    for (int i = 0; i < k.count; ++i)
      On(k.slots[i], k.drift.axis) += k.drift.rate[Member(k, i)] * step;
}

void Fly(const GroupKind& k, FanVolleySlot& s) {
  if (k.fliesY) {
    s.vy = k.vy;
    s.y += s.vy * gFrameScale;
  }
  if (k.fliesX) {
    s.vx = k.vx;
    s.x += s.vx * gFrameScale;
  }
  if (s.x < k.leaveLeft || s.y > k.leaveBottom || (k.bombClears && gBombActive == 1)) ParkSlot(s);
  HitShip(s.x, s.y, k.box);
}

}  // namespace

void TickGroup(const GroupKind& k) {
  StepTimers(Slots(k), k.cycle);
  for (int first = 0, g = 0; first + k.group <= k.count; first += k.group, ++g)
    for (int slot = first; slot < first + k.group; ++slot)
      if (k.slots[slot].timer == k.fireCounts[g]) Start(k, slot, first);
}

void FireGroupMember(const GroupKind& k, int slot, int first) {
  if (!Holds(k, slot, first)) return;  // a slot outside its group starts nothing
  Start(k, slot, first);
}

void FireEveryIdle(const GroupKind& k) {
  const GroupLayout& l = k.layout;
  for (int i = 0; i < k.count; ++i) {
    FanVolleySlot& s = k.slots[i];
    if (!MayFire(k, s)) continue;
    s.active = 1;
    On(s, l.own) = Of(*k.boss, l.ownFrom) + l.ownOffset;
    On(s, Other(l.own)) = Of(*k.boss, l.shapeFrom) + l.shape[Member(k, i)];
  }
}

void MoveGroup(const GroupKind& k) {
  const bool stepPerSlot = k.drift.timing == DriftTiming::StepPerSlot;
  if (!stepPerSlot) Drift(k, 1.0f);
  for (FanVolleySlot& s : Slots(k)) {
    if (stepPerSlot) Drift(k, 1.0f / static_cast<float>(k.count));
    if (s.active != 0) Fly(k, s);
  }
}

void DrawGroup(const GroupKind& k) {
  for (int i = 0; i < k.count; ++i) {
    FanVolleySlot& s = k.slots[i];
    if (k.draw == GroupDraw::LiveStripCells) {
      if (s.active != 0) s.frame = DrawStripCell(s.x, s.y, *k.picture, s.frame, k.animationCells);
      continue;
    }
    const SourceCell c = k.cells[Member(k, i)];
    koDraw::Blit(static_cast<int>(s.x), static_cast<int>(s.y), *k.picture, c.left, c.top,
                 c.left + k.cellWidth, c.top + k.cellHeight);
  }
}

void ResetGroup(const GroupKind& k) {
  for (FanVolleySlot& s : Slots(k))
    s = {k.randomStartCell ? koSystem::Rand() % kStartCells : 0,
         0,
         kParkX,
         kParkY,
         0.0f,
         0.0f,
         0,
         0};
}

bool GroupAtStart(const GroupKind& k) {
  const int cells = k.randomStartCell ? kStartCells : 1;
  for (const FanVolleySlot& s : Slots(k))
    if (s.frame < 0 || s.frame >= cells || s.timer != 0 || s.x != kParkX || s.y != kParkY ||
        s.vx != 0.0f || s.vy != 0.0f || s.spare != 0 || s.active != 0)
      return false;
  return true;
}
