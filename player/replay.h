// The replay track: the ship's path and its main shots' heights, recorded one
// record per frame since the last new game and played back after stage 1's 'R'.
#pragma once
#include <climits>

#include "player/shots.h"

struct PlayerTrackRecord {
  int bankFrame;
  float x, y;
};

constexpr int kTrackLength = 32000;
// A shot-track entry of a main slot that held no shot in that frame.
constexpr int kNoShotRecorded = INT_MIN;

extern PlayerTrackRecord PlayerTrack[kTrackLength];
extern int ShotTrack[kShotSlots][kTrackLength];
// Records the ship's frame, or plays it back, and makes that frame's record
// the one the shot pass uses (gShotTrackIndex; kTrackLength once the track
// is full or played to its end).
void RecordShipFrame();
void ReplayShipFrame();

// The shot pass's step for main slot `slot` after its move: records the
// shot's height (or that the slot was free), or in playback gives a live shot
// the recorded height.
void TrackMainShot(int slot, PlayerShot& shot, bool live);
