// The GunZak wave kinds: four craft that sweep in from a side edge, bend into
// a dive and leave by the far edge, each with one aimed shot per slot fired in
// the second band of its script. The Unarmed moves fly the same script without
// firing, for a stage that never shows the shots. The stage frames call every
// operation with a stage word that is not read; spawn-slot and hit operations
// take a slot.
#pragma once
#include "enemies/records.h"

extern WaveZakRecord gGunZakA[5], gGunZakB[5], gGunZakC[5], gGunZakD[5];
// Bullet i belongs to enemy slot i of the same kind.
extern AimedShotRecord gGunZakAShot[5], gGunZakBShot[5], gGunZakCShot[5], gGunZakDShot[5];

void SpawnSlotGunZakA(int slot);
void TickWaveGunZakA(int unused);
void MoveGunZakA(int unused);
void MoveGunZakAUnarmed(int unused);
void DrawGunZakA(int unused);
void HitGunZakA(int slot);
void FireGunZakAShot(int unused);
void MoveGunZakAShot(int unused);
void DrawGunZakAShot(int unused);

void SpawnSlotGunZakB(int slot);
void TickWaveGunZakB(int unused);
void MoveGunZakB(int unused);
void MoveGunZakBUnarmed(int unused);
void DrawGunZakB(int unused);
void HitGunZakB(int slot);
void FireGunZakBShot(int unused);
void MoveGunZakBShot(int unused);
void DrawGunZakBShot(int unused);

void SpawnSlotGunZakC(int slot);
void TickWaveGunZakC(int unused);
void MoveGunZakC(int unused);
void MoveGunZakCUnarmed(int unused);
void DrawGunZakC(int unused);
void HitGunZakC(int slot);
void FireGunZakCShot(int unused);
void MoveGunZakCShot(int unused);
void DrawGunZakCShot(int unused);

void SpawnSlotGunZakD(int slot);
void TickWaveGunZakD(int unused);
void MoveGunZakD(int unused);
void MoveGunZakDUnarmed(int unused);
void DrawGunZakD(int unused);
void HitGunZakD(int slot);
void FireGunZakDShot(int unused);
void MoveGunZakDShot(int unused);
void DrawGunZakDShot(int unused);
