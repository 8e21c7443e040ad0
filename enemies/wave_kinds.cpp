#include "enemies/wave_kinds.h"

#include "game/game_state.h"

namespace enemy {

bool FireGateOpen(FireGate gate) {
  switch (gate) {
    case FireGate::kAlways:
      return true;
    case FireGate::kExtraMode:
      return gDifficultyExtra == 1;
    case FireGate::kHardOrExtraMode:
      return gDifficulty == 2 || gDifficultyExtra == 1;
    case FireGate::kNever:
      return false;
  }
  return false;
}

void SpawnWaveSlot(const WaveKind& w, int slot) {
  WaveZakRecord& r = w.kind.slots[slot];
  if (r.alive != 0) return;
  r.phaseTimer = 0.0f;
  if (w.spawnRestartsCounter) r.waveCounter = 0;
  SpawnSlot(w.kind, slot);
}

void TickWaveKind(const WaveKind& w) { TickWave(w.wave, w.kind.slots, w.spawnSlot); }

namespace {

void RunScript(const PhaseScript& s, WaveZakRecord& r, int slot) {
  r.phaseTimer += s.rate * FrameScale();
  const float t = r.phaseTimer;
  for (const PhaseBand& b : s.bands) {
    if (t < b.from || t > b.to) continue;
    r.vx = b.vx;
    r.vy = b.vy;
    if (b.fire && FireGateOpen(s.gate)) b.fire(slot);
  }
  if (r.phaseTimer >= s.restartAt) r.phaseTimer = 0.0f;
}

}  // namespace

void MoveWaveKind(const WaveKind& w) {
  const KindDesign<WaveZakRecord>& k = w.kind;
  const Bounds& b = k.bounds;
  for (size_t i = 0; i < k.slots.size(); ++i) {
    WaveZakRecord& r = k.slots[i];
    if (r.alive != 0) {
      const float scale = FrameScale();
      r.y += k.motion.ySign * r.vy * scale;
      r.x += k.motion.xSign * r.vx * scale;
      RunScript(w.script, r, static_cast<int>(i));
    }
    if (r.x >= b.minX && r.x <= b.maxX && r.y >= b.minY && r.y <= b.maxY) continue;
    r.alive = 0;
    Park(r);
    if (k.marker.table) KeepOrParkMarker(k.marker, k.marker.table[i]);
  }
}

void FireFixedSpeedShots(const FixedSpeedShots& f) {
  bool starts = false;
  for (const AimedShotRecord& s : f.family.shots) starts = starts || s.alive == 0;
  FireAimedShots(f.family);
  if (!starts) return;
  for (size_t i = 0; i < f.family.shots.size(); ++i) f.family.shots[i].speed = f.speeds[i];
}

void ResetWaveSlot(WaveZakRecord& r) {
  r = WaveZakRecord{};
  r.x = kWaveResetX;
  r.y = kWaveResetY;
}

bool WaveSlotAtStart(const WaveZakRecord& r) {
  return r.row == 0 && r.frame == 0 && r.waveCounter == 0 && r.spare == 0 && r.phaseTimer == 0.0f &&
         r.x == kWaveResetX && r.y == kWaveResetY && r.vx == 0.0f && r.vy == 0.0f &&
         r.hitSkip == 0 && r.alive == 0 && r.dying == 0;
}

}  // namespace enemy
