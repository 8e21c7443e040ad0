// The two side craft Zak51L and Zak51R: 200 x 160 craft that cross the
// screen diagonally from the upper corners, each dropping a five-way fan of
// falling bullets. Every operation but Hit takes a stage word it does not
// read; Hit takes the slot (0 or 1).
#pragma once
#include "enemies/records.h"

extern ZakRecord gZak51L[2], gZak51R[2];

// Bullet i of every stream belongs to enemy slot i.
extern ShotRecord gZak51LStream1[2], gZak51LStream2[2], gZak51LStream3[2], gZak51LStream4[2],
    gZak51LStream5[2];
extern ShotRecord gZak51RStream1[2], gZak51RStream2[2], gZak51RStream3[2], gZak51RStream4[2],
    gZak51RStream5[2];

void SpawnZak51L(int unused);
void DrawZak51L(int unused);
void MoveZak51L(int unused);
void HitZak51L(int slot);

void SpawnZak51R(int unused);
void DrawZak51R(int unused);
void MoveZak51R(int unused);
void HitZak51R(int slot);

void FireZak51LStream1(int unused);
void MoveZak51LStream1(int unused);
void DrawZak51LStream1(int unused);
void FireZak51LStream2(int unused);
void MoveZak51LStream2(int unused);
void DrawZak51LStream2(int unused);
void FireZak51LStream3(int unused);
void MoveZak51LStream3(int unused);
void DrawZak51LStream3(int unused);
void FireZak51LStream4(int unused);
void MoveZak51LStream4(int unused);
void DrawZak51LStream4(int unused);
void FireZak51LStream5(int unused);
void MoveZak51LStream5(int unused);
void DrawZak51LStream5(int unused);

void FireZak51RStream1(int unused);
void MoveZak51RStream1(int unused);
void DrawZak51RStream1(int unused);
void FireZak51RStream2(int unused);
void MoveZak51RStream2(int unused);
void DrawZak51RStream2(int unused);
void FireZak51RStream3(int unused);
void MoveZak51RStream3(int unused);
void DrawZak51RStream3(int unused);
void FireZak51RStream4(int unused);
void MoveZak51RStream4(int unused);
void DrawZak51RStream4(int unused);
void FireZak51RStream5(int unused);
void MoveZak51RStream5(int unused);
void DrawZak51RStream5(int unused);
