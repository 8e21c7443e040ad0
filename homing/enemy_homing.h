// The homing missiles of the twelve lockable enemy kinds: one missile per
// marker of the kind, striking the marked slot through the kind's hit
// operation for 300 points. Nothing arms them yet: in play every Update only
// parks idle missiles and every Draw finds nothing to draw.
#pragma once
#include "homing/homing_missile.h"

extern HomingMissile gHomingZak2[3], gHomingZak3[3], gHomingDiver80L[3], gHomingDiver80R[3],
    gHomingGunner80L[3], gHomingGunner80R[3], gHomingBig90A[3], gHomingVolleyZakA[3];
extern HomingMissile gHomingZak4A[5], gHomingZak4B[5], gHomingZak4C[5], gHomingZak4D[5];

void LaunchHomingZak2();
void UpdateHomingZak2();
void DrawHomingZak2();
void LaunchHomingZak3();
void UpdateHomingZak3();
void DrawHomingZak3();
void LaunchHomingDiver80L();
void UpdateHomingDiver80L();
void DrawHomingDiver80L();
void LaunchHomingDiver80R();
void UpdateHomingDiver80R();
void DrawHomingDiver80R();
void LaunchHomingGunner80L();
void UpdateHomingGunner80L();
void DrawHomingGunner80L();
void LaunchHomingGunner80R();
void UpdateHomingGunner80R();
void DrawHomingGunner80R();
void LaunchHomingBig90A();
void UpdateHomingBig90A();
void DrawHomingBig90A();
void LaunchHomingVolleyZakA();
void UpdateHomingVolleyZakA();
void DrawHomingVolleyZakA();
void LaunchHomingZak4A();
void UpdateHomingZak4A();
void DrawHomingZak4A();
void LaunchHomingZak4B();
void UpdateHomingZak4B();
void DrawHomingZak4B();
void LaunchHomingZak4C();
void UpdateHomingZak4C();
void DrawHomingZak4C();
void LaunchHomingZak4D();
void UpdateHomingZak4D();
void DrawHomingZak4D();
