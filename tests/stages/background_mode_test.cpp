// The background modes of every stage. Mode 1, which no menu sets, scrolls no
// strips and streams only the stage's own mode-1 particle field (none in
// stage 1); mode 0 scrolls the stage's strips and streams its mode-0 field
// (none in stages 5 to 8). A particle that leaves the screen comes back at
// x 640 with the speed base + rand() % range of the field in force, so the
// speeds of the ones that come back show each stage's row of either mode.
#include <string>
#include <vector>

#include "engine/draw/ko_draw.h"
#include "engine/system/ko_system.h"
#include "game/assets.h"
#include "game/backgrounds.h"
#include "game/scenes.h"
#include "tests/game/player_fixture.h"

namespace {

struct Field {
  int range, base;  // range 0: no particles
};

struct StageBackground {
  const char* name;
  int scene;
  Field mode0, mode1;
};

const StageBackground kStages[] = {
    {"Stage1", SceneStage1, {80, 80}, {0, 0}},
    {"Stage2", SceneStage2, {120, 120}, {120, 120}},
    {"Stage3", SceneStage3, {200, 200}, {150, 150}},
    {"Stage4", SceneStage4, {80, 80}, {200, 150}},
    {"Stage5", SceneStage5, {0, 0}, {220, 200}},
    {"Stage6", SceneStage6, {0, 0}, {180, 180}},
    {"Stage7", SceneStage7, {0, 0}, {200, 200}},
    {"Stage8", SceneStage8, {0, 0}, {300, 300}},
};

void PrintTo(const StageBackground& s, std::ostream* os) { *os << s.name; }

// The last particle, drawn after the others where nothing else draws: the test
// reads its pixel.
constexpr int kProbe = kParticleCount - 1;
constexpr int kProbeX = 600, kProbeY = 450;
constexpr uint32_t kSeed = 4242;

// Even particles leave the screen in the next update, odd ones stay on it.
void LayOutParticles() {
  for (int i = 0; i < kParticleCount; ++i)
    gBackgroundParticles[i] =
        i % 2 == 0 ? BackgroundParticle{i % 7, -5.0f, static_cast<float>(i), 100.0f, 0.0f}
                   : BackgroundParticle{i % 7, 100.0f + i, 200.0f, 30.0f, 0.0f};
  gBackgroundParticles[kProbe].x = kProbeX;
  gBackgroundParticles[kProbe].y = kProbeY;
}

// The first strip of every scroller the stages use.
std::vector<float> Strips() {
  return {gBack1Strips[0].x,  gBack1uStrips[0].x, gStage5Strips[0].y,
          gStage6Strips[0].y, gStage7Strips[0].y, gStage8Strips[0].y};
}

// One update with `field` at frame time `scale`: each particle that left takes
// its type, height and speed from the next three draws in turn, the others fly on.
std::vector<BackgroundParticle> Updated(const std::vector<BackgroundParticle>& before, Field field,
                                        float scale, const std::vector<int>& draws) {
  if (field.range == 0) return before;
  std::vector<BackgroundParticle> after = before;
  size_t next = 0;
  for (BackgroundParticle& p : after) {
    p.x -= p.speed * scale;
    if (p.x >= -6.0f) continue;
    p.type = draws[next++] % 7;
    p.x = 640.0f;
    p.y = static_cast<float>(draws[next++] % 480);
    p.speed = static_cast<float>(field.base + draws[next++] % field.range);
  }
  return after;
}

bool Same(const BackgroundParticle& a, const BackgroundParticle& b) {
  return a.type == b.type && a.x == b.x && a.y == b.y && a.speed == b.speed && a.ySpeed == b.ySpeed;
}

class BackgroundModeTest : public PlayerTest,
                           public ::testing::WithParamInterface<StageBackground> {};

TEST_P(BackgroundModeTest, EachModeScrollsItsStripsAndStreamsTheStagesOwnParticleField) {
  const StageBackground s = GetParam();
  struct Seen {
    bool stripsMoved;
    std::vector<int> wrong;  // particles that differ from the field's update
    bool probeShown;
  };
  std::vector<Seen> seen;
  At(kPlay, [&] {
    if (s.scene != SceneStage1) SwitchScene(s.scene);
  });
  std::vector<BackgroundParticle> before;
  std::vector<float> strips;
  std::vector<int> draws;
  for (int mode : {0, 1}) {
    const int f = kPlay + 2 + 2 * mode;
    At(f, [&, mode] {
      ASSERT_EQ(gScene, s.scene);
      gBackgroundMode = mode;
      LayOutParticles();
      before.assign(gBackgroundParticles, gBackgroundParticles + kParticleCount);
      strips = Strips();
      koSystem::SeedRand(kSeed);
      draws.clear();
      for (int i = 0; i < 3 * kParticleCount; ++i) draws.push_back(koSystem::Rand());
      koSystem::SeedRand(kSeed);
    });
    At(f + 1, [&, mode] {
      const Field field = mode == 0 ? s.mode0 : s.mode1;
      const std::vector<BackgroundParticle> want = Updated(before, field, gFrameScale, draws);
      Seen now{Strips() != strips, {}, false};
      for (int i = 0; i < kParticleCount; ++i)
        if (!Same(gBackgroundParticles[i], want[i])) now.wrong.push_back(i);
      const uint16_t colour =
          koDraw::ObjectSurface(gPicMymy)->Row(70)[139 + 3 * before[kProbe].type];
      now.probeShown = headless::LastFrame()[kProbeY * 640 + kProbeX] == colour;
      seen.push_back(now);
      gBackgroundMode = 0;
    });
  }
  RunFrames(kPlay + 6);
  ASSERT_EQ(seen.size(), 2u);
  for (int mode : {0, 1}) {
    SCOPED_TRACE(testing::Message() << "mode " << mode);
    const Seen& m = seen[mode];
    EXPECT_EQ(m.stripsMoved, mode == 0);
    EXPECT_EQ(m.wrong, std::vector<int>{});
    EXPECT_EQ(m.probeShown, (mode == 0 ? s.mode0 : s.mode1).range != 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Stages, BackgroundModeTest, ::testing::ValuesIn(kStages),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
