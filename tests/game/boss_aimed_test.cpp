#include <cmath>
#include <numbers>
#include <set>
#include <vector>

#include "bosses/aimed_kinds.h"
#include "bosses/aimed_volleys.h"
#include "game/assets.h"
#include "player/parking.h"
#include "tests/game/boss_attack_fixture.h"

namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr float kDeg = kPi / 180.0f;

void ResetAll() {
  for (int k = 0; k < static_cast<int>(AimedKindId::Count); ++k)
    ResetAimed(static_cast<AimedKindId>(k));
}

bool Parked(const AimedVolleySlot& s) { return s.active == 0 && s.x == kParkX && s.y == kParkY; }

// The direction a slot flies, wrapped to [0, 2 pi).
float Heading(const AimedVolleySlot& s) {
  float a = std::fmod(s.angle, 2.0f * kPi);
  return a < 0 ? a + 2.0f * kPi : a;
}

using AimedVolleyTest = AttackTest;

TEST_F(AimedVolleyTest, AGroupOfFiveFansOutAboutTheAimAndTurnsWholeWhenAimingLeft) {
  ResetAll();
  gBoss1.x = 100.0f, gBoss1.y = 50.0f;   // start point (310, 180)
  gPlayerX = 390.0f, gPlayerY = 240.0f;  // aim point (410, 260): dx 100, dy 80
  for (int s = 5; s < 10; ++s) FireBoss1AimedVolley2(s, 5);
  const float base = std::atan(80.0f / 100.0f);
  for (int m = 0; m < 5; ++m) {
    const AimedVolleySlot& s = gBoss1AimedVolley2[5 + m];
    EXPECT_EQ(s.active, 1);
    EXPECT_EQ(s.x, 310.0f);
    EXPECT_EQ(s.y, 180.0f);
    EXPECT_EQ(s.dx, 100.0f);
    EXPECT_EQ(s.dy, 80.0f);
    EXPECT_EQ(s.speed, 220.0f);
    EXPECT_NEAR(s.angle, base + (m - 2) * 12.0f * kDeg, 1e-5) << m;
  }
  gPlayerX = 190.0f;  // aim point 100 to the left, 80 down
  for (int s = 0; s < 5; ++s) FireBoss1AimedVolley2(s, 0);
  for (int m = 0; m < 5; ++m)
    EXPECT_NEAR(gBoss1AimedVolley2[m].angle, -base + (m - 2) * 12.0f * kDeg + kPi, 1e-5) << m;
  // Boss 1's fourth volley spreads by 4 degrees about the aim.
  gPlayerX = 390.0f;
  gBoss1.x = 165.0f, gBoss1.y = -40.0f;  // start point (310, 180)
  for (int s = 0; s < 5; ++s) FireBoss1AimedVolley4(s, 0);
  for (int m = 0; m < 5; ++m)
    EXPECT_NEAR(gBoss1AimedVolley4[m].angle, base + (m - 2) * 4.0f * kDeg, 1e-5) << m;
}

TEST_F(AimedVolleyTest, AnAimStraightBelowHasNoHalfTurnAndOneAboveOrOnTheStartHasIt) {
  struct Case {
    float playerY;
    float centre;
  };
  // Start point of boss 3's seventh-slot volley: (210, 130); aim x = 190 + 20.
  for (const Case c :
       {Case{300.0f, kPi / 2}, Case{10.0f, kPi / 2 + kPi}, Case{110.0f, 1.5f * kPi}}) {
    ResetAll();
    gPlayerX = 190.0f, gPlayerY = c.playerY;
    for (int s = 0; s < 7; ++s) FireBoss3AimedVolley4(s, 0);
    EXPECT_EQ(gBoss3AimedVolley4[3].dx, 0.0f);
    EXPECT_NEAR(gBoss3AimedVolley4[3].angle, c.centre, 1e-5) << c.playerY;
    EXPECT_NEAR(gBoss3AimedVolley4[0].angle, c.centre - 36.0f * kDeg, 1e-5) << c.playerY;
  }
}

