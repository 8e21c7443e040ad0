#include "player/strike.h"

#include "engine/system/ko_system.h"
#include "game/score.h"

namespace {

constexpr float kCountedHits = 25.0f;

bool GateOpen(const StrikeRule& r, float x, float y) {
  switch (r.gate) {
    case Gate::kYAtLeast:
      return y >= static_cast<float>(r.gateValue);
    case Gate::kXAtMost:
      return x <= static_cast<float>(r.gateValue);
    case Gate::kXBelow:
      return x < static_cast<float>(r.gateValue);
  }
  return false;
}

void Award(const StrikeRule& r) {
  if (r.direct)
    AddScoreDirect(r.points);
  else
    AddScore(r.points);
}

void Hit(const TargetRef& t, int slot) {
  if (t.hitSlot)
    t.hitSlot(slot);
  else
    t.hit();
}

void Strike(const StrikeRule& r, const TargetRef& t, int slot, int* active) {
  if (r.consume) *active = 0;
  switch (r.effect) {
    case Effect::kHit:
      Hit(t, slot);
      Award(r);
      break;
    case Effect::kHpHit:
      *t.hp -= gFrameScale * r.hpRate;
      if (*t.hp <= 0.0f) Hit(t, slot);
      Award(r);
      break;
    case Effect::kBoss:
      Hit(t, slot);
      Award(r);
      *t.hp -= gFrameScale * r.hpRate;
      break;
    case Effect::kCountedHit:
      *t.hp += 1.0f;
      if (*t.hp >= kCountedHits) {
        Hit(t, slot);
        Award(r);
      }
      break;
    case Effect::kHitOnly:
      Hit(t, slot);
      break;
    case Effect::kSpare:
      SlotField(t.hitSkip, t.stride, slot) = 1;
      Award(r);
      SlotField(t.frame, t.stride, slot) = 0;
      break;
  }
}

}  // namespace

void StrikeTargets(std::span<const StrikeRule> rules, int sx, int sy, int* active) {
  for (const StrikeRule& r : rules) {
    const TargetRef& t = kTargets[r.target];
    const int slots = r.slots != 0 ? r.slots : t.slots;
    for (int slot = 0; slot < slots; ++slot) {
      if (SlotField(t.hitSkip, t.stride, slot) != 0) continue;
      const float x = SlotField(t.x, t.stride, slot);
      const float y = SlotField(t.y, t.stride, slot);
      if (!GateOpen(r, x, y)) continue;
      // Positions compare as whole pixels, truncated toward zero.
      const int ex = static_cast<int>(x), ey = static_cast<int>(y);
      if (sx < ex + r.left || sx > ex + r.right || sy < ey + r.top || sy > ey + r.bottom) continue;
      Strike(r, t, slot, active);
    }
  }
}
