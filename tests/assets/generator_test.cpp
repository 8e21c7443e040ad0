#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>

#include "tests/assets/asset_readers.h"
#include "tests/assets/inventory.h"

namespace assettest {
namespace {

int RunGenerator(const std::string& args) {
  return std::system(("\"" + kGenerator.string() + "\" " + args + " > /dev/null 2>&1").c_str());
}

std::map<std::string, std::vector<uint8_t>> Contents(const std::filesystem::path& dir) {
  std::map<std::string, std::vector<uint8_t>> files;
  for (const auto& e : std::filesystem::directory_iterator(dir))
    files[e.path().filename().string()] = ReadBytes(e.path());
  return files;
}

TEST(Generator, TwoRunsWriteTheSameBytesAndExactlyTheInventory) {
  const std::filesystem::path first = kScratchDir / "run1", second = kScratchDir / "run2";
  std::filesystem::remove_all(kScratchDir);
  EXPECT_NE(RunGenerator("--bogus"), 0);  // unknown options are refused
  ASSERT_EQ(RunGenerator(first.string()), 0);
  ASSERT_EQ(RunGenerator(second.string()), 0);
  const auto a = Contents(first), b = Contents(second);
  EXPECT_EQ(a.size(), kPictures.size() + kSounds.size() + kSongs.size());
  for (const PictureEntry& p : kPictures) EXPECT_TRUE(a.count(p.name)) << p.name;
  for (const char* name : kSounds) EXPECT_TRUE(a.count(name)) << name;
  for (const char* name : kSongs) EXPECT_TRUE(a.count(name)) << name;
  EXPECT_TRUE(a == b);
  std::filesystem::remove_all(kScratchDir);
}

}  // namespace
}  // namespace assettest
