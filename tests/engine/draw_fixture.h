// Opens the engine's screen on the headless backend, with a program
// directory of its own for the pictures a test writes.
#pragma once
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "engine/draw/ko_draw.h"
#include "engine/system/ko_system.h"
#include "platform/headless/headless.h"
#include "tests/support/bmp_builder.h"
#include "tests/support/golden.h"
#include "tests/support/scratch_dir.h"

// A 24-bit BMP of w x h whose pixel (x, y) is rgb(x, y), 0xRRGGBB.
inline std::vector<uint8_t> Bmp24(int w, int h, const std::function<uint32_t(int, int)>& rgb) {
  bmpgen::BmpLayout s;
  s.width = w;
  s.height = h;
  std::vector<uint32_t> v;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) v.push_back(rgb(x, y));
  s.data = bmpgen::PackRows(w, h, 24, v, false);
  return bmpgen::Build(s);
}
// One row of the given colours.
inline std::vector<uint8_t> Bmp24(const std::vector<uint32_t>& row) {
  return Bmp24(static_cast<int>(row.size()), 1, [&row](int x, int) { return row[x]; });
}

class DrawTest : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset(1000);
    koSystem::InitProcessState();
    dir_ = TestScratchDir("draw-");
    headless::SetProgramDir(dir_);
    koSystem::SeedRand(1);
    koDraw::SetColorKey(0);
    // The engine's drawing state as at program start.
    gVSync = 1;
    gTransitionTileObject = 0;
    gPausePictureHeight = 0;
    gPauseScroll = gPauseTileX = gPauseTileY = 0.0f;
    gClipTransitionState = 0;
    gFpsFrames = 0;
    gFps = gFpsMax = 0.0f;
    gFpsMin = 999.9f;
    ASSERT_EQ(koDraw::Screen(640, 480, 1), 1);
  }
  void TearDown() override {
    koDraw::Release();
    std::filesystem::remove_all(dir_);
  }

  void WriteFile(const std::string& name, const std::vector<uint8_t>& bytes) {
    std::ofstream(dir_ + name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
  std::vector<uint8_t> ReadFile(const std::string& name) {
    std::ifstream in(dir_ + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  // A picture object of w x h with the given pixels, keyed on black.
  int MakeObject(int w, int h, const std::function<uint16_t(int, int)>& pixel) {
    const int n = koDraw::CreateObject(w, h, 2);
    Surface* s = koDraw::ObjectSurface(n);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) s->Row(y)[x] = pixel(x, y);
    return n;
  }
  static uint16_t& Back(int x, int y) { return gBackSurface->Row(y)[x]; }
  // The back surface's row y from x0 to x1 (exclusive).
  static std::vector<uint16_t> BackRow(int y, int x0, int x1) {
    return {gBackSurface->Row(y) + x0, gBackSurface->Row(y) + x1};
  }
  static std::string LastBoxText() {
    return headless::Boxes().empty() ? "" : headless::Boxes().back().text;
  }

  // Golden check (tests/support/golden.h): Add() folds values, Fold() the whole
  // back surface; ExpectGolden() compares with draw_golden.txt.
  // Several values go in braces, Add({a, b}), which evaluates them in order.
  struct Values {
    template <class... T>
    Values(T... v) : list{static_cast<double>(v)...} {}  // NOLINT: converts on purpose
    std::vector<double> list;
  };
  void Add(const Values& v) {
    for (double d : v.list)
      hash_ = golden::Fold(hash_, static_cast<uint64_t>(std::llround(d * 1024)));
  }
  void Fold() {
    for (uint16_t p : gBackSurface->pixels) hash_ = golden::Fold(hash_, p);
  }
  void AddText(const std::string& text) {
    for (unsigned char c : text) Add(c);
    Add(-1);
  }
  // Folds picture records 0 to 11 as they stand.
  void AddRecords() {
    for (int n = 0; n < 12; ++n) {
      const koDrawObject& r = gDrawObjects[n];
      AddText(r.name);
      Add({r.surface != nullptr, r.width, r.height, r.colorKey, r.fromPack});
      if (r.surface) Add({r.surface->colorKey, r.surface->pixels[0], r.surface->pixels.size()});
    }
  }
  void ExpectGolden() { golden::Expect(hash_, "draw_golden.txt"); }

  std::string dir_;
  uint64_t hash_ = golden::kStart;
};
