#include "stages4to8/boss_sections48.h"

#include "bosses/boss_bodies.h"
#include "bosses/late_boss_bodies.h"

namespace {

// Every section of stages 4 to 8 opens after `openAfter` on the stage clock,
// runs its schedule while 0 < hp < `gate`, counts 1 to `wrap` + 1 and times
// the boss out from 11000.
constexpr BossSection LateSection(float openAfter, BossState& boss, void (*move)(), void (*draw)(),
                                  void (*defeat)(), float gate, int32_t& counter, int wrap) {
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
          .schedule = {},
          .timeoutFrom = 11000,
          .timeoutTo = 11100,
          .laser = false};
}

}  // namespace

const BossSection kBoss4Section =
    LateSection(1300, gBoss4, MoveBoss4, DrawBoss4, DefeatBoss4, 780, gBoss4AttackCounter, 1099);
const BossSection kBoss5Section =
    LateSection(1300, gBoss5, MoveBoss5, DrawBoss5, DefeatBoss5, 980, gBoss5AttackCounter, 999);
const BossSection kBoss6Section =
    LateSection(1250, gBoss6, MoveBoss6, DrawBoss6, DefeatBoss6, 980, gBoss6AttackCounter, 959);
const BossSection kBoss7Section =
    LateSection(1260, gBoss7, MoveBoss7, DrawBoss7, DefeatBoss7, 980, gBoss7AttackCounter, 1299);
const BossSection kBoss8Section =
    LateSection(1800, gBoss8, MoveBoss8, DrawBoss8, DefeatBoss8, 1200, gBoss8AttackCounter, 1219);
