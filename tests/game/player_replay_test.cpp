#include <vector>

#include "player/replay.h"
#include "tests/game/player_fixture.h"

namespace {

using ReplayTest = PlayerTest;

struct ShipFrame {
  int bank;
  float x, y;
  bool operator==(const ShipFrame&) const = default;
};

ShipFrame Ship() { return {gBankFrame, gPlayerX, gPlayerY}; }

// The game started by Enter records from its first stage frame (frame 3).
constexpr int kFirstStageFrame = kEnterFrame + 1;

TEST_F(ReplayTest, RReplaysTheRecordedPathFrameForFrameAndThenTheRestOfTheTrack) {
  constexpr int kR = 200;  // 'R' ends this frame: its move is the last record
  constexpr int kRecords = kR - kFirstStageFrame + 1;
  std::vector<ShipFrame> recorded, replayed;
  headless::KeyDown(kPlay, plat::kVkLeft);
  headless::KeyDown(kPlay + 10, plat::kVkUp);
  headless::KeyUp(kPlay + 30, plat::kVkLeft);
  headless::KeyDown(kPlay + 40, plat::kVkRight);
  headless::KeyUp(kPlay + 80, plat::kVkUp);
  headless::KeyDown(kPlay + 100, plat::kVkDown);
  headless::KeyUp(kPlay + 150, plat::kVkRight);
  headless::TapKey(kR, 'R');  // the keys still held move nothing in playback
  // What an earlier, longer recording left past this one's end.
  for (int i = kRecords; i < kRecords + 5; ++i) PlayerTrack[i] = {3, 100.0f + i, 50.0f};
  Every([&](int f) {
    if (f > kFirstStageFrame && f <= kR) recorded.push_back(Ship());
    if (f == kR + 1) {
      const PlayerTrackRecord& r = PlayerTrack[kRecords - 1];
      recorded.push_back({r.bankFrame, r.x, r.y});
    }
    if (f > kR + 1 && f <= kR + 1 + kRecords + 5) replayed.push_back(Ship());
  });
  RunFrames(kR + kRecords + 10);
  EXPECT_EQ(gReplay, 1);
  ASSERT_EQ(recorded.size(), static_cast<size_t>(kRecords));
  // After the recording's end the playback goes on through the older records.
  std::vector<ShipFrame> expected = recorded;
  for (int i = kRecords; i < kRecords + 5; ++i) expected.push_back({3, 100.0f + i, 50.0f});
  EXPECT_EQ(replayed, expected);
}

TEST_F(ReplayTest, TheTrackHolds32000FramesAndItsPlaybackEndsStandingStill) {
  int indexAfter = 0;
  PlayerTrackRecord last{};
  ShipFrame end{}, later{};
  headless::KeyDown(kPlay - 2, plat::kVkRight);  // every record differs from the one before
  At(kPlay, [&] { gTrackIndex = kTrackLength - 2; });
  At(kPlay + 5, [&] {
    indexAfter = gTrackIndex;
    last = PlayerTrack[kTrackLength - 1];
    // Play the track's last two records.
    gReplay = 1;
    gTrackIndex = kTrackLength - 2;
  });
  At(kPlay + 7, [&] { end = Ship(); });
  At(kPlay + 9, [&] { later = Ship(); });
  RunFrames(kPlay + 10);
  EXPECT_EQ(indexAfter, kTrackLength);
  EXPECT_EQ(end, (ShipFrame{last.bankFrame, last.x, last.y}));
  EXPECT_EQ(later, end);
  EXPECT_GT(last.x, PlayerTrack[kTrackLength - 2].x);
}

}  // namespace
