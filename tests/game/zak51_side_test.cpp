// Zak51L and Zak51R: the 45-degree flight by vy alone, the bottom edge as the only bound, and the
// eight-copy explosion that ignores the blit mode and leaves hitSkip and the speeds alone.
#include "enemies/zak51_side.h"

#include "tests/game/enemy_fixture.h"

namespace {

class Zak51Test : public EnemyTest {
 protected:
  void SetUp() override {
    EnemyTest::SetUp();
    gPicZak51 = Strip(200, 1);
  }
};

struct Side {
  const char* name;
  ZakRecord* slots;
  void (*spawn)(int), (*draw)(int), (*move)(int), (*hit)(int);
  float entryX;
  float xSign;
  int seventhStrip;  // the strip of the seventh explosion copy (1: ZBAK2B, 2: ZBAK3B)
};
const Side kSides[] = {
    {"Zak51L", gZak51L, SpawnZak51L, DrawZak51L, MoveZak51L, HitZak51L, -100, 1, 2},
    {"Zak51R", gZak51R, SpawnZak51R, DrawZak51R, MoveZak51R, HitZak51R, 540, -1, 1},
};

TEST_F(Zak51Test, BothAxesMoveByVyAndOnlyTheBottomEdgeFreesASlot) {
  for (const Side& k : kSides) {
    SCOPED_TRACE(k.name);
    ZakRecord* s = k.slots;
    s[0] = {0, 0, 0, k.entryX, -160, 5000, 100, 0, 1, 0};  // vx is never read
    s[1] = {0, 0, 0, 900, 470, 0, 20, 0, 1, 1};            // exploding, right of the screen
    k.move(0);
    EXPECT_EQ(s[0].y, -110.0f);
    EXPECT_EQ(s[0].x, k.entryX + k.xSign * 50.0f);
    EXPECT_EQ(s[1].y, 480.0f);  // on the edge: kept, whatever its x
    EXPECT_EQ(s[1].x, 900.0f + k.xSign * 10.0f);
    EXPECT_EQ(s[1].alive, 1);
    gFrameScale = 0.001f;
    k.move(0);
    EXPECT_EQ(s[1].alive, 0);
    EXPECT_EQ(s[1].dying, 1);  // freed while exploding: dying stays
    EXPECT_EQ(s[1].x, -500.0f);
    EXPECT_EQ(s[1].y, 500.0f);
    EXPECT_EQ(s[0].alive, 1);
    gFrameScale = 0.5f;
  }
}

TEST_F(Zak51Test, TheExplosionDrawsEightPlainCopiesInEveryModeForTwentyFourDraws) {
  const int offsets[8][2] = {{-25, 35}, {135, 35},  {55, -45}, {55, 115},
                             {-2, -22}, {112, -22}, {-2, 92},  {112, 92}};
  for (const Side& k : kSides) {
    SCOPED_TRACE(k.name);
    ZakRecord& s = k.slots[0];
    s = {0, 0, 0, 200.6f, 150.2f, 30, 40, 1, 1, 0};
    k.hit(0);
    const int strips[8] = {gPicZbak2b,
                           gPicZbak3b,
                           gPicZbak2b,
                           gPicZbak2b,
                           gPicZbak2b,
                           gPicZbak2b,
                           k.seventhStrip == 2 ? gPicZbak3b : gPicZbak2b,
                           gPicZbak3b};
    for (int call = 0; call < 24; ++call) {
      const int f = call % 8;
      gExplosionBlitMode = call % 3;  // 0, 1 and an unknown mode alike
      const auto drawn = Render([&] { k.draw(0); });
      const auto expected = Render([&] {
        for (int c = 0; c < 8; ++c)
          koDraw::Blit(200 + offsets[c][0], 150 + offsets[c][1], strips[c], 80 * f, 0, 80 * f + 80,
                       80);
      });
      ASSERT_EQ(drawn, expected) << "draw " << call;
      EXPECT_EQ(s.frame1, 0);  // these kinds step frame2
      if (call < 23) {
        ASSERT_EQ(s.alive, 1);
        EXPECT_EQ(s.frame2, (call + 1) % 8);
        EXPECT_EQ(s.row, (call + 1) / 8);
      }
    }
    EXPECT_EQ(s.alive + s.dying + s.frame2 + s.row, 0);
    EXPECT_EQ(s.x, -500.0f);
    EXPECT_EQ(s.y, 500.0f);
    EXPECT_EQ(s.hitSkip, 1);  // never written
    EXPECT_EQ(s.vx, 30.0f);   // the speeds are not cleared
    EXPECT_EQ(s.vy, 40.0f);
  }
}

}  // namespace
