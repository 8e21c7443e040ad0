#include <array>
#include <map>
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

// Each frame's shot-track row is its ship record's index: a live main shot
// leaves its height in its slot's channel, a free slot leaves none. In
// playback a live main shot takes the height of the shot recorded in its
// slot in that frame, and keeps its own where none was.
TEST_F(ReplayTest, TheShotTrackKeepsEachMainShotsHeightInItsFrameAndPlaybackPutsItBack) {
  constexpr int kR = kPlay + 130;
  constexpr int kInjected = 1000;  // playback's own shots start off the screen, y 1000 + slot
  headless::KeyDown(kPlay - 2, 'Z');
  headless::KeyDown(kPlay, plat::kVkUp);  // the shots of a climbing ship differ in height
  headless::KeyUp(kPlay + 60, plat::kVkUp);
  headless::KeyDown(kPlay + 60, plat::kVkDown);
  headless::KeyUp(kPlay + 120, plat::kVkDown);
  headless::KeyUp(kR - 5, 'Z');
  headless::TapKey(kR, 'R');
  std::map<int, std::array<int, kShotSlots>> recorded;  // by record: live shot heights
  int wrongRows = 0, wrongEntries = 0, liveEntries = 0, freeEntries = 0;
  std::array<int, kShotSlots> activeBefore{};
  Every([&](int f) {
    if (f > kPlay && f <= kR) {  // the recording: check frame f - 1's row
      const int row = gTrackIndex - 1;
      const PlayerTrackRecord& r = PlayerTrack[row];
      wrongRows += r.bankFrame != gBankFrame || r.x != gPlayerX || r.y != gPlayerY;
      std::array<int, kShotSlots>& heights = recorded[row];
      for (int s = 0; s < kShotSlots; ++s) {
        // Live in the frame's shot pass, also when it flew off the screen there.
        const PlayerShot& shot = gShotAMain[s];
        const bool live = shot.active || activeBefore[s];
        heights[s] = live ? shot.y : kNoShotRecorded;
        wrongEntries += ShotTrack[s][row] != heights[s];
        ++(live ? liveEntries : freeEntries);
      }
    }
    for (int s = 0; s < kShotSlots; ++s) activeBefore[s] = gShotAMain[s].active;
  });
  // Playback frame kR + 1 + j plays record j.
  int replayedLive = 0, keptOwn = 0, wrongPlayback = 0;
  constexpr int kFirst = kR + 1 + (kPlay - kFirstStageFrame), kLast = kR + 1 + 120;
  Every([&](int f) {
    if (f > kFirst && f <= kLast + 1) {
      const std::array<int, kShotSlots>& heights = recorded.at(f - 1 - (kR + 1));
      for (int s = 0; s < kShotSlots; ++s) {
        const bool live = heights[s] != kNoShotRecorded;
        wrongPlayback += gShotAMain[s].y != (live ? heights[s] : kInjected + s);
        ++(live ? replayedLive : keptOwn);
      }
    }
    if (f >= kFirst && f <= kLast)
      for (int s = 0; s < kShotSlots; ++s) gShotAMain[s] = {100, kInjected + s, 20, 0, 1};
  });
  RunFrames(kLast + 2);
  ASSERT_EQ(gReplay, 1);
  EXPECT_EQ(wrongRows, 0);
  EXPECT_EQ(wrongEntries, 0);
  EXPECT_GT(liveEntries, 200);
  EXPECT_GT(freeEntries, 200);
  EXPECT_EQ(wrongPlayback, 0);
  EXPECT_GT(replayedLive, 200);
  EXPECT_GT(keptOwn, 200);
}

}  // namespace
