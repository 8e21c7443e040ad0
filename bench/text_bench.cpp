// Our text against FreeType driven directly, on the same line of the same
// face: we render each glyph once and keep it, the direct way loads and
// renders every glyph on every draw. Also the fps line that a frame may show,
// a wrapped paragraph, and both text sprites.
#include <ft2build.h>
#include FT_FREETYPE_H
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/draw/ko_draw.h"
#include "engine/draw/utf8.h"
#include "engine/system/ko_system.h"
#include "platform/headless/headless.h"
#include "platform/sdl/font_match.h"

namespace {

const char* const kLine = "Score 123456789 残機 3 ボム 5 ステージ 1 クリア";
const char* const kParagraph =
    "吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。"
    "何でも薄暗いじめじめした所でニャーニャー泣いていた事だけは記憶している。"
    "The quick brown fox jumps over the lazy dog.";

void Setup() {
  headless::Reset(1000);
  koSystem::InitProcessState();
  if (koDraw::Screen(640, 480, 1) != 1) std::abort();
}

void BM_DrawTextAt_Ours(benchmark::State& state) {
  koDraw::SelectTextFont(1, 16, 0, 0, 0, 0);
  koDraw::SetTextColors(0xFFFFFF, 0, 1);
  for (auto _ : state) koDraw::DrawTextAt(10, 100, kLine);
  koDraw::RestoreTextFont();
}

// The same line with FreeType alone: load, render and copy each glyph.
void BM_DrawTextAt_FreeTypeDirect(benchmark::State& state) {
  plat::FontRequest r{};
  r.japanese = true;
  plat::fonts::FaceMatch match;
  std::snprintf(r.family, sizeof r.family, "IPAGothic");
  FT_Library library;
  FT_Face face;
  if (!plat::fonts::MatchFace(r, match) || FT_Init_FreeType(&library) != 0 ||
      FT_New_Face(library, match.file.c_str(), match.index, &face) != 0) {
    state.SkipWithError("no face");
    return;
  }
  FT_Set_Pixel_Sizes(face, 0, 15);
  Surface& s = *gBackSurface;
  const size_t n = std::strlen(kLine);
  for (auto _ : state) {
    int x = 10;
    for (size_t i = 0; i < n;) {
      const koDraw::utf8::Char c = koDraw::utf8::Decode(kLine + i, n - i);
      i += static_cast<size_t>(c.length);
      if (FT_Load_Char(face, c.code, FT_LOAD_TARGET_MONO | FT_LOAD_RENDER) != 0) continue;
      const FT_Bitmap& bm = face->glyph->bitmap;
      const int top = 113 - face->glyph->bitmap_top, left = x + face->glyph->bitmap_left;
      for (unsigned y = 0; y < bm.rows; ++y)
        for (unsigned b = 0; b < bm.width; ++b)
          if ((bm.buffer[y * bm.pitch + (b >> 3)] >> (7 - (b & 7))) & 1)
            s.Row(top + static_cast<int>(y))[left + static_cast<int>(b)] = 0xFFFF;
      x += static_cast<int>(face->glyph->advance.x >> 6);
    }
    benchmark::DoNotOptimize(s.pixels.data());
  }
  FT_Done_Face(face);
  FT_Done_FreeType(library);
}

void BM_ShowFps(benchmark::State& state) {
  for (auto _ : state) koDraw::ShowFps();
}

void BM_DrawTextInRect(benchmark::State& state) {
  koDraw::SelectTextFont(1, 16, 0, 0, 0, 0);
  koDraw::SetTextColors(0xFFFFFF, 0, 1);
  for (auto _ : state) koDraw::DrawTextInRect(20, 20, 320, 400, kParagraph, 0);
  koDraw::RestoreTextFont();
}

void BM_RenderTextSprite(benchmark::State& state) {
  koDraw::SelectTextFont(1, 16, 0, 0, 0, 0);
  koDraw::SetTextColors(0xFFFFFF, 0x404040, 1);
  for (auto _ : state) koDraw::RenderTextSprite(20, 20, 320, 400, kParagraph, 0x100);
  koDraw::RestoreTextFont();
}

void BM_RenderTextSpriteSmooth(benchmark::State& state) {
  koDraw::SelectBufferFont(1, 16);
  koDraw::SetTextColors(0xFFFFFF, 0x404040, 1);
  for (auto _ : state) koDraw::RenderTextSpriteSmooth(20, 20, 320, 400, kParagraph, 0);
  koDraw::RestoreBufferFont();
}

BENCHMARK(BM_DrawTextAt_Ours);
BENCHMARK(BM_DrawTextAt_FreeTypeDirect);
BENCHMARK(BM_ShowFps);
BENCHMARK(BM_DrawTextInRect);
BENCHMARK(BM_RenderTextSprite);
BENCHMARK(BM_RenderTextSpriteSmooth);

}  // namespace

int main(int argc, char** argv) {
  Setup();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
