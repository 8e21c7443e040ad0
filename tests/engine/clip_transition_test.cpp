// The clip-rectangle transition: every pattern's rectangle after each step,
// the step it finishes on, the random pattern and out-of-range speeds.
#include <climits>
#include <cmath>

#include "tests/engine/draw_fixture.h"

namespace {

using ClipTransitionTest = DrawTest;

// One pixel a step (frame scale 0) on odd and even rectangles whose middle is
// not their centre, rectangles with an edge already at its end, and bands
// reaching the saved edge; pattern 0 draws one random pattern from 1 to 9, 10 is none.
// Opening and closing at moderate speeds; speeds whose product with the frame scale no int holds,
// bands and rectangles at the ends of the int range still step safely and finish; a huge speed
// finishes in one step.
TEST_F(ClipTransitionTest, EveryPatternStepByStep) {
  const DrawRect rects[] = {{INT_MIN, INT_MIN, INT_MAX, INT_MAX},
                            {INT_MAX, INT_MAX, INT_MIN, INT_MIN},
                            {10, 20, 15, 27},
                            {10, 20, 14, 26},
                            {10, 20, 11, 27},
                            {10, 20, 15, 21}};
  // The last runs finish: no transition is left running.
  for (float speed : {-1e30f, 1e30f, INFINITY, -INFINITY, NAN, 3e9f, 29.0f, 600.0f, 0.0f})
    for (const DrawRect& r : rects)
      for (int band : {INT_MIN, INT_MAX, 2, 3, 4, 6})
        for (int direction : {0, 1})
          for (int pattern = 0; pattern <= 10; ++pattern) {
            gFrameScale = speed == 0.0f ? 0.0f : 1.0f;
            koDraw::SetClip(r.left, r.top, r.right, r.bottom);
            gClipTransitionState = 0;
            koSystem::SeedRand(pattern + (band & 15));
            Add({koDraw::StartClipTransition(direction, pattern, speed, band),
                 gClipTransitionPattern});
            for (int i = 0; i < 20 && gClipTransitionState > 0; ++i) {
              Add({gClipRect.left, gClipRect.top, gClipRect.right, gClipRect.bottom});
              koDraw::StepClipTransition();
            }
            Add({gClipRect.left, gClipRect.top, gClipRect.right, gClipRect.bottom});
            Add({gClipTransitionState, gClipTransitionOpened, gClipTransitionClosed});
            Add({koDraw::StepClipTransition(), koSystem::Rand()});
          }
  EXPECT_LE(gClipTransitionState, 0);
  ExpectGolden();
}

}  // namespace
