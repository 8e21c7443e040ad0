// The background operations no scene calls: the two unused vertical
// scrollers (the centred one and the drifting one) and the side frames.
#include "engine/draw/ko_draw.h"
#include "game/backgrounds.h"
#include "game/game_state.h"
#include "tests/game/enemy_fixture.h"
#include "tests/game/game_fixture.h"

namespace {

using UnusedBackgroundTest = GameTest;

TEST_F(UnusedBackgroundTest, TheCentredScrollerKeepsItsStripsAtX100OnItsSpeedWindows) {
  struct Case {
    float clock, step;
  };
  // 120 | 150 | 250 ... with shared bounds; 300 then 130 from 1150 on.
  for (Case c : {Case{-1.0f, 0.0f}, Case{0.0f, 120.0f}, Case{500.0f, 270.0f}, Case{1150.0f, 430.0f},
                 Case{4000.0f, 130.0f}}) {
    LayOutBackgroundStrips();
    gFrameScale = 1.0f;
    gStageClock = c.clock;
    ScrollUnusedBackgroundA();  // lays out upwards
    gUnusedStripsA[0].x = 5.0f;
    ScrollUnusedBackgroundA();
    EXPECT_FLOAT_EQ(gUnusedStripsA[0].y, c.step) << c.clock;
    EXPECT_EQ(gUnusedStripsA[0].x, 100.0f) << c.clock;
  }
}

// Its strips step on its own windows and drift sideways like the drifting
// stage scrollers', whose rules are tested with those.
TEST_F(UnusedBackgroundTest, TheDriftingScrollerStepsOnItsWindowsAndDrifts) {
  LayOutBackgroundStrips();
  for (BackgroundStrip& s : gUnusedStripsB) s.driftX = 0.0f;  // none from earlier play
  gFrameScale = 0.5f;
  gStageClock = 420.0f;       // 200 px/s
  ScrollUnusedBackgroundB();  // lays out upwards
  for (BackgroundStrip& s : gUnusedStripsB) s.driftX = 30.0f;
  ScrollUnusedBackgroundB();
  EXPECT_EQ(gUnusedStripsB[0].y, 100.0f);
  EXPECT_EQ(gUnusedStripsB[0].x, 15.0f);
}

using SideFrameTest = EnemyTest;  // the engine's screen without a running game

// Four opaque columns of four frames: the screen's outer 100 pixels each side.
TEST_F(SideFrameTest, TheSideFramesCoverTheOuterColumnsOpaquely) {
  const int keep = gPicSideFrame;
  gPicSideFrame = koDraw::CreateObject(50, 120, 1);
  Surface* frame = koDraw::ObjectSurface(gPicSideFrame);
  std::fill(frame->pixels.begin(), frame->pixels.end(), uint16_t{0});  // the colour key
  frame->Row(119)[49] = 0x1234;
  std::fill(gBackSurface->pixels.begin(), gBackSurface->pixels.end(), uint16_t{0xffff});
  DrawSideFrames();
  int black = 0, marks = 0;
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) {
      black += gBackSurface->Row(y)[x] == 0;
      marks += gBackSurface->Row(y)[x] == 0x1234;
    }
  EXPECT_EQ(black + marks, 200 * 480);
  EXPECT_EQ(marks, 16);
  EXPECT_EQ(gBackSurface->Row(479)[639], 0x1234);
  EXPECT_EQ(gBackSurface->Row(359)[99], 0x1234);
  EXPECT_EQ(gBackSurface->Row(240)[300], 0xffff);
  gPicSideFrame = keep;
}

}  // namespace
