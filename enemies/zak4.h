// The Zak4 wave kinds: four craft with lock-on markers that fly in from the
// top (A, B) or the bottom (C, D), curve in three steps and leave sideways;
// Zak4A and Zak4B fire Shot1 from enemy slot 0 in the first band of their
// script and Shot2 from enemy slot 1 in the second. The stage frames call
// every operation with a stage word that is not read; spawn-slot and hit
// operations take a slot.
#pragma once
#include "enemies/kind.h"
#include "enemies/records.h"

extern WaveZakRecord gZak4A[5], gZak4B[5], gZak4C[5], gZak4D[5];
extern TargetMarker gZak4AMarkers[5], gZak4BMarkers[5], gZak4CMarkers[5], gZak4DMarkers[5];
extern AimedShotRecord gZak4AShot1[4], gZak4AShot2[5], gZak4BShot1[4], gZak4BShot2[5];

void SpawnSlotZak4A(int slot);
void TickWaveZak4A(int unused);
void MoveZak4A(int unused);
void DrawZak4A(int unused);
void HitZak4A(int slot);
void FireZak4AShot1(int unused);
void MoveZak4AShot1(int unused);
void DrawZak4AShot1(int unused);
void FireZak4AShot2(int unused);
void MoveZak4AShot2(int unused);
void DrawZak4AShot2(int unused);

void SpawnSlotZak4B(int slot);
void TickWaveZak4B(int unused);
void MoveZak4B(int unused);
void DrawZak4B(int unused);
void HitZak4B(int slot);
void FireZak4BShot1(int unused);
void MoveZak4BShot1(int unused);
void DrawZak4BShot1(int unused);
void FireZak4BShot2(int unused);
void MoveZak4BShot2(int unused);
void DrawZak4BShot2(int unused);

void SpawnSlotZak4C(int slot);
void TickWaveZak4C(int unused);
void MoveZak4C(int unused);
void DrawZak4C(int unused);
void HitZak4C(int slot);

void SpawnSlotZak4D(int slot);
void TickWaveZak4D(int unused);
void MoveZak4D(int unused);
void DrawZak4D(int unused);
void HitZak4D(int slot);
