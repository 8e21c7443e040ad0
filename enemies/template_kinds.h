// The enemy kinds Zak1 to Convoy90 and their bullet tables: the slot tables,
// the lock-on markers of Zak2 and Zak3, and the operations the stage frames,
// the hit passes and the lock-on call. Every spawn, draw, move, tick and fire
// operation takes a stage word that it does not read; hit operations take a slot.
#pragma once
#include "enemies/records.h"

// Slot tables.
extern ZakRecord gZak1[3], gZak2[3], gZak3[3], gZak1B[3], gZak2B[3], gZak3B[3], gZak8[3], gZak9[3],
    gStrafer3[3], gStrafer5[3];
extern ZakRecord gZak7A[5], gZak7B[5];
extern WaveZakRecord gConvoy90[5];
extern TargetMarker gZak2Markers[3], gZak3Markers[3];

// Bullet tables: bullet i belongs to enemy slot i.
extern AimedShotRecord gZak7AShot[5], gZak7BShot[5], gZak1BShot[3], gZak2BShot[3], gZak3BShot[3];
extern ShotRecord gZak8Stream1[3], gZak8Stream2[3], gZak8Stream3[3];

void SpawnZak1(int unused);
void DrawZak1(int unused);
void MoveZak1(int unused);
void HitZak1(int slot);

void SpawnZak2(int unused);
void DrawZak2(int unused);
void MoveZak2(int unused);
void HitZak2(int slot);

void SpawnZak7A(int unused);
void DrawZak7A(int unused);
void MoveZak7A(int unused);
void HitZak7A(int slot);
void FireZak7AShot(int unused);
void MoveZak7AShot(int unused);
void DrawZak7AShot(int unused);

void SpawnZak8(int unused);
void DrawZak8(int unused);
void MoveZak8(int unused);
void HitZak8(int slot);
void FireZak8Stream1(int unused);
void MoveZak8Stream1(int unused);
void DrawZak8Stream1(int unused);
void FireZak8Stream2(int unused);
void MoveZak8Stream2(int unused);
void DrawZak8Stream2(int unused);
void FireZak8Stream3(int unused);
void MoveZak8Stream3(int unused);
void DrawZak8Stream3(int unused);
