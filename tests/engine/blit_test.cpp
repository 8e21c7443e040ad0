// Rectangle blits and their clip, stretched and mirrored blits, fills.
#include <random>

#include "engine/draw/draw_internal.h"
#include "tests/engine/draw_fixture.h"
#include "tests/support/alloc_counter.h"

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

TEST_F(BlitTest, LeftAndTopEdgesMoveTheSourceOrigin) {
  koDraw::BlitOpaque(90, 45, sprite_, 0, 0, 20, 10);
  EXPECT_EQ(Back(99, 50), kBg);
  EXPECT_EQ(Back(100, 50), Px(10, 5));
  EXPECT_EQ(Back(109, 54), Px(19, 9));
  EXPECT_EQ(Back(110, 50), kBg);
  EXPECT_EQ(Back(100, 49), kBg);
  EXPECT_EQ(Back(100, 55), kBg);
}

TEST_F(BlitTest, RightAndBottomEdgesLoseExactlyTheOverhang) {
  koDraw::BlitOpaque(290, 195, sprite_, 2, 1, 22 - 2, 11 - 1);
  EXPECT_EQ(Back(290, 195), Px(2, 1));
  EXPECT_EQ(Back(299, 199), Px(11, 5));
  EXPECT_EQ(Back(300, 195), kBg);
  EXPECT_EQ(Back(290, 200), kBg);
}

TEST_F(BlitTest, EmptyAndReversedRectanglesDrawNothing) {
  const std::vector<uint16_t> before = gBackSurface->pixels;
  koDraw::BlitOpaque(300, 60, sprite_, 0, 0, 20, 10);   // x == clip right: width 0
  koDraw::BlitOpaque(301, 60, sprite_, 0, 0, 20, 10);   // beyond it: skipped
  koDraw::BlitOpaque(120, 200, sprite_, 0, 0, 20, 10);  // y == clip bottom
  koDraw::BlitOpaque(120, 60, sprite_, 10, 0, 5, 10);   // right < left
  koDraw::BlitOpaque(120, 60, sprite_, 0, 8, 20, 2);    // bottom < top
  koDraw::BlitOpaque(60, 60, sprite_, 0, 0, 20, 10);    // wholly left of the clip
  EXPECT_EQ(gBackSurface->pixels, before);
  koDraw::BlitOpaque(299, 60, sprite_, 0, 0, 20, 10);  // one column left
  EXPECT_EQ(Back(299, 60), Px(0, 0));
  EXPECT_EQ(Back(298, 60), kBg);
}

TEST_F(BlitTest, SourceRectanglesReachingOutsideThePictureAreCutToIt) {
  koDraw::BlitOpaque(150, 100, sprite_, -5, -3, 25, 13);
  EXPECT_EQ(Back(154, 102), kBg);
  EXPECT_EQ(Back(155, 103), Px(0, 0));
  EXPECT_EQ(Back(174, 112), Px(19, 9));
  EXPECT_EQ(Back(175, 112), kBg);
  EXPECT_EQ(Back(174, 113), kBg);
}

TEST_F(BlitTest, AClipLargerThanTheSurfaceIsCutAtTheSurface) {
  koDraw::SetClip(-100, -100, 1000, 1000);
  koDraw::BlitOpaque(-5, -5, sprite_, 0, 0, 20, 10);
  koDraw::BlitOpaque(630, 475, sprite_, 0, 0, 20, 10);
  EXPECT_EQ(Back(0, 0), Px(5, 5));
  EXPECT_EQ(Back(639, 479), Px(9, 4));
  koDraw::FillRect(-50, -50, 5000, 2, 0x1111);
  EXPECT_EQ(Back(639, 1), 0x1111);
  EXPECT_EQ(Back(0, 2), Px(5, 7));
}

// The keyed blit against a pixel-by-pixel reference, on sprites of every
// width around the block sizes and at clipped positions, with the row code
// of this processor and with the portable one.
class KeyedBlitTest : public BlitTest, public ::testing::WithParamInterface<bool> {
  void SetUp() override {
    BlitTest::SetUp();
    koDraw::detail::UsePortableKeyedBlit(GetParam());
  }
  void TearDown() override {
    koDraw::detail::UsePortableKeyedBlit(false);
    BlitTest::TearDown();
  }
};
INSTANTIATE_TEST_SUITE_P(RowCode, KeyedBlitTest, ::testing::Values(false, true));

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

