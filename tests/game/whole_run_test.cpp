// A whole minute of stage 1 played by a script on a fixed clock and seed,
// summed up as text and compared with the committed expectation: any change
// of the game's behaviour shows here. After a change made on purpose, run the
// test with VORENDALITE_UPDATE_EXPECTATIONS=1 to write the new summary.
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "game/scenes.h"
#include "platform/keys.h"
#include "tests/game/player_fixture.h"

namespace {

constexpr int kSecond = 60;  // frames
constexpr int kSeconds = 60;

uint64_t Fnv1a(const uint16_t* pixels, size_t count) {
  uint64_t h = 1469598103934665603ull;
  for (size_t i = 0; i < count; ++i) {
    h = (h ^ (pixels[i] & 0xFF)) * 1099511628211ull;
    h = (h ^ (pixels[i] >> 8)) * 1099511628211ull;
  }
  return h;
}

std::string Expected(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

using WholeRunTest = PlayerTest;

TEST_F(WholeRunTest, AMinuteOfStage1PlaysExactlyAsRecorded) {
  // Fire all along, weave up and down, and bomb every ten seconds.
  headless::KeyDown(kPlay, 'Z');
  for (int s = 0; s < kSeconds; s += 4) {
    const int at = kPlay + s * kSecond;
    headless::KeyDown(at, plat::kVkUp);
    headless::KeyUp(at + 2 * kSecond, plat::kVkUp);
    headless::KeyDown(at + 2 * kSecond, plat::kVkDown);
    headless::KeyUp(at + 4 * kSecond, plat::kVkDown);
    if (s % 10 == 8) headless::TapKey(at + kSecond, 'X', 3);
  }
  std::ostringstream summary;
  Every([&](int f) {
    const int t = f - kPlay;
    if (t <= 0 || t % (5 * kSecond) != 0) return;
    const auto& frame = headless::LastFrame();
    summary << "t=" << t / kSecond << "s scene=" << gScene << " score=" << gScore
            << " lives=" << gLives << " bombs=" << gBombStock << " clock=" << gStageClock
            << " frame=" << std::hex << Fnv1a(frame.data(), frame.size()) << std::dec << "\n";
  });
  RunFrames(kPlay + kSeconds * kSecond + 1);

  const std::string path =
      std::string(VORENDALITE_SOURCE_DIR) + "/tests/game/expected/stage1_run.txt";
  if (std::getenv("VORENDALITE_UPDATE_EXPECTATIONS")) std::ofstream(path) << summary.str();
  EXPECT_EQ(summary.str(), Expected(path));
}

}  // namespace
