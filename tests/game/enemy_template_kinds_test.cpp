// The kinds' own values: entry values and their draws, explosions in both
// blit modes, moves and bounds, Zak3's marker and Convoy90's waves.
#include <functional>

#include "enemies/template_kinds.h"
#include "tests/game/enemy_fixture.h"

namespace {

using TemplateKindTest = EnemyTest;

float R(int v) { return static_cast<float>(v); }

TEST_F(TemplateKindTest, EveryKindSetsItsEntryValuesInTheOrderOfItsDraws) {
  struct Case {
    void (*spawn)(int);
    ZakRecord* slot;
    std::function<void(const std::vector<int>&, const ZakRecord&)> check;
  };
  const Case cases[] = {
      {SpawnZak7B, gZak7B,
       [](const std::vector<int>& r, const ZakRecord& z) {
         EXPECT_EQ(z.x, 640.0f);
         EXPECT_EQ(z.y, 370.0f);
         EXPECT_EQ(z.vy, R(r[0] % 20 - 10));
         EXPECT_EQ(z.vx, R(r[1] % 200 + 60));
       }},
      {SpawnZak1B, gZak1B,
       [](const std::vector<int>& r, const ZakRecord& z) {
         EXPECT_EQ(z.y, R(r[0] % 410 + 20));
         EXPECT_EQ(z.x, 640.0f);
         EXPECT_EQ(z.vy, R(r[1] % 10));
         EXPECT_EQ(z.vx, R(r[2] % 60 + 180));
       }},
      {SpawnZak9, gZak9,
       [](const std::vector<int>& r, const ZakRecord& z) {
         EXPECT_EQ(z.x, R(r[0] % 400 + 80));
         EXPECT_EQ(z.y, -100.0f);
         EXPECT_EQ(z.vx, R(r[1] % 50 + 50));
         EXPECT_EQ(z.vy, R(r[2] % 68 + 52));
       }},
  };
  for (const Case& c : cases) {
    c.slot[0].frame2 = 4;
    const std::vector<int> r = NextRands(3);
    c.spawn(0);
    c.check(r, c.slot[0]);
    EXPECT_EQ(c.slot[0].alive, 1);
    EXPECT_EQ(c.slot[0].frame2, 0);
    EXPECT_EQ(c.slot[2].alive, 1);
  }
}

// One strip copy at the truncated place, added in mode 1 and plain in mode 0,
// run on each kind's own counter for its frames and rows; the blit mode
// changes on every draw.
TEST_F(TemplateKindTest, OneCopyExplosionsRunTheirFramesAndRowsOnTheirOwnCounter) {
  struct Case {
    void (*draw)(int);
    void (*hit)(int);
    ZakRecord* slots;
    int32_t ZakRecord::*counter;
    int frames, rows;
    bool stops;
  };
  const Case cases[] = {
      {DrawZak3, HitZak3, gZak3, &ZakRecord::frame1, 8, 4, false},
      {DrawZak7B, HitZak7B, gZak7B, &ZakRecord::frame1, 8, 5, true},
      {DrawZak3B, HitZak3B, gZak3B, &ZakRecord::frame1, 8, 4, true},
      {DrawStrafer3, HitStrafer3, gStrafer3, &ZakRecord::frame2, 8, 4, true},
  };
  for (const Case& c : cases) {
    ZakRecord& z = c.slots[1];
    z = {0, 0, 0, 200.5f, 150.0f, 30.0f, 30.0f, 1, 1, 0};
    c.hit(1);
    const int32_t ZakRecord::*other =
        c.counter == &ZakRecord::frame1 ? &ZakRecord::frame2 : &ZakRecord::frame1;
    const int calls = c.frames * c.rows;
    for (int call = 0; call < calls; ++call) {
      const int f = call % c.frames;
      gExplosionBlitMode = call % 2;
      const Copy::Kind kind = call % 2 ? Copy::kAdd : Copy::kPlain;
      ASSERT_EQ(Render([&] { c.draw(0); }), Render([&] {
                  DrawCopies({{kind, gPicZbak2b, 80, 200, 150}}, f);
                }))
          << "draw " << call;
      EXPECT_EQ(z.vx == 0.0f && z.vy == 0.0f, c.stops);
      EXPECT_EQ(z.*other, 0);
      if (call + 1 < calls) {
        ASSERT_EQ(z.alive, 1) << "draw " << call;
        EXPECT_EQ(z.*(c.counter), (call + 1) % c.frames);
      }
    }
    EXPECT_EQ(z.alive + z.dying + z.row + z.*(c.counter) + z.hitSkip, 0);
    EXPECT_EQ(z.x, -500.0f);
  }
}

TEST_F(TemplateKindTest, Zak1BAndZak2BCloseOnTheShipsRowAfterEveryMove) {
  gPlayerY = 260.0f;
  gFrameScale = 0.1f;
  gZak1B[0] = {0, 0, 0, 300.0f, 200.0f, 100.0f, 3.0f, 0, 1, 0};
  gZak2B[0] = {0, 0, 0, 300.0f, 262.0f, 100.0f, 0.0f, 0, 1, 0};
  MoveZak1B(0);
  MoveZak2B(0);
  EXPECT_FLOAT_EQ(gZak1B[0].y, 200.3f);  // the spawn speed acts on the first move only
  EXPECT_FLOAT_EQ(gZak1B[0].x, 290.0f);
  EXPECT_EQ(gZak1B[0].vy, 50.0f);
  EXPECT_EQ(gZak2B[0].vy, -55.0f);
  gZak1B[0].y = 270.0f;
  MoveZak1B(0);
  EXPECT_EQ(gZak1B[0].vy, -50.0f);
  gZak1B[0].y = 260.0f + 5.0f;
  MoveZak1B(0);  // lands exactly on the ship's row: vy keeps its value
  EXPECT_EQ(gZak1B[0].y, 260.0f);
  EXPECT_EQ(gZak1B[0].vy, -50.0f);
  gZak1B[1].vy = 7.0f;  // a free slot is not steered
  MoveZak1B(0);
  EXPECT_EQ(gZak1B[1].vy, 7.0f);
}

TEST_F(TemplateKindTest, Zak3BOnlySinksAndAtSpeed0NeverLeaves) {
  gZak3B[0] = {0, 0, 0, 640.0f, 479.0f, 80.0f, 2.0f, 0, 1, 0};
  gZak3B[1] = {0, 0, 0, 640.0f, 100.0f, 80.0f, 0.0f, 0, 1, 0};
  MoveZak3B(0);
  EXPECT_EQ(gZak3B[0].x, 640.0f);
  EXPECT_EQ(gZak3B[0].y, 480.0f);
  EXPECT_EQ(gZak3B[0].alive, 1);
  MoveZak3B(0);
  EXPECT_EQ(gZak3B[0].alive, 0);
  for (int i = 0; i < 100; ++i) MoveZak3B(0);
  EXPECT_EQ(gZak3B[1].alive, 1);
  EXPECT_EQ(gZak3B[1].y, 100.0f);
}

TEST_F(TemplateKindTest, TheSinkingKindsAreFreedBelowTheScreenOrLeftOfX20) {
  for (ZakRecord* t : {gZak9, gStrafer3, gStrafer5}) {
    t[0] = {0, 0, 0, 20.0f, 470.0f, 500.0f, 20.0f, 0, 1, 0};  // vx is not applied
    t[1] = {0, 0, 0, 19.5f, 100.0f, 0.0f, 0.0f, 0, 1, 0};
  }
  MoveZak9(0);
  MoveStrafer3(0);
  MoveStrafer5(0);
  for (ZakRecord* t : {gZak9, gStrafer3, gStrafer5}) {
    EXPECT_EQ(t[0].alive, 1);
    EXPECT_EQ(t[0].x, 20.0f);
    EXPECT_EQ(t[0].y, 480.0f);
    EXPECT_EQ(t[1].alive, 0);
  }
  MoveZak9(0);
  EXPECT_EQ(gZak9[0].alive, 0);
}

TEST_F(TemplateKindTest, Zak3FollowsZak2sDesignWithItsOwnOffsetsAndBox) {
  gPicTargetMarker = Strip(60, 1);
  gZak3[2] = {0, 0, 0, 100.0f, 200.0f, 0.0f, 0.0f, 0, 1, 0};
  gZak3Markers[2].locked = 1;
  EXPECT_EQ(Render([] { DrawZak3(0); }), Render([] {
              koDraw::Blit(100, 200, gPicZak3, 0, 0, 100, 120);
              koDraw::Blit(120, 230, gPicTargetMarker, 0, 0, 60, 60);
            }));
  gZak3[2].x = 0.0f;
  gZak3[2].y = -120.0f;
  MoveZak3(0);
  EXPECT_EQ(gZak3[2].alive, 1);  // both bounds included
  gZak3[2].x = -0.5f;
  MoveZak3(0);
  EXPECT_EQ(gZak3[2].alive, 0);
  EXPECT_EQ(gZak3Markers[2].locked, 1);  // (120, 230) lies in the keep area
}

TEST_F(TemplateKindTest, Convoy90EntersSlotBySlot30TicksApartAndRepeatsEvery151) {
  std::vector<int> started;
  for (int call = 1; call <= 151; ++call) {
    TickWaveConvoy90(0);
    for (int i = 0; i < 5; ++i)
      if (gConvoy90[i].alive && gConvoy90[i].x == 10.0f) {
        started.push_back(call * 10 + i);
        gConvoy90[i].x = 11.0f;
      }
    if (call == 150) {
      EXPECT_EQ(gConvoy90[4].waveCounter, 150);
    }
  }
  EXPECT_EQ(started, (std::vector<int>{300, 601, 902, 1203, 1504}));
  for (const WaveZakRecord& w : gConvoy90) EXPECT_EQ(w.waveCounter, 0);
  const WaveZakRecord& w = gConvoy90[0];
  EXPECT_EQ(w.y, 20.0f);
  EXPECT_EQ(w.vx, 200.0f);
  EXPECT_EQ(w.vy, 200.0f);
  // Still alive at its next count: not restarted.
  for (int call = 0; call < 30; ++call) TickWaveConvoy90(0);
  EXPECT_EQ(gConvoy90[0].x, 11.0f);
}

TEST_F(TemplateKindTest, Convoy90FliesDownRightItsWreckFliesOnAndKeepsItsHitSkip) {
  gConvoy90[0].phaseTimer = 3.5f;
  SpawnSlotConvoy90(0);
  EXPECT_EQ(gConvoy90[0].phaseTimer, 3.5f);
  gFrameScale = 0.1f;
  MoveConvoy90(0);
  EXPECT_EQ(gConvoy90[0].x, 30.0f);
  EXPECT_EQ(gConvoy90[0].y, 40.0f);
  gConvoy90[0].hitSkip = 1;
  HitConvoy90(0);
  gExplosionBlitMode = 0;
  for (int i = 0; i < 31; ++i) {
    const int f = i % 8;
    ASSERT_EQ(Render([] { DrawConvoy90(0); }),
              Render([f] { koDraw::Blit(30, 40, gPicZbak2b, 80 * f, 0, 80 * f + 80, 80); }));
  }
  EXPECT_EQ(gConvoy90[0].vx, 200.0f);  // the wreck is not stopped
  EXPECT_EQ(gConvoy90[0].alive, 1);
  Render([] { DrawConvoy90(0); });
  EXPECT_EQ(gConvoy90[0].alive, 0);
  EXPECT_EQ(gConvoy90[0].hitSkip, 1);
  EXPECT_EQ(gConvoy90[0].x, -500.0f);
  // Free slots show nothing, even on the screen.
  gConvoy90[3].x = gConvoy90[3].y = 100.0f;
  EXPECT_TRUE(Blank(Render([] { DrawConvoy90(0); })));
  // Freed outside 10 <= x <= 540, -90 <= y <= 480.
  SpawnSlotConvoy90(1);
  gConvoy90[1].x = 540.0f;
  gConvoy90[1].y = 480.0f;
  gFrameScale = 0.0f;
  MoveConvoy90(0);
  EXPECT_EQ(gConvoy90[1].alive, 1);
  gConvoy90[1].y = 480.5f;
  MoveConvoy90(0);
  EXPECT_EQ(gConvoy90[1].alive, 0);
}

}  // namespace
