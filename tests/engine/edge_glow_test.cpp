// The edge-stretch, refraction and glow blits.
#include <cmath>

#include "tests/engine/draw_fixture.h"

namespace {

constexpr uint16_t Pix(int r, int g6, int b) {
  return static_cast<uint16_t>(r << 11 | g6 << 5 | b);
}
using Row = std::vector<uint16_t>;
constexpr uint16_t A = Pix(1, 0, 0), B = Pix(2, 0, 0), C = Pix(3, 0, 0), D = Pix(4, 0, 0),
                   E = Pix(5, 0, 0);

class EdgeGlowTest : public DrawTest {
 protected:
  void SetUp() override {
    DrawTest::SetUp();
    gGlowRandomPos = 0;
    std::fill(std::begin(gMeltRandomTable), std::end(gMeltRandomTable), 0);
  }
  int Picture(int w, int h, Row pixels) {
    return MakeObject(w, h, [=](int x, int y) { return pixels[static_cast<size_t>(y * w + x)]; });
  }
};

// Each direction repeats the edge column or row (held to the picture) to the
// screen's edge; columns count from the clipped origin; 0 stays clear.
TEST_F(EdgeGlowTest, StretchInEveryDirection) {
  const int n = Picture(4, 2, {A, B, C, D, A, 0, C, D});
  Add(koDraw::BlitEdgeStretch(630, 7, 0, 1, n, 0, 0, 4, 2));
  koDraw::BlitEdgeStretch(630, 20, 0, 65535, n, 1, 0, 4, 1);
  koDraw::BlitEdgeStretch(-2, 30, 0, 0, n, 0, 0, 4, 1);
  const int m = Picture(4, 2, {A, B, C, D, 0, B, C, D});
  koDraw::SetClip(3, 0, 640, 480);
  koDraw::BlitEdgeStretch(3, 40, 1, 1, m, 0, 0, 4, 2);
  for (int x = 0; x < 8; ++x) Back(x, 51) = E;
  koDraw::BlitEdgeStretch(3, 50, 1, 0, m, 0, 0, 4, 2);  // sample 0 is transparent
  koDraw::BlitEdgeStretch(0, 60, 1, -1, m, 0, 0, 4, 1);
  koDraw::BlitEdgeStretch(3, 62, 1, -1, m, 0, 0, 4, 1);
  const int col = Picture(1, 3, {A, B, C});
  koDraw::SetClip(0, 0, 640, 10);
  koDraw::BlitEdgeStretch(4, 5, 2, 1, col, 0, 0, 1, 3);
  koDraw::BlitEdgeStretch(6, 2, 3, 1, col, 0, 0, 1, 3);
  koDraw::BlitEdgeStretch(8, 0, 3, 1, col, 0, 0, 1, 3);  // y 0: no margin
  // Unknown directions, a missing picture and hostile rectangles draw nothing.
  koDraw::SetClip(0, 0, 640, 480);
  Add(koDraw::BlitEdgeStretch(5, 5, 4, 0, n, 0, 0, 2, 2),
      koDraw::BlitEdgeStretch(5, 5, -1, 0, n, 0, 0, 2, 2));
  Add(koDraw::BlitEdgeStretch(5, 5, 0, 0, 5000, 0, 0, 2, 2));
  for (int dir = 0; dir < 4; ++dir) {
    koDraw::BlitEdgeStretch(INT32_MAX, INT32_MIN, dir, 7, n, 0, 0, 2, 2);
    koDraw::BlitEdgeStretch(0, 0, dir, 7, n, INT32_MIN, 0, INT32_MAX, 2);
    koDraw::BlitEdgeStretch(0, 0, dir, 7, n, 5, 5, 9, 9);  // past the picture
  }
  Fold();
  ExpectGolden();
}

// Red and the level lift each pixel's row; a read past the rectangle's bottom
// or the clip stays; levels past the ends are held there.
TEST_F(EdgeGlowTest, RefractPullsPixelsUpByRedAndLevel) {
  for (int y = 0; y < 480; ++y) Back(5, y) = Back(7, y) = static_cast<uint16_t>(y + 1);
  const int n = Picture(1, 4, {Pix(2, 0, 0), 0, Pix(1, 63, 0), Pix(1, 0, 0)});
  Add(koDraw::BlitRefract(5, 0, 0.0f, n, 0, 0, 1, 4));
  koDraw::BlitRefract(5, 0, 1.0f, n, 0, 0, 1, 4);
  const int m = Picture(1, 3, {Pix(16, 0, 0), Pix(16, 0, 0), Pix(31, 0, 0)});
  for (float level : {0.5f, NAN, -1e30f}) koDraw::BlitRefract(5, 10, level, m, 0, 0, 1, 3);
  koDraw::BlitRefract(5, 20, 1e30f, Picture(1, 1, {Pix(31, 0, 0)}), 0, 0, 1, 40);
  koDraw::SetClip(0, 40, 640, 42);
  koDraw::BlitRefract(7, 38, 1.0f, Picture(1, 4, Row(4, Pix(1, 0, 0))), 0, 0, 1, 4);
  Add(koDraw::BlitRefract(5, 8, 1.0f, -3, 0, 0, 1, 4));
  Fold();
  ExpectGolden();
}

// Rays fade by one a step, each direction bit lighting its own; shifts, the
// random table and saturation; the keyed copy; light held inside the clip.
TEST_F(EdgeGlowTest, GlowRays) {
  const int n = Picture(1, 1, {Pix(3, 2 * 4, 1)});
  koDraw::BlitGlow(20, 20, 0, 0, 0, 0x10, 0, n, 0, 0, 1, 1);
  koDraw::BlitGlow(20, 40, 0, 0, 0, 0x18, 0, n, 0, 0, 1, 1);  // left and right both reach it
  const int red = Picture(1, 1, {Pix(3, 0, 0)});
  koDraw::BlitGlow(60, 60, 0, 0, 0, 0x40 | 0x01, 0, red, 0, 0, 1, 1);
  for (int bit = 0; bit < 8; ++bit)
    koDraw::BlitGlow(100 + bit * 10, 20, 0, 0, 0, 1 << bit, 0, red, 0, 0, 1, 1);
  Fold();
  ExpectGolden();
}

TEST_F(EdgeGlowTest, GlowShiftsTableCopyAndClip) {
  const int n = Picture(1, 1, {Pix(8, 0, 0)});
  Back(100, 10) = Pix(30, 0, 31);
  koDraw::BlitGlow(100, 10, 1, 0, 0, 0x08, 0, n, 0, 0, 1, 1);
  gMeltRandomTable[1] = 2;  // the next pixel starts two lower
  koDraw::BlitGlow(100, 20, 0, 0, 0, 0x10, 0, n, 0, 0, 1, 1);
  koDraw::BlitGlow(100, 30, 40, -1, 5, 0xFF, 0, n, 0, 0, 1, 1);  // shifts past 5 bits: no light
  Add(gGlowRandomPos);
  gGlowRandomPos = 9999;
  koDraw::BlitGlow(100, 40, 0, 0, 0, 0, 1, n, 0, 0, 1, 1);
  Add(gGlowRandomPos);  // back to the start, not a random place
  for (int x = 0; x < 5; ++x) Back(x, 3) = E;
  koDraw::BlitGlow(1, 3, 0, 0, 0, 0, 1, Picture(3, 1, {Pix(2, 0, 0), 0, Pix(0, 0, 3)}), 0, 0, 3, 1);
  Add(gGlowRandomPos);  // one step per lit pixel
  koDraw::BlitGlow(1, 5, 0, 0, 0, 0x10, 1, Picture(2, 1, {Pix(3, 0, 0), Pix(0, 0, 2)}), 0, 0, 2, 1);
  const int dot = Picture(1, 1, {Pix(4, 0, 0)});
  koDraw::SetClip(200, 200, 210, 210);
  koDraw::BlitGlow(200, 200, 0, 0, 0, 0xFF, 0, dot, 0, 0, 1, 1);
  koDraw::BlitGlow(209, 209, 0, 0, 0, 0xFF, 0, dot, 0, 0, 1, 1);
  koDraw::SetClip(-100, -100, 5000, 5000);  // a clip wider than the screen still ends at its edge
  Add(koDraw::BlitGlow(639, 479, 0, 0, 0, 0xFF, 0, dot, 0, 0, 1, 1));
  Add(koDraw::BlitGlow(0, 0, 0, 0, 0, 0xFF, 0, 77777, 0, 0, 1, 1));
  Fold();
  ExpectGolden();
}

}  // namespace
