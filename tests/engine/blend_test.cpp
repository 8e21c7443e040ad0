// The additive and half-translucent blits.
#include "tests/engine/draw_fixture.h"

namespace {

constexpr uint16_t Pix(int r, int g6, int b) {
  return static_cast<uint16_t>(r << 11 | g6 << 5 | b);
}

class BlendTest : public DrawTest {
 protected:
  // A one-row object of the given pixels.
  int Row(std::vector<uint16_t> pixels) {
    return MakeObject(static_cast<int>(pixels.size()), 1,
                      [pixels](int x, int) { return pixels[static_cast<size_t>(x)]; });
  }
};

TEST_F(BlendTest, AddSaturatesEachChannelAndReadsGreenThroughFiveBits) {
  const int n = Row({Pix(20, 40, 20), Pix(0, 0, 1), Pix(1, 2, 3)});
  Back(10, 10) = Pix(20, 40, 20);
  Back(11, 10) = Pix(0, 63, 0);
  Back(12, 10) = Pix(30, 62, 29);
  EXPECT_EQ(koDraw::BlitAdd(10, 10, n, 0, 0, 3, 1), 1);
  EXPECT_EQ(Back(10, 10), Pix(31, 62, 31));
  EXPECT_EQ(Back(11, 10), Pix(0, 62, 1));  // green 63 read as 31, written back as 62
  EXPECT_EQ(Back(12, 10), Pix(31, 62, 31));
}

TEST_F(BlendTest, AddLevelDarkensTheSourceFirstAndHoldsLevelsInRange) {
  const int n = Row({Pix(20, 40, 10)});
  auto at = [&](float level) {
    Back(0, 0) = Pix(3, 6, 1);
    koDraw::BlitAddLevel(0, 0, level, n, 0, 0, 1, 1);
    return Back(0, 0);
  };
  // 0.5 gives level index 15: per channel max(0, s - 15) + d.
  EXPECT_EQ(at(0.5f), Pix(5 + 3, 2 * (5 + 3), 0 + 1));
  EXPECT_EQ(at(1.0f), Pix(23, 2 * 23, 11));
  EXPECT_EQ(at(0.0f), Pix(3, 6, 1));
  EXPECT_EQ(at(7.0f), at(1.0f));
  EXPECT_EQ(at(-3.0f), at(0.0f));
}

TEST_F(BlendTest, HalfAveragesChannelsWithoutCarry) {
  const int n = Row({0xFFFF, Pix(31, 0, 0)});
  Back(0, 0) = 0;
  Back(1, 0) = Pix(0, 63, 31);
  EXPECT_EQ(koDraw::BlitHalf(0, 0, n, 0, 0, 2, 1), 1);
  EXPECT_EQ(Back(0, 0), 0x7BEF);
  EXPECT_EQ(Back(1, 0), Pix(15, 31, 15));
}

TEST_F(BlendTest, ValueZeroIsTransparentWhateverTheKey) {
  const int n = Row({0, 0xFFFF});
  koDraw::SetObjectColorKey(n, 0xFFFFFF);  // the object's own key is white
  for (int y = 0; y < 3; ++y) Back(0, y) = Back(1, y) = Pix(1, 2, 3);
  koDraw::BlitAdd(0, 0, n, 0, 0, 2, 1);
  koDraw::BlitHalf(0, 1, n, 0, 0, 2, 1);
  koDraw::BlitAddLevel(0, 2, 1.0f, n, 0, 0, 2, 1);
  for (int y = 0; y < 3; ++y) {
    EXPECT_EQ(Back(0, y), Pix(1, 2, 3)) << y;
    EXPECT_NE(Back(1, y), Pix(1, 2, 3)) << y;
  }
}

TEST_F(BlendTest, ClipMovesTheSourceLikeAKeyedBlit) {
  const int n = Row({Pix(1, 0, 0), Pix(2, 0, 0), Pix(3, 0, 0), Pix(4, 0, 0)});
  koDraw::SetClip(10, 0, 12, 480);
  koDraw::BlitAdd(8, 5, n, 0, 0, 4, 1);  // the left half outside the clip
  EXPECT_EQ(BackRow(5, 9, 13), (std::vector<uint16_t>{0, Pix(3, 0, 0), Pix(4, 0, 0), 0}));
  for (int x = 10; x < 13; ++x) Back(x, 6) = 0xFFFF;
  koDraw::BlitHalf(11, 6, n, 0, 0, 4, 1);  // the right part outside
  EXPECT_EQ(BackRow(6, 10, 13), (std::vector<uint16_t>{0xFFFF, 0x7BEF, 0xFFFF}));
  EXPECT_EQ(koDraw::BlitAdd(20, 5, n, 0, 0, 4, 1), 1);   // wholly outside: nothing, result 1
  EXPECT_EQ(koDraw::BlitAdd(0, 0, 999, 0, 0, 4, 1), 0);  // no such picture
}

}  // namespace
