// The second ship type, chosen on the ship select and started from the level
// select as the front end offers them, played on a fixed clock and seed
// through stage 4's waves and then under its boss for a whole round of the
// boss's schedule, its hp bands included; summed up as text and compared with
// the committed expectation in tests/game/expected/.
#include <cstdint>
#include <sstream>

#include "bosses/boss_bodies.h"
#include "bosses/boss_state.h"
#include "game/game_state.h"
#include "game/scenes.h"
#include "platform/keys.h"
#include "player/shots.h"
#include "tests/game/whole_run.h"

namespace {

using namespace whole_run;

constexpr int kShipSelectKey = plat::kVkF1 + 5;  // the second ship
constexpr int kLevelKey = plat::kVkF1 + 1;       // hard, without the extra rows
constexpr int kChosenAt = 5, kLevelAt = 40;
constexpr int kStart = kLevelAt + 40;  // stage 1 runs and its transition is over

constexpr int kWaveFrames = 12 * kSecond;
// The boss's way in, then its schedule once round at its natural rate.
constexpr int kBossFrames = 30 * kSecond;
constexpr float kBossOpens = 1310.0f;  // the stage clock at which the boss section is open

int LiveShots(const PlayerShot* family) {
  int n = 0;
  for (int slot = 0; slot < kShotSlots; ++slot) n += family[slot].active;
  return n;
}

// Fire all along with both fire keys, which doubles the rate; sweep across
// and back without a pause, 2.4 seconds each way (one width at this ship's
// speed); every six seconds climb for 1.5 seconds and come back down to the
// foot of the screen, so that shots start both under the boss and inside its
// reach; bomb every ten seconds.
void ScriptKeys(int seconds) {
  headless::KeyDown(kStart, 'Z');
  headless::KeyDown(kStart, plat::kVkShift);
  constexpr int kSweep = 12 * kSecond / 5;
  for (int at = 0, n = 0; at < seconds * kSecond; at += kSweep, ++n)
    headless::TapKey(kStart + at, n % 2 == 0 ? plat::kVkRight : plat::kVkLeft, kSweep);
  for (int s = 0; s < seconds; s += 6) {
    headless::TapKey(kStart + s * kSecond, plat::kVkUp, 3 * kSecond / 2);
    headless::TapKey(kStart + s * kSecond + 3 * kSecond / 2, plat::kVkDown, 2 * kSecond);
  }
  for (int s = 8; s < seconds; s += 10) headless::TapKey(kStart + s * kSecond, 'X', 3);
}

// A power item laid on the ship, which its touch test collects as in play.
void LayPowerItemOnShip() {
  gPowerItem.x = gPlayerX;
  gPowerItem.y = gPlayerY;
  gPowerItem.speed = 0.0f;
  gPowerItem.active = 1;
}

TEST_F(WholeRunTest, TheSecondShipFightsABossThroughItsWholeScheduleAsRecorded) {
  At(kEnterFrame, [] { SwitchScene(SceneShipSelect); });  // Enter then does nothing
  headless::TapKey(kChosenAt, kShipSelectKey, 2);
  headless::TapKey(kLevelAt, kLevelKey, 2);
  At(kStart, [] {
    ChangeScene(SceneStage4, 3, 30);
    gStageClock = 0.0f;
  });
  ScriptKeys((kWaveFrames + kBossFrames) / kSecond);
  constexpr int kBossFrom = kStart + kWaveFrames;
  std::ostringstream summary;
  bool attacking = false;
  Every([&](int f) {
    const int t = f - kStart;
    if (t > 0 && t <= kWaveFrames) gStageClock = kBossOpens * t / kWaveFrames;
    if (f > kBossFrom) {
      // A death takes the side shots away; under the boss the ship takes an
      // item again at once, so that they fly all through the boss's attacks.
      if (gSideShots == 0 && gPlayerAlive != 0 && gPowerItem.active == 0) LayPowerItemOnShip();
      NoteFirstAttack(summary, attacking, f - 1 - kBossFrom, gBoss4.hp, gBoss4AttackCounter);
    }
    if (t <= 0 || t % kSecond != 0) return;
    summary << "t=" << t / kSecond << "s scene=" << gScene << " ship=" << gShipType
            << " clock=" << gStageClock << " score=" << gScore << " lives=" << gLives
            << " bombs=" << gBombStock << " boss=" << gBoss4.hp << "/" << gBoss4AttackCounter
            << " shots=" << LiveShots(gShotBMain) << "," << LiveShots(gShotBLeft) << ","
            << LiveShots(gShotBRight) << " live=" << LiveSlots() << " frame=" << std::hex
            << FrameHash() << std::dec << "\n";
  });
  RunFrames(kBossFrom + kBossFrames + 1);
  ExpectSummary(summary.str(), "stage4_second_ship_run.txt");
}

}  // namespace
