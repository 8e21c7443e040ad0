// Stages 4 to 8 played through the real frames: entry, clock and background,
// the boss sections' gates, wraps and time-outs, the continue, and the
// windows and double moves of their timelines.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "bosses/boss_bodies.h"
#include "bosses/boss_state.h"
#include "enemies/divers.h"
#include "enemies/template_kinds.h"
#include "game/backgrounds.h"
#include "game/scenes.h"
#include "tests/game/mci_log.h"
#include "tests/game/player_fixture.h"

namespace {

struct LateStage {
  const char* name;
  int scene;
  const char* song;  // nullptr: none
  float speed;
  BossState* boss;
  int32_t* counter;
  float openAfter, gate;
  int wrap;
  int next;
  int continueBombs;
};

const LateStage kLateStages[] = {
    {"Stage4", SceneStage4, "BRM4.MID", 16, &gBoss4, &gBoss4AttackCounter, 1300, 780, 1099,
     SceneEnding, 5},
    {"Stage5", SceneStage5, "BRM5.MID", 14, &gBoss5, &gBoss5AttackCounter, 1300, 980, 999,
     SceneStage6, 5},
    {"Stage6", SceneStage6, "BRM6.MID", 13, &gBoss6, &gBoss6AttackCounter, 1250, 980, 959,
     SceneStage7, 5},
    {"Stage7", SceneStage7, "BRM7.MID", 20, &gBoss7, &gBoss7AttackCounter, 1260, 980, 1299,
     SceneEnding, 3},
    {"Stage8", SceneStage8, nullptr, 20, &gBoss8, &gBoss8AttackCounter, 1800, 1200, 1219,
     SceneEnding, 5},
};

void PrintTo(const LateStage& s, std::ostream* os) { *os << s.name; }

void EnterStage(int scene, float clock) {
  ChangeScene(scene, 3, 30);
  gStageClock = clock;
}

class LateStageTest : public PlayerTest, public ::testing::WithParamInterface<LateStage> {};

TEST_P(LateStageTest, EntryStartsItsSongAndHoldsTheShipWhileTheClockRunsAtItsSpeed) {
  const LateStage s = GetParam();
  MciLog music;
  float clock = -1, scale = 0;
  int locked = -1;
  At(kPlay, [&] {
    gControlLocked = 0;
    EnterStage(s.scene, 0.0f);
  });
  At(kPlay + 1, [&] {
    clock = gStageClock;
    scale = gFrameScale;
    locked = gControlLocked;
  });
  RunFrames(kPlay + 2);
  EXPECT_NEAR(clock, s.speed * scale, 1e-4f);
  EXPECT_EQ(locked, 1);
  std::vector<std::string> opened;
  for (const MciLog::Command& c : music.Commands())
    if (c.frame == kPlay && c.text.starts_with("open ")) opened.push_back(c.text);
  if (s.song) {
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_NE(opened[0].find(s.song), std::string::npos) << opened[0];
  } else {
    EXPECT_TRUE(opened.empty());
  }
}

// The boss moves only strictly after the section opens; its counter runs only
// while 0 < hp < gate, runs 1 to wrap + 1 and starts again at 0.
TEST_P(LateStageTest, TheBossSectionOpensAfterItsBoundAndItsCounterRunsInsideTheGateAndWraps) {
  const LateStage s = GetParam();
  float clockAtBound = -1, clockInside = -1;
  std::vector<int> counts;
  At(kPlay, [&] { EnterStage(s.scene, 0.0f); });
  At(kPlay + 2, [&] {
    gStageClock = ClockLandingOn(s.openAfter, s.speed);
    s.boss->hp = s.gate;  // on the gate: closed
  });
  At(kPlay + 3, [&] {
    clockAtBound = s.boss->clock;
    counts.push_back(*s.counter);
  });
  At(kPlay + 4, [&] {
    clockInside = s.boss->clock;
    counts.push_back(*s.counter);
    s.boss->hp = s.gate - 1.0f;
  });
  At(kPlay + 5, [&] { counts.push_back(*s.counter); });
  At(kPlay + 6, [&] {
    counts.push_back(*s.counter);
    *s.counter = s.wrap - 1;
  });
  for (int f = kPlay + 7; f <= kPlay + 10; ++f) At(f, [&] { counts.push_back(*s.counter); });
  At(kPlay + 10, [&] { s.boss->hp = 0.0f; });  // hit down to exactly 0: shut
  At(kPlay + 11, [&] { counts.push_back(*s.counter); });
  RunFrames(kPlay + 12);
  EXPECT_EQ(clockAtBound, 0.0f);
  EXPECT_GT(clockInside, 0.0f);
  EXPECT_EQ(counts, (std::vector<int>{0, 0, 1, 2, s.wrap, 0, 1, 2, 2}));
}

// A boss left unbeaten is zeroed from clock 11000 and its defeat hands over.
TEST_P(LateStageTest, AnUnbeatenBossIsDefeatedByTheClockAndTheStageMovesOn) {
  const LateStage s = GetParam();
  float zeroedAt = -1;
  int handedOver = 0;
  At(kPlay, [&] { EnterStage(s.scene, 10990.0f); });
  Every([&](int f) {
    if (f <= kPlay + 1 || handedOver) return;
    if (gScene == s.next) handedOver = f;
    if (zeroedAt < 0 && s.boss->hp <= 0.0f) zeroedAt = gStageClock;
  });
  RunFrames(kPlay + 1000);
  EXPECT_GE(zeroedAt, 11000.0f);
  EXPECT_LT(zeroedAt, 11000.0f + s.speed / 30);
  EXPECT_GT(handedOver, 0);
}

// Past 11100 the section is shut: a boss at 0 hp neither moves nor falls.
TEST_P(LateStageTest, PastTheSectionTheBossIsLeftAlone) {
  const LateStage s = GetParam();
  At(kPlay, [&] { EnterStage(s.scene, 11100.0f); });
  At(kPlay + 2, [&] { s.boss->hp = 0.0f; });
  RunFrames(kPlay + 200);
  EXPECT_EQ(gScene, s.scene);
  EXPECT_EQ(s.boss->clock, 0.0f);
  EXPECT_EQ(s.boss->defeatClock, 0.0f);
}

TEST_P(LateStageTest, TheContinueGivesTheStagesBombStock) {
  const LateStage s = GetParam();
  At(kPlay, [&] { EnterStage(s.scene, 100.0f); });
  At(kPlay + 3, [&] {
    gPaused = gContinuePrompt = 1;
    gBombStock = 0;
    gScore = 5000;
  });
  At(kPlay + 5, [&] { gKey = 'Y'; });
  At(kPlay + 6, [&] { gKey = 0; });
  RunFrames(kPlay + 7);
  EXPECT_EQ(gPaused, 0);
  EXPECT_EQ(gBombStock, s.continueBombs);
  EXPECT_EQ(gLives, 111);
  EXPECT_EQ(gScore, 0);
}

INSTANTIATE_TEST_SUITE_P(Stages, LateStageTest, ::testing::ValuesIn(kLateStages),
                         [](const auto& info) { return std::string(info.param.name); });

using StagesTest = PlayerTest;

// Mode 0: only stage 4 moves the particles under its scrolling picture; mode 1
// moves them in every stage.
TEST_F(StagesTest, OnlyStage4LaysParticlesOverItsPictureInBackgroundMode0) {
  std::vector<bool> moved0, moved1;
  for (int mode : {0, 1})
    for (int scene = SceneStage4; scene <= SceneStage8; ++scene) {
      const int f = kPlay + 3 * (scene - SceneStage4) + 15 * mode;
      At(f, [=] {
        EnterStage(scene, 100.0f);
        gBackgroundMode = mode;
      });
      At(f + 2, [] {
        gBackgroundParticles[0].x = 300.0f;
        gBackgroundParticles[0].speed = 60.0f;
      });
      At(f + 3, [&moved0, &moved1, mode] {
        (mode == 0 ? moved0 : moved1).push_back(gBackgroundParticles[0].x < 300.0f);
      });
    }
  RunFrames(kPlay + 31);
  EXPECT_EQ(moved0, (std::vector<bool>{true, false, false, false, false}));
  EXPECT_EQ(moved1, (std::vector<bool>{true, true, true, true, true}));
}

// Stage 8 alone gives the rest of its time slice away, once a frame.
TEST_F(StagesTest, OnlyStage8SleepsAndOnceAFrame) {
  std::vector<int> sleeps;
  int before = 0;
  for (int scene = SceneStage1; scene <= SceneStage8; ++scene) {
    const int f = kPlay + 8 * (scene - SceneStage1);
    At(f, [=] { EnterStage(scene, 100.0f); });
    At(f + 2, [&] { before = headless::SleepCount(); });
    At(f + 7, [&] { sleeps.push_back(headless::SleepCount() - before); });
  }
  RunFrames(kPlay + 65);
  EXPECT_EQ(sleeps, (std::vector<int>{0, 0, 0, 0, 0, 0, 0, 5}));
}

// Mode 0: each stage scrolls its own picture; stage 4 the first stage's
// picture without its upper layer.
TEST_F(StagesTest, EachStageScrollsItsOwnPictureInBackgroundMode0) {
  BackgroundStrip* const tables[] = {gBack1uStrips, gBack1Strips,  gStage5Strips,
                                     gStage6Strips, gStage7Strips, gStage8Strips};
  std::vector<std::vector<bool>> moved;
  std::vector<BackgroundStrip> before;
  for (int scene = SceneStage4; scene <= SceneStage8; ++scene) {
    const int f = kPlay + 3 * (scene - SceneStage4);
    At(f, [=] {
      EnterStage(scene, 100.0f);
      gBackgroundMode = 0;
    });
    At(f + 2, [&] {
      before.clear();
      for (BackgroundStrip* t : tables) before.push_back(t[0]);
    });
    At(f + 3, [&] {
      std::vector<bool> m;
      for (size_t i = 0; i < before.size(); ++i)
        m.push_back(tables[i][0].x != before[i].x || tables[i][0].y != before[i].y);
      moved.push_back(m);
    });
  }
  RunFrames(kPlay + 16);
  EXPECT_EQ(moved, (std::vector<std::vector<bool>>{{false, true, false, false, false, false},
                                                   {false, false, true, false, false, false},
                                                   {false, false, false, true, false, false},
                                                   {false, false, false, false, true, false},
                                                   {false, false, false, false, false, true}}));
}

// Spawn and fire windows shut on their bounds; the power item's windows open on theirs.
TEST_F(StagesTest, SpawnWindowsAreStrictAndPowerItemWindowsInclusive) {
  auto freeZak9 = [] {
    for (ZakRecord& r : gZak9) r.alive = 0;
  };
  int onLower = -1, above = -1, onUpper = -1, itemOnBound = -1, itemPast = -1;
  At(kPlay, [] { EnterStage(SceneStage4, 400.0f); });
  At(kPlay + 2, [&] {
    freeZak9();
    gStageClock = ClockLandingOn(500.0f, 16.0f);
  });
  At(kPlay + 3, [&] { onLower = gZak9[0].alive; });
  At(kPlay + 4, [&] {
    above = gZak9[0].alive;
    freeZak9();
    gStageClock = ClockLandingOn(800.0f, 16.0f);
  });
  At(kPlay + 5, [&] {
    onUpper = gZak9[0].alive;
    gPowerItem.active = 0;
    gStageClock = ClockLandingOn(1050.0f, 16.0f);
  });
  At(kPlay + 6, [&] {
    itemOnBound = gPowerItem.active;
    gPowerItem.active = 0;
    gStageClock = ClockLandingOn(std::nextafter(1050.0f, 2000.0f), 16.0f);
  });
  At(kPlay + 7, [&] { itemPast = gPowerItem.active; });
  RunFrames(kPlay + 8);
  EXPECT_EQ(onLower, 0);
  EXPECT_EQ(above, 1);
  EXPECT_EQ(onUpper, 0);
  EXPECT_EQ(itemOnBound, 1);
  EXPECT_EQ(itemPast, 0);
}

// How many moves a slot made in the last frame, from its step along the axis
// it flies most and its speed of 30 on both axes.
template <typename Record>
class MoveCounter {
 public:
  explicit MoveCounter(Record& r) : r_(r) {}
  // Gives the slot a speed that shows and notes where it is.
  void Arm() {
    r_.vx = r_.vy = kSpeed;
    x_ = r_.x;
    y_ = r_.y;
  }
  float Moves() const {
    return std::max(std::abs(r_.x - x_), std::abs(r_.y - y_)) / (kSpeed * gFrameScale);
  }

