// The lasers of Zak51A and Zak51B and the beams of Zak50B and Zak51A: firing
// from the truncated muzzle, whole-pixel flight, growth per drawn frame, the
// ship's box that widens with the strip, the beam schedule with its pairs,
// the sideways spread and the cells drawn for every slot.
#include <vector>

#include "tests/game/large_fixture.h"

namespace {

using LaserTest = LargeTest;
using BeamTest = LargeTest;

TEST_F(LaserTest, TheLaserMovesInWholePixelsAndIsFreedPastMinus270ThenRefiresAtTheMuzzle) {
  gZak51ALaser = {100, 400, 200, 520.0f, 1};
  gFrameScale = 0.0019f;  // 0.988 pixels: truncated to no step at all
  MoveZak51ALaser();
  EXPECT_EQ(gZak51ALaser.x, 400);
  gFrameScale = 0.004f;  // 2.08 pixels: 2
  MoveZak51ALaser();
  EXPECT_EQ(gZak51ALaser.x, 398);
  gZak51ALaser.x = -268;
  MoveZak51ALaser();
  EXPECT_EQ(gZak51ALaser.x, -270);
  EXPECT_EQ(gZak51ALaser.alive, 1);
  MoveZak51ALaser();
  EXPECT_EQ(gZak51ALaser.alive, 0);
  // Each laser fires from its own craft's truncated place, 85 right and 95 down.
  Place(gZak51A, 200.0f, 50.0f);
  Place(gZak51B, 120.9f, 80.6f);
  FireZak51ALaser();
  FireZak51BLaser();
  EXPECT_TRUE(gZak51ALaser.x == 285 && gZak51ALaser.y == 145);
  EXPECT_TRUE(gZak51BLaser.x == 205 && gZak51BLaser.y == 175);
  EXPECT_EQ(gZak51ALaser.width, 0);
  EXPECT_EQ(gZak51ALaser.speed, 520.0f);
  // Below the screen the laser is freed whatever alive says; a bomb leaves it alone.
  gBombActive = 1;
  MoveZak51ALaser();
  EXPECT_EQ(gZak51ALaser.alive, 1);
  gZak51ALaser = {0, 100, 481, 0.0f, 0};
  MoveZak51ALaser();
  EXPECT_EQ(gZak51ALaser.x, -500);
}

TEST_F(LaserTest, TheStripGrowsFourPixelsPerDrawUpTo240WhateverTheFrameTime) {
  gZak51ALaser = {0, 100, 200, 520.0f, 1};
  EXPECT_EQ(Render([] { DrawZak51ALaser(); }),
            Render([] { koDraw::Blit(100, 200, gPicLz1, 0, 0, 4, 20); }));
  gFrameScale = 0.0f;
  for (int i = 2; i <= 59; ++i) DrawZak51ALaser();
  EXPECT_EQ(gZak51ALaser.width, 236);
  DrawZak51ALaser();
  EXPECT_EQ(gZak51ALaser.width, 240);
  EXPECT_EQ(Render([] { DrawZak51ALaser(); }),
            Render([] { koDraw::Blit(100, 200, gPicLz1, 0, 0, 240, 20); }));
}

// The box widens with the strip: from 60 left of it to 30 short of its right
// end (210 at the full 240), and from 54 above to 14 below.
TEST_F(LaserTest, TheShipIsHitFrom60LeftTo30ShortOfTheStripsEndAnd54AboveTo14Below) {
  struct Case {
    int width;     // after the draw's growth
    float dx, dy;  // ship minus laser
    int hit;
  };
  const Case cases[] = {{240, -60, -54, 1},  {240, 210, 14, 1},   {240, -60.5f, 0, 0},
                        {240, 210.5f, 0, 0}, {240, 0, -54.5f, 0}, {240, 0, 14.5f, 0},
                        {4, -26, 0, 1},      {4, -25.5f, 0, 0},   {100, 70, 0, 1},
                        {100, 70.5f, 0, 0},  {100, -60.5f, 0, 0}};
  for (const Case& c : cases) {
    gZak51ALaser = {c.width - 4, 300, 200, 520.0f, 1};
    gPlayerX = 300.0f + c.dx;
    gPlayerY = 200.0f + c.dy;
    gPlayerAlive = 1;
    DrawZak51ALaser();
    EXPECT_EQ(gPlayerAlive, 1 - c.hit) << c.width << ": " << c.dx << ", " << c.dy;
    EXPECT_EQ(gZak51ALaser.alive, 1);  // the laser flies on
  }
}

std::vector<int> AliveSlots(const AimedShotRecord (&slots)[20]) {
  std::vector<int> alive;
  for (int i = 0; i < 20; ++i)
    if (slots[i].alive) alive.push_back(i);
  return alive;
}

TEST_F(BeamTest, PairsDropOnTheirCountsOfA150PeriodAndTheLastTwoPairsNever) {
  Place(gZak50B, 200.0f, 100.0f);
  const int counts[] = {10, 20, 30, 70, 80, 90, 130, 140};
  std::vector<int> expected;
  for (int call = 1; call <= 300; ++call) {
    TickZak50BBeam1(0);
    for (int k = 0; k < 8; ++k)
      if (call == counts[k]) expected.insert(expected.end(), {2 * k, 2 * k + 1});
    ASSERT_EQ(AliveSlots(gZak50BBeam1), expected) << call;
  }
  for (const AimedShotRecord& s : gZak50BBeam1) EXPECT_EQ(s.timer, 0);  // 300 calls: two periods
  EXPECT_EQ(gZak50BBeam1[6].x, 260.0f);
  EXPECT_EQ(gZak50BBeam1[7].x, 340.0f);
  EXPECT_EQ(gZak50BBeam1[7].y, 230.0f);
  EXPECT_EQ(gZak50BBeam1[18].x, -500.0f);
}

TEST_F(BeamTest, StartingOneSlotOfAPairSetsBothBackUnderTheCraft) {
  Place(gZak51A, 300.0f, 50.0f);
  gZak51ABeam1[2] = AimedShotRecord{};
  gZak51ABeam1[2].alive = 1;
  gZak51ABeam1[2].x = 10.0f;
  gZak51ABeam1[2].y = 400.0f;
  FireZak51ABeam1(3, 2);
  EXPECT_EQ(gZak51ABeam1[3].alive, 1);
  EXPECT_EQ(gZak51ABeam1[3].y, 180.0f);
  EXPECT_EQ(gZak51ABeam1[2].x, 340.0f);  // moved back under the craft
  EXPECT_EQ(gZak51ABeam1[2].y, 400.0f);  // but still falling where it was
  EXPECT_EQ(gZak51ABeam1[3].x, 420.0f);
  gZak51ABeam1[3].x = 0.0f;
  FireZak51ABeam1(3, 2);  // busy: nothing at all
  EXPECT_EQ(gZak51ABeam1[3].x, 0.0f);
}

TEST_F(BeamTest, Beam1FallsStraightAndBeam2SpreadsEverySlotSidewaysWhileFalling) {
  for (AimedShotRecord* beam : {gZak50BBeam1, gZak50BBeam2}) {
    beam[0].alive = beam[1].alive = 1;
    beam[0].x = beam[1].x = 300.0f;
    beam[0].y = beam[1].y = 100.0f;
  }
  gPlayerAlive = 0;
  MoveZak50BBeam1(0);
  MoveZak50BBeam2(0);
  EXPECT_EQ(gZak50BBeam1[0].y, 240.0f);
  EXPECT_EQ(gZak50BBeam1[0].x, 300.0f);
  EXPECT_EQ(gZak50BBeam1[0].speed, 280.0f);
  EXPECT_EQ(gZak50BBeam2[0].y, 225.0f);
  EXPECT_EQ(gZak50BBeam2[0].x, 240.0f);
  EXPECT_EQ(gZak50BBeam2[1].x, 360.0f);
  EXPECT_EQ(gZak50BBeam2[0].speed, 250.0f);
  // Free slots drift too, and keep their speed and place below the screen.
  EXPECT_EQ(gZak50BBeam2[4].x, -560.0f);
  EXPECT_EQ(gZak50BBeam2[5].x, -440.0f);
  EXPECT_EQ(gZak50BBeam2[5].y, 500.0f);
  EXPECT_EQ(gZak50BBeam2[5].speed, 0.0f);
  EXPECT_EQ(gZak50BBeam1[4].x, -500.0f);
}

// Each family draws all twenty slots of its own table, free ones too, each in
// the cell of its side of the pair: Beam1 one cell for both, Beam2 two.
TEST_F(BeamTest, EachFamilyDrawsEverySlotOfItsOwnInItsPairsCells) {
  struct Family {
    AimedShotRecord* slots;
    void (*draw)(int);
    int cells[2];  // source left of the even and the odd slot
  };
  const Family families[] = {{gZak50BBeam1, DrawZak50BBeam1, {120, 120}},
                             {gZak50BBeam2, DrawZak50BBeam2, {80, 160}},
                             {gZak51ABeam1, DrawZak51ABeam1, {120, 120}},
                             {gZak51ABeam2, DrawZak51ABeam2, {80, 160}}};
  // Every family on a row of its own, every third slot live.
  const auto x = [](int slot) { return 10 + 30 * slot; };
  const auto y = [](int family) { return 20 + 110 * family; };
  for (int k = 0; k < 4; ++k)
    for (int i = 0; i < 20; ++i) {
      AimedShotRecord& s = families[k].slots[i];
      s = AimedShotRecord{};
      s.x = static_cast<float>(x(i)) + 0.7f;  // drawn at the truncated place
      s.y = static_cast<float>(y(k)) + 0.7f;
      s.alive = i % 3 == 0;
    }
  for (int k = 0; k < 4; ++k) {
    const Family& f = families[k];
    EXPECT_EQ(Render([&f] { f.draw(0); }), Render([&] {
                for (int i = 0; i < 20; ++i) {
                  const int left = f.cells[i % 2];
                  koDraw::Blit(x(i), y(k), gPicBeam, left, 0, left + 40, 40);
                }
              }))
        << "family " << k;
  }
}

}  // namespace
