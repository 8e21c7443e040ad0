#include "player/replay.h"

#include "game/game_state.h"

PlayerTrackRecord PlayerTrack[kTrackLength];
int ShotTrack[kShotSlots][kTrackLength];

void RecordShipFrame() {
  if (gTrackIndex >= kTrackLength) {
    gShotTrackIndex = kTrackLength;
    return;
  }
  PlayerTrack[gTrackIndex] = PlayerTrackRecord{gBankFrame, gPlayerX, gPlayerY};
  gShotTrackIndex = gTrackIndex++;
}

void ReplayShipFrame() {
  // The whole track plays back, also past the last recording: the records
  // there are whatever an earlier, longer recording left. At its end the
  // ship stands still.
  if (gTrackIndex >= kTrackLength) {
    gShotTrackIndex = kTrackLength;
    return;
  }
  const PlayerTrackRecord& r = PlayerTrack[gTrackIndex];
  gBankFrame = r.bankFrame;
  gPlayerX = r.x;
  gPlayerY = r.y;
  gShotTrackIndex = gTrackIndex++;
}

void TrackMainShot(int slot, PlayerShot& shot, bool live) {
  if (gShotTrackIndex < 0 || gShotTrackIndex >= kTrackLength) return;
  int& entry = ShotTrack[slot][gShotTrackIndex];
  if (gReplay == 0) {
    entry = live ? shot.y : kNoShotRecorded;
  } else if (live && entry != kNoShotRecorded) {
    shot.y = entry;
  }
}
