// The clip-rectangle transition: every pattern's rectangle after each step,
// the step it finishes on, the random pattern and out-of-range speeds.
#include <climits>
#include <cmath>

#include "tests/engine/draw_fixture.h"

namespace {

using ClipTransitionTest = DrawTest;

// One pixel a step (frame scale 0) on odd and even rectangles whose middle is
// not their centre, rectangles with an edge already at its end, and bands
// reaching the saved edge; pattern 0 draws one random pattern from 1 to 9.
TEST_F(ClipTransitionTest, EveryPatternStepByStep) {
  const DrawRect rects[] = {{10, 20, 15, 27}, {10, 20, 14, 26}, {10, 20, 11, 27}, {10, 20, 15, 21}};
  gFrameScale = 0.0f;
  for (const DrawRect& r : rects)
    for (int band : {2, 3, 4, 6})
      for (int direction : {0, 1})
        for (int pattern = 0; pattern <= 9; ++pattern) {
          koDraw::SetClip(r.left, r.top, r.right, r.bottom);
          gClipTransitionState = 0;
          koSystem::SeedRand(pattern + band);
          Add({koDraw::StartClipTransition(direction, pattern, 0.0f, band),
               gClipTransitionPattern});
          for (int i = 0; i < 20 && gClipTransitionState > 0; ++i) {
            Add({gClipRect.left, gClipRect.top, gClipRect.right, gClipRect.bottom});
            koDraw::StepClipTransition();
          }
          Add({gClipRect.left, gClipRect.top, gClipRect.right, gClipRect.bottom});
          Add({gClipTransitionState, gClipTransitionOpened, gClipTransitionClosed});
          Add({koDraw::StepClipTransition(), koSystem::Rand()});
        }
  ExpectGolden();
}

// Speeds whose product with the frame scale no int holds, and rectangles at
// the ends of the int range, still step safely and finish.
TEST_F(ClipTransitionTest, ExtremeSpeedsBandsAndRectanglesStaySafe) {
  const float speeds[] = {0.0f, -1e30f, 1e30f, INFINITY, -INFINITY, NAN, 3e9f};
  const DrawRect rects[] = {
      {0, 0, 640, 480}, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {INT_MAX, INT_MAX, INT_MIN, INT_MIN}};
  gFrameScale = 1.0f;
  for (const DrawRect& r : rects)
    for (float speed : speeds)
      for (int band : {0, INT_MIN, INT_MAX})
        for (int pattern = 1; pattern <= 9; ++pattern)
          for (int direction : {0, 1}) {
            koDraw::SetClip(r.left, r.top, r.right, r.bottom);
            gClipTransitionState = 0;
            ASSERT_EQ(koDraw::StartClipTransition(direction, pattern, speed, band), 1);
            for (int i = 0; i < 8 && gClipTransitionState > 0; ++i) koDraw::StepClipTransition();
          }
  // A huge speed finishes in one step.
  koDraw::SetClip(0, 0, 640, 480);
  gClipTransitionState = 0;
  koDraw::StartClipTransition(1, 7, 1e30f, 0);
  koDraw::StepClipTransition();
  EXPECT_EQ(gClipTransitionState, -1);
  EXPECT_EQ(gClipRect.left, 320);
  EXPECT_EQ(gClipRect.bottom, 240);
}

}  // namespace
