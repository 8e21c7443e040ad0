// The present: transition overlays and their count, the pause screen, the
// clip-rectangle transition, the capture and the fps meter.
#include <climits>
#include <cmath>

#include "platform/keys.h"
#include "platform/messages.h"
#include "tests/engine/draw_fixture.h"
#include "tests/engine/engine_fixture.h"

namespace {

constexpr uint16_t kNew = 0x7777;

class PresentTest : public DrawTest {
 protected:
  void SetUp() override {
    DrawTest::SetUp();
    // The old picture: every pixel tells its place.
    for (int y = 0; y < 480; ++y)
      for (int x = 0; x < 640; ++x) Back(x, y) = static_cast<uint16_t>(0x8000 | (y & 7) << 10 | x);
    koDraw::CaptureScreen(kObjectScreen, 0, 0, 640, 480);
    koDraw::FillRect(0, 0, 640, 480, kNew);
  }
  // Presents one frame over a fresh new scene and folds what it shows.
  void Frame() {
    koDraw::FillRect(0, 0, 640, 480, kNew);
    koDraw::Present();
    Fold();
    Add({gTransitionCount, gTransitionState, gPauseTileX, gPauseTileY, gPauseScroll});
  }
  void AddClip() {
    Add({gClipRect.left, gClipRect.top, gClipRect.right, gClipRect.bottom, gClipTransitionState});
  }
};

// Every overlay kind frame by frame, with the random numbers it takes; the
// short lengths and kind 13 draw nothing but count down.
TEST_F(PresentTest, OverlayKindsFrameByFrame) {
  const int cases[][3] = {{1, 26, 26},  {2, 26, 26},  {3, 30, 30}, {4, 26, 3},  {5, 26, 26},
                          {6, 26, 26},  {7, 26, 26},  {8, 26, 26}, {9, 26, 26}, {10, 26, 26},
                          {11, 26, 26}, {12, 26, 26}, {13, 5, 3},  {2, 0, 3},   {9, 0, 3},
                          {3, 2, 3},    {4, 1, 2}};  // the last two count past the length
  for (const auto& [kind, length, count] : cases) {
    gTransitionKind = kind;
    gTransitionLength = length;
    gTransitionCount = count;
    gTransitionState = -1;
    koSystem::SeedRand(99);
    for (int i = 0; i < count; ++i) Frame();
    Add(koSystem::Rand());
    EXPECT_EQ(gTransitionCount, 0) << kind;
  }
  // Kind 0 covers with ten 64 x 48 tile frames side by side, counting up;
  // frame f is filled with f + 1, its top-left pixel black (the key).
  gTransitionTileObject = MakeObject(640, 48, [](int x, int y) {
    return static_cast<uint16_t>((x % 64 == 0 && y == 0) ? 0 : x / 64 + 1);
  });
  gTransitionKind = 0;
  koDraw::StartTransition();
  for (int s = 1; s <= 10; ++s) Frame();
  koDraw::StartTransitionBack();
  Add({gTransitionCount, gTransitionState});
  ExpectGolden();
}

// A frame waits for the vertical blank while gVSync is set, and never again
// once it is cleared; each shows the back surface all the same.
TEST_F(PresentTest, PresentWaitsForTheVerticalBlankWhileVSyncIsSet) {
  koDraw::Present();
  koDraw::Present();
  EXPECT_EQ(headless::WaitedFrames(), 2);
  koDraw::SetVSync(0);
  for (int i = 0; i < 3; ++i) koDraw::Present();
  EXPECT_EQ(headless::ShownFrames(), 5);
  EXPECT_EQ(headless::WaitedFrames(), 2);
  EXPECT_EQ(headless::LastFrame(), gBackSurface->pixels);
  koDraw::SetVSync(1);
  koDraw::Present();
  EXPECT_EQ(headless::WaitedFrames(), 3);
}

TEST_F(PresentTest, CaptureIsNotClippedAndStaysInsideTheObject) {
  koDraw::SetClip(100, 100, 101, 101);
  Back(0, 0) = 0x1234;
  koDraw::CaptureScreen(kObjectScreen, 0, 0, 640, 480);
  EXPECT_EQ(gDrawObjects[kObjectScreen].surface->pixels[0], 0x1234);
  const int small = koDraw::CreateObject(4, 4, 2);
  // A rectangle reaching outside the screen is cut to it, as a blit's source is.
  koDraw::CaptureScreen(small, -2, -2, 900, 900);
  EXPECT_EQ(koDraw::ObjectSurface(small)->Row(3)[3], kNew);
  EXPECT_EQ(koDraw::ObjectSurface(small)->Row(1)[1], 0);
}

// The page scrolls by key and frame scale, held between 0 and its height
// less the clip's (negative for a short page); the tiles wrap once a frame.
TEST_F(PresentTest, PauseScreenTilesScrollAndClamp) {
  koDraw::TogglePause();
  EXPECT_EQ(gEnginePause, 0);  // no pause picture yet
  gPausePicture =
      MakeObject(640, 1000, [](int x, int y) { return static_cast<uint16_t>(x == 0 ? 0 : y + 1); });
  gPauseTile = MakeObject(64, 48, [](int, int) { return uint16_t{5}; });
  gPausePictureHeight = 1000;
  koDraw::SetClip(0, 0, 640, 100);
  koDraw::TogglePause();
  ASSERT_EQ(gEnginePause, 1);
  const std::pair<int, float> steps[] = {{plat::kVkDown, 0.5f},
                                         {plat::kVkRight, 0.5f},
                                         {plat::kVkRight, 100.0f},
                                         {plat::kVkUp, 100.0f}};
  for (const auto& [key, scale] : steps) {
    gPauseScrollKey = key;
    gFrameScale = scale;
    Frame();
  }
  gPausePictureHeight = 40;
  gFrameScale = 0.1f;
  Frame();
  Frame();
  // Tiles on the very end of their range wrap; one short of it stays.
  gFrameScale = 1.0f;
  gPauseTileX = -54.0f, gPauseTileY = -38.0f;
  Frame();
  gPauseTileX = -53.0f, gPauseTileY = -37.0f;
  Frame();
  koDraw::TogglePause();
  EXPECT_EQ(gEnginePause, 0);
  ExpectGolden();
}

// Each picture decides for itself between a first load and a reload into
// its number: one whose first load failed holds number 0, and is loaded
// anew, never swapped into object 0, which pause then draws, clear.
TEST_F(PresentTest, SetPausePictureReloadsEachPictureByItsOwnNumber) {
  const auto write = [&](const char* name, int w, uint32_t rgb) {
    WriteFile(name, Bmp24(w, 8, [rgb](int, int) { return rgb; }));
  };
  const auto pause = [&](bool tile, uint32_t rgb) {
    write("page.bmp", 8, rgb);
    if (tile) write("tile.bmp", 64, rgb >> 8);
    koDraw::SetPausePicture("page.bmp", "tile.bmp", 8);
    Add({gPausePicture, gPauseTile, koDraw::ObjectSurface(0)->pixels[0]});
    for (int n : {gPausePicture, gPauseTile}) Add(koDraw::ObjectSurface(n)->Row(0)[0]);
  };
  koDraw::SetPausePicture("page.bmp", "tile.bmp", 300);
  koDraw::TogglePause();
  Frame();
  gEnginePause = 0;
  pause(false, 0x0000FF);
  pause(true, 0xFF0000);
  gPausePicture = 0;
  pause(true, 0x00FF00);
  ExpectGolden();
}

// One pixel a step (frame scale 0) on odd and even rectangles whose middle is
// not their centre, rectangles with an edge already at its end, and bands
// reaching the saved edge; pattern 0 draws one random pattern from 1 to 9, 10 is none.
// Opening and closing at moderate speeds; speeds whose product with the frame scale no int holds,
// bands and rectangles at the ends of the int range still step safely and finish; a huge speed
// finishes in one step.
TEST_F(DrawTest, ClipTransitionEveryPatternStepByStep) {
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

// A start while one runs is refused; a closing one ends crossed, drawing
// nothing; a new start first puts the saved rectangle back, as does the end.
TEST_F(PresentTest, ClipTransitionStepsOpenAndClose) {
  koDraw::SetClip(100, 100, 301, 201);
  gFrameScale = 1.0f;
  Add({koDraw::StartClipTransition(1, 5, 29.0f, 0), koDraw::StartClipTransition(0, 2, 0.0f, 0)});
  for (int i = 0; i < 10 && gClipTransitionState == 2; ++i, AddClip()) koDraw::StepClipTransition();
  Add(gClipTransitionClosed);
  const int n = MakeObject(640, 480, [](int, int) { return uint16_t{9}; });
  koDraw::Blit(0, 0, n, 0, 0, 640, 480);
  Fold();
  koDraw::StartClipTransition(1, 7, 0.0f, 0);
  Add({gClipTransitionSaved.left, gClipTransitionSaved.bottom});
  koDraw::EndClipTransition();
  AddClip();
  ExpectGolden();
}

// The meter counts frames over two seconds; an update over an empty period
// keeps the minimum; the text shows one decimal.
TEST_F(PresentTest, FpsMeterCountsFramesOverTwoSeconds) {
  const int periods[][2] = {{0, 0}, {90, 2000}, {1500, 2000}};
  for (const auto& [frames, ms] : periods) {
    gFpsFrames = 0;
    gFpsMeterTime = headless::Now() + ms;
    for (int i = 0; i < frames; ++i) koDraw::ShowFps();
    headless::AdvanceClock(ms);
    koDraw::ShowFps();
    Add({gFps, gFpsMin, gFpsMax, gFpsFrames, gFpsMeterTime - headless::Now()});
    AddText(gFpsText);
  }
  EXPECT_STREQ(gFpsText, "499.5 fps ( max 499.5 / min 45.0 )");
  ExpectGolden();
}

// The main loop runs a covering transition instead of the scene, then
// hands over to the next scene; a scene change puts a running clip
// transition's rectangle back.
TEST_F(EngineTest, CoveringTransitionRunsAloneThenChangesScene) {
  testgame::onLoad = [] {
    koDraw::Screen(640, 480, 1);
    koDraw::SetClip(0, 0, 640, 480);  // and no clip transition of an earlier test
    gClipTransitionState = 0;
    gScene = 1;
  };
  std::vector<std::pair<int, int>> calls;
  testgame::onScene = [&](int scene) {
    calls.push_back({scene, gSceneEntered});
    if (calls.size() == 2) {
      gTransitionKind = 0;
      gNextScene = 2;
      koDraw::StartTransition();
      koDraw::StartClipTransition(1, 3, 0.0f, 0);
    }
  };
  headless::AtFrame(1, {plat::kMsgMove, 0, plat::PackXY(30, -4)});
  headless::Close(15);
  EXPECT_EQ(Run(), 0);
  // Two frames of scene 1, ten of the transition, then scene 2 entered.
  const std::vector<std::pair<int, int>> want = {{1, 1}, {1, 0}, {2, 1}, {2, 0}, {2, 0}};
  EXPECT_EQ(calls, want);
  EXPECT_EQ(headless::ShownFrames(), 10);
  EXPECT_EQ(gClipTransitionState, 0);
  EXPECT_EQ(gClipRect.left, 0);
  EXPECT_EQ(gPresentTarget.left, 30);  // window moves carry the present target
  EXPECT_EQ(gPresentTarget.bottom, 476);
  EXPECT_EQ(gBackSurface, nullptr);  // the shutdown released the display
}

}  // namespace
