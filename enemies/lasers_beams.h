// The lasers of Zak51A and Zak51B and the falling beams of Zak50B and Zak51A.
// Laser operations take nothing; beam operations take a stage word that they
// do not read, and the beam fire takes the slot and the first slot of its pair.
#pragma once
#include "enemies/records.h"
#include "enemies/strips.h"

extern LaserRecord gZak51ALaser, gZak51BLaser;
extern AimedShotRecord gZak50BBeam1[20], gZak50BBeam2[20], gZak51ABeam1[20], gZak51ABeam2[20];

void FireZak51ALaser();
void MoveZak51ALaser();
void DrawZak51ALaser();

void FireZak51BLaser();
void MoveZak51BLaser();
void DrawZak51BLaser();

void TickZak50BBeam1(int unused);
void FireZak50BBeam1(int slot, int first);
void MoveZak50BBeam1(int unused);
void DrawZak50BBeam1(int unused);

void TickZak50BBeam2(int unused);
void FireZak50BBeam2(int slot, int first);
void MoveZak50BBeam2(int unused);
void DrawZak50BBeam2(int unused);

void TickZak51ABeam1(int unused);
void FireZak51ABeam1(int slot, int first);
void MoveZak51ABeam1(int unused);
void DrawZak51ABeam1(int unused);

void TickZak51ABeam2(int unused);
void FireZak51ABeam2(int slot, int first);
void MoveZak51ABeam2(int unused);
void DrawZak51ABeam2(int unused);
