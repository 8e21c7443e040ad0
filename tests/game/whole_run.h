// What the scripted whole runs share: the frame hash, the summary compared with
// its committed expectation in tests/game/expected/, the fixture that clears
// the game's tables first, and the per-kind count of live enemy slots. After a
// change made on purpose, run the tests with VORENDALITE_UPDATE_EXPECTATIONS=1
// to write the new summaries.
#pragma once
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>

#include "game/reset.h"
#include "player/targets.h"
#include "tests/game/player_fixture.h"

namespace whole_run {

constexpr int kSecond = 60;  // frames

inline uint64_t Fnv1a(const uint16_t* pixels, size_t count) {
  uint64_t h = 1469598103934665603ull;
  for (size_t i = 0; i < count; ++i) {
    h = (h ^ (pixels[i] & 0xFF)) * 1099511628211ull;
    h = (h ^ (pixels[i] >> 8)) * 1099511628211ull;
  }
  return h;
}

inline uint64_t FrameHash() {
  const auto& frame = headless::LastFrame();
  return Fnv1a(frame.data(), frame.size());
}

// Renews the summary when asked to, then compares it with the committed one.
inline void ExpectSummary(const std::string& summary, const std::string& name) {
  const std::string path = std::string(VORENDALITE_SOURCE_DIR) + "/tests/game/expected/" + name;
  if (std::getenv("VORENDALITE_UPDATE_EXPECTATIONS")) std::ofstream(path) << summary;
  std::ifstream in(path);
  std::stringstream expected;
  expected << in.rdbuf();
  EXPECT_EQ(summary, expected.str()) << "renew with VORENDALITE_UPDATE_EXPECTATIONS=1: " << path;
}

// How many slots of each enemy kind are in play, one digit per kind.
inline std::string LiveSlots() {
  std::string live;
  for (int t = 0; t < kTBoss1; ++t) {
    const TargetRef& ref = kTargets[t];
    int n = 0;
    // Every enemy record keeps its alive word right after hitSkip.
    for (int slot = 0; slot < ref.slots; ++slot) n += SlotField(ref.hitSkip + 1, ref.stride, slot);
    live += static_cast<char>('0' + n);
  }
  return live;
}

// Notes, once, the frame of the boss section on which the boss's attack
// counter first moved, and the boss's hp and counter then: they show where the
// hp gate that starts the attacks lies.
inline void NoteFirstAttack(std::ostream& out, bool& noted, int frame, float hp, int32_t counter) {
  if (noted || counter == 0) return;
  noted = true;
  out << "attacks from frame " << frame << " of the boss section, hp=" << hp << " count=" << counter
      << "\n";
}

// The game-state reset leaves some words of its tables as the last game left
// them; cleared first, a run plays the same whatever ran before it.
class WholeRunTest : public PlayerTest {
 protected:
  void SetUp() override {
    for (const ResetTable& t : ResetTables()) std::memset(t.data, 0, t.bytes);
    PlayerTest::SetUp();
  }
};

}  // namespace whole_run
