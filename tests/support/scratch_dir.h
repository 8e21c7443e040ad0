// A fresh folder of its own for one test process: named after the test and the
// process, so that builds testing side by side on one machine never share it.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

inline std::string ScratchDir(const std::string& stem) {
  const std::string dir = ::testing::TempDir() + stem + "-" + std::to_string(::getpid()) + "/";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

// The current test's scratch folder: prefix, suite and name.
inline std::string TestScratchDir(const std::string& prefix) {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  return ScratchDir(prefix + info->test_suite_name() + "-" + info->name());
}
