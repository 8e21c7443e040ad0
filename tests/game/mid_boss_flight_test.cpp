// The mid-bosses' flight script and bounds.
#include "tests/game/mid_boss_fixture.h"

namespace {

using MidBossFlightTest = MidBossTest;

// A live craft at (x, y) whose next move brings its flight clock to exactly t.
template <typename Block>
void Poise(Block& b, float t, float x = 300.0f, float y = 200.0f) {
  b.alive = 1;
  b.x = x;
  b.y = y;
  b.vx = 220.0f;
  b.vy = 280.0f;
  b.phaseTimer = t - kFlightStep;
}

struct Shift {
  float dx, dy;
  bool operator==(const Shift&) const = default;
};

template <typename Block>
Shift MoveAt(Block& b, void (*move)(), float t) {
  Poise(b, t);
  move();
  return {b.x - 300.0f, b.y - 200.0f};
}

TEST_F(MidBossFlightTest, BandsActOnTheNewClockValueWithNothingBetweenThem) {
  EXPECT_EQ(MoveAt(gZak52, MoveZak52, 50.0f), (Shift{-kEntry, 0}));
  EXPECT_EQ(MoveAt(gZak52, MoveZak52, 50.5f), (Shift{0, 0}));
  EXPECT_EQ(MoveAt(gZak52, MoveZak52, 71.0f), (Shift{-kDash, -kLeg}));
  EXPECT_EQ(MoveAt(gZak52, MoveZak52, 91.0f), (Shift{-kDash, kLeg}));
  EXPECT_EQ(MoveAt(gZak52, MoveZak52, 191.0f), (Shift{kDash, 0}));
  // The home bands put the craft on its home point and end the entry speed.
  for (const float t : {51.0f, 70.0f, 111.0f, 481.0f, 600.0f}) {
    EXPECT_EQ(MoveAt(gZak52, MoveZak52, t), (Shift{60.0f, -60.0f})) << t;
    EXPECT_EQ(gZak52.vx, 0.0f);
  }
  // With vx 0 a later entry band stands still.
  Poise(gZak52, 20.0f);
  gZak52.vx = 0.0f;
  MoveZak52();
  EXPECT_EQ(gZak52.x, 300.0f);
}

TEST_F(MidBossFlightTest, Zak60CStartsItsLastZigzagLegOneUnitLate) {
  EXPECT_EQ(MoveAt(gZak60A, MoveZak60A, 461.0f), (Shift{kDash, -kLeg}));
  EXPECT_EQ(MoveAt(gZak60B, MoveZak60B, 461.0f), (Shift{kDash, -kLeg}));
  EXPECT_EQ(MoveAt(gZak60C, MoveZak60C, 461.0f), (Shift{0, 0}));
  EXPECT_EQ(MoveAt(gZak60C, MoveZak60C, 461.5f), (Shift{0, 0}));
  EXPECT_EQ(MoveAt(gZak60C, MoveZak60C, 462.0f), (Shift{kDash, -kLeg}));
  EXPECT_EQ(MoveAt(gZak60C, MoveZak60C, 460.0f), (Shift{-kDash, kLeg}));
  EXPECT_EQ(MoveAt(gZak52, MoveZak52, 461.0f), (Shift{kDash, -kLeg}));
}

TEST_F(MidBossFlightTest, From601TheScriptStartsOverAt51AndFiresTheStreamAgain) {
  EXPECT_EQ(MoveAt(gZak52, MoveZak52, 601.0f), (Shift{0, 0}));
  EXPECT_EQ(gZak52.phaseTimer, 51.0f);
  EXPECT_EQ(gZak52Stream[0].alive, 0);
  gZak52.x = 300.0f;
  MoveZak52();  // 51.703125: home, and a new volley
  EXPECT_EQ(gZak52.x, 360.0f);
  EXPECT_EQ(gZak52Stream[0].alive, 1);
  EXPECT_EQ(gZak52Stream[0].x, 490.0f);
}

TEST_F(MidBossFlightTest, Zak52FiresItsStreamAtHomeAndTicksItsBurstsInTheirBands) {
  std::vector<float> burstA, burstB;
  int streamVolleys = 0;
  for (float t = 0.0f; t <= 600.0f; t += 0.5f) {
    const int a = gZak52.burstATick, b = gZak52.burstBTick;
    for (ShotRecord& s : gZak52Stream) s.alive = 0;
    MoveAt(gZak52, MoveZak52, t);
    if (gZak52.burstATick != a) burstA.push_back(t);
    if (gZak52.burstBTick != b) burstB.push_back(t);
    streamVolleys += gZak52Stream[0].alive;
  }
  ASSERT_EQ(burstA.size(), 3u * 29u);
  EXPECT_EQ(burstA.front(), 176.0f);
  EXPECT_EQ(burstA[28], 190.0f);
  EXPECT_EQ(burstA[29], 276.0f);
  EXPECT_EQ(burstA[58], 306.0f);
  EXPECT_EQ(burstA.back(), 320.0f);
  ASSERT_EQ(burstB.size(), 81u);
  EXPECT_EQ(burstB.front(), 500.0f);
  EXPECT_EQ(burstB.back(), 540.0f);
  EXPECT_EQ(streamVolleys, 39);  // every half unit of [51, 70]
}

}  // namespace