TEST_F(AimedVolleyTest, TickFiresEachGroupOnItsCountAndSkipsLiveMembers) {
  ResetAll();
  std::vector<std::pair<int, int>> fired;  // (call, first slot of the newly live run)
  std::vector<int> wasLive(25, 0);
  for (int call = 1; call <= 260 + 40; ++call) {
    TickBoss1AimedVolley2();
    for (int s = 0; s < 25; ++s) {
      if (gBoss1AimedVolley2[s].active && !wasLive[s] && s % 5 == 0) fired.push_back({call, s});
      wasLive[s] = gBoss1AimedVolley2[s].active;
    }
    if (call == 40) gBoss1AimedVolley2[0].active = 0;  // leave 1 to 4 live
    if (call == 100) {
      for (int s = 1; s < 5; ++s) gBoss1AimedVolley2[s].active = 0;
      gBoss1AimedVolley2[3].active = 1;  // still live when the group comes round again
      gBoss1AimedVolley2[3].x = 77.0f;
    }
  }
  const std::vector<std::pair<int, int>> expected = {{40, 0},   {80, 5},   {120, 10},
                                                     {160, 15}, {200, 20}, {300, 0}};
  EXPECT_EQ(fired, expected);
  EXPECT_EQ(gBoss1AimedVolley2[0].timer, 40);  // 300 calls of a 260-call cycle
  EXPECT_EQ(gBoss1AimedVolley2[24].timer, 40);
  EXPECT_EQ(gBoss1AimedVolley2[3].x, 77.0f);  // the live member was not fired again
  EXPECT_EQ(gBoss1AimedVolley2[4].x, 210.0f);
}

TEST_F(AimedVolleyTest, TwoTicksInAFrameRunTheCycleTwiceAsFastWithoutSkippingACount) {
  ResetAll();
  for (int frame = 0; frame < 20; ++frame) {
    TickBoss1AimedVolley4();
    TickBoss1AimedVolley4();
  }
  EXPECT_EQ(gBoss1AimedVolley4[0].active, 1);  // count 20 came on the 10th frame's second call
  for (int frame = 0; frame < 5; ++frame) {
    TickBoss1AimedVolley4();
    TickBoss1AimedVolley4();
  }
  EXPECT_EQ(gBoss1AimedVolley4[5].active, 1);  // count 30
  EXPECT_EQ(gBoss1AimedVolley4[10].active, 0);
  // The cycle of 150 wraps to 0; nothing fires on a count of 0.
  for (int i = 0; i < 150 - 50; ++i) TickBoss1AimedVolley4();
  EXPECT_EQ(gBoss1AimedVolley4[0].timer, 0);
}

TEST_F(AimedVolleyTest, ARingSendsTwentyBulletsEighteenDegreesApartFromTheAim) {
  ResetAll();
  gBoss3.x = 100.0f, gBoss3.y = 0.0f;    // start (320, 220)
  gPlayerX = 400.0f, gPlayerY = 200.0f;  // aim (420, 220): straight right
  for (int call = 0; call < 60; ++call) TickBoss3AimedShot1();
  int live = 0;
  for (const AimedShotSlot& s : gBoss3AimedShot1) live += s.active;
  EXPECT_EQ(live, 40);  // counts 30 and 60
  for (int slot = 0; slot < 40; ++slot) {
    const float want = std::fmod(18.0f * kDeg * static_cast<float>(slot % 20), 2.0f * kPi);
    EXPECT_NEAR(Heading(gBoss3AimedShot1[slot]), want, 2e-4) << slot;
  }
  // Thirty bullets of boss 3's unfired ring are twelve degrees apart.
  for (int call = 0; call < 30; ++call) TickBoss3AimedShot2();
  EXPECT_NEAR(Heading(gBoss3AimedShot2[1]), 12.0f * kDeg, 1e-5);
  EXPECT_EQ(gBoss3AimedShot2[29].active, 1);
  EXPECT_EQ(gBoss3AimedShot2[30].active, 0);
  // Fired alone, a ring slot of a later group turns by its index in the table.
  FireBoss2AimedShot1(30);              // 30 steps of 30 degrees: half a turn from the aim
  gBoss2.x = 290.0f, gBoss2.y = 90.0f;  // start (400, 220): aim straight right
  EXPECT_EQ(gBoss2AimedShot1[30].active, 1);
  FireBoss2AimedShot1(31);
  EXPECT_NEAR(Heading(gBoss2AimedShot1[31]), 7.0f * 30.0f * kDeg, 2e-4);
  // Boss 2's rings: twelve bullets, counts 20 to 120.
  for (int call = 0; call < 20; ++call) TickBoss2AimedShot2();
  EXPECT_EQ(gBoss2AimedShot2[11].active, 1);
  EXPECT_EQ(gBoss2AimedShot2[12].active, 0);
}

