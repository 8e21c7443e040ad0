#include "enemies/large_kind.h"

namespace enemy {

namespace {

void RunScript(const LargePhaseScript& p, LargeZakState& s) {
  const float scale = FrameScale();
  s.phaseTimer += p.rate * scale;
  const float t = s.phaseTimer;
  if (0.0f <= t && t <= p.entryEnd) {
    s.x -= s.vx * scale;
    s.y += p.entryFall * scale;
  }
  if (p.fireStart <= t && t <= p.fireEnd) {
    s.vx = 0.0f;
    p.fire();
  }
  if (p.leaveStart <= t && t <= p.leaveEnd) {
    if (p.leaveFallsByVY) s.y += s.vy * scale;
    s.x -= p.leaveSpeed * scale;
  }
  if (t >= p.restartAt) s.phaseTimer = 0.0f;
}

}  // namespace

void SpawnLarge(const LargeKind& k) {
  LargeZakState& s = k.kind.slots[0];
  if (s.alive != 0) return;
  SpawnSlot(k.kind, 0);
  if (k.script) s.phaseTimer = 0.0f;
}

void DrawLarge(const LargeKind& k) { DrawKind(k.kind); }

void MoveLarge(const LargeKind& k) {
  LargeZakState& s = k.kind.slots[0];
  if (k.script && s.alive != 0) RunScript(*k.script, s);
  MoveKind(k.kind);
}

void HitLarge(const LargeKind& k) {
  HitKind(k.kind, 0);
  for (int i = 1; i < k.hitSounds; ++i) PlayHitSound();
}

void ResetLarge(LargeZakState& s, float hp) {
  s = LargeZakState{};
  Park(s);
  s.hp = hp;
}

bool LargeAtStart(const LargeZakState& s, float hp) {
  return s.row == 0 && s.frame == 0 && s.x == kParkX && s.y == kParkY && s.vx == 0.0f &&
         s.vy == 0.0f && s.phaseTimer == 0.0f && s.hp == hp && s.hitSkip == 0 && s.alive == 0 &&
         s.dying == 0;
}

}  // namespace enemy
