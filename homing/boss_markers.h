// The lock-on marks over the parts of the eight stage bosses. Every boss has
// two sets of equal size, A and B, one mark per part; a lock places the marks
// over the parts at that moment and they stay there while locked.
#pragma once
#include "enemies/records.h"

extern TargetMarker gBoss1MarkersA[3], gBoss1MarkersB[3], gBoss2MarkersA[3], gBoss2MarkersB[3],
    gBoss3MarkersA[5], gBoss3MarkersB[5], gBoss4MarkersA[3], gBoss4MarkersB[3], gBoss5MarkersA[5],
    gBoss5MarkersB[5], gBoss6MarkersA[9], gBoss6MarkersB[9], gBoss7MarkersA[5], gBoss7MarkersB[5],
    gBoss8MarkersA[5], gBoss8MarkersB[5];

// The 60 x 60 mark picture that the boss bodies draw over a locked part. No
// asset is loaded into it, so it draws the engine's scratch object.
extern int gPicLockMarker;

// Lock mark `part` of the set unless it is locked already; bosses 2 to 8 then
// place every mark of the set over its part, boss 1 only the one it locked.
// A part outside the set is ignored.
void LockMarkersBoss1A(int part);
void LockMarkersBoss1B(int part);
void LockMarkersBoss2A(int part);
void LockMarkersBoss2B(int part);
void LockMarkersBoss3A(int part);
void LockMarkersBoss3B(int part);
void LockMarkersBoss4A(int part);
void LockMarkersBoss4B(int part);
void LockMarkersBoss5A(int part);
void LockMarkersBoss5B(int part);
void LockMarkersBoss6A(int part);
void LockMarkersBoss6B(int part);
void LockMarkersBoss7A(int part);
void LockMarkersBoss7B(int part);
void LockMarkersBoss8A(int part);
void LockMarkersBoss8B(int part);
