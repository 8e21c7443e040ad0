// The single large kinds: the entry that adds draws, the eight-copy
// explosion, its end with and without hitSkip, and the Zak54 phase script.
#include <vector>

#include "tests/game/large_fixture.h"

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

// Each kind stands at a place of its own and shows its own body.
TEST_F(LargeKindTest, EachKindShowsItsOwnBodyAtItsTruncatedCorner) {
  const struct {
    const char* name;
    LargeZakState& state;
    void (*draw)(int);
    const int& picture;
    int w, h;
  } kinds[] = {{"Zak50A", gZak50A, DrawZak50A, gPicZak50, 200, 160},
               {"Zak50B", gZak50B, DrawZak50B, gPicZak50, 200, 160},
               {"Zak50C", gZak50C, DrawZak50C, gPicZak50, 200, 160},
               {"Zak51A", gZak51A, DrawZak51A, gPicZak51, 270, 190},
               {"Zak51B", gZak51B, DrawZak51B, gPicZak51, 270, 190},
               {"Zak54A", gZak54A, DrawZak54A, gPicZak54, 200, 150},
               {"Zak54B", gZak54B, DrawZak54B, gPicZak54, 200, 150},
               {"Zak54C", gZak54C, DrawZak54C, gPicZak54, 200, 150}};
  int n = 0;
  for (const auto& k : kinds) {
    const int x = 10 + 40 * n, y = 5 + 30 * n++;
    Place(k.state, static_cast<float>(x) + 0.8f, static_cast<float>(y) + 0.3f);
    EXPECT_EQ(Render([&k] { k.draw(0); }),
              Render([&] { koDraw::Blit(x, y, k.picture, 0, 0, k.w, k.h); }))
        << k.name;
  }
}

// The entry height adds one draw and subtracts the next.
TEST_F(LargeKindTest, Zak54AddsOneDrawAndSubtractsTheNext) {
  const std::vector<int> r = NextRands(2);
  SpawnZak54A(0);
  EXPECT_EQ(gZak54A.y, static_cast<float>(165 + r[0] % 20 - r[1] % 20));
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
}

}  // namespace
