// One routine per operation for every aimed kind, driven by the kind's row.
#include <span>

#include "bosses/aimed_kinds.h"
#include "bosses/attack_kind.h"
#include "engine/system/ko_system.h"

namespace {

std::span<AimedVolleySlot> Slots(const AimedKind& k) {
  return {k.slots, static_cast<size_t>(k.count)};
}

float Spread(const AimedKind& k, int slot, int first) {
  switch (k.spread) {
    case AimedSpread::Volley:
      return k.spreadStep * static_cast<float>(slot - first) -
             k.spreadStep * static_cast<float>(k.spreadCentre);
    case AimedSpread::Ring:
      return k.spreadStep * static_cast<float>(slot);
    case AimedSpread::None:
      break;
  }
  return 0.0f;
}

void PlaceAtStart(const AimedKind& k, AimedVolleySlot& s, int member) {
  const StartOffset& o = k.start[k.placesWholeGroup ? member : 0];
  s.x = k.boss->x + o.x;
  s.y = k.boss->y + o.y;
}

// Starts an idle slot from the boss, aimed at the ship; a live slot is left alone.
void Start(const AimedKind& k, int slot, int first) {
  AimedVolleySlot& s = k.slots[slot];
  if (s.active != 0) return;
  s.active = 1;
  if (k.placesWholeGroup)
    for (int m = 0; m < k.group; ++m) PlaceAtStart(k, k.slots[first + m], m);
  else
    PlaceAtStart(k, s, 0);
  s.speed = k.speed + k.speedPerSlot * static_cast<float>(slot);
  if (k.speedRandRange > 0) s.speed += static_cast<float>(koSystem::Rand() % k.speedRandRange);
  AimAtShip(s, k.aimOffset, Spread(k, slot, first));
}

}  // namespace

void TickAimed(AimedKindId id) {
  const AimedKind& k = Aimed(id);
  StepTimers(Slots(k), k.cycle);
  for (int first = 0, g = 0; first < k.count; first += k.group, ++g)
    for (int slot = first; slot < first + k.group; ++slot)
      if (k.slots[slot].timer == k.fireCounts[g]) Start(k, slot, first);
}

void FireAimed(AimedKindId id, int slot, int first) {
  const AimedKind& k = Aimed(id);
  // An index outside the table, or a group that does not hold the slot, starts nothing.
  if (slot < 0 || slot >= k.count || first < 0 || first > slot || slot - first >= k.group) return;
  Start(k, slot, first);
}

void FireAimedRing(AimedKindId id, int slot) {
  const AimedKind& k = Aimed(id);
  if (slot < 0 || slot >= k.count) return;  // outside the table: nothing starts
  Start(k, slot, slot - slot % k.group);
}

void FireAimedString(AimedKindId id) {
  const AimedKind& k = Aimed(id);
  for (int slot = 0; slot < k.count; ++slot) Start(k, slot, 0);
}

void MoveAimed(AimedKindId id) {
  const AimedKind& k = Aimed(id);
  const FlightBounds bounds{kScreenBounds.left, k.rightEdge, kScreenBounds.top,
                            kScreenBounds.bottom};
  for (AimedVolleySlot& s : Slots(k)) {
    if (s.active != 0)
      StepAlongAngle(s);
    else if (!k.testsIdleSlots)
      continue;
    if (LeftBoundsOrBombed(s.x, s.y, bounds)) ParkSlot(s);
    if (HitShip(s.x, s.y, kAimedShipBox) && k.hitFrees) ParkSlot(s);
  }
}

void DrawAimed(AimedKindId id) {
  const AimedKind& k = Aimed(id);
  for (AimedVolleySlot& s : Slots(k)) {
    if (s.active == 0 && !k.drawsIdleSlots) continue;
    const int next = DrawStripCell(s.x, s.y, *k.picture, k.drawsFixedCell ? 0 : s.frame, k.cells);
    if (!k.drawsFixedCell) s.frame = next;
  }
}

void ResetAimed(AimedKindId id) {
  const AimedKind& k = Aimed(id);
  for (AimedVolleySlot& s : Slots(k))
    s = {koSystem::Rand() % k.startCells, 0, kParkX, kParkY, 0.0f, 0.0f, kParkedAngle, 0.0f, 0};
}

bool AimedAtStart(AimedKindId id) {
  const AimedKind& k = Aimed(id);
  for (const AimedVolleySlot& s : Slots(k))
    if (s.frame < 0 || s.frame >= k.startCells || s.timer != 0 || s.x != kParkX || s.y != kParkY ||
        s.dx != 0.0f || s.dy != 0.0f || s.angle != kParkedAngle || s.speed != 0.0f || s.active != 0)
      return false;
  return true;
}