// Each picture is blitted again after every kind of change to its pixels or
// key, so stale runs of the keyed blit would show.
TEST_P(KeyedBlitTest, MatchesAPixelByPixelReference) {
  std::mt19937 rng(7);
  koDraw::SetClip(0, 0, 640, 480);
  for (int round = 0; round < 200; ++round) {
    const int w = 1 + static_cast<int>(rng() % 70), h = 1 + static_cast<int>(rng() % 5);
    const uint16_t key = (round % 3 == 0) ? 0 : static_cast<uint16_t>(rng());
    const int n = MakeObject(
        w, h, [&](int, int) { return (rng() % 3 == 0) ? key : static_cast<uint16_t>(rng() | 1); });
    koDraw::ObjectSurface(n)->colorKey = key;
    const int x = static_cast<int>(rng() % 700) - 30, y = static_cast<int>(rng() % 500) - 10;
    for (auto& p : gBackSurface->pixels) p = static_cast<uint16_t>(rng());
    for (int change = 0; change < 5; ++change) {
      ExpectKeyedBlitLikeReference(n, x, y, round);
      ExpectKeyedBlitLikeReference(n, x + 1, y, round);
      if (change == 0) koDraw::BlitOpaqueToObject(n, w / 2, 0, sprite_, 0, 0, 3, 1);
      if (change == 1) koDraw::SetObjectColorKey(n, 0x123456);
      if (change == 2) koDraw::ObjectSurface(n)->Row(h - 1)[w - 1] = 0x8421;
      if (change == 3) koDraw::ClearObject(n);
    }
    koDraw::ReleaseObject(n);
  }
}

// A blit within one picture shows the source as it was before the blit,
// whichever way the rectangles overlap, and allocates nothing.
TEST_P(KeyedBlitTest, OverlappingBlitsWithinOnePictureReadTheSourceAsItWas) {
  koDraw::SetClip(0, 0, 640, 480);
  struct Move {
    int x, y;
    bool keyed;
  };
  const Move moves[] = {{2, 3, false}, {-2, -3, false}, {3, -1, true}, {-3, 2, true},
                        {5, 0, true},  {-5, 0, false},  {0, 2, true},  {0, -1, false}};
  for (const Move& m : moves) {
    const int n = MakeObject(40, 12, [](int x, int y) {
      return (x + y) % 4 == 0 ? uint16_t{0} : Px(x, y);  // keyed on 0
    });
    Surface& s = *koDraw::ObjectSurface(n);
    std::vector<uint16_t> want = s.pixels;
    for (int j = 0; j < 12; ++j)
      for (int i = 0; i < 40; ++i) {
        const int x = i + m.x, y = j + m.y;
        if (x < 0 || y < 0 || x >= 40 || y >= 12 || (m.keyed && s.Row(j)[i] == 0)) continue;
        want[static_cast<size_t>(y) * 40 + x] = s.Row(j)[i];
      }
    alloc_counter::Start();
    if (m.keyed)
      koDraw::BlitToObject(n, m.x, m.y, n, 0, 0, 40, 12);
    else
      koDraw::BlitOpaqueToObject(n, m.x, m.y, n, 0, 0, 40, 12);
    EXPECT_EQ(alloc_counter::Stop(), 0u) << m.x << "," << m.y;
    EXPECT_EQ(s.pixels, want) << m.x << "," << m.y << (m.keyed ? " keyed" : " opaque");
    koDraw::ReleaseObject(n);
  }
}

TEST_F(BlitTest, OpaqueCopiesKeyPixelsAndKeyedLeavesThem) {
  const int n =
      MakeObject(3, 1, [](int x, int) { return x == 1 ? uint16_t{0} : uint16_t{0xFFFF}; });
  koDraw::Blit(120, 60, n, 0, 0, 3, 1);
  koDraw::BlitOpaque(120, 61, n, 0, 0, 3, 1);
  EXPECT_EQ(BackRow(60, 120, 123), (std::vector<uint16_t>{0xFFFF, kBg, 0xFFFF}));
  EXPECT_EQ(BackRow(61, 120, 123), (std::vector<uint16_t>{0xFFFF, 0, 0xFFFF}));
}

