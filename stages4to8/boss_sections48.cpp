#include "stages4to8/boss_sections48.h"

#include "bosses/boss_bodies.h"
#include "bosses/late_aimed.h"
#include "bosses/late_boss_bodies.h"
#include "bosses/late_drops.h"
#include "bosses/late_fans.h"
#include "bosses/late_pairs.h"

namespace {

const AttackWindow kBoss4Schedule[] = {
    {30, 120, Ops<TickBoss4AimedVolley1, TickBoss4AimedVolley2>},
    {80, 150, Ops<TickBoss4PairShot1, TickBoss4PairShot2, TickBoss4PairShot3>},
    {200, 300, Ops<TickBoss4FanVolley6, TickBoss4FanVolley7>},
    {300, 400, Ops<TickBoss4AimedVolley1, TickBoss4AimedVolley2>},
    {400, 500, Ops<TickBoss4FanVolley4, TickBoss4FanVolley5>},
    {500, 550, Ops<TickBoss4AimedVolley1, TickBoss4AimedVolley2>},
    {550, 800, Ops<TickBoss4FanVolley4, TickBoss4FanVolley5>},
    {800, 950, Ops<TickBoss4FanVolley1>},
};

const AttackWindow kBoss5Schedule[] = {
    {0, 100, Ops<TickBoss5FanVolley2, TickBoss5FanVolley3>},
    {200, 300, Ops<TickBoss5FanVolley1>},
    {240, 280, Ops<TickBoss5AimedVolley1, TickBoss5AimedVolley2>},
    {300, 350, Ops<TickBoss5AimedVolley3, TickBoss5AimedVolley4>},
    {370, 450, Ops<TickBoss5FanVolley6, TickBoss5FanVolley7>},
    {500, 680, Ops<TickBoss5FanVolley4, TickBoss5FanVolley5>},
    {700, 850, Ops<TickBoss5AimedVolley3, TickBoss5AimedVolley4>},
    {860, 1000, Ops<TickBoss5AimedVolley1, TickBoss5AimedVolley2>},
};

const AttackWindow kBoss6Schedule[] = {
    {50, 190, Ops<TickBoss6FanVolley1>},
    {0, 200, Ops<TickBoss6PairShot1, TickBoss6PairShot2>},
    {100, 200, Ops<TickBoss6FanVolley4, TickBoss6FanVolley5>},
    {200, 400, Ops<TickBoss6FanVolley2, TickBoss6FanVolley3>},
    {450, 600, Ops<TickBoss6FanVolley1>},
    {400, 600, Ops<TickBoss6FiveWay1, TickBoss6FiveWay2>},
    {600, 950, Ops<TickBoss6PairShot1, TickBoss6PairShot2>},
    {650, 900, Ops<TickBoss6FanVolley4, TickBoss6FanVolley5>},
    {700, 900, Ops<TickBoss6FanVolley1>},
    {700, 950, Ops<TickBoss6FanVolley2, TickBoss6FanVolley3>},
};

const AttackWindow kBoss7Schedule[] = {
    {0, 50, Ops<TickBoss7FanVolley4, TickBoss7FanVolley5>},
    {50, 100, Ops<TickBoss7FanVolley2, TickBoss7FanVolley3>},
    {100, 400, Ops<TickBoss7FanVolley4, TickBoss7FanVolley5>},
    {150, 400, Ops<TickBoss7FanVolley2, TickBoss7FanVolley3>},
    {400, 500, Ops<TickBoss7AimedShot1, TickBoss7AimedShot2>},
    {450, 500, Ops<TickBoss7FanVolley1>},
    {500, 700, Ops<TickBoss7FanVolley2, TickBoss7FanVolley3>},
    {480, 580, Ops<TickBoss7PairShot1, TickBoss7PairShot2>},
    {580, 700, Ops<TickBoss7FiveWay1, TickBoss7FiveWay2>},
    {700, 1000, Ops<TickBoss7FanVolley2, TickBoss7FanVolley3>},
    {750, 1100, Ops<TickBoss7FanVolley4, TickBoss7FanVolley5>},
    {1050, 1300, Ops<TickBoss7FiveWay1, TickBoss7FiveWay2>},
};

const AttackWindow kBoss8Schedule[] = {
    {20, 80, Ops<TickBoss8FanVolley4, TickBoss8FanVolley5>},
    {80, 160, Ops<TickBoss8FanVolley2, TickBoss8FanVolley3>},
    {160, 260, Ops<TickBoss8FanVolley1>},
    {260, 360, Ops<TickBoss8AimedShot1>},
    {360, 460, Ops<TickBoss8FanVolley1>},
    {390, 460,
     Ops<FireBoss8Drop1, FireBoss8Drop2, FireBoss8Drop3, FireBoss8Drop4, FireBoss8Drop5,
         FireBoss8Drop6, FireBoss8Drop7, FireBoss8Drop8, FireBoss8Drop9>},
    {460, 800, Ops<TickBoss8AimedShot1, TickBoss8FanVolley4, TickBoss8FanVolley5>},
    {800, 1220,
     Ops<TickBoss8FanVolley4, TickBoss8FanVolley5, TickBoss8FanVolley2, TickBoss8FanVolley3>},
    {1000, 1050, Ops<TickBoss8AimedShot1>},
    {1140, 1200,
     Ops<FireBoss8Drop1, FireBoss8Drop2, FireBoss8Drop3, FireBoss8Drop4, FireBoss8Drop5,
         FireBoss8Drop6, FireBoss8Drop7, FireBoss8Drop8, FireBoss8Drop9>},
};

// Outside normal play, each of three bands of hp drops a spread of bullets
// on every frame.
constexpr auto kBoss4DropOps =
    Ops<FireBoss4Drop1, FireBoss4Drop2, FireBoss4Drop3, FireBoss4Drop4, FireBoss4Drop5,
        FireBoss4Drop6, FireBoss4Drop7, FireBoss4Drop8, FireBoss4Drop8, FireBoss4Drop9>;
const HpBand kBoss4DropBands[] = {
    {Mode::kNotNormal, 740, 770, kBoss4DropOps},
    {Mode::kNotNormal, 460, 490, kBoss4DropOps},
    {Mode::kNotNormal, 60, 90, kBoss4DropOps},
};

// Every section of stages 4 to 8 opens after `openAfter` on the stage clock,
// runs its schedule while 0 < hp < `gate`, counts 1 to `wrap` + 1 and times
// the boss out from 11000.
constexpr BossSection LateSection(float openAfter, BossState& boss, void (*move)(), void (*draw)(),
                                  void (*defeat)(), float gate, int32_t& counter, int wrap,
                                  std::span<const AttackWindow> schedule,
                                  std::span<const HpBand> hpBands = {}) {
  return {.clock = StageClock::kFirst,
          .openAfter = openAfter,
          .closeBefore = 11100,
          .openWhileDefeated = false,
          .boss = &boss,
          .move = move,
          .draw = draw,
          .defeat = defeat,
          .attackLimit = gate,
          .counter = &counter,
          .wrapAt = wrap + 1,
          .wrapTo = 0,
          .schedule = schedule,
          .timeoutFrom = 11000,
          .timeoutTo = 11100,
          .laser = false,
          .hpBands = hpBands};
}

}  // namespace

const BossSection kBoss4Section =
    LateSection(1300, gBoss4, MoveBoss4, DrawBoss4, DefeatBoss4, 780, gBoss4AttackCounter, 1099,
                kBoss4Schedule, kBoss4DropBands);
const BossSection kBoss5Section = LateSection(1300, gBoss5, MoveBoss5, DrawBoss5, DefeatBoss5, 980,
                                              gBoss5AttackCounter, 999, kBoss5Schedule);
const BossSection kBoss6Section = LateSection(1250, gBoss6, MoveBoss6, DrawBoss6, DefeatBoss6, 980,
                                              gBoss6AttackCounter, 959, kBoss6Schedule);
const BossSection kBoss7Section = LateSection(1260, gBoss7, MoveBoss7, DrawBoss7, DefeatBoss7, 980,
                                              gBoss7AttackCounter, 1299, kBoss7Schedule);
const BossSection kBoss8Section = LateSection(1800, gBoss8, MoveBoss8, DrawBoss8, DefeatBoss8, 1200,
                                              gBoss8AttackCounter, 1219, kBoss8Schedule);