 private:
  static constexpr float kSpeed = 30.0f;
  Record& r_;
  float x_ = 0, y_ = 0;
};

struct DoubleMove {
  int scene;
  float clock;
  int difficulty, extra;
  float moves;
};

// Stage 7 flies Zak1 three times a frame; stage 4 flies the divers twice in
// extra play only.
TEST_F(StagesTest, KindsMoveAsOftenAsTheirStageAndModeSay) {
  const DoubleMove cases[] = {{SceneStage7, 150, 1, 0, 3},
                              {SceneStage4, 370, 1, 0, 1},
                              {SceneStage4, 370, 2, 0, 1},
                              {SceneStage4, 370, 1, 1, 2}};
  MoveCounter zak1(gZak1[0]);
  MoveCounter diver(gDiver80L[0]);
  std::vector<float> moves;
  int f = kPlay;
  for (const DoubleMove& c : cases) {
    At(f, [c] {
      EnterStage(c.scene, c.clock);
      gDifficulty = c.difficulty;
      gDifficultyExtra = c.extra;
    });
    At(f + 3, [&, c] { c.scene == SceneStage7 ? zak1.Arm() : diver.Arm(); });
    At(f + 4, [&, c] { moves.push_back(c.scene == SceneStage7 ? zak1.Moves() : diver.Moves()); });
    f += 5;
  }
  RunFrames(f);
  ASSERT_EQ(moves.size(), 4u);
  for (size_t i = 0; i < moves.size(); ++i) EXPECT_NEAR(moves[i], cases[i].moves, 1e-3f) << i;
}

// Stage 4 fires each diver's and gunner's first stream in normal play but
// flies it only in extra play: in normal play its bullets stand where they
// were fired.
TEST_F(StagesTest, Stage4FiresTheFirstDiverStreamInNormalPlayWithoutFlyingIt) {
  struct Seen {
    int alive;
    float x, y;
  };
  std::vector<Seen> normal, extra;
  auto watch = [](std::vector<Seen>& v) {
    const ShotRecord& s = gDiver80LStream1[0];
    v.push_back({s.alive, s.x, s.y});
  };
  At(kPlay, [] {
    EnterStage(SceneStage4, 370.0f);
    gDifficulty = 1;
    gDifficultyExtra = 0;
  });
  for (int f = kPlay + 4; f < kPlay + 10; ++f) At(f, [&] { watch(normal); });
  At(kPlay + 10, [] {
    EnterStage(SceneStage4, 370.0f);
    for (ShotRecord& s : gDiver80LStream1) s.alive = 0;
    gDifficultyExtra = 1;
  });
  for (int f = kPlay + 14; f < kPlay + 20; ++f) At(f, [&] { watch(extra); });
  RunFrames(kPlay + 20);
  for (const Seen& s : normal) {
    EXPECT_EQ(s.alive, 1);
    EXPECT_EQ(s.x, normal[0].x);
    EXPECT_EQ(s.y, normal[0].y);
  }
  ASSERT_EQ(extra.size(), 6u);
  EXPECT_NE(extra[5].x + extra[5].y, extra[0].x + extra[0].y);
}

}  // namespace