TEST_F(AimedVolleyTest, TheFirstVolleyPlacesItsWholeGroupAndDrawsItsSpeeds) {
  ResetAll();
  gBoss1.x = 10.0f, gBoss1.y = 20.0f;
  for (int call = 0; call < 200; ++call) TickBoss1AimedVolley1();
  const float starts[4][2] = {{160, 120}, {280, 120}, {100, 170}, {340, 170}};
  std::set<float> speeds;
  for (int s = 0; s < 8; ++s) {
    EXPECT_EQ(gBoss1AimedVolley1[s].active, 1) << s;
    EXPECT_EQ(gBoss1AimedVolley1[s].x, starts[s % 4][0]);
    EXPECT_EQ(gBoss1AimedVolley1[s].y, starts[s % 4][1]);
    EXPECT_GE(gBoss1AimedVolley1[s].speed, 180.0f);
    EXPECT_LE(gBoss1AimedVolley1[s].speed, 209.0f);
    EXPECT_EQ(gBoss1AimedVolley1[s].speed, std::floor(gBoss1AimedVolley1[s].speed));
    speeds.insert(gBoss1AimedVolley1[s].speed);
  }
  EXPECT_GT(speeds.size(), 1u);
  EXPECT_EQ(gBoss1AimedVolley1[8].active, 0);
  // One member still flies when its group comes round: it jumps back to its
  // start point and keeps its angle and speed; its mates fire again.
  for (int s = 0; s < 4; ++s) gBoss1AimedVolley1[s].active = 0;
  gBoss1AimedVolley1[1].active = 1;
  gBoss1AimedVolley1[1].x = 5.0f;
  gBoss1AimedVolley1[1].angle = 1.25f;
  const float speed = gBoss1AimedVolley1[1].speed;
  gBoss1.x = 30.0f;
  for (int call = 200; call < 630 + 100; ++call) TickBoss1AimedVolley1();
  EXPECT_EQ(gBoss1AimedVolley1[1].x, 300.0f);
  EXPECT_EQ(gBoss1AimedVolley1[1].angle, 1.25f);
  EXPECT_EQ(gBoss1AimedVolley1[1].speed, speed);
  EXPECT_EQ(gBoss1AimedVolley1[0].x, 180.0f);
}

TEST_F(AimedVolleyTest, TheStringsSendFiveBulletsAlongOneLineAtRisingSpeeds) {
  ResetAll();
  gBoss1.x = 0.0f, gBoss1.y = 0.0f;     // string 1 starts at (90, 100), string 2 at (330, 100)
  gPlayerX = 68.0f, gPlayerY = 278.0f;  // aim (90, 300): straight down from string 1
  gBoss1AimedShot1[2].active = 1;
  gBoss1AimedShot1[2].x = 7.0f;
  FireBoss1AimedShot1();
  FireBoss1AimedShot2();
  for (int s = 0; s < 5; ++s) {
    EXPECT_EQ(gBoss1AimedShot1[s].active, 1);
    EXPECT_EQ(gBoss1AimedShot2[s].speed, 260.0f + 20.0f * s);
    if (s != 2) {
      EXPECT_NEAR(gBoss1AimedShot1[s].angle, kPi / 2, 1e-6);
    }
  }
  EXPECT_EQ(gBoss1AimedShot1[2].x, 7.0f);  // a live slot is left alone
  EXPECT_EQ(gBoss1AimedShot2[0].dx, 90.0f - 330.0f);
}

