#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tests/assets/asset_readers.h"
#include "tests/assets/inventory.h"

namespace assettest {
namespace {

struct Expect {
  const char* name;
  double min_ms, max_ms;
};

double PeakDbfs(const std::vector<int16_t>& s) {
  int peak = 0;
  for (int16_t v : s) peak = std::max(peak, std::abs(static_cast<int>(v)));
  return 20 * std::log10(peak / 32768.0);
}

TEST(Sounds, BothAreMonoSixteenBitPcmOfTheirLengthAndLevel) {
  for (const Expect& e : {Expect{"SHOT.WAV", 60, 120}, Expect{"BOM.WAV", 300, 600}}) {
    SCOPED_TRACE(e.name);
    const Wav w = ReadWav(ReadBytes(kAssetDir / e.name));
    ASSERT_EQ(w.error, "");
    EXPECT_EQ(std::vector<int>({w.format, w.channels, w.bits, w.sample_rate}),
              std::vector<int>({1, 1, 16, 22050}));
    const double ms = 1000.0 * w.samples.size() / w.sample_rate;
    EXPECT_GE(ms, e.min_ms);
    EXPECT_LE(ms, e.max_ms);
    EXPECT_NEAR(PeakDbfs(w.samples), -12, 1);
    // Ends in silence, so a voice that stops or restarts does not click.
    for (size_t i = w.samples.size() - 8; i < w.samples.size(); ++i)
      EXPECT_LT(std::abs(w.samples[i]), 200);
  }
}

}  // namespace
}  // namespace assettest
