// The tunnel map and its blit.
#include "tests/engine/draw_fixture.h"

namespace {

class TunnelTest : public DrawTest {
 protected:
  // Builds the map and folds every point of it and the sizes kept.
  template <class... A>
  void Build(A... a) {
    koDraw::BuildTunnelMap(a...);
    Add({gTunnelMapWidth, gTunnelTextureWidth, gTunnelTextureHeight});
    for (int i = 0; i < 640 * 480; ++i) Add({gTunnelMap[i].u, gTunnelMap[i].v});
  }
};

// Every shape, depth mode and motion on a small area, where each point
// tells the angle (u) and depth (v); texels stay inside the texture.
TEST_F(TunnelTest, ShapesDepthsAndMotions) {
  Build(64, 32, 640, 480, -1, -1, -1, 0, 0, 0);  // defaults: the centre, the whole table
  for (int divisor : {0, 1, 2}) Build(64, 32, 20, 10, 5, 5, divisor, 0, 0, 1);
  for (int shape = 0; shape <= 6; ++shape) Build(360, 30000, 20, 20, 10, 10, 4, 0, shape, 0);
  for (int depth = 0; depth <= 5; ++depth) Build(360, 30000, 20, 20, 10, 10, 4, 0, 0, depth);
  for (int motion = 1; motion <= 5; ++motion) {
    Build(360, 30000, 10, 10, 5, 5, 4, motion, 0, 0);
    Build(360, 30000, 4, 10, 5, 5, 4, motion, 0, 0);  // lower than wide
  }
  Build(64, 1000, 10, 1, 0, 0, 8, 2, 4, 0);
  for (int motion = 0; motion <= 5; ++motion)
    for (int shape = 0; shape <= 6; ++shape)
      for (int depth = 0; depth <= 5; ++depth) {
        koDraw::BuildTunnelMap(7, 5, 12, 9, -1, -1, 4, motion, shape, depth);
        for (int i = 0; i < 12 * 9; ++i)
          ASSERT_TRUE(gTunnelMap[i].u >= 0 && gTunnelMap[i].u < 7 && gTunnelMap[i].v >= 0 &&
                      gTunnelMap[i].v < 5);
      }
  // Bad builds change nothing; huge centres still give texels in range.
  const int bad[][2] = {{8, 641}, {8, 0}, {8, 65536}, {0, 4}, {40000, 4}};
  for (const auto& [texture, width] : bad) Build(texture, 8, width, 4, -1, -1, -1, 0, 0, 0);
  Build(8, 8, 4, 4, -1, -1, -1, 0, 7, 0);
  Build(8, 8, 4, 4, -1, -1, -1, 0, 0, -1);
  Build(8, 8, 4, 4, INT32_MAX, INT32_MIN, INT32_MAX, 0, 0, 5);
  ExpectGolden();
}

// The blit looks texels up turned by du and moved in depth by dv, negative
// offsets wrapping the same way, and copies 0; only the part on the surface
// is drawn; a texture smaller than the map's leaves the points it cannot show.
TEST_F(TunnelTest, BlitLooksUpTexelsTurnedAndMovedAndCopiesZero) {
  const int tex = MakeObject(
      4, 3, [](int u, int v) { return static_cast<uint16_t>(u + v == 0 ? 0 : 1 + u + 10 * v); });
  koDraw::BuildTunnelMap(4, 3, 2, 2, -1, -1, -1, 0, 0, 0);
  gTunnelMap[0] = {0, 0};
  gTunnelMap[1] = {3, 0};
  gTunnelMap[2] = {1, 2};
  gTunnelMap[3] = {2, 1};
  gBackSurface->pixels.assign(gBackSurface->pixels.size(), 0xFFFF);
  const int shifts[][2] = {{0, 0}, {1, 2}, {-1, -3}};
  for (int i = 0; i < 3; ++i)
    Add(koDraw::BlitTunnel(5 + 3 * i, 5, shifts[i][0], shifts[i][1], tex));
  Add({koDraw::BlitTunnel(639, 479, 0, 0, tex), koDraw::BlitTunnel(0, 0, 0, 0, 77777),
       koDraw::BlitTunnel(INT32_MIN, INT32_MAX, INT32_MAX, INT32_MIN, tex)});
  koDraw::BlitTunnel(20, 5, 0, 0, MakeObject(1, 1, [](int, int) { return uint16_t{9}; }));
  Fold();
  ExpectGolden();
}

}  // namespace
