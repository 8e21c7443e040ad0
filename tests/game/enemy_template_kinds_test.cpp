// The kinds' own values: entry values and their draws, explosions in both
// blit modes, moves and bounds, Zak3's marker and Convoy90's waves.
#include <functional>

#include "enemies/template_kinds.h"
#include "tests/game/enemy_fixture.h"

namespace {

using TemplateKindTest = EnemyTest;

float R(int v) { return static_cast<float>(v); }

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
