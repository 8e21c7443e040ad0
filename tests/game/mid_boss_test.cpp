// The mid-bosses' explosion end and the stages' spread schedules.
#include "enemies/mid_boss.h"

#include "enemies/spread_schedule.h"
#include "tests/game/mid_boss_fixture.h"

namespace {

using MidBossBodyTest = MidBossTest;

// The stages read the dying flag kept after the explosion as the craft's destruction.
TEST_F(MidBossBodyTest, AnExplosionRuns32DrawsThenFreesTheCraftButKeepsItDying) {
  gZak52.alive = 1;
  gZak52.hitSkip = 1;
  HitZak52();
  for (int i = 0; i < 31; ++i) {
    DrawZak52();
    ASSERT_EQ(gZak52.alive, 1) << i;
  }
  DrawZak52();  // the 32nd frame ends it
  EXPECT_EQ(gZak52.alive, 0);
  EXPECT_EQ(gZak52.x, -500.0f);
  EXPECT_EQ(gZak52.row + gZak52.frame, 0);
  EXPECT_EQ(gZak52.dying, 1);
  EXPECT_EQ(gZak52.hitSkip, 1);
}

// Each craft stands at a place of its own and shows its own body whole.
TEST_F(MidBossBodyTest, EachCraftShowsItsOwnBodyWholeAtItsTruncatedCorner) {
  const struct {
    const char* name;
    void (*draw)();
    float *x, *y;
    const int& picture;
    int w, h;
  } crafts[] = {{"Zak52", DrawZak52, &gZak52.x, &gZak52.y, gPicZak52, 260, 200},
                {"Zak60A", DrawZak60A, &gZak60A.x, &gZak60A.y, gPicZak60, 240, 180},
                {"Zak60B", DrawZak60B, &gZak60B.x, &gZak60B.y, gPicZak60, 240, 180},
                {"Zak60C", DrawZak60C, &gZak60C.x, &gZak60C.y, gPicZak60, 240, 180}};
  int n = 0;
  for (const auto& c : crafts) {
    const int x = 10 + 100 * n, y = 20 + 60 * n++;
    *c.x = static_cast<float>(x) + 0.9f;
    *c.y = static_cast<float>(y) + 0.5f;
    EXPECT_EQ(Render(c.draw), Render([&] { koDraw::Blit(x, y, c.picture, 0, 0, c.w, c.h); }))
        << c.name;
  }
}

// Each Zak60 hit marks its own craft dying and leaves its twins alone.
TEST_F(MidBossBodyTest, EachZak60HitMarksOnlyItsOwnCraft) {
  Zak60State* crafts[] = {&gZak60A, &gZak60B, &gZak60C};
  void (*hits[])() = {HitZak60A, HitZak60B, HitZak60C};
  for (int k = 0; k < 3; ++k) {
    for (Zak60State* c : crafts) c->dying = 0;
    hits[k]();
    for (int m = 0; m < 3; ++m) EXPECT_EQ(crafts[m]->dying, m == k ? 1 : 0) << k;
  }
}

using MidBossScheduleTest = MidBossTest;

// Runs `steps` schedule steps and counts the spread ticks (one tick per step at most).
template <typename Block>
int TicksOver(Block& b, int steps, void (*schedule)()) {
  int ticks = 0;
  for (int i = 0; i < steps; ++i) {
    const int32_t before = b.spreadTick;
    schedule();
    ticks += b.spreadTick != before;
  }
  return ticks;
}

TEST_F(MidBossScheduleTest, TheSpreadRunsOnlyWhileTheCraftHasBetween20And250HitPoints) {
  for (const float hp : {280.0f, 250.0f, 20.0f, 5.0f}) {
    gZak60A.hp = hp;
    ScheduleZak60ASpread();
    EXPECT_EQ(gZak60A.spreadClock, 0) << hp;
  }
  gZak60A.hp = 249.5f;
  gZak60A.dying = 1;
  ScheduleZak60ASpread();
  EXPECT_EQ(gZak60A.spreadClock, 0);
  gZak60A.dying = 0;
  ScheduleZak60ASpread();
  EXPECT_EQ(gZak60A.spreadClock, 1);
  gZak60A.hp = 20.5f;
  ScheduleZak60ASpread();
  EXPECT_EQ(gZak60A.spreadClock, 2);
}

TEST_F(MidBossScheduleTest, EachScheduleTicksInItsWindowsAndWrapsTo9) {
  gZak52.hp = gZak60A.hp = gZak60B.hp = gZak60C.hp = 100.0f;
  EXPECT_EQ(TicksOver(gZak52, 1401, [] { ScheduleZak52Spread(kZak52Stage1Spread); }), 478);
  EXPECT_EQ(gZak52.spreadClock, 9);
  EXPECT_EQ(TicksOver(gZak52, 1, [] { ScheduleZak52Spread(kZak52Stage1Spread); }), 1);  // 10
  EXPECT_EQ(TicksOver(gZak60A, 1401, ScheduleZak60ASpread), 478);
  EXPECT_EQ(TicksOver(gZak60B, 1401, ScheduleZak60BSpread), 548);
  EXPECT_EQ(TicksOver(gZak60C, 90, ScheduleZak60CSpread), 81);
  EXPECT_EQ(TicksOver(gZak60C, 9, ScheduleZak60CSpread), 0);  // 91 to 99
  EXPECT_EQ(gZak60C.spreadClock, 99);
}

}  // namespace