TEST_F(AimedVolleyTest, MoveStepsYThenXAndFreesStrictlyBeyondTheScreen) {
  ResetAll();
  gFrameScale = 0.5f;
  auto place = [](int slot, float x, float y, float angle) {
    AimedVolleySlot& s = gBoss3AimedVolley1[slot];
    s.active = 1, s.x = x, s.y = y, s.angle = angle, s.speed = 20.0f;
  };
  place(0, 100.0f, 100.0f, 0.0f);      // right by 10
  place(1, 630.0f, 100.0f, 0.0f);      // to 640: stays
  place(2, 631.0f, 100.0f, 0.0f);      // to 641: freed
  place(3, -10.0f, 100.0f, kPi);       // to -20: stays
  place(4, -11.0f, 100.0f, kPi);       // to -21: freed
  place(5, 100.0f, 470.0f, kPi / 2);   // to 480: stays
  place(6, 100.0f, 471.0f, kPi / 2);   // to 481: freed
  place(7, 100.0f, -10.0f, -kPi / 2);  // to -20: stays
  place(8, 100.0f, -11.0f, -kPi / 2);  // to -21: freed
  gBoss3AimedVolley1[9].x = 50.0f;     // idle off its parking: left alone
  MoveBoss3AimedVolley1();
  EXPECT_NEAR(gBoss3AimedVolley1[0].x, 110.0f, 1e-4);
  EXPECT_NEAR(gBoss3AimedVolley1[0].y, 100.0f, 1e-4);
  for (int s : {1, 3, 5, 7}) EXPECT_EQ(gBoss3AimedVolley1[s].active, 1) << s;
  for (int s : {2, 4, 6, 8}) EXPECT_TRUE(Parked(gBoss3AimedVolley1[s])) << s;
  EXPECT_EQ(gBoss3AimedVolley1[9].x, 50.0f);
  // The strings stop at 540 on the right.
  gBoss1AimedShot1[0] = {0, 0, 531.0f, 100.0f, 0, 0, 0.0f, 20.0f, 1};
  gBoss1AimedShot1[1] = {0, 0, 530.0f, 100.0f, 0, 0, 0.0f, 20.0f, 1};
  MoveBoss1AimedShot1();
  EXPECT_TRUE(Parked(gBoss1AimedShot1[0]));
  EXPECT_EQ(gBoss1AimedShot1[1].active, 1);
}

TEST_F(AimedVolleyTest, TheHitBoxIsInclusiveAndOnlyTheFirstVolleyIsFreedByAHit) {
  gFrameScale = 0.0f;  // bullets stand still
  struct Case {
    float rx, ry;
    bool hits;
  };
  const Case cases[] = {{10, 20, true},     {30, 30, true},     {9.9f, 25, false},
                        {30.1f, 25, false}, {20, 19.9f, false}, {20, 30.1f, false},
                        {10, 30, true},     {30, 20, true}};
  for (const Case& c : cases) {
    for (AimedKindId id : {AimedKindId::Boss3AimedVolley2, AimedKindId::Boss1AimedVolley1,
                           AimedKindId::Boss1AimedShot2}) {
      ResetAll();
      gPlayerAlive = 1;
      AimedVolleySlot& s = Aimed(id).slots[3];
      s = {0, 0, gPlayerX + c.rx, gPlayerY + c.ry, 0, 0, 0.0f, 100.0f, 1};
      MoveAimed(id);
      EXPECT_EQ(gPlayerAlive, c.hits ? 0 : 1) << c.rx << "," << c.ry;
      const bool freed = c.hits && id == AimedKindId::Boss1AimedVolley1;
      EXPECT_EQ(s.active, freed ? 0 : 1);
      if (freed) {
        EXPECT_TRUE(Parked(s));
      }
    }
  }
  // While the ship is away, nothing hits.
  ResetAll();
  gPlayerAlive = 0;
  gBoss1AimedVolley1[0] = {0, 0, gPlayerX + 20, gPlayerY + 25, 0, 0, 0.0f, 0.0f, 1};
  MoveBoss1AimedVolley1();
  EXPECT_EQ(gBoss1AimedVolley1[0].active, 1);
}

TEST_F(AimedVolleyTest, BossOneFormsTestIdleSlotsTooTheOthersSkipThem) {
  gFrameScale = 0.0f;
  for (AimedKindId id : {AimedKindId::Boss1AimedShot1, AimedKindId::Boss1AimedVolley1,
                         AimedKindId::Boss1AimedVolley2, AimedKindId::Boss3AimedShot1}) {
    ResetAll();
    gPlayerAlive = 1;
    AimedVolleySlot& inBox = Aimed(id).slots[0];
    inBox.x = gPlayerX + 20, inBox.y = gPlayerY + 25;  // idle, yet inside the ship's box
    AimedVolleySlot& outside = Aimed(id).slots[1];
    outside.x = 700.0f, outside.y = 100.0f;  // idle beyond the screen
    MoveAimed(id);
    const bool visits = id == AimedKindId::Boss1AimedShot1 || id == AimedKindId::Boss1AimedVolley1;
    EXPECT_EQ(gPlayerAlive, visits ? 0 : 1) << static_cast<int>(id);
    EXPECT_EQ(outside.x, visits ? float(kParkX) : 700.0f) << static_cast<int>(id);
  }
}

