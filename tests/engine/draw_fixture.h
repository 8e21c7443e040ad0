// Opens the engine's screen on the headless backend, with a program
// directory of its own for the pictures a test writes.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "engine/draw/ko_draw.h"
#include "engine/system/ko_system.h"
#include "platform/headless/headless.h"

class DrawTest : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset(1000);
    koSystem::InitProcessState();
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = ::testing::TempDir() + "draw-" + info->test_suite_name() + "-" + info->name() + "/";
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
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
  void TearDown() override { koDraw::Release(); }

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

  std::string dir_;
};
