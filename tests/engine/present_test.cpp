// The present: transition overlays and their count, the pause screen, the
// clip-rectangle transition, the capture and the fps meter.
#include "platform/keys.h"
#include "platform/messages.h"
#include "tests/engine/draw_fixture.h"
#include "tests/engine/engine_fixture.h"
#include "tests/support/alloc_counter.h"
#include "tests/support/bmp_builder.h"

namespace {

constexpr uint16_t kNew = 0x7777;
// Pixel (x, y) of the captured old picture.
uint16_t Old(int x, int y) { return static_cast<uint16_t>(0x8000 | (y & 7) << 10 | x); }

class PresentTest : public DrawTest {
 protected:
  void SetUp() override {
    DrawTest::SetUp();
    for (int y = 0; y < 480; ++y)
      for (int x = 0; x < 640; ++x) Back(x, y) = Old(x, y);
    koDraw::CaptureScreen(kObjectScreen, 0, 0, 640, 480);
    koDraw::FillRect(0, 0, 640, 480, kNew);
  }
  // A scene change's request: N frames counting down.
  static void Request(int kind, int n) {
    gTransitionKind = kind;
    gTransitionLength = n;
    gTransitionCount = n;
    gTransitionState = -1;
  }
  // Presents one frame over a fresh new scene.
  static void Frame() {
    koDraw::FillRect(0, 0, 640, 480, kNew);
    koDraw::Present();
  }
  static bool RowIsOld(int y) { return Back(0, y) == Old(0, y) && Back(639, y) == Old(639, y); }
  static bool RowIsNew(int y) { return Back(0, y) == kNew && Back(639, y) == kNew; }
  // Old row y drawn at horizontal offset x.
  static bool RowShifted(int y, int x) {
    if (x <= 0) return Back(0, y) == Old(-x, y) && (x == 0 || Back(639, y) == kNew);
    return Back(x, y) == Old(0, y) && Back(x - 1, y) == kNew;
  }
};

TEST_F(PresentTest, PresentShowsTheBackSurface) {
  Back(5, 7) = 0x1234;
  koDraw::Present();
  EXPECT_EQ(headless::ShownFrames(), 1);
  EXPECT_EQ(headless::LastFrame(), gBackSurface->pixels);
}

TEST_F(PresentTest, KindOneFirstAndLastFrames) {
  Request(1, 26);
  Frame();  // s = 26: every row but each 26th shows the old picture
  for (int y = 0; y < 480; ++y) ASSERT_EQ(RowIsOld(y), y % 26 != 0) << y;
  for (int i = 0; i < 24; ++i) Frame();
  EXPECT_EQ(gTransitionCount, 1);
  Frame();  // s = 1: nothing
  for (int y = 0; y < 480; ++y) ASSERT_TRUE(RowIsNew(y)) << y;
  EXPECT_EQ(gTransitionCount, 0);
  EXPECT_EQ(gTransitionState, 0);
}

TEST_F(PresentTest, KindTwoBandsOverlapThenThin) {
  Request(2, 26);
  Frame();  // bands of 27 rows every 26 rows cover the screen
  for (int y = 0; y < 480; ++y) ASSERT_TRUE(RowIsOld(y)) << y;
  for (int i = 0; i < 24; ++i) Frame();
  Frame();  // s = 1: two-row bands
  for (int y = 0; y < 480; ++y) ASSERT_EQ(RowIsOld(y), y % 26 < 2) << y;
}

TEST_F(PresentTest, KindThreeDrawsOneRandomNumberPerDrawnRow) {
  const int n = 30;
  Request(3, n);
  koSystem::SeedRand(99);
  Frame();  // s = N: offsets -1 or 0
  koSystem::SeedRand(99);
  for (int y = 0; y < 480; ++y) {
    if (y % n == 0) {
      ASSERT_TRUE(RowIsNew(y));
      continue;
    }
    const int x = koSystem::Rand() % 2 - 1;
    ASSERT_TRUE(RowShifted(y, x)) << y << " " << x;
  }
  const int next = koSystem::Rand();
  // Down to s = 2: offsets from -(N - 1) to N - 2, rows with odd y.
  for (int i = 0; i < n - 3; ++i) Frame();
  ASSERT_EQ(gTransitionCount, 2);
  koSystem::SeedRand(5);
  Frame();
  koSystem::SeedRand(5);
  for (int y = 1; y < 480; y += 2) {
    const int x = koSystem::Rand() % (2 * (n - 2) + 2) - (n - 1);
    ASSERT_TRUE(RowShifted(y, x)) << y << " " << x;
    ASSERT_TRUE(RowIsNew(y - 1));
  }
  koSystem::SeedRand(99);
  for (int i = 0; i < 480 - 16; ++i) koSystem::Rand();  // the 464 rows drawn at s = N
  EXPECT_EQ(koSystem::Rand(), next);
}

TEST_F(PresentTest, KindFourDrawsOneRandomNumberPerBand) {
  Request(4, 26);
  gTransitionCount = 3;
  koSystem::SeedRand(3);
  Frame();
  koSystem::SeedRand(3);
  for (int y = 0; y < 480; y += 26) {
    const int x = koSystem::Rand() % (2 * 23 + 2) - 24;
    for (int r = y; r < y + 4 && r < 480; ++r) ASSERT_TRUE(RowShifted(r, x)) << r;
    if (y + 4 < 480) {
      ASSERT_TRUE(RowIsNew(y + 4));
    }
  }
}

TEST_F(PresentTest, SlidingKindsFirstAndLastFrames) {
  struct Case {
    int kind;
    int x, y;    // a screen pixel
    int ox, oy;  // the old pixel it shows on the first frame, or -1
    int lx, ly;  // the old pixel it shows on the last frame, or -1
  };
  // N = 26: H / N = 18, W / N = 24, (H / 2) / N = 9, (W / 2) / N = 12.
  const Case cases[] = {
      {5, 10, 0, 10, 18, 10, 468},  {5, 10, 12, 10, 30, -1, -1},  {6, 10, 18, 10, 0, -1, -1},
      {6, 10, 17, -1, -1, -1, -1},  {7, 0, 5, 24, 5, 624, 5},     {7, 16, 5, 40, 5, -1, -1},
      {8, 24, 5, 0, 5, -1, -1},     {8, 23, 5, -1, -1, -1, -1},   {9, 0, 0, 0, 9, 0, 234},
      {9, 0, 249, 0, 240, -1, -1},  {9, 0, 479, 0, 470, 0, 245},  {10, 0, 0, 12, 0, 312, 0},
      {10, 332, 0, 320, 0, -1, -1}, {10, 639, 0, 627, 0, 327, 0}, {11, 623, 0, 623, 0, -1, -1},
      {11, 23, 0, 23, 0, 23, 0},    {11, 24, 0, 24, 0, -1, -1},   {12, 24, 0, 24, 0, -1, -1},
      {12, 23, 0, -1, -1, -1, -1},  {12, 624, 0, 624, 0, 624, 0}, {12, 623, 0, 623, 0, -1, -1}};
  for (const Case& c : cases) {
    auto check = [&](int ox, int oy, const char* when) {
      const uint16_t want = ox < 0 ? kNew : Old(ox, oy);
      EXPECT_EQ(Back(c.x, c.y), want)
          << "kind " << c.kind << " " << when << " (" << c.x << ", " << c.y << ")";
    };
    Request(c.kind, 26);
    Frame();
    check(c.ox, c.oy, "first");
    for (int i = 0; i < 24; ++i) Frame();
    Frame();
    check(c.lx, c.ly, "last");
    EXPECT_EQ(gTransitionCount, 0);
  }
}

TEST_F(PresentTest, KindThirteenAndShortLengthsDrawNothingButCount) {
  for (int kind : {13, 2, 4, 5, 9, 12}) {
    const int n = kind == 13 ? 5 : 0;
    Request(kind, n);
    gTransitionCount = 3;
    for (int i = 0; i < 3; ++i) {
      Frame();
      for (int y = 0; y < 480; y += 7) ASSERT_TRUE(RowIsNew(y)) << kind;
    }
    EXPECT_EQ(gTransitionCount, 0) << kind;
  }
}

TEST_F(PresentTest, KindZeroCoversWithTileFramesCountingUp) {
  // Ten 64 x 48 frames side by side; frame f is filled with f + 1, its
  // top-left pixel black (the key).
  const int n = MakeObject(640, 48, [](int x, int y) {
    return static_cast<uint16_t>((x % 64 == 0 && y == 0) ? 0 : x / 64 + 1);
  });
  gTransitionTileObject = n;
  gTransitionKind = 0;
  koDraw::StartTransition();
  for (int s = 1; s <= 10; ++s) {
    ASSERT_EQ(gTransitionCount, s);
    Frame();
    EXPECT_EQ(Back(65, 49), s);
    EXPECT_EQ(Back(639, 479), s);
    EXPECT_EQ(Back(64, 48), kNew);
  }
  EXPECT_EQ(gTransitionCount, 0);
  EXPECT_EQ(gTransitionState, 0);
  koDraw::StartTransitionBack();
  EXPECT_EQ(gTransitionCount, 10);
  EXPECT_EQ(gTransitionState, -1);
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

TEST_F(PresentTest, PauseScreenTilesScrollAndClamp) {
  // A page 1000 rows high whose row y is y + 1 but for a transparent first
  // column, and a tile of 5.
  koDraw::TogglePause();
  EXPECT_EQ(gEnginePause, 0);  // no pause picture yet
  gPausePicture =
      MakeObject(640, 1000, [](int x, int y) { return static_cast<uint16_t>(x == 0 ? 0 : y + 1); });
  gPauseTile = MakeObject(64, 48, [](int, int) { return uint16_t{5}; });
  gPausePictureHeight = 1000;
  koDraw::SetClip(0, 0, 640, 100);
  koDraw::TogglePause();
  ASSERT_EQ(gEnginePause, 1);
  gFrameScale = 0.5f;
  gPauseScrollKey = plat::kVkDown;
  Frame();
  EXPECT_EQ(Back(1, 0), 1);       // the page from row trunc(0)
  EXPECT_EQ(Back(0, 0), 5);       // the tile under its transparent column
  EXPECT_EQ(Back(1, 150), kNew);  // below the clip
  EXPECT_FLOAT_EQ(gPauseTileX, -5.0f);
  EXPECT_FLOAT_EQ(gPauseScroll, 50.0f);
  gPauseScrollKey = plat::kVkRight;
  Frame();
  EXPECT_EQ(Back(1, 0), 51);
  EXPECT_FLOAT_EQ(gPauseScroll, 200.0f);
  gFrameScale = 100.0f;  // far past the end: held at height - clip height
  Frame();
  EXPECT_FLOAT_EQ(gPauseScroll, 900.0f);
  EXPECT_FLOAT_EQ(gPauseTileX, -10.0f - 1000.0f + 64.0f);  // wraps only once per frame
  gPauseScrollKey = plat::kVkUp;
  Frame();
  EXPECT_FLOAT_EQ(gPauseScroll, 0.0f);
  // A page shorter than the clip: the limit is negative and so is the scroll.
  gPausePictureHeight = 40;
  gFrameScale = 0.1f;
  Frame();
  EXPECT_FLOAT_EQ(gPauseScroll, -60.0f);
  Frame();  // a negative source top draws the page from its first row
  EXPECT_EQ(Back(1, 60), 1);
  koDraw::TogglePause();
  EXPECT_EQ(gEnginePause, 0);
}

TEST_F(PresentTest, SetPausePictureLoadsOnceThenReloadsIntoTheSameNumbers) {
  koDraw::SetPausePicture("page.bmp", "tile.bmp", 300);
  EXPECT_EQ(gPausePicture, 0);  // neither file exists
  EXPECT_EQ(gPausePictureHeight, 300);
  koDraw::TogglePause();
  EXPECT_EQ(gEnginePause, 1);
  Frame();  // draws object 0, which is clear
  EXPECT_EQ(Back(0, 0), kNew);
}

TEST_F(PresentTest, PauseTilesWrapOnReachingTheirEnds) {
  gPausePictureHeight = 480;
  gEnginePause = 1;
  gFrameScale = 1.0f;
  gPauseTileX = -54.0f;
  gPauseTileY = -38.0f;
  Frame();  // exactly -64 and -48: wrapped
  EXPECT_FLOAT_EQ(gPauseTileX, 0.0f);
  EXPECT_FLOAT_EQ(gPauseTileY, 0.0f);
  gPauseTileX = -53.0f;
  gPauseTileY = -37.0f;
  Frame();
  EXPECT_FLOAT_EQ(gPauseTileX, -63.0f);
  EXPECT_FLOAT_EQ(gPauseTileY, -47.0f);
  gEnginePause = 0;
}

// Each picture decides for itself between a first load and a reload into
// its number: one whose first load failed holds number 0, and is loaded
// anew, never swapped into object 0.
TEST_F(PresentTest, SetPausePictureReloadsEachPictureByItsOwnNumber) {
  auto write = [&](const char* name, int w, int h, uint32_t rgb) {
    bmpgen::BmpLayout l;
    l.width = w;
    l.height = h;
    l.data = bmpgen::PackRows(w, h, 24, std::vector<uint32_t>(w * h, rgb), false);
    WriteFile(name, bmpgen::Build(l));
  };
  write("page.bmp", 8, 8, 0x0000FF);
  koDraw::SetPausePicture("page.bmp", "tile.bmp", 8);  // no tile yet
  const int page = gPausePicture;
  EXPECT_GE(page, 4);
  EXPECT_EQ(gPauseTile, 0);
  write("page.bmp", 8, 8, 0xFF0000);
  write("tile.bmp", 64, 48, 0x00FF00);
  koDraw::SetPausePicture("page.bmp", "tile.bmp", 8);
  EXPECT_EQ(gPausePicture, page);
  EXPECT_EQ(koDraw::ObjectSurface(page)->Row(0)[0], 0xF800);
  const int tile = gPauseTile;
  EXPECT_GE(tile, 4);
  EXPECT_NE(tile, page);
  EXPECT_STREQ(gDrawObjects[0].name, "内部用１");
  EXPECT_EQ(gDrawObjects[0].width, 640);
  EXPECT_EQ(koDraw::ObjectSurface(0)->Row(0)[0], 0);

  // The other way round: the tile is reloaded in place, the page loaded anew.
  gPausePicture = 0;
  koDraw::SetPausePicture("page.bmp", "tile.bmp", 8);
  EXPECT_GE(gPausePicture, 4);
  EXPECT_NE(gPausePicture, page);
  EXPECT_EQ(gPauseTile, tile);
  EXPECT_EQ(koDraw::ObjectSurface(tile)->Row(0)[0], 0x07E0);
}

TEST_F(PresentTest, ClipTransitionOpensAtLeastOnePixelAFrame) {
  gFrameScale = 0.0f;
  EXPECT_EQ(koDraw::StartClipTransition(0, 1, 0.0f, 0), 1);
  EXPECT_EQ(gClipRect.top, 480);
  EXPECT_EQ(koDraw::StartClipTransition(0, 2, 0.0f, 0), 0);  // one runs already
  EXPECT_EQ(koDraw::StepClipTransition(), 1);
  EXPECT_EQ(gClipRect.top, 479);
  gFrameScale = 0.5f;
  gClipTransitionSpeed = 600.0f;
  koDraw::StepClipTransition();
  EXPECT_EQ(gClipRect.top, 178);
  koDraw::StepClipTransition();
  EXPECT_EQ(gClipRect.top, 0);
  EXPECT_EQ(gClipTransitionState, 0);
  EXPECT_EQ(gClipTransitionOpened, 1);
  EXPECT_EQ(koDraw::StepClipTransition(), 0);
}

TEST_F(PresentTest, ClipTransitionPatternsCollapseAndClose) {
  koDraw::SetClip(100, 100, 301, 201);  // mx 200, my 150
  koDraw::StartClipTransition(0, 8, 0.0f, 10);
  EXPECT_EQ(gClipRect.top, 150);
  EXPECT_EQ(gClipRect.bottom, 150);
  EXPECT_EQ(gClipRect.left, 195);
  EXPECT_EQ(gClipRect.right, 205);
  gFrameScale = 1.0f;
  gClipTransitionSpeed = 29.0f;  // 30 a step: the rows open first, then the columns
  koDraw::StepClipTransition();
  EXPECT_EQ(gClipRect.top, 120);
  EXPECT_EQ(gClipRect.left, 195);
  koDraw::StepClipTransition();
  EXPECT_EQ(gClipRect.top, 100);
  EXPECT_EQ(gClipRect.bottom, 201);
  EXPECT_EQ(gClipRect.left, 195);
  for (int i = 0; i < 4; ++i) koDraw::StepClipTransition();
  EXPECT_EQ(gClipRect.left, 100);
  EXPECT_EQ(gClipRect.right, 301);
  EXPECT_EQ(gClipTransitionState, 0);

  // Closing pattern 5 ends where the edges met, crossed.
  koDraw::StartClipTransition(1, 5, 29.0f, 0);
  EXPECT_EQ(gClipTransitionState, 2);
  for (int i = 0; i < 10 && gClipTransitionState == 2; ++i) koDraw::StepClipTransition();
  EXPECT_EQ(gClipTransitionState, -1);
  EXPECT_EQ(gClipTransitionClosed, 1);
  EXPECT_EQ(gClipRect.top, 160);
  EXPECT_EQ(gClipRect.bottom, 141);
  // Nothing is drawn through a crossed rectangle.
  const int n = MakeObject(640, 480, [](int, int) { return uint16_t{9}; });
  koDraw::Blit(0, 0, n, 0, 0, 640, 480);
  EXPECT_EQ(Back(150, 150), kNew);
  // A new start first puts the saved rectangle back.
  koDraw::StartClipTransition(1, 7, 0.0f, 0);
  EXPECT_EQ(gClipTransitionSaved.left, 100);
  EXPECT_EQ(gClipTransitionSaved.bottom, 201);
  koDraw::EndClipTransition();
  EXPECT_EQ(gClipRect.right, gClipRect.left);
  EXPECT_EQ(gClipRect.bottom, gClipRect.top);
  EXPECT_EQ(gClipTransitionState, -1);
  EXPECT_EQ(koDraw::StartClipTransition(0, 10, 0.0f, 0), 0);  // no such pattern
}

TEST_F(PresentTest, FpsMeterCountsFramesOverTwoSeconds) {
  gFpsMeterTime = headless::Now() + 2000;
  for (int i = 0; i < 90; ++i) koDraw::ShowFps();
  EXPECT_EQ(gFpsFrames, 90);
  EXPECT_STREQ(gFpsText, "0.0 fps ( max 0.0 / min 999.9 )");
  headless::AdvanceClock(2000);
  koDraw::ShowFps();
  EXPECT_FLOAT_EQ(gFps, 45.0f);
  EXPECT_FLOAT_EQ(gFpsMin, 45.0f);
  EXPECT_EQ(gFpsMeterTime, headless::Now() + 2000);
  for (int i = 0; i < 1500; ++i) koDraw::ShowFps();
  EXPECT_EQ(gFpsFrames, 999);
  headless::AdvanceClock(2000);
  koDraw::ShowFps();
  EXPECT_STREQ(gFpsText, "499.5 fps ( max 499.5 / min 45.0 )");
}

TEST_F(PresentTest, FpsUpdateOverAnEmptyPeriodKeepsTheMinimum) {
  gFpsMeterTime = headless::Now();  // due, with no frame counted
  koDraw::ShowFps();
  EXPECT_FLOAT_EQ(gFps, 0.0f);
  EXPECT_FLOAT_EQ(gFpsMin, 999.9f);
  EXPECT_EQ(gFpsFrames, 1);
}

// The main loop runs a covering transition instead of the scene, then
// hands over to the next scene; a scene change puts a running clip
// transition's rectangle back.
TEST_F(EngineTest, CoveringTransitionRunsAloneThenChangesScene) {
  testgame::onLoad = [] {
    koDraw::Screen(640, 480, 1);
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
  headless::Close(15);
  EXPECT_EQ(Run(), 0);
  // Two frames of scene 1, ten of the transition, then scene 2 entered.
  ASSERT_EQ(calls.size(), 5u);
  EXPECT_EQ(calls[1], (std::pair<int, int>{1, 0}));
  EXPECT_EQ(calls[2], (std::pair<int, int>{2, 1}));
  EXPECT_EQ(calls[3], (std::pair<int, int>{2, 0}));
  EXPECT_EQ(headless::ShownFrames(), 10);
  EXPECT_EQ(gClipTransitionState, 0);
  EXPECT_EQ(gClipRect.left, 0);
}

TEST_F(EngineTest, WindowMovesCarryThePresentTarget) {
  testgame::onLoad = [] {
    koDraw::Screen(640, 480, 1);
    gScene = 1;
  };
  headless::AtFrame(1, {plat::kMsgMove, 0, plat::PackXY(30, -4)});
  headless::Close(3);
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(gPresentTarget.left, 30);
  EXPECT_EQ(gPresentTarget.top, -4);
  EXPECT_EQ(gPresentTarget.right, 670);
  EXPECT_EQ(gPresentTarget.bottom, 476);
  EXPECT_EQ(gBackSurface, nullptr);  // the shutdown released the display
}

}  // namespace

namespace {

// A game frame's drawing makes no heap allocation.
TEST_F(PresentTest, AFrameOfDrawingAllocatesNothing) {
  const int n = MakeObject(64, 48, [](int x, int y) { return static_cast<uint16_t>(x ^ y); });
  Request(3, 26);
  alloc_counter::Start();
  koDraw::ClearScreen();
  for (int i = 0; i < 50; ++i) koDraw::Blit(i * 13 - 20, i * 9 - 20, n, 0, 0, 64, 48);
  koDraw::BlitOpaque(300, 200, n, 0, 0, 64, 48);
  koDraw::BlitStretch(10, 10, n, 0, 0, 64, 48, 200, 150);
  koDraw::BlitAdd(100, 100, n, 0, 0, 64, 48);
  koDraw::BlitHalf(120, 100, n, 0, 0, 64, 48);
  koDraw::DrawLine(0, 0, 639, 479, 0xFFFFFF, 3);
  koDraw::CaptureScreen(kObjectScreen, 0, 0, 640, 480);
  koDraw::Present();
  EXPECT_EQ(alloc_counter::Stop(), 0u);
}

}  // namespace
