// The keyed blit on every generated picture, whole and cut into strips and
// cells, at unaligned positions cut by each screen edge, on every row code,
// against a pixel-by-pixel reference loop.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/draw/draw_internal.h"
#include "engine/draw/ko_draw.h"
#include "tests/game/game_fixture.h"
#include "tests/support/keyed_paths.h"

namespace {

class PictureBlitTest : public GameTest,
                        public ::testing::WithParamInterface<koDraw::detail::KeyedPath> {
  void TearDown() override {
    koDraw::detail::UseKeyedPath(koDraw::detail::BestKeyedPath());
    GameTest::TearDown();
  }
};
INSTANTIATE_TEST_SUITE_P(RowCode, PictureBlitTest, kKeyedPaths, KeyedPathName);

TEST_P(PictureBlitTest, EveryPictureMatchesAReferenceLoop) {
  ASSERT_EQ(koDraw::Screen(640, 480, 1), 1);
  if (!koDraw::detail::UseKeyedPath(GetParam())) GTEST_SKIP() << "not on this processor";
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(VORENDALITE_ASSET_DIR))
    if (e.path().extension() == ".BMP") names.push_back(e.path().filename().string());
  ASSERT_EQ(names.size(), 78u);
  uint32_t noise = 1;
  for (uint16_t& p : gBackSurface->pixels) p = static_cast<uint16_t>((noise *= 69069u) >> 16);
  std::vector<uint16_t> want = gBackSurface->pixels;
  for (const std::string& name : names) {
    const int n = koDraw::LoadObject(name.c_str(), 1);
    ASSERT_GT(n, 0) << name;
    const Surface& s = *koDraw::ObjectSurface(n);
    const int w = s.width, h = s.height;
    const int cuts[][4] = {{0, 0, w, h},
                           {0, h / 3, w, h / 3 + std::max(1, h / 5)},
                           {w / 3, 0, w / 3 + std::max(1, w / 4), h},
                           {1, 1, w, h / 2 + 1}};
    for (const auto& c : cuts) {
      const int cw = c[2] - c[0], ch = c[3] - c[1];
      for (const int x : {-cw / 2 - 1, 3, 321, 641 - cw / 2})
        for (const int y : {-ch / 2 - 1, 7, 481 - ch / 2}) {
          for (int j = 0; j < ch; ++j)
            for (int i = 0; i < cw; ++i) {
              const uint16_t v = s.Row(c[1] + j)[c[0] + i];
              if (x + i >= 0 && x + i < 640 && y + j >= 0 && y + j < 480 && v != s.colorKey)
                want[static_cast<size_t>(y + j) * 640 + static_cast<size_t>(x + i)] = v;
            }
          koDraw::Blit(x, y, n, c[0], c[1], c[2], c[3]);
        }
      ASSERT_EQ(gBackSurface->pixels, want) << name << " cut " << c[0] << "," << c[1];
    }
  }
}

}  // namespace
