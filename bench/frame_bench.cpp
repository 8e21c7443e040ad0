// Whole headless frames of each stage: entered through a scene change, its
// waves from the stage's start, then its boss attacking. Per stage: mean,
// p99 and worst microseconds per frame and heap allocations per frame of the
// game thread, and the stage-entry frame on its own. The ship is kept alive
// and never fires; the boss is wounded on entry, so it attacks throughout.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <vector>

#include "bosses/boss_bodies.h"
#include "bosses/boss_state.h"
#include "engine/system/ko_system.h"
#include "game/game_state.h"
#include "game/scenes.h"
#include "platform/headless/headless.h"
#include "platform/keys.h"
#include "tests/support/alloc_counter.h"

namespace {

using Clock = std::chrono::steady_clock;

// Enter on the title starts stage 1; its transition is over by kEnter.
constexpr int kEnter = 40;
constexpr int kWaveFrames = 3000;  // 50 s of the stage from its start
constexpr int kBossFrames = 1800;  // 30 s of the boss section, attacking

struct Stage {
  int scene;
  float bossClock;   // the clock just before the boss section opens
  bool secondClock;  // stage 1's boss runs on the second clock
  BossState* boss;
  int32_t* attacks;  // the boss's attack counter
};

const Stage kStages[] = {{SceneStage1, 313.0f, true, &gBoss1, &gBoss1AttackCounter},
                         {SceneStage2, 1440.0f, false, &gBoss2, &gBoss2AttackCounter},
                         {SceneStage3, 1880.0f, false, &gBoss3, &gBoss3AttackCounter},
                         {SceneStage4, 1290.0f, false, &gBoss4, &gBoss4AttackCounter},
                         {SceneStage5, 1290.0f, false, &gBoss5, &gBoss5AttackCounter},
                         {SceneStage6, 1240.0f, false, &gBoss6, &gBoss6AttackCounter},
                         {SceneStage7, 1250.0f, false, &gBoss7, &gBoss7AttackCounter},
                         {SceneStage8, 1790.0f, false, &gBoss8, &gBoss8AttackCounter}};

struct Frame {
  double us;
  size_t allocs;
};

// Runs the game and measures every frame from kEnter on (frame kEnter is the
// entry). `attackFrames` counts the frames in which the boss's attack counter
// moved; a stage left early shows as missing frames.
std::vector<Frame> PlayStage(const Stage& s, int& attackFrames) {
  headless::Reset(1000);
  headless::SetProgramDir(VORENDALITE_ASSET_DIR);
  headless::SetFrameLimit(100000);
  headless::KeyDown(2, plat::kVkReturn);
  headless::KeyUp(3, plat::kVkReturn);
  std::vector<Frame> frames;
  frames.reserve(kWaveFrames + kBossFrames + 1);
  Clock::time_point start;
  int32_t lastCount = 0;
  attackFrames = 0;
  const int last = kEnter + kWaveFrames + kBossFrames;
  // Runs before frame f: closes the measure of frame f - 1, steers, opens frame f's.
  headless::OnFrame([&](int f) {
    const Clock::time_point end = Clock::now();
    const size_t allocs = alloc_counter::Stop();
    if (f > kEnter && f <= last + 1 && gScene == s.scene)
      frames.push_back({std::chrono::duration<double, std::micro>(end - start).count(), allocs});
    if (*s.attacks != lastCount) ++attackFrames;
    lastCount = *s.attacks;
    if (f == kEnter) {
      ChangeScene(s.scene, 3, 30);
      gStageClock = 0.0f;
    }
    if (f == kEnter + kWaveFrames) {
      s.boss->hp = 500.0f;  // a wounded boss attacks; the ship never fires, so it stays so
      if (s.secondClock) {
        gStageClock = -100.0f;
        gStageClock2 = s.bossClock;
      } else {
        gStageClock = s.bossClock;
      }
    }
    gLives = 111;  // never below 1: no continue prompt pauses the stage
    alloc_counter::Start();
    start = Clock::now();
  });
  headless::Close(last + 2);
  WinMain("");
  alloc_counter::Stop();
  return frames;
}

void BM_StageFrames(benchmark::State& state) {
  const Stage& s = kStages[state.range(0) - 1];
  std::vector<Frame> frames;
  int attackFrames = 0;
  for (auto _ : state) frames = PlayStage(s, attackFrames);
  if (frames.size() != kWaveFrames + kBossFrames + 1 || attackFrames < kBossFrames / 2) {
    state.SkipWithError("the stage was left early or its boss did not attack");
    return;
  }
  const Frame entry = frames.front();
  std::vector<double> us;
  double sum = 0;
  size_t allocs = 0;
  for (size_t i = 1; i < frames.size(); ++i) {
    us.push_back(frames[i].us);
    sum += frames[i].us;
    allocs += frames[i].allocs;
  }
  std::sort(us.begin(), us.end());
  state.counters["mean_us"] = sum / static_cast<double>(us.size());
  state.counters["p99_us"] = us[us.size() * 99 / 100];
  state.counters["max_us"] = us.back();
  state.counters["allocs/frame"] = static_cast<double>(allocs) / static_cast<double>(us.size());
  state.counters["allocs"] = static_cast<double>(allocs);
  state.counters["entry_us"] = entry.us;
  state.counters["entry_allocs"] = static_cast<double>(entry.allocs);
  state.counters["attack_frames"] = attackFrames;
  state.SetLabel("stage " + std::to_string(state.range(0)));
}

BENCHMARK(BM_StageFrames)->DenseRange(1, 8)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
