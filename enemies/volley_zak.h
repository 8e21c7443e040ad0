// The VolleyZak kinds: 90 x 90 craft that enter at the right edge and cross
// down and to the left, dropping five falling streams. VolleyZakA and
// VolleyZakB mirror the Big90 kinds and share one table of lock-on markers;
// VolleyZakC is a wave kind of five slots started one after another by its
// ticker. Every operation takes one word: Hit and SpawnSlotVolleyZakC read it
// as the slot, the others do not read it.
#pragma once
#include "enemies/records.h"

extern ZakRecord gVolleyZakA[3], gVolleyZakB[2];
extern WaveZakRecord gVolleyZakC[5];
// Entry i follows slot i of VolleyZakA and of VolleyZakB (entries 0 and 1).
extern TargetMarker gVolleyZakAMarkers[3];

// The body picture of all three kinds; no picture is loaded into it.
extern int gPicVolleyZak;

// Bullet i of every stream belongs to enemy slot i.
extern ShotRecord gVolleyZakAStream1[3], gVolleyZakAStream2[3], gVolleyZakAStream3[3],
    gVolleyZakAStream4[3], gVolleyZakAStream5[3];
extern ShotRecord gVolleyZakBStream1[2], gVolleyZakBStream2[2], gVolleyZakBStream3[2],
    gVolleyZakBStream4[2], gVolleyZakBStream5[2];
extern ShotRecord gVolleyZakCStream1[5], gVolleyZakCStream2[5], gVolleyZakCStream3[5],
    gVolleyZakCStream4[5], gVolleyZakCStream5[5];

void SpawnVolleyZakA(int unused);
void DrawVolleyZakA(int unused);
void MoveVolleyZakA(int unused);
void HitVolleyZakA(int slot);

void SpawnVolleyZakB(int unused);
void DrawVolleyZakB(int unused);
void MoveVolleyZakB(int unused);
void HitVolleyZakB(int slot);

void TickWaveVolleyZakC(int unused);
void SpawnSlotVolleyZakC(int slot);
void DrawVolleyZakC(int unused);
void MoveVolleyZakC(int unused);
void HitVolleyZakC(int slot);

void FireVolleyZakAStream1(int unused);
void MoveVolleyZakAStream1(int unused);
void DrawVolleyZakAStream1(int unused);
void FireVolleyZakAStream2(int unused);
void MoveVolleyZakAStream2(int unused);
void DrawVolleyZakAStream2(int unused);
void FireVolleyZakAStream3(int unused);
void MoveVolleyZakAStream3(int unused);
void DrawVolleyZakAStream3(int unused);
void FireVolleyZakAStream4(int unused);
void MoveVolleyZakAStream4(int unused);
void DrawVolleyZakAStream4(int unused);
void FireVolleyZakAStream5(int unused);
void MoveVolleyZakAStream5(int unused);
void DrawVolleyZakAStream5(int unused);

void FireVolleyZakBStream1(int unused);
void MoveVolleyZakBStream1(int unused);
void DrawVolleyZakBStream1(int unused);
void FireVolleyZakBStream2(int unused);
void MoveVolleyZakBStream2(int unused);
void DrawVolleyZakBStream2(int unused);
void FireVolleyZakBStream3(int unused);
void MoveVolleyZakBStream3(int unused);
void DrawVolleyZakBStream3(int unused);
void FireVolleyZakBStream4(int unused);
void MoveVolleyZakBStream4(int unused);
void DrawVolleyZakBStream4(int unused);
void FireVolleyZakBStream5(int unused);
void MoveVolleyZakBStream5(int unused);
void DrawVolleyZakBStream5(int unused);

void FireVolleyZakCStream1(int unused);
void MoveVolleyZakCStream1(int unused);
void DrawVolleyZakCStream1(int unused);
void FireVolleyZakCStream2(int unused);
void MoveVolleyZakCStream2(int unused);
void DrawVolleyZakCStream2(int unused);
void FireVolleyZakCStream3(int unused);
void MoveVolleyZakCStream3(int unused);
void DrawVolleyZakCStream3(int unused);
void FireVolleyZakCStream4(int unused);
void MoveVolleyZakCStream4(int unused);
void DrawVolleyZakCStream4(int unused);
void FireVolleyZakCStream5(int unused);
void MoveVolleyZakCStream5(int unused);
void DrawVolleyZakCStream5(int unused);

// The game-state reset of the shared markers: all three unlocked and parked.
void ResetVolleyZakAMarkers();

// The game-state reset of VolleyZakC: every slot free and parked, but its wave
// counters keep counting across resets (0 only when the program starts).
void ResetVolleyZakC();
bool VolleyZakCAtStart();
