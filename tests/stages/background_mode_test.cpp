// Background mode 1, which no menu sets: the stages then scroll no strips
// and stream only their own particle field (none in stage 1).
#include <vector>

#include "game/backgrounds.h"
#include "game/scenes.h"
#include "tests/game/player_fixture.h"

namespace {

using BackgroundModeTest = PlayerTest;

struct Snapshot {
  float stripX, stripUX;
  std::vector<float> particleX;
};

Snapshot Take() {
  Snapshot s{gBack1Strips[0].x, gBack1uStrips[0].x, {}};
  for (const BackgroundParticle& p : gBackgroundParticles) s.particleX.push_back(p.x);
  return s;
}

TEST_F(BackgroundModeTest, ModeOneScrollsNoStripsAndStreamsOnlyTheLaterStagesParticles) {
  struct Seen {
    int scene, mode;
    bool stripsMoved, particlesMoved;
  };
  std::vector<Seen> seen;
  std::vector<Snapshot> before(6);
  int f = kPlay, run = 0;
  for (int scene : {SceneStage1, SceneStage2, SceneStage3}) {
    for (int mode : {0, 1}) {
      Snapshot& mine = before[run++];
      At(f, [scene] {
        if (gScene != scene) ChangeScene(scene, 3, 30);
      });
      At(f + 2, [&mine, mode] {
        gBackgroundMode = mode;
        mine = Take();
      });
      At(f + 3, [&seen, &mine, scene, mode] {
        const Snapshot after = Take();
        seen.push_back({scene, mode, after.stripX != mine.stripX || after.stripUX != mine.stripUX,
                        after.particleX != mine.particleX});
        gBackgroundMode = 0;
      });
      f += 4;
    }
  }
  RunFrames(f);
  ASSERT_EQ(seen.size(), 6u);
  for (const Seen& s : seen) {
    SCOPED_TRACE(testing::Message() << "scene " << s.scene << " mode " << s.mode);
    EXPECT_EQ(s.stripsMoved, s.mode == 0);
    EXPECT_EQ(s.particlesMoved, s.mode == 0 || s.scene != SceneStage1);
  }
}

}  // namespace
