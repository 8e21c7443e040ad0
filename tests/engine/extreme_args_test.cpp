// Every blit, fill, capture, line and shape operation with arguments at and
// near the ends of the int range. Nothing may overflow or touch memory
// outside a surface: the sanitizer build (ASan + UBSan) stops at the first
// fault. A small screen keeps the many calls cheap.
#include <array>
#include <climits>
#include <cmath>

#include "tests/engine/draw_fixture.h"

namespace {

constexpr int kExtremes[] = {INT_MIN, INT_MIN + 1, -(1 << 30),  -33,    -1, 0, 1, 4, 23, 24, 31, 32,
                             33,      1 << 30,     INT_MAX - 1, INT_MAX};
constexpr int kFewExtremes[] = {INT_MIN, -1, 0, 40, INT_MAX};

// Calls op with `base`, then with each argument and each pair of arguments
// replaced by every combination of the values.
template <size_t N, typename Op, size_t V = std::size(kExtremes)>
void Sweep(const std::array<int, N>& base, Op op, const int (&values)[V] = kExtremes) {
  op(base);
  for (size_t i = 0; i < N; ++i)
    for (size_t j = i; j < N; ++j)
      for (int a : values)
        for (int b : values) {
          if (i == j && a != b) continue;
          std::array<int, N> args = base;
          args[i] = a;
          args[j] = b;
          op(args);
        }
}
using A2 = std::array<int, 2>;
using A5 = std::array<int, 5>;
using A7 = std::array<int, 7>;
using A8 = std::array<int, 8>;
using A9 = std::array<int, 9>;

// Under a normal, an unbounded and a reversed unbounded clip; the guard
// object, which no call names, stays as it was.
TEST_F(DrawTest, ExtremeArgumentsStayInsideTheSurfaces) {
  koDraw::Release();
  ASSERT_EQ(koDraw::Screen(32, 24, 1), 1);
  const int sprite =
      MakeObject(7, 5, [](int x, int y) { return static_cast<uint16_t>(1 + x + 8 * y); });
  const int other = MakeObject(9, 6, [](int, int) { return uint16_t{0x1234}; });
  const int guard = MakeObject(3, 3, [](int, int) { return uint16_t{0x4321}; });
  for (const DrawRect& c : {DrawRect{0, 0, 32, 24}, DrawRect{INT_MIN, INT_MIN, INT_MAX, INT_MAX},
                            DrawRect{INT_MAX, INT_MAX, INT_MIN, INT_MIN}}) {
    koDraw::SetClip(c.left, c.top, c.right, c.bottom);
    Sweep(A8{3, 2, sprite, 0, 0, 7, 5, 1}, [](const A8& a) {
      koDraw::Blit(a[0], a[1], a[2], a[3], a[4], a[5], a[6]);
      koDraw::BlitOpaque(a[0], a[1], a[2], a[3], a[4], a[5], a[6]);
      koDraw::BlitHalf(a[0], a[1], a[2], a[3], a[4], a[5], a[6]);
      koDraw::BlitAdd(a[0], a[1], a[2], a[3], a[4], a[5], a[6]);
      koDraw::BlitAddLevel(a[0], a[1], 0.5f, a[2], a[3], a[4], a[5], a[6]);
      koDraw::BlitMirror(a[0], a[1], a[7], a[2], a[3], a[4], a[5], a[6]);
    });
    for (int destination : {other, sprite})  // into another object, and into itself
      Sweep(A8{destination, 1, 1, sprite, 0, 0, 7, 5}, [](const A8& a) {
        koDraw::BlitToObject(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7]);
        koDraw::BlitOpaqueToObject(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7]);
      });
    Sweep(A5{2, 3, 20, 15, 0x1234}, [](const A5& a) {
      koDraw::FillRect(a[0], a[1], a[2], a[3], static_cast<uint32_t>(a[4]));
      koDraw::FillBlack(a[0], a[1], a[2], a[3]);
      koDraw::FillWhite(a[0], a[1], a[2], a[3]);
      koDraw::DrawFrame(a[0], a[1], a[2], a[3]);
      koDraw::InvertRectangle(a[0], a[1], a[2], a[3]);
      koDraw::HalfToneRect(a[0], a[1], a[2], a[3], static_cast<uint16_t>(a[4]));
    });
  }
  for (float level : {NAN, INFINITY, -INFINITY, 1e30f, -1e30f, -1.0f, 2.0f})
    koDraw::BlitAddLevel(0, 0, level, sprite, 0, 0, 7, 5);
  Sweep(A9{3, 2, sprite, 0, 0, 7, 5, 11, 9}, [](const A9& a) {
    koDraw::BlitStretch(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8]);
    koDraw::BlitStretchOpaque(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8]);
  });
  Sweep(A5{other, 0, 0, 32, 24},
        [](const A5& a) { koDraw::CaptureScreen(a[0], a[1], a[2], a[3], a[4]); });
  for (int n : kExtremes) koDraw::ClearObject(n);
  Sweep(
      A2{8, 8}, [](const A2& a) { koDraw::SaveSurfaceBmp("x.bmp", a[0], a[1]); }, kFewExtremes);
  Sweep(A7{1, 2, 20, 15, 0xFFFFFF, 1, 3}, [](const A7& a) {
    koDraw::DrawLine(a[0], a[1], a[2], a[3], static_cast<uint32_t>(a[4]), a[5]);
    koDraw::DrawLine(a[0], a[1], a[2], a[3], static_cast<uint32_t>(a[4]), a[6]);
    koDraw::SetPixel(a[0], a[1], static_cast<uint32_t>(a[4]));
    int r, g, b;
    koDraw::GetPixelRGB(a[0], a[1], &r, &g, &b);
    koDraw::DrawRectangle(a[0], a[1], a[2], a[3], 0xFF00, static_cast<uint32_t>(a[4]), a[6]);
  });
  Sweep(A8{1, 1, 30, 4, 12, 22, 1, 0}, [](const A8& a) {
    const DrawPoint p[4] = {{a[0], a[1]}, {a[2], a[3]}, {a[4], a[5]}, {a[2], a[5]}};
    for (int mode : {0, 1, 2, a[7]}) koDraw::DrawPolygon(p, 3, 0xFF, 0xFF0000, a[6], mode);
  });
  Sweep(
      A9{0, 0, 10, 20, 20, 0, 30, 20, 1},
      [](const A9& a) {
        const DrawPoint p[4] = {{a[0], a[1]}, {a[2], a[3]}, {a[4], a[5]}, {a[6], a[7]}};
        koDraw::DrawBezier(p, 4, 0xFF, a[8]);
      },
      kFewExtremes);
  const Surface& g = *koDraw::ObjectSurface(guard);
  EXPECT_EQ(g.pixels, std::vector<uint16_t>(9, 0x4321));
}

}  // namespace
