#include <vector>

#include "player/replay.h"
#include "player/shots.h"
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

TEST_F(ReplayTest, RDuringPlaybackStartsItAgainFromTheFirstRecord) {
  ShipFrame first{}, again{};
  headless::KeyDown(kPlay, plat::kVkRight);
  headless::TapKey(kPlay + 60, 'R');
  At(kPlay + 62, [&] { first = Ship(); });
  headless::TapKey(kPlay + 100, 'R');
  At(kPlay + 102, [&] { again = Ship(); });
  RunFrames(kPlay + 103);
  EXPECT_EQ(again, first);
  EXPECT_EQ(first.x, 60.0f);  // the first stage frame stood at the start position
}

TEST_F(ReplayTest, ReplayedMainShotsFlyAndLeaveAtTheHeightsTheRecordingGaveThem) {
  constexpr int kR = 150;
  std::vector<int> recordedY, replayedY, replayedX;
  int stillFlying = -1;
  // Recording: climbing while firing, so every shot has its own height.
  headless::KeyDown(kPlay, plat::kVkUp);
  headless::KeyDown(kPlay, 'Z');
  headless::KeyUp(kPlay + 60, 'Z');
  headless::TapKey(kR, 'R');
  // Playback: the same key a frame later, so the live shots start elsewhere.
  headless::KeyDown(kR + 1 + (kPlay - kFirstStageFrame) + 1, 'Z');
  const int shotFrame = kPlay + 4 - kFirstStageFrame;  // slot 1's frame, counted from the start
  Every([&](int f) {
    if (f == kFirstStageFrame + shotFrame + 2) recordedY.push_back(gShotAMain[1].y);
    if (f == kR + 1 + shotFrame + 3) {
      replayedY.push_back(gShotAMain[1].y);
      replayedX.push_back(gShotAMain[1].x);
    }
    if (f == kR + 1 + shotFrame + 4) replayedX.push_back(gShotAMain[1].x);
    if (f == kR + 1 + shotFrame + 40) stillFlying = gShotAMain[1].active;
  });
  RunFrames(kR + 1 + shotFrame + 41);
  ASSERT_EQ(recordedY.size(), 1u);
  ASSERT_EQ(replayedY.size(), 1u);
  EXPECT_EQ(replayedY[0], recordedY[0]);
  EXPECT_EQ(replayedX[1] - replayedX[0], 20);
  EXPECT_EQ(stillFlying, 0);
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
