#include "game/boss_sections.h"

#include "bosses/aimed_volleys.h"
#include "bosses/boss1_laser.h"
#include "bosses/boss_bodies.h"
#include "bosses/fan_volleys.h"
#include "bosses/hazards.h"
#include "bosses/lightning.h"
#include "engine/system/ko_system.h"
#include "game/game_state.h"

namespace {

constexpr auto kFirst = StageClock::kFirst;
constexpr auto kSecond = StageClock::kSecond;

const AttackWindow kBoss1Schedule[] = {
    {100, 300, Ops<TickBoss1AimedVolley2>},
    {300, 500, Ops<TickBoss1AimedVolley3>},
    {500, 750, Ops<TickBoss1AimedVolley4>},
    {500, 800, Ops<TickBoss1AimedVolley1>},
    {750, 900, Ops<TickBoss1AimedVolley2>},
    {800, 900, Ops<TickBoss1AimedVolley2>},
    {900, 1160, Ops<TickBoss1AimedVolley3>},
    {1000, 1200, Ops<TickBoss1AimedVolley4>},
    {1500, 1700, Ops<TickBoss1Hazard1>},
    {1700, 1800, Ops<TickBoss1Hazard2, TickBoss1Hazard3>},
    {1800, 1900, Ops<TickBoss1Hazard4, TickBoss1Hazard5>},
    {2000, 2100, Ops<TickBoss1Hazard1>},
    {1900, 2100, Ops<TickBoss1Hazard2, TickBoss1Hazard3>},
    {2100, 2300, Ops<TickBoss1Hazard4, TickBoss1Hazard5>},
    {2300, 2700, Ops<TickBoss1Hazard2>},
    {2300, 2600, Ops<TickBoss1Hazard3, TickBoss1Hazard4>},
    {2300, 2700, Ops<TickBoss1Hazard5>},
    {2500, 2800, Ops<TickBoss1Hazard1>},
    {2700, 2800, Ops<TickBoss1AimedVolley3>},
    {2800, 3000, Ops<TickBoss1Hazard2, TickBoss1Hazard5>},
    {2920, 3000, Ops<TickBoss1AimedVolley3>},
};

const AttackWindow kBoss2Schedule[] = {
    {100, 300, Ops<TickBoss2FanVolley2, TickBoss2FanVolley3>},
    {300, 370, Ops<TickBoss2FanVolley1>},
    {380, 600, Ops<FireBoss2Lightning1, FireBoss2Lightning2>},
    {600, 750, Ops<TickBoss2FanVolley4, TickBoss2FanVolley5>},
    {750, 850, Ops<TickBoss2Hazard1>},
    {850, 950, Ops<TickBoss2Hazard1, TickBoss2Hazard2>},
    {950, 1100,
     Ops<TickBoss2FanVolley2, TickBoss2FanVolley3, TickBoss2FanVolley4, TickBoss2FanVolley5>},
    {1100, 1300, Ops<TickBoss2Hazard1, TickBoss2Hazard2, TickBoss2Hazard3>},
    {1300, 1500, Ops<TickBoss2Hazard4>},
};

const AttackWindow kBoss3Schedule[] = {
    {30, 300, Ops<TickBoss3AimedVolley4>},
    {100, 400, Ops<TickBoss3AimedVolley5, TickBoss3AimedVolley6>},
    {400, 600, Ops<TickBoss3AimedVolley4>},
    {600, 800, Ops<TickBoss3AimedVolley5, TickBoss3AimedVolley6>},
    {700, 900, Ops<TickBoss3AimedShot1>},
    {900, 1200, Ops<TickBoss3Hazard2, TickBoss3Hazard3>},
    {1060, 1200, Ops<TickBoss3AimedVolley4>},
    {1200, 1300, Ops<TickBoss3Hazard1>},
    {1300, 1500, Ops<TickBoss3AimedShot1>},
    {1450, 2050, Ops<TickBoss3Hazard2, TickBoss3Hazard3>},
    {1600, 1700, Ops<TickBoss3AimedVolley5, TickBoss3AimedVolley6>},
    {1700, 2000, Ops<TickBoss3Hazard1>},
};

float Clock(StageClock c) { return c == kFirst ? gStageClock : gStageClock2; }

bool Attacking(const BossSection& s) { return s.boss->hp > 0.0f && s.boss->hp < s.attackLimit; }

// The laser reads the counter as the last frame left it: at exactly 1350 it runs twice.
void RunLaser(const BossSection& s) {
  const int a = *s.counter;
  if (a >= 1180 && a <= 1350) DrawBoss1Laser();
  if (a >= 1350 && a <= 1500) DrawBoss1Laser();
}

}  // namespace

// Stage 1's boss times out on the second clock, 100 units before its section
// would close, and the section stays open until the defeat has handed over.
const BossSection kBoss1Section{.clock = kSecond,
                                .openAfter = 323,
                                .closeBefore = 10100,
                                .openWhileDefeated = true,
                                .boss = &gBoss1,
                                .move = MoveBoss1,
                                .draw = DrawBoss1,
                                .defeat = DefeatBoss1,
                                .attackLimit = 610,
                                .counter = &gBoss1AttackCount,
                                .wrapAt = 3001,
                                .wrapTo = 10,
                                .schedule = kBoss1Schedule,
                                .timeoutFrom = 10000,
                                .timeoutTo = 10100,
                                .laser = true};
const BossSection kBoss2Section{.clock = kFirst,
                                .openAfter = 1450,
                                .closeBefore = 11100,
                                .openWhileDefeated = false,
                                .boss = &gBoss2,
                                .move = MoveBoss2,
                                .draw = DrawBoss2,
                                .defeat = DefeatBoss2,
                                .attackLimit = 590,
                                .counter = &gBoss2AttackCount,
                                .wrapAt = 1500,
                                .wrapTo = 0,
                                .schedule = kBoss2Schedule,
                                .timeoutFrom = 11000,
                                .timeoutTo = 11100,
                                .laser = false};
const BossSection kBoss3Section{.clock = kFirst,
                                .openAfter = 1890,
                                .closeBefore = 11100,
                                .openWhileDefeated = false,
                                .boss = &gBoss3,
                                .move = MoveBoss3,
                                .draw = DrawBoss3,
                                .defeat = DefeatBoss3,
                                .attackLimit = 585,
                                .counter = &gBoss3AttackCount,
                                .wrapAt = 2060,
                                .wrapTo = 0,
                                .schedule = kBoss3Schedule,
                                .timeoutFrom = 11000,
                                .timeoutTo = 11100,
                                .laser = false};

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
