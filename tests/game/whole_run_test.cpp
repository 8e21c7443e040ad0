// Scripted play of type-1 ships on a fixed clock and seed, summed up as text
// and compared with the committed expectations in tests/game/expected/.
#include "tests/game/whole_run.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "bosses/boss_bodies.h"
#include "bosses/boss_state.h"
#include "enemies/zak52.h"
#include "game/scenes.h"
#include "platform/keys.h"

namespace {

using namespace whole_run;

// Fire all along, weave up and down, and bomb every ten seconds.
void ScriptKeys(int seconds) {
  headless::KeyDown(kPlay, 'Z');
  for (int s = 0; s < seconds; s += 4) {
    const int at = kPlay + s * kSecond;
    headless::KeyDown(at, plat::kVkUp);
    headless::KeyUp(at + 2 * kSecond, plat::kVkUp);
    headless::KeyDown(at + 2 * kSecond, plat::kVkDown);
    headless::KeyUp(at + 4 * kSecond, plat::kVkDown);
    if (s % 10 == 8) headless::TapKey(at + kSecond, 'X', 3);
  }
}

TEST_F(WholeRunTest, AMinuteOfStage1PlaysExactlyAsRecorded) {
  constexpr int kSeconds = 60;
  ScriptKeys(kSeconds);
  std::ostringstream summary;
  Every([&](int f) {
    const int t = f - kPlay;
    if (t <= 0 || t % (5 * kSecond) != 0) return;
    summary << "t=" << t / kSecond << "s scene=" << gScene << " score=" << gScore
            << " lives=" << gLives << " bombs=" << gBombStock << " clock=" << gStageClock
            << " frame=" << std::hex << FrameHash() << std::dec << "\n";
  });
  RunFrames(kPlay + kSeconds * kSecond + 1);
  ExpectSummary(summary.str(), "stage1_run.txt");
}

// A stage's waves played on a clock driven through its whole timeline, then
// its boss section, with the boss's hp worn down from its start through the
// gate that starts its attacks. Each stage runs twice: in its own level of
// play and in the other difficulty with the other extra choice, so that
// between the two every timeline and schedule row's mode is met.
struct StageRun {
  int stage;
  int scene;
  int difficulty, extra;
  float bossOpens;  // clock value at which the boss section opens
  BossState* boss;
  int32_t* counter;
  int counterExtra;  // attack counts added per frame, so the schedule comes round
  int cycleFrames;   // frames of the natural-rate sweep of the boss's schedule (0: none)
  bool otherMode = false;
};

// "Stage4", or "Stage4OtherMode" for the run in the other level of play.
std::string RunName(const StageRun& r) {
  return "Stage" + std::to_string(r.stage) + (r.otherMode ? "OtherMode" : "");
}

// The file of a run's summary: "stage4_boss_run.txt", "stage4_other_mode_boss_run.txt".
std::string SummaryFile(const StageRun& r, const char* what) {
  return "stage" + std::to_string(r.stage) + (r.otherMode ? "_other_mode_" : "_") + what + ".txt";
}

void PrintTo(const StageRun& r, std::ostream* os) { *os << RunName(r); }

constexpr int kWaveFrames = 12 * kSecond;
constexpr int kBossFrames = 14 * kSecond;
// Besides what the shots take, the boss run wears the boss's hp down by
// kBossWear a frame to kBossWearDepth below its start: through every stage's
// attack gate, so that the frame and hp at which its counter first moves show
// where the gate lies.
constexpr float kBossWear = 0.5f;
constexpr float kBossWearDepth = 40.0f;
// The windows run holds the boss's hp below every stage's attack gate, so that
// its schedule runs from the boss's arrival.
constexpr float kBossHpCap = 580.0f;
constexpr int kBossEntryFrames = 15 * kSecond;  // the slowest boss's way in
// Stage 1 runs its first clock to Zak52's switch, then its second clock.
constexpr float kStage1Switch = 1840.0f;

// Brings the stage clock to `v` of the whole run's clock, across stage 1's switch.
void DriveClock(const StageRun& r, float v) {
  if (r.stage != 1) {
    gStageClock = v;
  } else if (gStageClock >= 0.0f) {
    gStageClock = std::min(v, kStage1Switch);
    if (v >= kStage1Switch) gZak52.dying = 1;  // the frame switches clocks
  } else {
    gStageClock2 = std::max(gStageClock2, v - kStage1Switch);
  }
}

class StageRunTest : public WholeRunTest, public ::testing::WithParamInterface<StageRun> {};

// Folds `bytes` bytes at `data` into a digest, eight at a time.
uint64_t Fold(uint64_t h, const void* data, size_t bytes) {
  const auto* p = static_cast<const std::byte*>(data);
  for (size_t i = 0; i + 8 <= bytes; i += 8) {
    uint64_t w;
    std::memcpy(&w, p + i, 8);
    h = (h ^ w) * 1099511628211ull;
  }
  return h;
}

TEST_P(StageRunTest, AStageAndItsAttackingBossPlayExactlyAsRecorded) {
  const StageRun r = GetParam();
  constexpr int kBossFrom = kPlay + kWaveFrames;
  ScriptKeys((kWaveFrames + kBossFrames) / kSecond);
  At(kPlay, [&] {
    if (r.scene != SceneStage1) ChangeScene(r.scene, 3, 30);
    gStageClock = 0.0f;
    gDifficulty = r.difficulty;
    gDifficultyExtra = r.extra;
  });
  std::ostringstream summary;
  float wornTo = 0.0f;
  bool attacking = false;
  // Every play table after every frame, so that a bullet which comes and goes
  // between two rows of the summary still shows.
  uint64_t tables = 0;
  Every([&](int f) {
    const int t = f - kPlay;
    if (t > 0)
      for (const ResetTable& table : ResetTables()) tables = Fold(tables, table.data, table.bytes);
    if (t > 0 && t <= kWaveFrames) DriveClock(r, r.bossOpens * t / kWaveFrames);
    if (f > kBossFrom) {
      NoteFirstAttack(summary, attacking, f - 1 - kBossFrom, r.boss->hp, *r.counter);
      if (f == kBossFrom + 1) wornTo = r.boss->hp - kBossWearDepth;
      if (r.boss->hp > wornTo) r.boss->hp = std::max(wornTo, r.boss->hp - kBossWear);
      if (*r.counter > 0) *r.counter += r.counterExtra;
    }
    if (t <= 0 || t % (2 * kSecond) != 0) return;
    summary << "t=" << t / kSecond << "s scene=" << gScene << " clock=" << gStageClock << "/"
            << gStageClock2 << " score=" << gScore << " lives=" << gLives << " bombs=" << gBombStock
            << " boss=" << r.boss->hp << "/" << *r.counter << " live=" << LiveSlots()
            << " frame=" << std::hex << FrameHash() << " tables=" << tables << std::dec << "\n";
    tables = 0;
  });
  RunFrames(kBossFrom + kBossFrames + 1);
  ExpectSummary(summary.str(), SummaryFile(r, "boss_run"));
}

constexpr StageRun OtherMode(StageRun r) {
  r.difficulty = 3 - r.difficulty;
  r.extra = 1 - r.extra;
  r.otherMode = true;
  return r;
}

constexpr StageRun kOwnModeRuns[] = {
    {1, SceneStage1, 1, 0, kStage1Switch + 330, &gBoss1, &gBoss1AttackCounter, 3, 0},
    {2, SceneStage2, 1, 1, 1460, &gBoss2, &gBoss2AttackCounter, 1, 1500},
    {3, SceneStage3, 2, 0, 1900, &gBoss3, &gBoss3AttackCounter, 2, 0},
    {4, SceneStage4, 1, 0, 1310, &gBoss4, &gBoss4AttackCounter, 1, 1100},
    {5, SceneStage5, 1, 1, 1310, &gBoss5, &gBoss5AttackCounter, 1, 1000},
    {6, SceneStage6, 2, 0, 1260, &gBoss6, &gBoss6AttackCounter, 1, 960},
    {7, SceneStage7, 1, 0, 1270, &gBoss7, &gBoss7AttackCounter, 1, 1300},
    {8, SceneStage8, 1, 1, 1810, &gBoss8, &gBoss8AttackCounter, 1, 1220}};

constexpr auto kStageRuns = [] {
  std::array<StageRun, 2 * std::size(kOwnModeRuns)> runs{};
  for (size_t i = 0; i < std::size(kOwnModeRuns); ++i) {
    runs[2 * i] = kOwnModeRuns[i];
    runs[2 * i + 1] = OtherMode(kOwnModeRuns[i]);
  }
  return runs;
}();

INSTANTIATE_TEST_SUITE_P(Stages, StageRunTest, ::testing::ValuesIn(kStageRuns),
                         [](const auto& info) { return RunName(info.param); });

// The windows' ends, which the fast runs above skip over: the stage clock swept
// one unit a frame with every enemy slot and the power item taken back after
// each frame, so each kind shows the first and last clock at which it started;
// then, once the boss has come in, its schedule once round at its natural
// rate, every frame and the boss's own tables (some bullets draw nothing
// headless) folded into a digest printed each 100 counts.
TEST_P(StageRunTest, WindowEndsAreAsRecorded) {
  const StageRun r = GetParam();
  const int sweepFrames = static_cast<int>(r.bossOpens);
  const int bossFrom = kPlay + sweepFrames;
  At(kPlay, [&] {
    if (r.scene != SceneStage1) ChangeScene(r.scene, 3, 30);
    gStageClock = 0.0f;
    gDifficulty = r.difficulty;
    gDifficultyExtra = r.extra;
  });
  // Per kind, the runs of clock values at which a slot started; a gap of more
  // than kGap units begins a new run.
  constexpr int kGap = 50;
  constexpr int kPowerItem = kTBoss1;  // the row after the enemy kinds
  std::vector<std::pair<int, int>> runs[kPowerItem + 1];
  const std::string prefix = "gBoss" + std::to_string(r.stage);
  std::vector<ResetTable> bossTables;
  for (const ResetTable& table : ResetTables())
    if (std::string(table.name).starts_with(prefix)) bossTables.push_back(table);
  uint64_t digest = 0;
  int lastCount = 0, attackFrom = 0;
  std::ostringstream summary;
  Every([&](int f) {
    const int t = f - kPlay;
    if (t > 1 && t <= sweepFrames + 1) {
      for (int k = 0; k <= kPowerItem; ++k) {
        bool started = false;
        if (k == kPowerItem) {
          started = gPowerItem.active != 0;
          gPowerItem.active = 0;
        } else {
          for (int slot = 0; slot < kTargets[k].slots; ++slot) {
            int32_t& alive = SlotField(kTargets[k].hitSkip + 1, kTargets[k].stride, slot);
            started |= alive != 0;
            if (k != kTZak52) alive = 0;
          }
        }
        if (!started) continue;
        if (runs[k].empty() || t - 1 - runs[k].back().second > kGap) runs[k].push_back({t - 1, 0});
        runs[k].back().second = t - 1;
      }
    }
    if (t > 0 && t <= sweepFrames) DriveClock(r, static_cast<float>(t));
    // The boss attacks once it has come in (a parked boss waits at -500, 500),
    // for one round of its schedule.
    const bool inPlace = r.boss->x > -100.0f && r.boss->x < 600.0f && r.boss->y >= 0.0f;
    if (f <= bossFrom || (attackFrom == 0 && !inPlace)) return;
    if (attackFrom == 0) attackFrom = f;
    if (f - attackFrom > r.cycleFrames) return;
    if (r.boss->hp > kBossHpCap) r.boss->hp = kBossHpCap;
    const auto& frame = headless::LastFrame();
    digest = Fold(digest, frame.data(), frame.size() * sizeof(frame[0]));
    for (const ResetTable& table : bossTables) digest = Fold(digest, table.data, table.bytes);
    if (*r.counter % 100 == 0 && *r.counter != lastCount) {
      summary << "count=" << *r.counter << " frames=" << std::hex << digest << std::dec << "\n";
      digest = 0;
    }
    lastCount = *r.counter;
  });
  RunFrames(bossFrom + (r.cycleFrames > 0 ? kBossEntryFrames + r.cycleFrames : 0) + 1);
  std::ostringstream windows;
  for (int k = 0; k <= kPowerItem; ++k) {
    if (runs[k].empty()) continue;
    windows << (k == kPowerItem ? "power item" : "kind " + std::to_string(k)) << ":";
    for (const auto& [from, to] : runs[k]) windows << " " << from << ".." << to;
    windows << "\n";
  }
  ExpectSummary(windows.str() + summary.str(), SummaryFile(r, "windows"));
}

}  // namespace
