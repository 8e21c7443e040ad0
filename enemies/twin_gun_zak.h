// The TwinGunZak wave kinds: four craft that run straight down (A, B) or up
// (C, D), turn into a fast sideways exit, show one of five cells by their
// script clock and fire two aimed families: Shot1 from enemy slot 0 in the
// second band, Shot2 from enemy slot 1 in the third. The stage frames call
// every operation with a stage word that is not read; spawn-slot and hit
// operations take a slot.
#pragma once
#include "enemies/records.h"

extern WaveZakRecord gTwinGunZakA[5], gTwinGunZakB[5], gTwinGunZakC[5], gTwinGunZakD[5];
extern AimedShotRecord gTwinGunZakAShot1[4], gTwinGunZakBShot1[4], gTwinGunZakCShot1[4],
    gTwinGunZakDShot1[4];
extern AimedShotRecord gTwinGunZakAShot2[5], gTwinGunZakBShot2[5], gTwinGunZakCShot2[5],
    gTwinGunZakDShot2[5];
// Body strips that no asset is loaded into: they draw the engine's scratch object.
extern int gPicTwinGunZakB, gPicTwinGunZakC, gPicTwinGunZakD;

void SpawnSlotTwinGunZakA(int slot);
void TickWaveTwinGunZakA(int unused);
void MoveTwinGunZakA(int unused);
void DrawTwinGunZakA(int unused);
void HitTwinGunZakA(int slot);
void FireTwinGunZakAShot1(int unused);
void MoveTwinGunZakAShot1(int unused);
void DrawTwinGunZakAShot1(int unused);
void FireTwinGunZakAShot2(int unused);
void MoveTwinGunZakAShot2(int unused);
void DrawTwinGunZakAShot2(int unused);

void SpawnSlotTwinGunZakB(int slot);
void TickWaveTwinGunZakB(int unused);
void MoveTwinGunZakB(int unused);
void DrawTwinGunZakB(int unused);
void HitTwinGunZakB(int slot);
void FireTwinGunZakBShot1(int unused);
void MoveTwinGunZakBShot1(int unused);
void DrawTwinGunZakBShot1(int unused);
void FireTwinGunZakBShot2(int unused);
void MoveTwinGunZakBShot2(int unused);
void DrawTwinGunZakBShot2(int unused);

void SpawnSlotTwinGunZakC(int slot);
void TickWaveTwinGunZakC(int unused);
void MoveTwinGunZakC(int unused);
void DrawTwinGunZakC(int unused);
void HitTwinGunZakC(int slot);
void FireTwinGunZakCShot1(int unused);
void MoveTwinGunZakCShot1(int unused);
void DrawTwinGunZakCShot1(int unused);
void FireTwinGunZakCShot2(int unused);
void MoveTwinGunZakCShot2(int unused);
void DrawTwinGunZakCShot2(int unused);

void SpawnSlotTwinGunZakD(int slot);
void TickWaveTwinGunZakD(int unused);
void MoveTwinGunZakD(int unused);
void DrawTwinGunZakD(int unused);
void HitTwinGunZakD(int slot);
void FireTwinGunZakDShot1(int unused);
void MoveTwinGunZakDShot1(int unused);
void DrawTwinGunZakDShot1(int unused);
void FireTwinGunZakDShot2(int unused);
void MoveTwinGunZakDShot2(int unused);
void DrawTwinGunZakDShot2(int unused);
