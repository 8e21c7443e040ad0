// The clip-rectangle transition: every pattern's rectangle after each step,
// the step it finishes on, the random pattern and out-of-range speeds.
#include <climits>
#include <cmath>
#include <string>

#include "tests/engine/draw_fixture.h"

namespace {

std::string Text(const DrawRect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

// The clip rectangle at the start and after each step, up to the step on
// which the transition finishes (at most 20 steps).
std::string Trace(int direction, int pattern, const DrawRect& rect, int band) {
  koDraw::SetClip(rect.left, rect.top, rect.right, rect.bottom);
  gClipTransitionState = 0;
  if (koDraw::StartClipTransition(direction, pattern, 0.0f, band) != 1) return "refused";
  std::string out = Text(gClipRect);
  for (int i = 0; i < 20 && gClipTransitionState > 0; ++i) {
    koDraw::StepClipTransition();
    out += " " + Text(gClipRect);
  }
  return out;
}

using ClipTransitionTest = DrawTest;

// One pixel a step (frame scale 0) on a 5 x 7 rectangle, whose middle
// (12, 23) is not its centre; band 3 gives b = 1.
TEST_F(ClipTransitionTest, EveryPatternStepByStep) {
  struct Case {
    int direction, pattern;
    DrawRect rect;
    int band;
    const char* trace;
  };
  const DrawRect r{10, 20, 15, 27};
  const Case cases[] = {
      {0, 1, r, 3,
       "10,27,15,27 10,26,15,27 10,25,15,27 10,24,15,27 10,23,15,27 10,22,15,27 10,21,15,27 "
       "10,20,15,27"},
      {0, 2, r, 3,
       "10,20,15,20 10,20,15,21 10,20,15,22 10,20,15,23 10,20,15,24 10,20,15,25 10,20,15,26 "
       "10,20,15,27"},
      {0, 3, r, 3, "15,20,15,27 14,20,15,27 13,20,15,27 12,20,15,27 11,20,15,27 10,20,15,27"},
      {0, 4, r, 3, "10,20,10,27 10,20,11,27 10,20,12,27 10,20,13,27 10,20,14,27 10,20,15,27"},
      {0, 5, r, 3, "10,23,15,23 10,22,15,24 10,21,15,25 10,20,15,27"},
      {0, 6, r, 3, "12,20,12,27 11,20,13,27 10,20,15,27"},
      {0, 7, r, 3, "12,23,12,23 11,22,13,24 10,21,15,25 10,20,15,27"},
      {0, 8, r, 3, "11,23,13,23 11,22,13,24 11,21,13,25 11,20,13,27 10,20,15,27"},
      {0, 9, r, 3, "12,22,12,24 11,22,13,24 10,22,15,24 10,21,15,25 10,20,15,27"},
      {1, 1, r, 3,
       "10,20,15,27 10,21,15,27 10,22,15,27 10,23,15,27 10,24,15,27 10,25,15,27 10,26,15,27 "
       "10,27,15,27"},
      {1, 2, r, 3,
       "10,20,15,27 10,20,15,26 10,20,15,25 10,20,15,24 10,20,15,23 10,20,15,22 10,20,15,21 "
       "10,20,15,20"},
      {1, 3, r, 3, "10,20,15,27 11,20,15,27 12,20,15,27 13,20,15,27 14,20,15,27 15,20,15,27"},
      {1, 4, r, 3, "10,20,15,27 10,20,14,27 10,20,13,27 10,20,12,27 10,20,11,27 10,20,10,27"},
      {1, 5, r, 3, "10,20,15,27 10,21,15,26 10,22,15,25 10,23,15,24 10,24,15,23"},
      {1, 6, r, 3, "10,20,15,27 11,20,14,27 12,20,13,27 13,20,12,27"},
      // Each pair snaps to the middle only once it has met or crossed.
      {1, 7, r, 3, "10,20,15,27 11,21,14,26 12,22,13,25 12,23,12,24 12,23,12,23"},
      {1, 8, r, 3, "10,20,15,27 11,20,13,27 11,21,13,26 11,22,13,25 11,23,13,24 11,24,13,23"},
      {1, 9, r, 3, "10,20,15,27 10,21,15,26 10,22,15,24 11,22,14,24 12,22,13,24 13,22,12,24"},
      // An even size: the edges meet without crossing.
      {1, 5, {10, 20, 14, 26}, 3, "10,20,14,26 10,21,14,25 10,22,14,24 10,23,14,23"},
      {1, 6, {10, 20, 14, 26}, 3, "10,20,14,26 11,20,13,26 12,20,12,26"},
      {1, 8, {10, 20, 14, 26}, 2, "10,20,14,26 11,20,13,26 11,21,13,25 11,22,13,24 11,23,13,23"},
      {1, 9, {10, 20, 14, 26}, 2, "10,20,14,26 10,21,14,25 10,22,14,24 11,22,13,24 12,22,12,24"},
      // One edge already at its end: the first pair still moves (opening),
      // or is passed over (closing, band reaching the saved edge).
      {0, 9, {10, 20, 11, 27}, 3, "10,22,10,24 10,22,11,24 10,21,11,25 10,20,11,27"},
      {0, 8, {10, 20, 15, 21}, 3, "11,20,13,20 11,20,13,21 10,20,15,21"},
      {1, 8, r, 4, "10,20,15,27 10,21,15,26 10,22,15,25 10,23,15,24 10,24,15,23"},
      {1, 9, r, 6, "10,20,15,27 11,20,14,27 12,20,13,27 13,20,12,27"},
  };
  gFrameScale = 0.0f;
  for (const Case& c : cases) {
    const std::string where = (c.direction ? "closing " : "opening ") + std::to_string(c.pattern) +
                              " band " + std::to_string(c.band);
    EXPECT_EQ(Trace(c.direction, c.pattern, c.rect, c.band), c.trace) << where;
    if (c.direction == 0) {
      EXPECT_EQ(gClipTransitionState, 0) << where;
      EXPECT_EQ(gClipTransitionOpened, 1) << where;
      EXPECT_EQ(gClipTransitionClosed, 0) << where;
    } else {
      EXPECT_EQ(gClipTransitionState, -1) << where;
      EXPECT_EQ(gClipTransitionClosed, 1) << where;
      EXPECT_EQ(gClipTransitionOpened, 0) << where;
    }
    EXPECT_EQ(koDraw::StepClipTransition(), 0) << where;
  }
}

TEST_F(ClipTransitionTest, PatternZeroDrawsOneRandomPatternFromOneToNine) {
  for (unsigned seed = 1; seed <= 30; ++seed) {
    koSystem::SeedRand(seed);
    const int want = koSystem::Rand() % 9 + 1;
    const int next = koSystem::Rand();
    koSystem::SeedRand(seed);
    gClipTransitionState = 0;
    ASSERT_EQ(koDraw::StartClipTransition(1, 0, 0.0f, 0), 1);
    EXPECT_EQ(gClipTransitionPattern, want) << seed;
    EXPECT_EQ(koSystem::Rand(), next) << seed;
  }
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
  EXPECT_EQ(Text(gClipRect), "320,240,320,240");
}

}  // namespace
