// Runs the whole game on the headless backend, in a fresh working directory
// (where "score.dat" lives) with the generated pictures, sounds and songs.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "engine/system/ko_system.h"
#include "platform/headless/headless.h"

class GameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = std::filesystem::temp_directory_path() /
           (std::string("vorendalite-") + info->test_suite_name() + "-" + info->name() + "-" +
            std::to_string(::getpid()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(dir_);
    headless::Reset(1000);
    headless::SetProgramDir(VORENDALITE_ASSET_DIR);
    headless::SetFrameLimit(100000);
  }
  void TearDown() override {
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(dir_);
  }
  int Run() { return WinMain(""); }
  std::filesystem::path dir_, previous_;
};
