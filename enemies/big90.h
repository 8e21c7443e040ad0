// The Big90 kinds: 90 x 90 craft that enter at the left edge and drift down
// and to the right, dropping five falling streams. Big90A and Big90B share one
// table of lock-on markers: entry i belongs to slot i of both. Every operation
// but Hit takes a stage word it does not read; Hit takes the slot (0 or 1).
#pragma once
#include "enemies/records.h"

extern ZakRecord gBig90A[2], gBig90B[2];
// Entries 0 and 1 follow the slots of both kinds; entry 2 is only reset.
extern TargetMarker gBig90AMarkers[3];

// Bullet i of every stream belongs to enemy slot i.
extern ShotRecord gBig90AStream1[2], gBig90AStream2[2], gBig90AStream3[2], gBig90AStream4[2],
    gBig90AStream5[2];
extern ShotRecord gBig90BStream1[2], gBig90BStream2[2], gBig90BStream3[2], gBig90BStream4[2],
    gBig90BStream5[2];

void SpawnBig90A(int unused);
void DrawBig90A(int unused);
void MoveBig90A(int unused);
void HitBig90A(int slot);

void SpawnBig90B(int unused);
void DrawBig90B(int unused);
void MoveBig90B(int unused);
void HitBig90B(int slot);

void FireBig90AStream1(int unused);
void MoveBig90AStream1(int unused);
void DrawBig90AStream1(int unused);
void FireBig90AStream2(int unused);
void MoveBig90AStream2(int unused);
void DrawBig90AStream2(int unused);
void FireBig90AStream3(int unused);
void MoveBig90AStream3(int unused);
void DrawBig90AStream3(int unused);
void FireBig90AStream4(int unused);
void MoveBig90AStream4(int unused);
void DrawBig90AStream4(int unused);
void FireBig90AStream5(int unused);
void MoveBig90AStream5(int unused);
void DrawBig90AStream5(int unused);

void FireBig90BStream1(int unused);
void MoveBig90BStream1(int unused);
void DrawBig90BStream1(int unused);
void FireBig90BStream2(int unused);
void MoveBig90BStream2(int unused);
void DrawBig90BStream2(int unused);
void FireBig90BStream3(int unused);
void MoveBig90BStream3(int unused);
void DrawBig90BStream3(int unused);
void FireBig90BStream4(int unused);
void MoveBig90BStream4(int unused);
void DrawBig90BStream4(int unused);
void FireBig90BStream5(int unused);
void MoveBig90BStream5(int unused);
void DrawBig90BStream5(int unused);

// The game-state reset of the shared markers: all three unlocked and parked.
void ResetBig90AMarkers();
