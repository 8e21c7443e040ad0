// The enemy kinds Zak1 to Convoy90 and their bullet tables: the slot tables,
// the lock-on markers of Zak2 and Zak3, and the operations the stage frames,
// the hit passes and the lock-on call. Every spawn, draw, move, tick and fire
// operation takes a stage word that it does not read; hit and spawn-slot
// operations take a slot.
#pragma once
#include "enemies/records.h"

// Slot tables.
extern ZakRecord gZak1[3], gZak2[3], gZak3[3], gZak1B[3], gZak2B[3], gZak3B[3], gZak8[3], gZak9[3],
    gStrafer3[3], gStrafer5[3];
extern ZakRecord gZak7A[5], gZak7B[5];
extern WaveZakRecord gConvoy90[5];
extern TargetMarker gZak2Markers[3], gZak3Markers[3];

// Bullet tables: bullet (or block) i belongs to enemy slot i.
extern AimedShotRecord gZak7AShot[5], gZak7BShot[5], gZak1BShot[3], gZak2BShot[3], gZak3BShot[3];
extern ShotRecord gZak8Stream1[3], gZak8Stream2[3], gZak8Stream3[3];
extern ShotRecord gZak9Stream1[3], gZak9Stream2[3], gZak9Stream3[3], gZak9Stream4[3],
    gZak9Stream5[3];
extern ShotRecord gStrafer3Stream1[3], gStrafer3Stream2[3], gStrafer3Stream3[3];
extern ShotRecord gStrafer5Stream1[3], gStrafer5Stream2[3], gStrafer5Stream3[3],
    gStrafer5Stream4[3], gStrafer5Stream5[3];
extern ShotRecord gConvoy90Stream1[5], gConvoy90Stream2[5], gConvoy90Stream3[5],
    gConvoy90Stream4[5], gConvoy90Stream5[5];
extern ClusterRecord gZak9Cluster1[3], gZak9Cluster2[3], gZak9Cluster3[3], gZak9Cluster4[3],
    gZak9Cluster5[3];

// The kinds.
void SpawnZak1(int unused);
void DrawZak1(int unused);
void MoveZak1(int unused);
void HitZak1(int slot);

void SpawnZak2(int unused);
void DrawZak2(int unused);
void MoveZak2(int unused);
void HitZak2(int slot);

void SpawnZak3(int unused);
void DrawZak3(int unused);
void MoveZak3(int unused);
void HitZak3(int slot);

void SpawnZak7A(int unused);
void DrawZak7A(int unused);
void MoveZak7A(int unused);
void HitZak7A(int slot);

void SpawnZak7B(int unused);
void DrawZak7B(int unused);
void MoveZak7B(int unused);
void HitZak7B(int slot);

void SpawnZak1B(int unused);
void DrawZak1B(int unused);
void MoveZak1B(int unused);
void HitZak1B(int slot);

void SpawnZak2B(int unused);
void DrawZak2B(int unused);
void MoveZak2B(int unused);
void HitZak2B(int slot);

void SpawnZak3B(int unused);
void DrawZak3B(int unused);
void MoveZak3B(int unused);
void HitZak3B(int slot);

void SpawnZak8(int unused);
void DrawZak8(int unused);
void MoveZak8(int unused);
void HitZak8(int slot);

void SpawnZak9(int unused);
void DrawZak9(int unused);
void MoveZak9(int unused);
void HitZak9(int slot);

void SpawnStrafer3(int unused);
void DrawStrafer3(int unused);
void MoveStrafer3(int unused);
void HitStrafer3(int slot);

void SpawnStrafer5(int unused);
void DrawStrafer5(int unused);
void MoveStrafer5(int unused);
void HitStrafer5(int slot);

// Convoy90 is filled one slot at a time by its wave ticker.
void TickWaveConvoy90(int unused);
void SpawnSlotConvoy90(int slot);
void DrawConvoy90(int unused);
void MoveConvoy90(int unused);
void HitConvoy90(int slot);