TEST_F(AimedVolleyTest, ARunningBombFreesEveryBulletBeforeItCanHit) {
  ResetAll();
  gBombActive = 1;
  gPlayerX = 100.0f, gPlayerY = 100.0f;
  gBoss1.x = -100.0f, gBoss1.y = -30.0f;  // the volley starts at (110, 100), inside the ship's box
  for (int call = 0; call < 40; ++call) TickBoss1AimedVolley2();
  EXPECT_EQ(gBoss1AimedVolley2[0].active, 1);
  MoveBoss1AimedVolley2();
  for (int s = 0; s < 5; ++s) EXPECT_TRUE(Parked(gBoss1AimedVolley2[s])) << s;
  EXPECT_EQ(gPlayerAlive, 1);
}

TEST_F(AimedVolleyTest, FireOutsideTheTableOrItsGroupStartsNothing) {
  ResetAll();
  FireBoss1AimedVolley2(25, 20);
  FireBoss1AimedVolley2(-1, 0);
  FireBoss1AimedVolley2(7, 0);  // slot 7 is not in the group that starts at 0
  FireBoss3AimedShot1(200);
  FireBoss2AimedShot1(-1);
  for (const AimedVolleySlot& s : gBoss1AimedVolley2) EXPECT_EQ(s.active, 0);
  for (const AimedShotSlot& s : gBoss3AimedShot1) EXPECT_EQ(s.active, 0);
}

TEST_F(AimedVolleyTest, ResetStartsVolleysOnOneOfSevenCellsAndRingsOnOneOfTen) {
  for (int i = 0; i < 300; ++i) gBoss3AimedShot2[i] = {99, 5, 1, 2, 3, 4, 5, 6, 1};
  ResetAll();
  int volleyMax = 0, ringMax = 0;
  for (const AimedVolleySlot& s : gBoss3AimedVolley4) volleyMax = std::max(volleyMax, s.frame);
  for (const AimedShotSlot& s : gBoss3AimedShot2) ringMax = std::max(ringMax, s.frame);
  EXPECT_EQ(volleyMax, 6);
  EXPECT_EQ(ringMax, 9);
  for (const AimedShotSlot& s : gBoss3AimedShot2) {
    EXPECT_TRUE(Parked(s));
    EXPECT_EQ(s.angle, kParkedAngle);
    EXPECT_EQ(s.timer + s.dx + s.dy + s.speed, 0.0f);
  }
}

using AimedDrawTest = AttackDrawTest;

TEST_F(AimedDrawTest, VolleysDrawLiveBulletsAndAnimateOnlyThem) {
  std::vector<uint16_t> seen;
  int idleFrame = -1, liveFrame = -1;
  InGame([&] {
    gPicVal2024 = Strip(24);
    ResetAll();
    gBoss1AimedVolley2[0] = {23, 0, 100.7f, 50.9f, 0, 0, 0, 0, 1};
    gBoss1AimedVolley2[1] = {5, 0, 200.0f, 50.0f, 0, 0, 0, 0, 0};  // idle, off its parking
    DrawBoss1AimedVolley2();
    seen = {Back(100, 50), Back(119, 69), Back(120, 50), Back(99, 50), Back(200, 50)};
    liveFrame = gBoss1AimedVolley2[0].frame;
    idleFrame = gBoss1AimedVolley2[1].frame;
  });
  EXPECT_EQ(seen, (std::vector<uint16_t>{CellColour(23), CellColour(23), 0, 0, 0}));
  EXPECT_EQ(liveFrame, 0);  // 24 cells: 23 wraps to 0
  EXPECT_EQ(idleFrame, 5);
}

TEST_F(AimedDrawTest, RingsAndStringsAnimateEverySlotAndWrapAStartCellPastTheirStrip) {
  std::vector<int> frames;
  uint16_t drawn = 0;
  InGame([&] {
    gPicVal201 = Strip(7);
    ResetAll();
    gBoss1AimedShot2[0].frame = 9;  // a start cell the 7-cell strip does not have
    gBoss1AimedShot2[1].frame = 6;
    gBoss1AimedShot2[2].frame = 2;
    gBoss1AimedShot2[2].active = 1;
    gBoss1AimedShot2[2].x = 300.0f, gBoss1AimedShot2[2].y = 300.0f;
    DrawBoss1AimedShot2();
    drawn = Back(310, 310);
    for (int s = 0; s < 3; ++s) frames.push_back(gBoss1AimedShot2[s].frame);
  });
  EXPECT_EQ(drawn, CellColour(2));
  EXPECT_EQ(frames, (std::vector<int>{0, 0, 3}));
}

}  // namespace
