// The three-row spreads of Zak52 and the Zak60 kinds.
#include <string>
#include <vector>

#include "tests/game/mid_boss_fixture.h"

namespace {

using MidBossSpreadTest = MidBossTest;

struct SpreadKind {
  std::string name;
  void (*tick)();
  void (*fire)(int);
  void (*move)();
  SpreadShotRecord *mid, *up, *down;
  float *x, *y;
  int32_t* clock;
  int32_t* tickCount;
  int midSlow, midFast;  // straight row's step
  int slantSlowX, slantSlowY, slantFastX, slantFastY;
  int freeBelowX;  // x below this frees a bullet
};

#define SPREAD(K)                                                                         \
#K, Tick##K##Spread, Fire##K##Spread, Move##K##Spread, g##K##SpreadMid, g##K##SpreadUp, \
      g##K##SpreadDown, &g##K.x, &g##K.y, &g##K.spreadClock, &g##K.spreadTick
const std::vector<SpreadKind>& Kinds() {
  static const std::vector<SpreadKind> kinds = {
      {SPREAD(Zak52), 10, 20, 10, 3, 20, 5, -59},
      {SPREAD(Zak60A), 12, 12, 5, 2, 10, 5, -139},
      {SPREAD(Zak60B), 12, 12, 5, 2, 10, 5, -139},
      {SPREAD(Zak60C), 12, 12, 5, 2, 10, 5, -139},
  };
  return kinds;
}
#undef SPREAD

void FreeAll(const SpreadKind& k) {
  for (int i = 0; i < kSpreadSlots; ++i) k.mid[i].alive = k.up[i].alive = k.down[i].alive = 0;
}

TEST_F(MidBossSpreadTest, TheTickStartsSlots1To12EveryFourthCallAndWrapsAt48) {
  for (const SpreadKind& k : Kinds()) {
    std::vector<int> started;  // slot started at each call, -1 for none
    for (int call = 1; call <= 96; ++call) {
      FreeAll(k);
      k.tick();
      int slot = -1;
      for (int i = 0; i < kSpreadSlots; ++i)
        if (k.mid[i].alive) {
          EXPECT_EQ(slot, -1) << k.name << " starts two slots at call " << call;
          EXPECT_TRUE(k.up[i].alive && k.down[i].alive) << k.name;
          slot = i;
        }
      started.push_back(slot);
    }
    std::vector<int> expected(96, -1);
    for (int i = 1; i <= 12; ++i) expected[4 * i - 1] = expected[48 + 4 * i - 1] = i;
    EXPECT_EQ(started, expected) << k.name;
    EXPECT_EQ(*k.tickCount, 0) << k.name;
  }
}

// Each kind's craft stands at a place of its own, so a spread that leaves
// another craft's muzzle shows.
TEST_F(MidBossSpreadTest, FireStartsEachFreeRowAtTheTruncatedMuzzleWithTheClocksSteps) {
  for (size_t n = 0; n < Kinds().size(); ++n) {
    const SpreadKind& k = Kinds()[n];
    const int dx = 10 * static_cast<int>(n), dy = -10 * static_cast<int>(n);
    *k.x = 100.9f + static_cast<float>(dx);
    *k.y = -20.5f + static_cast<float>(dy);  // truncated toward zero: -20 + dy
    *k.clock = 649;
    k.mid[3].stepY = 77;
    k.fire(3);
    EXPECT_EQ(k.mid[3].alive, 1) << k.name;
    EXPECT_EQ(k.mid[3].x, 200 + dx);
    EXPECT_EQ(k.mid[3].y, 40 + dy);
    EXPECT_EQ(k.mid[3].stepX, k.midSlow);
    EXPECT_EQ(k.mid[3].stepY, 77);  // the straight row has no vertical step
    EXPECT_EQ(k.up[3].alive, 1);
    EXPECT_EQ(k.up[3].y, 10 + dy);
    EXPECT_EQ(k.up[3].stepX, k.slantSlowX);
    EXPECT_EQ(k.up[3].stepY, k.slantSlowY);
    EXPECT_EQ(k.down[3].y, 70 + dy);
    EXPECT_EQ(k.down[3].stepY, k.slantSlowY);
    // From clock 650 on the fast steps; a busy row is left as it is.
    *k.clock = 650;
    k.up[4].alive = 1;
    k.up[4].x = 5;
    k.fire(4);
    EXPECT_EQ(k.mid[4].stepX, k.midFast) << k.name;
    EXPECT_EQ(k.down[4].stepX, k.slantFastX);
    EXPECT_EQ(k.down[4].stepY, k.slantFastY);
    EXPECT_EQ(k.up[4].x, 5);
    EXPECT_EQ(k.up[4].stepX, 0);
  }
}

TEST_F(MidBossSpreadTest, ATouchInTheInclusiveBoxTakesTheShipAnd2000PointsOnce) {
  gPlayerX = 300.7f;  // truncated: 300
  gPlayerY = 200.9f;  // truncated: 200
  const SpreadKind& k = Kinds()[0];
  struct Case {
    int x, y;  // after the move
    bool hit;
  };
  for (const Case c : {Case{310, 176, true}, Case{309, 176, false}, Case{337, 244, true},
                       Case{338, 200, false}, Case{320, 175, false}, Case{320, 245, false}}) {
    gPlayerAlive = 1;
    gScore = 10000;
    k.down[7] = {0, c.x + 10, c.y - 3, 10, 3, 1};
    k.move();
    EXPECT_EQ(gPlayerAlive, c.hit ? 0 : 1) << c.x << ", " << c.y;
    EXPECT_EQ(gScore, c.hit ? 8000 : 10000);
    k.down[7].alive = 0;
  }
}

TEST_F(MidBossSpreadTest, BulletsStepPerCallAndAreFreedWhereTheyArePastTheLeftEdge) {
  for (const SpreadKind& k : Kinds()) {
    gBombActive = 1;  // no bomb test
    gPlayerAlive = 0;
    k.mid[0] = {0, k.freeBelowX + 10, 100, 10, 0, 1};  // lands on freeBelowX: stays
    k.mid[1] = {0, k.freeBelowX + 9, 100, 10, 0, 1};   // one further: freed
    k.up[2] = {0, 300, 2, 10, 5, 1};                   // leaves by the top and flies on
    k.down[2] = {0, 300, 478, 10, 5, 1};               // and by the bottom
    k.move();
    EXPECT_EQ(k.mid[0].alive, 1) << k.name;
    EXPECT_EQ(k.mid[0].x, k.freeBelowX);
    EXPECT_EQ(k.mid[1].alive, 0) << k.name;
    EXPECT_EQ(k.mid[1].x, k.freeBelowX - 1);  // not parked
    EXPECT_EQ(k.mid[1].y, 100);
    EXPECT_EQ(k.up[2].x, 290);
    EXPECT_EQ(k.up[2].y, -3);
    EXPECT_EQ(k.down[2].y, 483);
    k.move();
    EXPECT_EQ(k.up[2].alive + k.down[2].alive, 2) << k.name;
    EXPECT_EQ(k.mid[1].x, k.freeBelowX - 1);  // a free bullet stands
    FreeAll(k);
  }
}

// One live bullet in each row of each kind, the rows side by side and each
// kind lower down than the last, and a free one on the screen: each Draw shows
// its own three rows whole, each from its own picture, and skips the free one.
TEST_F(MidBossSpreadTest, EachDrawShowsItsOwnRowsPicturesAndSkipsFreeBullets) {
  const struct {
    void (*draw)(int);
    const int* pictures[3];  // mid, up, down
    int width;               // of every row's bullet, 40 high
  } looks[] = {{DrawZak52Spread, {&gPicBlzs1, &gPicBlzs2, &gPicBlzs3}, 60},
               {DrawZak60ASpread, {&gPicBlzs2_1, &gPicBlzs2_2, &gPicBlzs2_3}, 140},
               {DrawZak60BSpread, {&gPicBlzs2_1, &gPicBlzs2_2, &gPicBlzs2_3}, 140},
               {DrawZak60CSpread, {&gPicBlzs2_1, &gPicBlzs2_2, &gPicBlzs2_3}, 140}};
  for (size_t n = 0; n < Kinds().size(); ++n) {
    const SpreadKind& k = Kinds()[n];
    const auto& look = looks[n];
    SpreadShotRecord* rows[3] = {k.mid, k.up, k.down};
    const int y = 20 + 60 * static_cast<int>(n);
    for (int r = 0; r < 3; ++r) rows[r][r + 1] = {0, 10 + 170 * r, y, 0, 0, 1};
    k.mid[5] = {0, 500, 400, 0, 0, 0};
    EXPECT_EQ(Render([&look] { look.draw(0); }), Render([&] {
                for (int r = 0; r < 3; ++r)
                  koDraw::Blit(10 + 170 * r, y, *look.pictures[r], 0, 0, look.width, 40);
              }))
        << k.name;
  }
}

}  // namespace
