// Rectangle blits and their clip, stretched and mirrored blits, fills.
#include "engine/draw/draw_internal.h"
#include "tests/engine/draw_fixture.h"
#include "tests/support/alloc_counter.h"
#include "tests/support/keyed_paths.h"

namespace {

// Source pixel (x, y) of the test sprites: never 0, never the key.
uint16_t Px(int x, int y) { return static_cast<uint16_t>(0x4000 + y * 64 + x); }

class BlitTest : public DrawTest {
 protected:
  void SetUp() override {
    DrawTest::SetUp();
    sprite_ = MakeObject(20, 10, Px);
    koDraw::FillRect(0, 0, 640, 480, kBg);
    koDraw::SetClip(100, 50, 300, 200);
  }
  static constexpr uint16_t kBg = 0x0841;
  int sprite_ = 0;
};

// Opaque blits cut by every edge of the clip, by the surface and by the
// picture; empty and reversed rectangles; key pixels kept or left out.
TEST_F(BlitTest, OpaqueAndKeyedBlitsUnderTheClip) {
  const int k =
      MakeObject(3, 1, [](int x, int) { return x == 1 ? uint16_t{0} : uint16_t{0xFFFF}; });
  koDraw::BlitOpaque(90, 45, sprite_, 0, 0, 20, 10);      // top left edges
  koDraw::BlitOpaque(290, 195, sprite_, 2, 1, 20, 10);    // bottom right edges
  koDraw::BlitOpaque(300, 60, sprite_, 0, 0, 20, 10);     // x == clip right: width 0
  koDraw::BlitOpaque(301, 60, sprite_, 0, 0, 20, 10);     // beyond it
  koDraw::BlitOpaque(120, 200, sprite_, 0, 0, 20, 10);    // y == clip bottom
  koDraw::BlitOpaque(120, 60, sprite_, 10, 0, 5, 10);     // right < left
  koDraw::BlitOpaque(120, 60, sprite_, 0, 8, 20, 2);      // bottom < top
  koDraw::BlitOpaque(60, 60, sprite_, 0, 0, 20, 10);      // wholly left of the clip
  koDraw::BlitOpaque(299, 80, sprite_, 0, 0, 20, 10);     // one column
  koDraw::BlitOpaque(150, 100, sprite_, -5, -3, 25, 13);  // source reaching past the picture
  koDraw::Blit(0, 0, 0, 0, 0, 640, 480);                  // object 0: nothing until drawn into
  koDraw::Blit(120, 160, k, 0, 0, 3, 1);
  koDraw::BlitOpaque(120, 161, k, 0, 0, 3, 1);
  koDraw::SetClip(-100, -100, 1000, 1000);  // cut at the surface instead
  koDraw::BlitOpaque(-5, -5, sprite_, 0, 0, 20, 10);
  koDraw::BlitOpaque(630, 475, sprite_, 0, 0, 20, 10);
  koDraw::FillRect(-50, -50, 5000, 2, 0x1111);
  Fold();
  // Into an object: cut by the clip and by the object.
  const int dst = MakeObject(50, 60, [](int, int) { return uint16_t{kBg}; });
  koDraw::SetClip(0, 0, 45, 640);
  koDraw::BlitOpaqueToObject(dst, 40, 55, sprite_, 0, 0, 20, 10);
  koDraw::BlitToObject(dst, 0, 0, 4000, 0, 0, 5, 5);    // bad source number
  koDraw::BlitToObject(-3, 0, 0, sprite_, 0, 0, 5, 5);  // bad destination
  for (uint16_t p : koDraw::ObjectSurface(dst)->pixels) Add(p);
  ExpectGolden();
}

// The keyed blit on every row code this processor can run.
class KeyedBlitTest : public BlitTest,
                      public ::testing::WithParamInterface<koDraw::detail::KeyedPath> {
  void SetUp() override {
    BlitTest::SetUp();
    if (!koDraw::detail::UseKeyedPath(GetParam())) GTEST_SKIP() << "not on this processor";
  }
  void TearDown() override {
    koDraw::detail::UseKeyedPath(koDraw::detail::BestKeyedPath());
    BlitTest::TearDown();
  }
};
INSTANTIATE_TEST_SUITE_P(RowCode, KeyedBlitTest, kKeyedPaths, KeyedPathName);

// Blits object n keyed at (x, y) and checks the back surface against a
// pixel-by-pixel reference.
void ExpectKeyedBlitLikeReference(int n, int x, int y, int round) {
  std::vector<uint16_t> want = gBackSurface->pixels;
  const Surface& s = *koDraw::ObjectSurface(n);
  for (int j = 0; j < s.height; ++j)
    for (int i = 0; i < s.width; ++i) {
      const int dx = x + i, dy = y + j;
      if (dx < 0 || dy < 0 || dx >= 640 || dy >= 480 || s.Row(j)[i] == s.colorKey) continue;
      want[static_cast<size_t>(dy) * 640 + dx] = s.Row(j)[i];
    }
  koDraw::Blit(x, y, n, 0, 0, s.width, s.height);
  ASSERT_EQ(gBackSurface->pixels, want) << "round " << round;
}

// Runs of 2 to 58 pixels between keyed ones, blitted again after every kind
// of change to the picture's pixels or key, so stale runs would show.
TEST_P(KeyedBlitTest, RunsFollowWritesKeyChangesAndClears) {
  koDraw::SetClip(0, 0, 640, 480);
  const int n =
      MakeObject(70, 8, [](int x, int y) { return x % (8 * y + 3) == 0 ? uint16_t{0} : Px(x, y); });
  for (int change = 0; change < 5; ++change) {
    for (int x : {10, 11, -3, 633}) ExpectKeyedBlitLikeReference(n, x, 10 * change, change);
    if (change == 0) koDraw::BlitOpaqueToObject(n, 53, 3, sprite_, 0, 0, 3, 1);
    if (change == 1) koDraw::SetObjectColorKey(n, 0x123456);
    if (change == 2) koDraw::ObjectSurface(n)->Row(7)[59] = 0x8421;
    if (change == 3) koDraw::ClearObject(n);
  }
}

// A blit within one picture shows the source as it was before the blit,
// whichever way the rectangles overlap, and allocates nothing.
TEST_P(KeyedBlitTest, OverlappingBlitsWithinOnePictureReadTheSourceAsItWas) {
  koDraw::SetClip(0, 0, 640, 480);
  struct Move {
    int x, y;
    bool keyed;
    int w = 40;  // narrow ones take the short-row code, keyed on white
  };
  const Move moves[] = {{2, 3, false},   {-2, -3, false}, {3, -1, true}, {-3, 2, true},
                        {5, 0, true},    {-5, 0, false},  {0, 2, true},  {0, -1, false},
                        {2, 1, true, 5}, {3, 0, true, 6}};
  for (const Move& m : moves) {
    const int n = MakeObject(40, 12, [](int x, int y) {
      return (x + y) % 4 == 0 ? uint16_t{0} : Px(x, y);  // keyed on 0
    });
    Surface& s = *koDraw::ObjectSurface(n);
    if (m.w < 40) s.colorKey = 0xFFFF;
    std::vector<uint16_t> want = s.pixels;
    for (int j = 0; j < 12; ++j)
      for (int i = 0; i < m.w; ++i) {
        const int x = i + m.x, y = j + m.y;
        if (x < 0 || y < 0 || x >= 40 || y >= 12 || (m.keyed && s.Row(j)[i] == s.colorKey))
          continue;
        want[static_cast<size_t>(y) * 40 + x] = s.Row(j)[i];
      }
    alloc_counter::Start();
    if (m.keyed)
      koDraw::BlitToObject(n, m.x, m.y, n, 0, 0, m.w, 12);
    else
      koDraw::BlitOpaqueToObject(n, m.x, m.y, n, 0, 0, 40, 12);
    EXPECT_EQ(alloc_counter::Stop(), 0u) << m.x << "," << m.y;
    EXPECT_EQ(s.pixels, want) << m.x << "," << m.y << (m.keyed ? " keyed" : " opaque");
    koDraw::ReleaseObject(n);
  }
}

// Stretched blits map to the nearest source pixel and ignore the clip but not
// the surface; mirrored ones map from the unclipped origin; then the fills.
TEST_F(BlitTest, StretchMirrorAndFills) {
  const int n =
      MakeObject(3, 2, [](int x, int y) { return x == 1 && y == 0 ? uint16_t{0} : Px(x, y); });
  koDraw::BlitStretch(10, 10, n, 0, 0, 3, 2, 7, 4);
  koDraw::BlitStretchOpaque(10, 20, n, 0, 0, 3, 2, 7, 1);
  koDraw::BlitStretchOpaque(630, 400, sprite_, 0, 0, 20, 10, 200, 90);
  koDraw::BlitStretch(0, 0, sprite_, 0, 0, 20, 10, 100, 0);
  koDraw::BlitStretch(0, 0, sprite_, 5, 0, 2, 10, 100, 10);
  const int at[][3] = {{120, 60, 1},  {298, 70, 1}, {99, 80, 1}, {120, 90, 2},
                       {120, 100, 3}, {120, 49, 2}, {120, 60, 4}};
  for (const auto& a : at) Add(koDraw::BlitMirror(a[0], a[1], a[2], n, 0, 0, 3, 2));
  koDraw::BlitMirror(120, 110, 0, n, -2, 0, 3, 2);  // columns outside the picture are left out
  koDraw::FillRect(10, 30, 14, 32, 0xABCD1234);     // the low 16 bits
  koDraw::FillRect(20, 40, 10, 50, 0x1234);         // reversed: nothing
  koDraw::FillWhite(0, 30, 2, 31);
  koDraw::FillBlack(0, 30, 1, 31);
  koDraw::DrawFrame(100, 300, 104, 303);
  Add({koDraw::HalfToneRect(90, 40, 102, 52, 0), koDraw::HalfToneRect(200, 60, 150, 61, 0)});
  koDraw::HalfToneRect(110, 60, 111, 61, 0xF800);
  Fold();
  koDraw::FillScreenWhite();
  EXPECT_EQ(Back(639, 479), 0xFFFF);
  koDraw::ClearScreen();
  EXPECT_EQ(Back(639, 479), 0);
  koDraw::ClearObject(sprite_);
  EXPECT_EQ(koDraw::ObjectSurface(sprite_)->Row(9)[19], 0);
  ExpectGolden();
}

// Without a stretching display a stretch is drawn opaque into ObjectBuffer's
// corner and blitted from there like any sprite: clipped, keyed on black
// instead of the picture's key, cut at the buffer's size; the buffer keeps it.
TEST_F(BlitTest, StretchWithoutAStretchingDisplayGoesThroughTheBuffer) {
  const uint16_t kWhite = 0xFFFF, kFill = 0x1111;
  const uint16_t pic[2][3] = {{Px(0, 0), Px(1, 0), Px(2, 0)}, {kWhite, 0, Px(2, 1)}};
  const int n = MakeObject(3, 2, [&](int x, int y) { return pic[y][x]; });
  koDraw::SetObjectColorKey(n, 0xFFFFFF);
  Surface& buffer = *koDraw::ObjectSurface(kObjectBuffer);
  buffer.pixels.assign(buffer.pixels.size(), kFill);
  // Doubled to 6 x 4 across the clip's top (50) and right (300) edges.
  auto rows = [](int y) { return std::vector<uint16_t>(&Back(294, y), &Back(294, y) + 10); };
  using P = std::vector<uint16_t>;
  const uint16_t a = Px(0, 0), b = Px(1, 0), c = Px(2, 0), d = Px(2, 1), g = kBg;
  koDraw::BlitStretch(296, 48, n, 0, 0, 3, 2, 6, 4);
  EXPECT_EQ(rows(48), (P{g, g, a, a, b, b, c, c, g, g}));  // outside the clip
  EXPECT_EQ(rows(50), (P{g, g, g, g, 0, 0, d, d, g, g}));  // white keyed out
  EXPECT_EQ(buffer.pixels[0], kFill);                      // the buffer is not used

  koDraw::FillRect(0, 0, 640, 480, kBg);
  const int before = gCanStretch;
  gCanStretch = 0;
  koDraw::BlitStretch(296, 48, n, 0, 0, 3, 2, 6, 4);
  EXPECT_EQ(rows(49), P(10, g));
  EXPECT_EQ(rows(50), (P{g, g, kWhite, kWhite, g, g, g, g, g, g}));  // black keyed out
  EXPECT_EQ(rows(51), (P{g, g, kWhite, kWhite, g, g, g, g, g, g}));
  EXPECT_EQ(rows(52), P(10, g));
  auto bufferRow = [&](int y) { return P(buffer.Row(y), buffer.Row(y) + 7); };
  const P top{a, a, b, b, c, c, kFill}, bottom{kWhite, kWhite, 0, 0, d, d, kFill};
  for (int y = 0; y < 4; ++y) EXPECT_EQ(bufferRow(y), y < 2 ? top : bottom) << y;
  EXPECT_EQ(bufferRow(4), P(7, kFill));
  koDraw::BlitStretchOpaque(296, 100, n, 0, 0, 3, 2, 6, 4);
  EXPECT_EQ(rows(102), (P{g, g, kWhite, kWhite, 0, 0, g, g, g, g}));

  // 1000 wide, from 500 left of the screen: the buffer holds the stretch's
  // first 640 columns, so only 140 of them reach the screen.
  koDraw::SetClip(0, 0, 640, 480);
  koDraw::BlitStretchOpaque(-500, 300, n, 0, 0, 3, 2, 1000, 10);
  EXPECT_EQ(Back(0, 300), Px(1, 0));    // stretched column 500
  EXPECT_EQ(Back(139, 300), Px(1, 0));  // column 639, the buffer's last
  EXPECT_EQ(Back(140, 300), kBg);
  EXPECT_EQ(buffer.Row(0)[639], Px(1, 0));  // not squeezed into the buffer
  gCanStretch = before;
  koDraw::BlitStretchOpaque(-500, 400, n, 0, 0, 3, 2, 1000, 10);
  EXPECT_EQ(Back(140, 400), Px(1, 0));  // column 640, drawn straight
}

}  // namespace
