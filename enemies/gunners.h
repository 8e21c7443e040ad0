// Gunner80L and Gunner80R: 80 x 60 gun craft of three slots that cross the
// upper screen level, from x 10 to the right or from x 540 to the left. Each
// carries two aimed volleys, three straight streams and a lock-on marker per slot.
#pragma once
#include "enemies/records.h"

constexpr int kGunnerSlots = 3;
constexpr int kGunnerVolley1Shots = 4;  // Shot1, fired from slot 0
constexpr int kGunnerVolley2Shots = 5;  // Shot2, fired from slot 1

extern int gPicGunner80;  // the body picture; nothing loads one

extern ZakRecord gGunner80L[kGunnerSlots], gGunner80R[kGunnerSlots];
extern TargetMarker gGunner80LMarkers[kGunnerSlots], gGunner80RMarkers[kGunnerSlots];
extern AimedShotRecord gGunner80LShot1[kGunnerVolley1Shots], gGunner80RShot1[kGunnerVolley1Shots];
extern AimedShotRecord gGunner80LShot2[kGunnerVolley2Shots], gGunner80RShot2[kGunnerVolley2Shots];
extern ShotRecord gGunner80LStream1[kGunnerSlots], gGunner80LStream2[kGunnerSlots],
    gGunner80LStream3[kGunnerSlots];
extern ShotRecord gGunner80RStream1[kGunnerSlots], gGunner80RStream2[kGunnerSlots],
    gGunner80RStream3[kGunnerSlots];

void SpawnGunner80L(int unused);
void DrawGunner80L(int unused);
void MoveGunner80L(int unused);
void HitGunner80L(int slot);
void SpawnGunner80R(int unused);
void DrawGunner80R(int unused);
void MoveGunner80R(int unused);
void HitGunner80R(int slot);

void FireGunner80LShot1(int unused);
void MoveGunner80LShot1(int unused);
void DrawGunner80LShot1(int unused);
void FireGunner80LShot2(int unused);
void MoveGunner80LShot2(int unused);
void DrawGunner80LShot2(int unused);
void FireGunner80RShot1(int unused);
void MoveGunner80RShot1(int unused);
void DrawGunner80RShot1(int unused);
void FireGunner80RShot2(int unused);
void MoveGunner80RShot2(int unused);
void DrawGunner80RShot2(int unused);

void FireGunner80LStream1(int unused);
void MoveGunner80LStream1(int unused);
void DrawGunner80LStream1(int unused);
void FireGunner80LStream2(int unused);
void MoveGunner80LStream2(int unused);
void DrawGunner80LStream2(int unused);
void FireGunner80LStream3(int unused);
void MoveGunner80LStream3(int unused);
void DrawGunner80LStream3(int unused);
void FireGunner80RStream1(int unused);
void MoveGunner80RStream1(int unused);
void DrawGunner80RStream1(int unused);
void FireGunner80RStream2(int unused);
void MoveGunner80RStream2(int unused);
void DrawGunner80RStream2(int unused);
void FireGunner80RStream3(int unused);
void MoveGunner80RStream3(int unused);
void DrawGunner80RStream3(int unused);
