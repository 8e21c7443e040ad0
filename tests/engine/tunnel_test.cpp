// The tunnel map and its blit.
#include <cmath>

#include "tests/engine/draw_fixture.h"

namespace {

class TunnelTest : public DrawTest {
 protected:
  static const TunnelPoint& At(int x, int y) { return gTunnelMap[y * gTunnelMapWidth + x]; }
};

TEST_F(TunnelTest, DefaultsCentreTheMapAndFillTheWholeTable) {
  gTunnelMap[640 * 480 - 1] = {-1, -1};
  koDraw::BuildTunnelMap(64, 32, 640, 480, -1, -1, -1, 0, 0, 0);
  EXPECT_EQ(gTunnelMapWidth, 640);
  EXPECT_EQ(gTunnelTextureHeight, 32);
  EXPECT_EQ(At(330, 240).u, 0);   // right of the centre (320, 240)
  EXPECT_EQ(At(300, 240).u, 32);  // left of it: half the texture
  EXPECT_EQ(At(320, 250).u, 16);  // below: a quarter turn
  // Depth: (R - d) x (F / 32) / d with R = 400 and F for a view divisor of 8.
  const double k = 32 / (2 * std::tan(3.14159265358979 / 8 / 2)) / 32;
  EXPECT_EQ(At(330, 240).v, static_cast<int>((400 - 10) * k / 10) % 32);
  EXPECT_GE(gTunnelMap[640 * 480 - 1].u, 0);
  // Divisors 0 and 1 are taken as 2, the same as 2 itself.
  koDraw::BuildTunnelMap(64, 32, 20, 10, 5, 5, 2, 0, 0, 1);
  const auto two = std::vector<int>{At(0, 0).v, At(19, 9).v, At(7, 3).v};
  for (int divisor : {0, 1}) {
    koDraw::BuildTunnelMap(64, 32, 20, 10, 5, 5, divisor, 0, 0, 1);
    EXPECT_EQ((std::vector<int>{At(0, 0).v, At(19, 9).v, At(7, 3).v}), two) << divisor;
  }
}

TEST_F(TunnelTest, EveryShapeDepthAndMotionStaysInTheTexture) {
  for (int motion = 0; motion <= 5; ++motion)
    for (int shape = 0; shape <= 6; ++shape)
      for (int depth = 0; depth <= 5; ++depth) {
        koDraw::BuildTunnelMap(7, 5, 12, 9, -1, -1, 4, motion, shape, depth);
        for (int i = 0; i < 12 * 9; ++i) {
          ASSERT_TRUE(gTunnelMap[i].u >= 0 && gTunnelMap[i].u < 7) << motion << shape << depth;
          ASSERT_TRUE(gTunnelMap[i].v >= 0 && gTunnelMap[i].v < 5) << motion << shape << depth;
        }
      }
  // Motion 2 sweeps the centre along each row: with shape 4 (d = abs(dx)) and
  // depth mode 0, column x has dx = 2x - width + 1: the sign flips between 4 and 5.
  koDraw::BuildTunnelMap(64, 1000, 10, 1, 0, 0, 8, 2, 4, 0);
  EXPECT_EQ(At(9, 0).u, 0);   // dx = 9 > 0, dy = 0
  EXPECT_EQ(At(0, 0).u, 32);  // dx = -9
  EXPECT_EQ(At(4, 0).u, 32);  // dx = -1
  EXPECT_EQ(At(5, 0).u, 0);   // dx = 1
}

TEST_F(TunnelTest, ShapesAndDepthModesSetTheDistanceAndTheScale) {
  // Centre (10, 10) of a 20 x 20 area, R = sqrt(200), view divisor 4; the
  // points (13, 11) and (11, 13) tell x from y. Texture 360 wide: u in degrees.
  const int vByShape[7][2] = {{3929, 3929},  {4203, 4203},  {6870, 6870}, {14872, 14872},
                              {4203, 14872}, {14872, 4203}, {468, 468}};
  for (int shape = 0; shape <= 6; ++shape) {
    koDraw::BuildTunnelMap(360, 30000, 20, 20, 10, 10, 4, 0, shape, 0);
    EXPECT_EQ(At(13, 11).u, 18) << shape;
    EXPECT_EQ(At(11, 13).u, 71) << shape;
    EXPECT_EQ(At(13, 11).v, vByShape[shape][0]) << shape;
    EXPECT_EQ(At(11, 13).v, vByShape[shape][1]) << shape;
  }
  // Depth modes with the round distance; the values wrap at the texture height.
  const int vByDepth[6][2] = {{3929, 3929},   {28685, 14342}, {14342, 28685},
                              {11912, 11912}, {2868, 2868},   {5737, 5737}};
  for (int depth = 0; depth <= 5; ++depth) {
    koDraw::BuildTunnelMap(360, 30000, 20, 20, 10, 10, 4, 0, 0, depth);
    EXPECT_EQ(At(13, 11).v, vByDepth[depth][0]) << depth;
    EXPECT_EQ(At(11, 13).v, vByDepth[depth][1]) << depth;
  }
}

TEST_F(TunnelTest, MotionsMoveTheCentreRowByRow) {
  // Motion 1 climbs from the bottom, 3 runs left from the right edge and stops
  // at 0, 4 runs right from 0 and stops at the width.
  const std::pair<int, std::vector<int>> cases[] = {
      {1, {289, 342, 108, 241, 66}}, {3, {259, 342, 63, 210, 23}}, {4, {325, 342, 153, 259, 104}}};
  for (const auto& [motion, us] : cases) {
    koDraw::BuildTunnelMap(360, 30000, 10, 10, 5, 5, 4, motion, 0, 0);
    EXPECT_EQ((std::vector<int>{At(8, 0).u, At(8, 4).u, At(2, 9).u, At(0, 0).u, At(9, 9).u}), us)
        << motion;
  }
  // On an area lower than it is wide the sideways centres stop at the edges:
  // at row 9 of a 4-wide area cx is 0 for motion 3 and 4 for motion 4.
  koDraw::BuildTunnelMap(360, 30000, 4, 10, 5, 5, 4, 3, 0, 0);
  EXPECT_EQ(At(2, 9).u, 63);  // atan2(4, 2)
  koDraw::BuildTunnelMap(360, 30000, 4, 10, 5, 5, 4, 4, 0, 0);
  EXPECT_EQ(At(2, 9).u, 116);  // atan2(4, -2)
}

TEST_F(TunnelTest, BadBuildsChangeNothing) {
  koDraw::BuildTunnelMap(8, 8, 4, 4, -1, -1, -1, 0, 0, 0);
  const TunnelPoint first = gTunnelMap[0];
  koDraw::BuildTunnelMap(8, 8, 641, 480, -1, -1, -1, 0, 0, 0);
  koDraw::BuildTunnelMap(8, 8, 0, 4, -1, -1, -1, 0, 0, 0);
  koDraw::BuildTunnelMap(8, 8, 65536, 65536, -1, -1, -1, 0, 0, 0);
  koDraw::BuildTunnelMap(0, 8, 4, 4, -1, -1, -1, 0, 0, 0);
  koDraw::BuildTunnelMap(40000, 8, 4, 4, -1, -1, -1, 0, 0, 0);
  koDraw::BuildTunnelMap(8, 8, 4, 4, -1, -1, -1, 0, 7, 0);
  koDraw::BuildTunnelMap(8, 8, 4, 4, -1, -1, -1, 0, 0, -1);
  EXPECT_EQ(gTunnelMapWidth, 4);
  EXPECT_EQ(gTunnelTextureWidth, 8);
  EXPECT_EQ(gTunnelMap[0].u, first.u);
  // Huge centres still give texels in range.
  koDraw::BuildTunnelMap(8, 8, 4, 4, INT32_MAX, INT32_MIN, INT32_MAX, 0, 0, 5);
  for (int i = 0; i < 16; ++i) EXPECT_TRUE(gTunnelMap[i].v >= 0 && gTunnelMap[i].v < 8);
}

TEST_F(TunnelTest, BlitLooksUpTexelsTurnedAndMovedAndCopiesZero) {
  // Texture texel (u, v) holds 1 + u + 10v, with 0 at (0, 0).
  const int tex = MakeObject(
      4, 3, [](int u, int v) { return static_cast<uint16_t>(u + v == 0 ? 0 : 1 + u + 10 * v); });
  koDraw::BuildTunnelMap(4, 3, 2, 2, -1, -1, -1, 0, 0, 0);
  gTunnelMap[0] = {0, 0};
  gTunnelMap[1] = {3, 0};
  gTunnelMap[2] = {1, 2};
  gTunnelMap[3] = {2, 1};
  for (int y = 0; y < 4; ++y) Back(5, y + 5) = Back(6, y + 5) = 0xFFFF;
  EXPECT_EQ(koDraw::BlitTunnel(5, 5, 0, 0, tex), 1);
  EXPECT_EQ(BackRow(5, 5, 7), (std::vector<uint16_t>{0, 4}));
  EXPECT_EQ(BackRow(6, 5, 7), (std::vector<uint16_t>{22, 13}));
  koDraw::BlitTunnel(5, 5, 1, 2, tex);  // one column round, two rows deeper
  EXPECT_EQ(BackRow(5, 5, 7), (std::vector<uint16_t>{22, 21}));
  EXPECT_EQ(BackRow(6, 5, 7), (std::vector<uint16_t>{13, 4}));
  koDraw::BlitTunnel(5, 5, -1, -3, tex);  // negative offsets wrap the same way
  EXPECT_EQ(BackRow(5, 5, 7), (std::vector<uint16_t>{4, 3}));
  // Past the surface edges only the part on the surface is drawn.
  EXPECT_EQ(koDraw::BlitTunnel(639, 479, 0, 0, tex), 1);
  EXPECT_EQ(Back(639, 479), 0);
  EXPECT_EQ(koDraw::BlitTunnel(INT32_MIN, INT32_MAX, INT32_MAX, INT32_MIN, tex), 1);
  EXPECT_EQ(koDraw::BlitTunnel(0, 0, 0, 0, 77777), 0);
  // A texture smaller than the map's leaves the points it cannot show.
  const int small = MakeObject(1, 1, [](int, int) { return uint16_t{9}; });
  koDraw::BlitTunnel(5, 5, 0, 0, small);
  EXPECT_EQ(BackRow(5, 5, 7), (std::vector<uint16_t>{9, 3}));
}

}  // namespace