// The weapons: Fire starts free bullets, Move moves, culls and tests the ship, Draw draws.
void FireZak7AShot(int unused);
void MoveZak7AShot(int unused);
void DrawZak7AShot(int unused);
void FireZak7BShot(int unused);
void MoveZak7BShot(int unused);
void DrawZak7BShot(int unused);
void FireZak1BShot(int unused);
void MoveZak1BShot(int unused);
void DrawZak1BShot(int unused);
void FireZak2BShot(int unused);
void MoveZak2BShot(int unused);
void DrawZak2BShot(int unused);
void FireZak3BShot(int unused);
void MoveZak3BShot(int unused);
void DrawZak3BShot(int unused);
void FireZak8Stream1(int unused);
void MoveZak8Stream1(int unused);
void DrawZak8Stream1(int unused);
void FireZak8Stream2(int unused);
void MoveZak8Stream2(int unused);
void DrawZak8Stream2(int unused);
void FireZak8Stream3(int unused);
void MoveZak8Stream3(int unused);
void DrawZak8Stream3(int unused);
void FireZak9Stream1(int unused);
void MoveZak9Stream1(int unused);
void DrawZak9Stream1(int unused);
void FireZak9Stream2(int unused);
void MoveZak9Stream2(int unused);
void DrawZak9Stream2(int unused);
void FireZak9Stream3(int unused);
void MoveZak9Stream3(int unused);
void DrawZak9Stream3(int unused);
void FireZak9Stream4(int unused);
void MoveZak9Stream4(int unused);
void DrawZak9Stream4(int unused);
void FireZak9Stream5(int unused);
void MoveZak9Stream5(int unused);
void DrawZak9Stream5(int unused);
void FireStrafer3Stream1(int unused);
void MoveStrafer3Stream1(int unused);
void DrawStrafer3Stream1(int unused);
void FireStrafer3Stream2(int unused);
void MoveStrafer3Stream2(int unused);
void DrawStrafer3Stream2(int unused);
void FireStrafer3Stream3(int unused);
void MoveStrafer3Stream3(int unused);
void DrawStrafer3Stream3(int unused);
void FireStrafer5Stream1(int unused);
void MoveStrafer5Stream1(int unused);
void DrawStrafer5Stream1(int unused);
void FireStrafer5Stream2(int unused);
void MoveStrafer5Stream2(int unused);
void DrawStrafer5Stream2(int unused);
void FireStrafer5Stream3(int unused);
void MoveStrafer5Stream3(int unused);
void DrawStrafer5Stream3(int unused);
void FireStrafer5Stream4(int unused);
void MoveStrafer5Stream4(int unused);
void DrawStrafer5Stream4(int unused);
void FireStrafer5Stream5(int unused);
void MoveStrafer5Stream5(int unused);
void DrawStrafer5Stream5(int unused);
void FireConvoy90Stream1(int unused);
void MoveConvoy90Stream1(int unused);
void DrawConvoy90Stream1(int unused);
void FireConvoy90Stream2(int unused);
void MoveConvoy90Stream2(int unused);
void DrawConvoy90Stream2(int unused);
void FireConvoy90Stream3(int unused);
void MoveConvoy90Stream3(int unused);
void DrawConvoy90Stream3(int unused);
void FireConvoy90Stream4(int unused);
void MoveConvoy90Stream4(int unused);
void DrawConvoy90Stream4(int unused);
void FireConvoy90Stream5(int unused);
void MoveConvoy90Stream5(int unused);
void DrawConvoy90Stream5(int unused);

// Zak9's falling clusters take two stage words that they do not read.
void FireZak9Cluster1(int unused, int unused2);
void MoveZak9Cluster1(int unused, int unused2);
void DrawZak9Cluster1(int unused, int unused2);
void FireZak9Cluster2(int unused, int unused2);
void MoveZak9Cluster2(int unused, int unused2);
void DrawZak9Cluster2(int unused, int unused2);
void FireZak9Cluster3(int unused, int unused2);
void MoveZak9Cluster3(int unused, int unused2);
void DrawZak9Cluster3(int unused, int unused2);
void FireZak9Cluster4(int unused, int unused2);
void MoveZak9Cluster4(int unused, int unused2);
void DrawZak9Cluster4(int unused, int unused2);
void FireZak9Cluster5(int unused, int unused2);
void MoveZak9Cluster5(int unused, int unused2);
void DrawZak9Cluster5(int unused, int unused2);
