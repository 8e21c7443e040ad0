#include "stages/boss_section.h"

#include "bosses/boss1_laser.h"
#include "engine/system/ko_system.h"
#include "game/game_state.h"

namespace {

float Clock(StageClock c) { return c == StageClock::kFirst ? gStageClock : gStageClock2; }

bool Attacking(const BossSection& s) { return s.boss->hp > 0.0f && s.boss->hp < s.attackLimit; }

// The laser reads the counter as the last frame left it: at exactly 1350 it runs twice.
void RunLaser(const BossSection& s) {
  const int a = *s.counter;
  if (a >= 1180 && a <= 1350) DrawBoss1Laser();
  if (a >= 1350 && a <= 1500) DrawBoss1Laser();
}

}  // namespace

void RunBossSection(const BossSection& s) {
  const float c = Clock(s.clock);
  const bool open =
      s.openAfter < c && (c < s.closeBefore || (s.openWhileDefeated && s.boss->hp <= 0.0f));
  if (!open) return;
  const int scene = gScene;
  if (s.laser && Attacking(s)) RunLaser(s);
  s.move();
  s.draw();
  // Tested again after the draw, whose defeat may already have reset everything.
  if (Attacking(s)) {
    const int a = ++*s.counter;
    for (const AttackWindow& w : s.schedule)
      if (w.from <= a && a <= w.to)
        for (TimelineOp op : w.ops) op(0);
    for (const HpBand& b : s.hpBands)
      if (ModeHolds(b.mode) && b.from <= s.boss->hp && s.boss->hp <= b.to)
        for (TimelineOp op : b.ops) op(0);
    if (*s.counter >= s.wrapAt) *s.counter = s.wrapTo;
  }
  // A defeat that handed over in this frame has reset the play state: no time-out then.
  const float now = Clock(s.clock);
  if (gScene == scene && s.timeoutFrom <= now && now <= s.timeoutTo) {
    s.boss->hp = 0.0f;
    s.defeat();
  }
}
