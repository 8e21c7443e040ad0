#include "player/replay.h"

#include "game/game_state.h"

PlayerTrackRecord PlayerTrack[kTrackLength];
int ShotTrack[kShotSlots][kTrackLength];
int gTrackEnd;

void RecordShipFrame() {
  if (gTrackIndex >= kTrackLength) {
    gShotTrackIndex = kTrackLength;
    return;
  }
  PlayerTrack[gTrackIndex] = PlayerTrackRecord{gBankFrame, gPlayerX, gPlayerY};
  gShotTrackIndex = gTrackIndex++;
  gTrackEnd = gTrackIndex;
}

void ReplayShipFrame() {
  if (gTrackIndex >= gTrackEnd) {  // the recording has ended: the ship stands still
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
