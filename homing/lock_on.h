// The lock-on sight: a 300 x 240 area above the ship whose tests lock the
// marks of the lockable enemy slots it covers and of every part of a stage
// boss under its centre. The homing missiles fly to the locked marks.
#pragma once
#include "enemies/records.h"

// Two mark arrays that only their own setters write.
extern TargetMarker gSpareMarkers1[3], gSpareMarkers2[3];

// Tests the sight against every slot of the lockable enemy kinds, kind by
// kind in slot order, and locks the mark of each slot whose lock box it
// overlaps (edges included). A slot with its hit-skip word set, or above
// y = -30, is passed over; nothing else of the slot or its mark is looked at.
void TestLockSight();
// Tests the sight's centre against bosses 1 to 8 and, for each boss whose
// box holds it, offers every part to the boss's set-A then set-B setter.
void TestLockSightBosses();

// Lock the mark of one slot; no test and no position. A slot outside the
// array is ignored.
void LockMarkerZak2(int slot);
void LockMarkerZak3(int slot);
void LockMarkerDiver80L(int slot);
void LockMarkerDiver80R(int slot);
void LockMarkerGunner80L(int slot);
void LockMarkerGunner80R(int slot);
void LockMarkerBig90A(int slot);
void LockMarkerVolleyZakA(int slot);
void LockMarkerZak4A(int slot);
void LockMarkerZak4B(int slot);
void LockMarkerZak4C(int slot);
void LockMarkerZak4D(int slot);
void LockMarkerSpare1(int slot);
void LockMarkerSpare2(int slot);
