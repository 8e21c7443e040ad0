#include <iterator>
#include <tuple>
#include <vector>

#include "bosses/late_drops.h"
#include "bosses/late_pairs.h"
#include "game/assets.h"
#include "player/parking.h"
#include "tests/game/boss_attack_fixture.h"
#include "tests/game/boss_test_helpers.h"

namespace {

void ResetAllPairs() {
  for (int k = 0; k < static_cast<int>(PairKindId::Count); ++k)
    ResetGroup(PairKind(static_cast<PairKindId>(k)));
}

bool Parked(const FanVolleySlot& s) { return s.active == 0 && s.x == kParkX && s.y == kParkY; }

BossState At(float x, float y) { return {x, y, 0.0f, 0.0f, 0.0f, 0, 0}; }

struct PairRow {
  const char* name;
  void (*tick)();
  void (*move)();
  PairShotSlot* slots;
  BossState* boss;
  float a, b, c;  // member 0 at boss x + a, member 1 at boss x + b, both at boss y + c
  int cycle;
  float vy, drift;  // fall; the right member's sideways drift (the left one's is its negative)
  bool wideBox;     // -10..30 by 0..30, else 0..20 by 0..20
};

#define KIND(b, k) #k, Tick##k, Move##k, g##k, &gBoss##b
const PairRow kPairs[] = {
    {KIND(4, Boss4PairShot1), 120, 280, 200, 140, 200, 0, true},
    {KIND(4, Boss4PairShot3), 80, 320, 180, 140, 200, 20, true},
    {KIND(7, Boss7PairShot1), 150, 310, 130, 150, 280, 0, false},
    {KIND(7, Boss7PairShot2), 150, 310, 130, 150, 250, 120, false},
};
#undef KIND

using LatePairTest = AttackTest;

TEST_F(LatePairTest, EachPairFiresSideBySideOnItsCountsFallsAndPartsAtItsRates) {
  for (const PairRow& r : kPairs) {
    ResetAllPairs();
    *r.boss = At(100.0f, 40.0f);
    for (int call = 0; call < 9; ++call) r.tick();
    EXPECT_EQ(r.slots[0].active, 0) << r.name;
    r.tick();
    EXPECT_EQ(r.slots[0].active + r.slots[1].active, 2) << r.name;
    EXPECT_EQ(r.slots[0].x, 100.0f + r.a) << r.name;
    EXPECT_EQ(r.slots[1].x, 100.0f + r.b) << r.name;
    EXPECT_EQ(r.slots[0].y, 40.0f + r.c) << r.name;
    EXPECT_EQ(r.slots[1].y, 40.0f + r.c) << r.name;
    EXPECT_EQ(r.slots[2].active, 0) << r.name;
    // Pairs 1 and 2 come at 20 and 30 in both cycles.
    for (int call = 10; call < 30; ++call) r.tick();
    EXPECT_EQ(r.slots[5].active, 1) << r.name;
    EXPECT_EQ(r.slots[6].active, 0) << r.name;
    gFrameScale = 0.25f;
    gPlayerAlive = 0;
    const float x0 = r.slots[0].x, x1 = r.slots[1].x, y0 = r.slots[0].y;
    r.move();
    EXPECT_NEAR(r.slots[0].x - x0, -r.drift * 0.25f, 1e-4) << r.name;
    EXPECT_NEAR(r.slots[1].x - x1, r.drift * 0.25f, 1e-4) << r.name;
    EXPECT_NEAR(r.slots[0].y - y0, r.vy * 0.25f, 1e-4) << r.name;
    // Free slots drift too: a parked slot of a parting pair wanders sideways.
    EXPECT_NEAR(r.slots[19].x, kParkX + r.drift * 0.25f, 1e-4) << r.name;
    // The box, inclusive at both ends; a hit leaves the shot flying.
    gFrameScale = 0.0f;
    for (const auto& [dx, dy, inWide, inSmall] :
         {std::tuple{-10.0f, 0.0f, true, false}, std::tuple{30.0f, 30.0f, true, false},
          std::tuple{0.0f, 0.0f, true, true}, std::tuple{20.0f, 20.0f, true, true},
          std::tuple{20.1f, 10.0f, true, false}, std::tuple{-10.1f, 10.0f, false, false},
          std::tuple{10.0f, -0.1f, false, false}}) {
      gPlayerAlive = 1;
      r.slots[3] = {0, 0, gPlayerX + dx, gPlayerY + dy, 0, 0, 0, 1};
      r.move();
      EXPECT_EQ(gPlayerAlive == 0, r.wideBox ? inWide : inSmall)
          << r.name << " " << dx << "," << dy;
      EXPECT_EQ(r.slots[3].active, 1) << r.name;
    }
  }
}

TEST_F(LatePairTest, ABombParksEveryFlyingPairAndDrop) {
  ResetAllPairs();
  gBoss4 = gBoss8 = At(100.0f, 40.0f);
  for (int call = 0; call < 10; ++call) TickBoss4PairShot3();
  FireBoss8Drop9();
  gBombActive = 1;
  MoveBoss4PairShot3();
  MoveBoss8Drop9();
  EXPECT_TRUE(Parked(gBoss4PairShot3[0]) && Parked(gBoss4PairShot3[1]));
  // The later drift steps of the same Move carry the parked drops sideways.
  for (const DropSlot& s : gBoss8Drop9) EXPECT_TRUE(s.active == 0 && s.y == kParkY);
}

struct DropRow {
  const char* name;
  void (*fire)();
  void (*move)();
  DropSlot* slots;
  int count;
  BossState* boss;
  float a, c;
};

#define DROP(b, k) #k, Fire##k, Move##k, g##k, static_cast < int>(std::size(g##k)), &gBoss##b
const DropRow kDrops[] = {
    {DROP(4, Boss4Drop1), 212, 200}, {DROP(4, Boss4Drop2), 182, 110},
    {DROP(4, Boss4Drop3), 242, 110}, {DROP(4, Boss4Drop4), 212, 200},
    {DROP(4, Boss4Drop5), 162, 150}, {DROP(4, Boss4Drop6), 262, 150},
    {DROP(4, Boss4Drop7), 132, 110}, {DROP(4, Boss4Drop8), 292, 110},
    {DROP(4, Boss4Drop9), 212, 200}, {DROP(5, Boss5Drop5), 132, 150},
    {DROP(6, Boss6Drop8), 302, 110}, {DROP(7, Boss7Drop1), 242, 200},
    {DROP(8, Boss8Drop6), 282, 150},
};
#undef DROP

TEST_F(LatePairTest, EveryDropSetStartsAtItsPointAndFallsAndDriftsByItsSize) {
  // Per set size: fall speed and the drift of each slot.
  struct Form {
    float vy;
    std::vector<float> drift;
  };
  const Form forms[] = {{140, {-30, 30}}, {120, {-39, 0, 39}}, {110, {-28, 28, -80, 80}}};
  for (const DropRow& r : kDrops) {
    ResetAllPairs();
    *r.boss = At(100.0f, 40.0f);
    ASSERT_GE(r.count, 2);
    ASSERT_LE(r.count, 4);
    const Form& f = forms[r.count - 2];
    r.fire();
    for (int s = 0; s < r.count; ++s) {
      EXPECT_EQ(r.slots[s].active, 1) << r.name;
      EXPECT_EQ(r.slots[s].x, 100.0f + r.a) << r.name;
      EXPECT_EQ(r.slots[s].y, 40.0f + r.c) << r.name;
    }
    gFrameScale = 0.5f;
    gPlayerAlive = 0;
    r.move();
    for (int s = 0; s < r.count; ++s) {
      EXPECT_NEAR(r.slots[s].x, 100.0f + r.a + f.drift[s] * 0.5f, 1e-3) << r.name << " " << s;
      EXPECT_NEAR(r.slots[s].y, 40.0f + r.c + f.vy * 0.5f, 1e-3) << r.name << " " << s;
    }
    // A second Fire restarts only the free slots.
    ParkSlot(r.slots[0]);
    r.fire();
    EXPECT_EQ(r.slots[0].y, 40.0f + r.c) << r.name;
    EXPECT_NE(r.slots[1].y, 40.0f + r.c) << r.name;
    // The drop box: 14 to 30 right, 24 to 30 down.
    gFrameScale = 0.0f;
    for (const auto& [dx, dy, hits] :
         {std::tuple{14.0f, 24.0f, true}, std::tuple{30.0f, 30.0f, true},
          std::tuple{13.9f, 25.0f, false}, std::tuple{20.0f, 30.1f, false}}) {
      gPlayerAlive = 1;
      r.slots[1] = {0, 0, gPlayerX + dx, gPlayerY + dy, 0, 0, 0, 1};
      r.move();
      EXPECT_EQ(gPlayerAlive == 0, hits) << r.name << " " << dx << "," << dy;
    }
  }
}

using LatePairDrawTest = AttackDrawTest;

TEST_F(LatePairDrawTest, BossFourAndFiveDropsShowOneCellLaterOnesCycleSixteen) {
  std::vector<uint16_t> seen;
  std::vector<int> frames;
  InGame([&] {
    gPicVal13 = ColourStrip(2, 16, 16, 0x2000);
    gPicVal1 = ColourStrip(16, 16, 16, 0x3000);
    ResetAllPairs();
    gBoss5Drop9[2] = {7, 0, 10.0f, 10.0f, 0, 0, 0, 1};
    DrawBoss5Drop9();
    gBoss7Drop4[0] = {15, 0, 50.0f, 10.0f, 0, 0, 0, 1};
    gBoss7Drop4[1] = {9, 0, 90.0f, 10.0f, 0, 0, 0, 0};  // free, yet drawn and animated
    gBoss7Drop4[2].frame = 3;
    DrawBoss7Drop4();
    seen = {BackPixel(10, 10), BackPixel(25, 25), BackPixel(26, 10),
            BackPixel(50, 10), BackPixel(90, 10), BackPixel(105, 25)};
    frames = {gBoss5Drop9[2].frame, gBoss7Drop4[0].frame, gBoss7Drop4[1].frame,
              gBoss7Drop4[2].frame};
  });
  EXPECT_EQ(seen, (std::vector<uint16_t>{0x2000, 0x2000, 0, 0x300F, 0x3009, 0x3009}));
  EXPECT_EQ(frames, (std::vector<int>{7, 0, 10, 4}));
}

}  // namespace