TEST_F(BlitTest, ObjectZeroDrawsNothingUntilSomethingIsDrawnIntoIt) {
  koDraw::SetClip(0, 0, 640, 480);
  const std::vector<uint16_t> before = gBackSurface->pixels;
  koDraw::Blit(0, 0, 0, 0, 0, 640, 480);
  EXPECT_EQ(gBackSurface->pixels, before);
}

TEST_F(BlitTest, BlitsIntoObjectsClipToTheClipRectAndTheObject) {
  const int dst = MakeObject(50, 60, [](int, int) { return uint16_t{kBg}; });
  koDraw::SetClip(0, 0, 45, 640);
  koDraw::BlitOpaqueToObject(dst, 40, 55, sprite_, 0, 0, 20, 10);
  const Surface& d = *koDraw::ObjectSurface(dst);
  EXPECT_EQ(d.Row(55)[40], Px(0, 0));
  EXPECT_EQ(d.Row(59)[44], Px(4, 4));
  EXPECT_EQ(d.Row(55)[45], kBg);
  // Within one object, overlapping: reads the source as it was.
  koDraw::BlitOpaqueToObject(sprite_, 1, 0, sprite_, 0, 0, 19, 1);
  const Surface& s = *koDraw::ObjectSurface(sprite_);
  EXPECT_EQ(s.Row(0)[1], Px(0, 0));
  EXPECT_EQ(s.Row(0)[19], Px(18, 0));
  koDraw::BlitToObject(dst, 0, 0, 4000, 0, 0, 5, 5);    // bad source number
  koDraw::BlitToObject(-3, 0, 0, sprite_, 0, 0, 5, 5);  // bad destination
}

TEST_F(BlitTest, StretchMapsNearestAndIgnoresTheClipButNotTheSurface) {
  const int n =
      MakeObject(3, 2, [](int x, int y) { return x == 1 && y == 0 ? uint16_t{0} : Px(x, y); });
  koDraw::BlitStretch(10, 10, n, 0, 0, 3, 2, 7, 4);  // outside the clip rectangle
  // Column i shows source column i * 3 / 7: 0 0 0 1 1 2 2; row j shows j * 2 / 4.
  EXPECT_EQ(BackRow(10, 10, 17),
            (std::vector<uint16_t>{Px(0, 0), Px(0, 0), Px(0, 0), kBg, kBg, Px(2, 0), Px(2, 0)}));
  EXPECT_EQ(BackRow(13, 10, 17), (std::vector<uint16_t>{Px(0, 1), Px(0, 1), Px(0, 1), Px(1, 1),
                                                        Px(1, 1), Px(2, 1), Px(2, 1)}));
  koDraw::BlitStretchOpaque(10, 20, n, 0, 0, 3, 2, 7, 1);
  EXPECT_EQ(Back(13, 20), 0);
  // A caption grown past the screen is cut at its edge.
  koDraw::BlitStretchOpaque(630, 400, sprite_, 0, 0, 20, 10, 200, 90);
  EXPECT_EQ(Back(639, 479), Px(0, 8));
  const std::vector<uint16_t> before = gBackSurface->pixels;
  koDraw::BlitStretch(0, 0, sprite_, 0, 0, 20, 10, 100, 0);
  koDraw::BlitStretch(0, 0, sprite_, 5, 0, 2, 10, 100, 10);
  EXPECT_EQ(gBackSurface->pixels, before);
}

