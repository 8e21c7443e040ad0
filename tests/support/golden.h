// Golden hashes: a test folds what it drew or heard into one hash and compares
// it with its own line in tests/engine/expected/<file>. Setting
// VORENDALITE_REWRITE_GOLDEN=1 rewrites the line instead (run the test binary
// directly, not ctest, which runs tests side by side).
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>

namespace golden {

constexpr uint64_t kStart = 14695981039346656037ull;
inline uint64_t Fold(uint64_t hash, uint64_t v) { return (hash ^ v) * 1099511628211ull; }

inline void Expect(uint64_t hash, const char* file) {
  const auto* info = testing::UnitTest::GetInstance()->current_test_info();
  const std::string key = std::string(info->test_suite_name()) + "." + info->name();
  const std::string path = std::string(VORENDALITE_SOURCE_DIR) + "/tests/engine/expected/" + file;
  std::map<std::string, std::string> lines;
  std::ifstream in(path);
  for (std::string k, v; in >> k >> v;) lines[k] = v;
  char got[17];
  std::snprintf(got, sizeof got, "%016llx", static_cast<unsigned long long>(hash));
  if (!std::getenv("VORENDALITE_REWRITE_GOLDEN")) {
    EXPECT_EQ(lines[key], got) << key << " differs from its golden hash";
    return;
  }
  lines[key] = got;
  std::ofstream out(path);
  for (const auto& [k, v] : lines) out << k << ' ' << v << '\n';
}

}  // namespace golden
