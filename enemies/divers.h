// Diver80L and Diver80R: 80 x 80 craft of three slots that enter at the left
// (x 10) or right (x 540) edge and dive across the screen. Each carries two
// aimed volleys, three straight streams, a lock-on marker per slot and an
// aimed fan.
#pragma once
#include "enemies/aimed_fan.h"
#include "enemies/records.h"

constexpr int kDiverSlots = 3;
constexpr int kVolley1Shots = 4;  // Shot1, fired from slot 0
constexpr int kVolley2Shots = 5;  // Shot2, fired from slot 1

extern int gPicDiver80;  // the body picture; nothing loads one

extern Diver80LRecord gDiver80L[kDiverSlots];
extern Diver80RRecord gDiver80R[kDiverSlots];
extern TargetMarker gDiver80LMarkers[kDiverSlots], gDiver80RMarkers[kDiverSlots];
extern AimedShotRecord gDiver80LShot1[kVolley1Shots], gDiver80RShot1[kVolley1Shots];
extern AimedShotRecord gDiver80LShot2[kVolley2Shots], gDiver80RShot2[kVolley2Shots];
extern ShotRecord gDiver80LStream1[kDiverSlots], gDiver80LStream2[kDiverSlots],
    gDiver80LStream3[kDiverSlots];
extern ShotRecord gDiver80RStream1[kDiverSlots], gDiver80RStream2[kDiverSlots],
    gDiver80RStream3[kDiverSlots];
extern FanShotRecord gDiver80LFan[kFanShots], gDiver80RFan[kFanShots];

void SpawnDiver80L(int unused);
void DrawDiver80L(int unused);
void MoveDiver80L(int unused);
void HitDiver80L(int slot);
void SpawnDiver80R(int unused);
void DrawDiver80R(int unused);
void MoveDiver80R(int unused);
void HitDiver80R(int slot);

void FireDiver80LShot1(int unused);
void MoveDiver80LShot1(int unused);
void DrawDiver80LShot1(int unused);
void FireDiver80LShot2(int unused);
void MoveDiver80LShot2(int unused);
void DrawDiver80LShot2(int unused);
void FireDiver80RShot1(int unused);
void MoveDiver80RShot1(int unused);
void DrawDiver80RShot1(int unused);
void FireDiver80RShot2(int unused);
void MoveDiver80RShot2(int unused);
void DrawDiver80RShot2(int unused);

void FireDiver80LStream1(int unused);
void MoveDiver80LStream1(int unused);
void DrawDiver80LStream1(int unused);
void FireDiver80LStream2(int unused);
void MoveDiver80LStream2(int unused);
void DrawDiver80LStream2(int unused);
void FireDiver80LStream3(int unused);
void MoveDiver80LStream3(int unused);
void DrawDiver80LStream3(int unused);
void FireDiver80RStream1(int unused);
void MoveDiver80RStream1(int unused);
void DrawDiver80RStream1(int unused);
void FireDiver80RStream2(int unused);
void MoveDiver80RStream2(int unused);
void DrawDiver80RStream2(int unused);
void FireDiver80RStream3(int unused);
void MoveDiver80RStream3(int unused);
void DrawDiver80RStream3(int unused);

// The fans: nothing in the stage scripts throws them yet.
void FireDiver80LFan(int unused);
void MoveDiver80LFan(int unused);
void DrawDiver80LFan(int unused);
void FireDiver80RFan(int unused);
void MoveDiver80RFan(int unused);
void DrawDiver80RFan(int unused);
