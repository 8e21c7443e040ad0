// The homing missiles that each of stages 4 to 8 flies after its shot hit pass.
#include <string>
#include <vector>

#include "enemies/divers.h"
#include "enemies/zak4.h"
#include "game/scenes.h"
#include "homing/boss_homing.h"
#include "homing/enemy_homing.h"
#include "tests/game/player_fixture.h"

namespace {

struct HomingCase {
  const char* name;
  int scene;
  HomingMissile* ownBossA;
  HomingMissile* ownBossB;
  HomingMissile* otherBoss;
  std::vector<bool> flown;  // Zak2, Diver80L, VolleyZakA, Zak4D, own boss A, B, another boss
};

void PrintTo(const HomingCase& c, std::ostream* os) { *os << c.name; }

class StageHomingTest : public PlayerTest, public ::testing::WithParamInterface<HomingCase> {};

TEST_P(StageHomingTest, EachStageFliesTheMissilesOfItsOwnSets) {
  const HomingCase c = GetParam();
  HomingMissile* const watched[] = {gHomingZak2, gHomingDiver80L, gHomingVolleyZakA, gHomingZak4D,
                                    c.ownBossA,  c.ownBossB,      c.otherBoss};
  std::vector<bool> flown;
  At(kPlay, [&] { ChangeScene(c.scene, 3, 30); });
  At(kPlay + 2, [&] {
    gStageClock = 100.0f;
    for (HomingMissile* m : watched) *m = HomingMissile{100, 100, 1, 0, 0, 0, 0, 0, 100, 0};
  });
  At(kPlay + 3, [&] {
    for (HomingMissile* m : watched) flown.push_back(m->x != 100.0f || m->y != 100.0f);
  });
  RunFrames(kPlay + 4);
  EXPECT_EQ(flown, c.flown);
}

INSTANTIATE_TEST_SUITE_P(
    Stages, StageHomingTest,
    ::testing::Values(HomingCase{"Stage4",
                                 SceneStage4,
                                 gHomingBoss4A,
                                 gHomingBoss4B,
                                 gHomingBoss5A,
                                 {false, true, true, true, true, true, false}},
                      HomingCase{"Stage5",
                                 SceneStage5,
                                 gHomingBoss5A,
                                 gHomingBoss5B,
                                 gHomingBoss4A,
                                 {false, true, true, true, true, true, false}},
                      HomingCase{"Stage6",
                                 SceneStage6,
                                 gHomingBoss6A,
                                 gHomingBoss6B,
                                 gHomingBoss7A,
                                 {true, true, true, true, true, true, false}},
                      HomingCase{"Stage7",
                                 SceneStage7,
                                 gHomingBoss7A,
                                 gHomingBoss7B,
                                 gHomingBoss8A,
                                 {false, true, true, false, true, true, false}},
                      HomingCase{"Stage8",
                                 SceneStage8,
                                 gHomingBoss8A,
                                 gHomingBoss8B,
                                 gHomingBoss1A,
                                 {false, true, true, false, true, true, false}}),
    [](const auto& info) { return std::string(info.param.name); });

// A pixel of a bolt: no red, green 56 to 155 and blue 156 to 255 (RGB 565).
bool BoltColour(uint16_t p) {
  const int r = p >> 11, g = (p >> 5) & 63, b = p & 31;
  return r == 0 && g >= 56 / 4 && g <= 155 / 4 && b >= 156 / 8;
}

// Each stage draws the bolts of its own sets after the power item: stage 6
// those of the Zak4 waves too, stage 7 not.
using StageBoltTest = PlayerTest;

TEST_F(StageBoltTest, EachStageDrawsTheBoltsOfItsOwnSets) {
  std::vector<bool> diverBolts, zak4Bolts;
  for (int scene : {SceneStage6, SceneStage7}) {
    const int f = kPlay + 40 * (scene - SceneStage6);
    At(f, [scene] { ChangeScene(scene, 3, 30); });
    // After the 30 frames of the entry's dissolve.
    At(f + 32, [] {
      gStageClock = 100.0f;
      gPlayerX = 100.0f;
      gPlayerY = 300.0f;
      // From the ship's corner + (27, 40) to each marker's corner + (29, 29).
      gHomingDiver80L[0] = HomingMissile{600, 450, 1, 0, 0, 0, 0, 0, 0, 0};
      gDiver80LMarkers[0] = TargetMarker{400, 40, 1, 0};
      gHomingZak4D[0] = HomingMissile{600, 450, 1, 0, 0, 0, 0, 0, 0, 0};
      gZak4DMarkers[0] = TargetMarker{-29, 311, 1, 0};
    });
    At(f + 33, [&] {
      // Midway along each straight bolt, within its width of 2.
      diverBolts.push_back(BoltColour(Pixel(278, 205)) || BoltColour(Pixel(278, 204)));
      zak4Bolts.push_back(BoltColour(Pixel(63, 340)) || BoltColour(Pixel(63, 339)));
    });
  }
  RunFrames(kPlay + 74);
  EXPECT_EQ(diverBolts, (std::vector<bool>{true, true}));
  EXPECT_EQ(zak4Bolts, (std::vector<bool>{true, false}));
}

}  // namespace
