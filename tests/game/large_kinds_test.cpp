// The single large kinds: entry values and their draws, the straight flight
// and the bounds, the body and the eight-copy explosion, the end of the
// explosion with and without hitSkip, the Zak54 and Zak50C phase scripts.
#include <vector>

#include "tests/game/large_fixture.h"
#include "tests/game/player_fixture.h"

namespace {

struct Copy {
  int picture, dx, dy;
};

class LargeKindTest : public LargeTest {
 protected:
  // The back surface after the expected explosion copies of frame f at (x, y).
  static std::vector<uint16_t> Explosion(const std::vector<Copy>& copies, int x, int y, int f) {
    return Render([&] {
      for (const Copy& c : copies)
        koDraw::Blit(x + c.dx, y + c.dy, c.picture, 80 * f, 0, 80 * f + 80, 80);
    });
  }

  // The mixed copies of both strips.
  static std::vector<Copy> Mixed() {
    return {{gPicZbak3b, -25, 35}, {gPicZbak3b, 135, 35}, {gPicZbak3b, 55, -45},
            {gPicZbak3b, 55, 115}, {gPicZbak2b, -2, -22}, {gPicZbak2b, 112, -22},
            {gPicZbak2b, -2, 92},  {gPicZbak3b, 112, 92}};
  }
};

TEST_F(LargeKindTest, SpawnsTakeTheirDrawsInOrderAndLeaveALiveKindAndItsRowAlone) {
  gZak50A.row = 2;
  gZak50A.hitSkip = 1;
  gZak50A.frame = 5;
  gZak50A.dying = 1;
  gZak50A.phaseTimer = 33.0f;
  std::vector<int> r = NextRands(3);
  SpawnZak50A(0);
  EXPECT_EQ(gZak50A.x, 640.0f);
  EXPECT_EQ(gZak50A.y, static_cast<float>(r[0] % 80 + 30));
  EXPECT_EQ(gZak50A.vx, static_cast<float>(r[1] % 60 + 160));
  EXPECT_EQ(gZak50A.vy, static_cast<float>(r[2] % 60 + 60));
  EXPECT_EQ(gZak50A.alive, 1);
  EXPECT_EQ(gZak50A.dying + gZak50A.frame, 0);
  EXPECT_EQ(gZak50A.row, 2);  // the end of an explosion clears these, not the spawn
  EXPECT_EQ(gZak50A.hitSkip, 1);
  EXPECT_EQ(gZak50A.phaseTimer, 33.0f);  // no script: the clock is not the kind's
  gZak50A.x = 77.0f;
  r = NextRands(1);
  SpawnZak50A(0);  // live: no draws, nothing changes
  EXPECT_EQ(gZak50A.x, 77.0f);
  EXPECT_EQ(koSystem::Rand(), r[0]);
}

TEST_F(LargeKindTest, Zak54AddsOneDrawAndSubtractsTheNextAndScriptedKindsRestartTheirClock) {
  gZak54B.phaseTimer = 90.0f;
  gZak54B.hp = -3.0f;
  const std::vector<int> r = NextRands(6);
  SpawnZak54A(0);
  SpawnZak54B(0);
  SpawnZak54C(0);
  EXPECT_EQ(gZak54A.y, static_cast<float>(165 + r[0] % 20 - r[1] % 20));
  EXPECT_EQ(gZak54B.y, static_cast<float>(25 + r[2] % 20 - r[3] % 20));
  EXPECT_EQ(gZak54C.y, static_cast<float>(325 + r[4] % 20 - r[5] % 20));
  EXPECT_EQ(gZak54B.x, 640.0f);
  EXPECT_EQ(gZak54B.vx, 220.0f);
  EXPECT_EQ(gZak54B.vy, 280.0f);
  EXPECT_EQ(gZak54B.phaseTimer, 0.0f);
  EXPECT_EQ(gZak54B.hp, -3.0f);  // only the reset restores the hit points
  const int next = NextRands(1)[0];
  gZak50C.phaseTimer = 50.0f;
  SpawnZak50C(0);  // no draws
  EXPECT_EQ(koSystem::Rand(), next);
  EXPECT_EQ(gZak50C.x, 540.0f);
  EXPECT_EQ(gZak50C.y, -150.0f);
  EXPECT_EQ(gZak50C.vx, 200.0f);
  EXPECT_EQ(gZak50C.vy, 280.0f);
  EXPECT_EQ(gZak50C.phaseTimer, 0.0f);
}

TEST_F(LargeKindTest, StraightKindsFlyLeftAtVxAndAreFreedPastTheirLeftEdgeOrBelowTheScreen) {
  Place(gZak50A, -180.0f, 480.0f);
  gZak50A.vx = 40.0f;
  gZak50A.vy = 100.0f;  // not applied
  MoveZak50A(0);
  EXPECT_EQ(gZak50A.x, -200.0f);
  EXPECT_EQ(gZak50A.y, 480.0f);
  EXPECT_EQ(gZak50A.alive, 1);  // both bounds included
  MoveZak50A(0);
  EXPECT_EQ(gZak50A.alive, 0);
  EXPECT_EQ(gZak50A.x, -500.0f);
  EXPECT_EQ(gZak50A.y, 500.0f);
  Place(gZak51B, -260.0f, 100.0f);
  gZak51B.vx = 20.0f;
  MoveZak51B(0);  // -270: the wider craft leaves later
  EXPECT_EQ(gZak51B.alive, 1);
  MoveZak51B(0);
  EXPECT_EQ(gZak51B.alive, 0);
  Place(gZak50B, 300.0f, 480.5f);  // below the screen whatever alive says
  gZak50B.alive = 0;
  MoveZak50B(0);
  EXPECT_EQ(gZak50B.x, -500.0f);
}

TEST_F(LargeKindTest, TheBodyIsDrawnWholeAtTheTruncatedPlaceAndAParkedKindShowsNothing) {
  EXPECT_TRUE(Blank(Render([] {
    DrawZak50A(0);
    DrawZak51A(0);
    DrawZak54C(0);
  })));
  Place(gZak51A, 300.9f, -20.7f);
  Place(gZak54C, 10.2f, 300.0f);
  gZak54C.alive = 0;  // drawn whatever alive says
  EXPECT_EQ(Render([] {
              DrawZak51A(0);
              DrawZak54C(0);
            }),
            Render([] {
              koDraw::Blit(300, -20, gPicZak51, 0, 0, 270, 190);
              koDraw::Blit(10, 300, gPicZak54, 0, 0, 200, 150);
            }));
}

TEST_F(LargeKindTest, TheExplosionDrawsEightPlainCopiesInEveryModeForThirtyTwoDrawsWhileDrifting) {
  Place(gZak50A, 300.5f, 200.0f);
  gZak50A.vx = 10.0f;
  gZak50A.hitSkip = 1;
  HitZak50A();
  for (int call = 0; call < 32; ++call) {
    gExplosionBlitMode = call % 3;  // 0, 1 and an unknown mode alike
    const int x = static_cast<int>(gZak50A.x);
    ASSERT_EQ(Render([] { DrawZak50A(0); }), Explosion(Mixed(), x, 200, call % 8)) << call;
    if (call < 31) {
      EXPECT_EQ(gZak50A.frame, (call + 1) % 8);
      EXPECT_EQ(gZak50A.row, (call + 1) / 8);
    }
    MoveZak50A(0);  // the wreck flies on
  }
  EXPECT_EQ(gZak50A.alive + gZak50A.dying + gZak50A.frame + gZak50A.row + gZak50A.hitSkip, 0);
  EXPECT_EQ(gZak50A.x, -500.0f);
}

TEST_F(LargeKindTest, TheZak54AndZak50CExplosionsEndWithoutClearingHitSkip) {
  for (LargeZakState* k : {&gZak54B, &gZak50C, &gZak51B}) {
    Place(*k, 100.0f, 100.0f);
    k->hitSkip = 1;
    k->dying = 1;
  }
  for (int i = 0; i < 32; ++i)
    Render([] {
      DrawZak54B(0);
      DrawZak50C(0);
      DrawZak51B(0);
    });
  EXPECT_EQ(gZak54B.alive + gZak50C.alive + gZak51B.alive, 0);
  EXPECT_EQ(gZak54B.hitSkip, 1);
  EXPECT_EQ(gZak50C.hitSkip, 1);
  EXPECT_EQ(gZak51B.hitSkip, 0);
}

TEST_F(LargeKindTest, Zak54EntersStandsFiringItsBarsThenLeavesAndLaterRoundsOnlyStand) {
  gFrameScale = 1.0f / 45.0f;  // one script unit per move
  SpawnZak54A(0);
  gZak54A.y = 100.0f;
  float x = 640.0f;
  for (int t = 1; t <= 121; ++t) {
    MoveZak54A(0);
    if (t <= 50) x -= 220.0f * gFrameScale;
    if (t >= 71 && t <= 120) x -= 250.0f * gFrameScale;
    ASSERT_FLOAT_EQ(gZak54A.x, x) << t;
    ASSERT_EQ(gZak54ABar1.alive, t >= 51 ? 1 : 0) << t;
    if (t == 51) {
      EXPECT_EQ(gZak54A.vx, 0.0f);
      EXPECT_EQ(gZak54ABar1.x, static_cast<int>(gZak54A.x) + 100);
      EXPECT_EQ(gZak54ABar2.y, 195);
    }
  }
  EXPECT_EQ(gZak54A.phaseTimer, 0.0f);  // 121 starts the round again
  for (int t = 1; t <= 50; ++t) MoveZak54A(0);
  EXPECT_FLOAT_EQ(gZak54A.x, x);  // vx stays 0 after the first stand
  // A free bar refires within the band; between bands nothing moves.
  gZak54ABar1 = LaserBarRecord{0, -500, 500, 0.0f, 0};
  MoveZak54A(0);
  EXPECT_EQ(gZak54ABar1.alive, 1);
  gZak54A.phaseTimer = 120.2f;
  gFrameScale = 0.5f / 45.0f;
  MoveZak54A(0);  // 120.7: between the leaving band and the restart
  EXPECT_FLOAT_EQ(gZak54A.x, x);
  EXPECT_FLOAT_EQ(gZak54A.phaseTimer, 120.7f);
}

TEST_F(LargeKindTest, ADyingZak54KeepsItsScriptAndIsFreedOutsideItsBox) {
  gFrameScale = 0.0f;  // the clock stays in the firing band
  Place(gZak54C, 100.0f, 100.0f);
  gZak54C.phaseTimer = 60.0f;
  HitZak54C();
  MoveZak54C(0);
  EXPECT_EQ(gZak54CBar1.alive, 1);  // it fires while it explodes
  const float corners[][2] = {{-200, -150}, {650, 480}, {-200.5f, 0}, {650.5f, 0}, {0, -150.5f}};
  const int kept[] = {1, 1, 0, 0, 0};
  for (int i = 0; i < 5; ++i) {
    Place(gZak54A, corners[i][0], corners[i][1]);
    gZak54A.phaseTimer = 60.0f;
    MoveZak54A(0);
    EXPECT_EQ(gZak54A.alive, kept[i]) << i;
  }
}

TEST_F(LargeKindTest, Zak50CDivesStandsFiringItsStreamThenSinksWhileLeaving) {
  gFrameScale = 1.0f / 40.0f;
  SpawnZak50C(0);
  float x = 540.0f, y = -150.0f;
  for (int t = 1; t <= 40; ++t) {
    MoveZak50C(0);
    x -= 200.0f * gFrameScale;
    y += 170.0f * gFrameScale;
  }
  EXPECT_FLOAT_EQ(gZak50C.x, x);
  EXPECT_FLOAT_EQ(gZak50C.y, y);
  EXPECT_EQ(gZak50CStream[0].alive, 0);
  MoveZak50C(0);  // 41: fires and stands
  EXPECT_EQ(gZak50C.vx, 0.0f);
  EXPECT_FLOAT_EQ(gZak50C.x, x);
  for (const ShotRecord& s : gZak50CStream) EXPECT_EQ(s.alive, 1);
  EXPECT_FLOAT_EQ(gZak50CStream[3].x, x + 60.0f);
  for (int t = 42; t <= 71; ++t) MoveZak50C(0);
  EXPECT_FLOAT_EQ(gZak50C.x, x - 150.0f * gFrameScale);
  EXPECT_FLOAT_EQ(gZak50C.y, y + 280.0f * gFrameScale);
  // Its box: -100..540 by -160..480, bounds included.
  Place(gZak50C, 540.0f, -160.0f);
  gZak50C.phaseTimer = 45.0f;
  MoveZak50C(0);
  EXPECT_EQ(gZak50C.alive, 1);
  gZak50C.x = -100.5f;
  MoveZak50C(0);
  EXPECT_EQ(gZak50C.alive, 0);
}

TEST_F(LargeKindTest, TheResetParksEveryKindAndGivesOnlyTheZak54KindsTheirNineHitPoints) {
  for (LargeZakState* k : {&gZak50A, &gZak54A, &gZak54B, &gZak54C}) {
    Place(*k, 1.0f, 2.0f);
    k->hp = 1.0f;
    k->phaseTimer = k->vy = 3.0f;
  }
  for (const ResetTable& t : ResetTables()) t.reset();
  EXPECT_EQ(gZak50A.hp, 0.0f);
  EXPECT_EQ(gZak50A.x, -500.0f);
  for (LargeZakState* k : {&gZak54A, &gZak54B, &gZak54C}) {
    EXPECT_EQ(k->hp, 9.0f);
    EXPECT_EQ(k->phaseTimer + k->vy, 0.0f);
    EXPECT_EQ(k->y, 500.0f);
  }
}

using LargeKindInPlayTest = PlayerTest;

TEST_F(LargeKindInPlayTest, Zak50BPlaysTheExplosionSoundTwicePerHitAndTheOthersOnce) {
  int zak50B = -1, others = -1, dying = -1;
  At(kPlay, [&] {
    PlaysOf(gSndBom);
    HitZak50B();
    zak50B = PlaysOf(gSndBom);
    HitZak50A();
    HitZak54A();
    others = PlaysOf(gSndBom);
    dying = gZak50B.dying + gZak50A.dying + gZak54A.dying;
  });
  RunFrames(kPlay + 1);
  EXPECT_EQ(zak50B, 2);
  EXPECT_EQ(others, 2);
  EXPECT_EQ(dying, 3);
}

}  // namespace
