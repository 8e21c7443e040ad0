#include "bosses/late_aimed.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "bosses/aimed_kinds.h"
#include "bosses/attack_kind.h"
#include "enemies/kind.h"
#include "game/assets.h"
#include "player/parking.h"
#include "tests/game/boss_attack_fixture.h"

namespace {

using enum AimedKindId;

constexpr float kPi = std::numbers::pi_v<float>;
constexpr float kDeg = kPi / 180.0f;

constexpr AimedKindId kLateKinds[] = {Boss4AimedShot1,   Boss4AimedShot2,   Boss4AimedVolley1,
                                      Boss4AimedVolley2, Boss5AimedVolley1, Boss5AimedVolley2,
                                      Boss5AimedVolley3, Boss5AimedVolley4, Boss6AimedShot1,
                                      Boss7AimedShot1,   Boss7AimedShot2,   Boss8AimedShot1};

// The bosses at (100, 40): every kind's start point lies on the screen.
class LateAimedTest : public AttackTest {
 protected:
  void SetUp() override {
    AttackTest::SetUp();
    for (BossState* b : {&gBoss4, &gBoss5, &gBoss6, &gBoss7, &gBoss8})
      *b = {100.0f, 40.0f, 0.0f, 0.0f, 0.0f, 0, 0};
    for (AimedKindId id : kLateKinds) ResetAimed(id);
  }
  // Tick calls until the first slot of the table goes live.
  static int CallsToFirstFiring(void (*tick)(), const AimedVolleySlot* slots) {
    for (int call = 1; call <= 1000; ++call) {
      tick();
      if (slots[0].active) return call;
    }
    return -1;
  }
};

// The direction a slot flies, wrapped to [0, 2 pi).
float Heading(float angle) {
  float a = std::fmod(angle, 2.0f * kPi);
  return a < 0 ? a + 2.0f * kPi : a;
}

float AngleBetween(float a, float b) {
  const float d = std::fabs(Heading(a) - Heading(b));
  return std::min(d, 2.0f * kPi - d);
}

struct VolleyCase {
  const char* name;
  void (*tick)();
  const AimedVolleySlot* slots;
  int firstCount, group, centre;
  float startX, startY, speed;  // start point with the boss at (100, 40)
};

TEST_F(LateAimedTest, VolleysFanOutTwelveDegreesAboutTheAimFromTheirStartPoints) {
  const VolleyCase cases[] = {
      {"Boss4AimedVolley1", TickBoss4AimedVolley1, gBoss4AimedVolley1, 20, 3, 1, 160, 140, 150},
      {"Boss5AimedVolley1", TickBoss5AimedVolley1, gBoss5AimedVolley1, 30, 7, 3, 150, 120, 200},
      {"Boss5AimedVolley3", TickBoss5AimedVolley3, gBoss5AimedVolley3, 20, 5, 2, 130, 170, 150},
  };
  gPlayerX = 280.0f, gPlayerY = 380.0f;  // aim point (300, 400)
  for (const VolleyCase& c : cases) {
    EXPECT_EQ(CallsToFirstFiring(c.tick, c.slots), c.firstCount) << c.name;
    const float dx = 300.0f - c.startX, dy = 400.0f - c.startY;
    const float aim = std::atan2(dy, dx);
    for (int m = 0; m < c.group; ++m) {
      const AimedVolleySlot& s = c.slots[m];
      EXPECT_EQ(s.active, 1) << c.name << " member " << m;
      EXPECT_EQ(s.x, c.startX) << c.name;
      EXPECT_EQ(s.y, c.startY) << c.name;
      EXPECT_EQ(s.speed, c.speed) << c.name;
      EXPECT_EQ(s.dx, dx) << c.name;
      EXPECT_LT(AngleBetween(s.angle, aim + (m - c.centre) * 12.0f * kDeg), 1e-4f)
          << c.name << " member " << m;
    }
    EXPECT_EQ(c.slots[c.group].active, 0) << c.name << ": only the first group fired";
  }
}

// The calls of one cycle on which each group first goes live.
std::vector<int> FiringCalls(AimedKindId id, int calls) {
  const AimedKind& k = Aimed(id);
  std::vector<int> fired;
  for (int call = 1; call <= calls; ++call) {
    TickAimed(id);
    for (int first = 0; first < k.count; first += k.group)
      if (k.slots[first].active) {
        fired.push_back(call);
        for (int s = first; s < first + k.group; ++s) ParkSlot(k.slots[s]);
      }
  }
  return fired;
}

TEST_F(LateAimedTest, EachKindFiresItsGroupsOnItsOwnCountsAndRepeatsWithItsCycle) {
  struct Case {
    AimedKindId id;
    std::vector<int> calls;  // over two cycles
  };
  const Case cases[] = {
      {Boss4AimedVolley2, {20, 40, 90, 110, 160, 220, 240, 290, 310, 360}},
      // The ten-group ring of boss 6 leaves out the counts 90 and 270.
      {Boss6AimedShot1, {30,  60,  120, 150, 180, 210, 240, 300, 330, 360,
                         420, 450, 510, 540, 570, 600, 630, 690, 720, 750}},
  };
  for (const Case& c : cases) {
    const AimedKind& k = Aimed(c.id);
    EXPECT_EQ(FiringCalls(c.id, 2 * k.cycle), c.calls) << static_cast<int>(c.id);
  }
}

TEST_F(LateAimedTest, TheFifthGroupOfBossFivesSevenBulletVolleysNeverFires) {
  for (AimedKindId id : {Boss5AimedVolley1, Boss5AimedVolley2}) {
    // Groups 0 to 3 at 30, 60, 90 and 120 of a 150-call cycle; group 4's
    // count of 150 lies past the timer's last value, 149.
    EXPECT_EQ(FiringCalls(id, 300), (std::vector<int>{30, 60, 90, 120, 180, 210, 240, 270}));
    int most = 0;
    for (int call = 0; call < 150; ++call) {
      TickAimed(id);
      most = std::max(most, Aimed(id).slots[28].timer);
    }
    EXPECT_EQ(most, 149);
    for (int s = 28; s < 35; ++s) EXPECT_EQ(Aimed(id).slots[s].active, 0) << s;
  }
}

TEST_F(LateAimedTest, BulletsFlyTheStandardFormToTheScreensEdgesAndAreNotFreedByAHit) {
  gFrameScale = 0.5f;
  gPlayerX = 300.0f, gPlayerY = 200.0f;
  for (AimedKindId id : kLateKinds) {
    ResetAimed(id);
    gPlayerAlive = 1;
    AimedVolleySlot* s = Aimed(id).slots;
    s[0] = {0, 0, 630.0f, 100.0f, 0, 0, 0.0f, 20.0f, 1};     // to 640: stays
    s[1] = {0, 0, 631.0f, 100.0f, 0, 0, 0.0f, 20.0f, 1};     // to 641: freed
    s[2] = {0, 0, 100.0f, 471.0f, 0, 0, kPi / 2, 20.0f, 1};  // to 481: freed
    s[3] = {0, 0, 305.0f, 225.0f, 0, 0, 0.0f, 10.0f, 1};     // to (310, 225): hits and flies on
    s[4].x = 700.0f;                                         // idle: not visited
    MoveAimed(id);
    EXPECT_EQ(s[0].active, 1);
    EXPECT_TRUE(s[1].active == 0 && s[1].x == kParkX && s[1].y == kParkY);
    EXPECT_EQ(s[2].active, 0);
    EXPECT_EQ(gPlayerAlive, 0);
    EXPECT_EQ(s[3].active, 1);
    EXPECT_EQ(s[3].x, 310.0f);
    EXPECT_EQ(s[4].x, 700.0f);
    gBombActive = 1;
    MoveAimed(id);
    EXPECT_EQ(s[0].active + s[3].active, 0);
    gBombActive = 0;
  }
}

using LateAimedDrawTest = AttackDrawTest;

TEST_F(LateAimedDrawTest, AnimatedKindsCycleEveryCellAndFixedKindsDrawOnePicture) {
  std::vector<uint16_t> seen;
  std::vector<int> frames;
  InGame([&] {
    gPicVal201 = Strip(7);
    gPicBullet20 = Strip(3);
    for (AimedKindId id : kLateKinds) ResetAimed(id);
    // An animated volley: its live and idle slots both advance.
    gBoss4AimedVolley1[0] = {6, 0, 100.0f, 50.0f, 0, 0, 0, 0, 1};
    gBoss4AimedVolley1[1].frame = 9;  // a start cell the 7-cell strip does not have
    gBoss4AimedVolley1[2].frame = 3;
    DrawBoss4AimedVolley1();
    // A fixed ring: cell 0 whatever the slot's cell says, and the cell stays.
    gBoss7AimedShot1[0] = {2, 0, 200.0f, 50.0f, 0, 0, 0, 0, 1};
    gBoss7AimedShot1[1].frame = 5;
    DrawBoss7AimedShot1();
    gBoss5AimedVolley2[34] = {4, 0, 300.0f, 50.0f, 0, 0, 0, 0, 1};
    DrawBoss5AimedVolley2();
    seen = {Back(100, 50), Back(119, 69), Back(120, 50), Back(210, 60), Back(310, 60)};
    frames = {gBoss4AimedVolley1[0].frame, gBoss4AimedVolley1[1].frame,
              gBoss4AimedVolley1[2].frame, gBoss7AimedShot1[0].frame,
              gBoss7AimedShot1[1].frame,   gBoss5AimedVolley2[34].frame};
    gPicBullet20 = kNoPicture;
  });
  EXPECT_EQ(seen,
            (std::vector<uint16_t>{CellColour(6), CellColour(6), 0, CellColour(0), CellColour(0)}));
  EXPECT_EQ(frames, (std::vector<int>{0, 0, 4, 2, 5, 4}));
}

}  // namespace