TEST_F(BlitTest, MirrorModesMapFromTheUnclippedOrigin) {
  const uint16_t a = 0x1111, b = 0x2222, c = 0x3333, z = 0;
  const int n = MakeObject(3, 2, [&](int x, int y) {
    const uint16_t row[2][3] = {{a, b, c}, {z, a, b}};
    return row[y][x];
  });
  EXPECT_EQ(koDraw::BlitMirror(120, 60, 1, n, 0, 0, 3, 2), 1);
  EXPECT_EQ(BackRow(60, 120, 123), (std::vector<uint16_t>{c, b, a}));
  EXPECT_EQ(BackRow(61, 120, 123), (std::vector<uint16_t>{b, a, kBg}));  // value 0 is left out
  koDraw::BlitMirror(298, 70, 1, n, 0, 0, 3, 2);                         // cut at the right edge
  EXPECT_EQ(BackRow(70, 298, 301), (std::vector<uint16_t>{c, b, kBg}));
  koDraw::BlitMirror(99, 80, 1, n, 0, 0, 3, 2);  // cut at the left edge
  EXPECT_EQ(BackRow(80, 99, 102), (std::vector<uint16_t>{kBg, b, a}));
  koDraw::BlitMirror(120, 90, 2, n, 0, 0, 3, 2);
  EXPECT_EQ(BackRow(90, 120, 123), (std::vector<uint16_t>{kBg, a, b}));
  EXPECT_EQ(BackRow(91, 120, 123), (std::vector<uint16_t>{a, b, c}));
  koDraw::BlitMirror(120, 100, 3, n, 0, 0, 3, 2);
  EXPECT_EQ(BackRow(100, 120, 123), (std::vector<uint16_t>{b, a, kBg}));
  koDraw::BlitMirror(120, 49, 2, n, 0, 0, 3, 2);  // cut at the top: row 1 of the unclipped blit
  EXPECT_EQ(BackRow(50, 120, 123), (std::vector<uint16_t>{a, b, c}));
  koDraw::BlitMirror(120, 110, 0, n, -2, 0, 3, 2);  // columns outside the picture are left out
  EXPECT_EQ(BackRow(110, 120, 125), (std::vector<uint16_t>{kBg, kBg, a, b, c}));
  const std::vector<uint16_t> before = gBackSurface->pixels;
  EXPECT_EQ(koDraw::BlitMirror(120, 60, 4, n, 0, 0, 3, 2), 1);
  EXPECT_EQ(gBackSurface->pixels, before);
}

TEST_F(BlitTest, FillsAndFrame) {
  koDraw::FillRect(10, 10, 14, 12, 0xABCD1234);  // the low 16 bits
  EXPECT_EQ(Back(10, 10), 0x1234);
  EXPECT_EQ(Back(13, 11), 0x1234);
  EXPECT_EQ(Back(14, 11), kBg);
  koDraw::FillRect(20, 20, 10, 30, 0x1234);  // reversed: nothing
  EXPECT_EQ(Back(15, 25), kBg);
  koDraw::FillWhite(0, 0, 2, 1);
  EXPECT_EQ(Back(1, 0), 0xFFFF);
  koDraw::FillBlack(0, 0, 1, 1);
  EXPECT_EQ(Back(0, 0), 0);
  koDraw::FillScreenWhite();
  EXPECT_EQ(Back(639, 479), 0xFFFF);
  koDraw::DrawFrame(100, 100, 104, 103);
  for (int y = 100; y < 103; ++y)
    for (int x = 100; x < 104; ++x)
      EXPECT_EQ(Back(x, y), (x == 100 || x == 103 || y == 100 || y == 102) ? 0 : 0xFFFF) << x << y;
  koDraw::ClearScreen();
  EXPECT_EQ(Back(639, 479), 0);
  koDraw::ClearObject(sprite_);
  EXPECT_EQ(koDraw::ObjectSurface(sprite_)->Row(9)[19], 0);
}

TEST_F(BlitTest, HalfToneRectHalvesUnderTheClip) {
  koDraw::FillScreenWhite();
  EXPECT_EQ(koDraw::HalfToneRect(90, 40, 102, 52, 0), 1);
  EXPECT_EQ(Back(100, 50), 0x7BEF);
  EXPECT_EQ(Back(101, 51), 0x7BEF);
  EXPECT_EQ(Back(99, 50), 0xFFFF);
  EXPECT_EQ(Back(102, 51), 0xFFFF);
  koDraw::HalfToneRect(110, 60, 111, 61, 0xF800);  // half red over white
  EXPECT_EQ(Back(110, 60), 0x7800 + 0x7BEF);
  EXPECT_EQ(koDraw::HalfToneRect(200, 60, 150, 61, 0), 1);  // reversed: nothing
}

}  // namespace
