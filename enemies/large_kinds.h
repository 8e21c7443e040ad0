// The single large enemies Zak50A, Zak50B, Zak50C, Zak51A, Zak51B and Zak54A
// to Zak54C, and the timer-fired aimed bursts of Zak50A, Zak50B and Zak51A.
// Spawn, draw, move, tick, move-shot and draw-shot operations take a stage
// word that they do not read; hit operations take nothing.
#pragma once
#include "enemies/aimed_bursts.h"
#include "enemies/records.h"

extern LargeZakState gZak50A, gZak50B, gZak50C, gZak51A, gZak51B, gZak54A, gZak54B, gZak54C;

// The hit points that every reset gives the Zak54 kinds; no spawn restores them.
constexpr int kZak54Hp = 9;

extern BurstShotRecord gZak50AShot[25], gZak50BShot1[25], gZak50BShot2[25], gZak50BShot3[25],
    gZak51AShot1[25], gZak51AShot2[120];

void SpawnZak50A(int unused);
void DrawZak50A(int unused);
void MoveZak50A(int unused);
void HitZak50A();

void SpawnZak50B(int unused);
void DrawZak50B(int unused);
void MoveZak50B(int unused);
void HitZak50B();

void SpawnZak50C(int unused);
void DrawZak50C(int unused);
void MoveZak50C(int unused);
void HitZak50C();

void SpawnZak51A(int unused);
void DrawZak51A(int unused);
void MoveZak51A(int unused);
void HitZak51A();

void SpawnZak51B(int unused);
void DrawZak51B(int unused);
void MoveZak51B(int unused);
void HitZak51B();

void SpawnZak54A(int unused);
void DrawZak54A(int unused);
void MoveZak54A(int unused);
void HitZak54A();

void SpawnZak54B(int unused);
void DrawZak54B(int unused);
void MoveZak54B(int unused);
void HitZak54B();

void SpawnZak54C(int unused);
void DrawZak54C(int unused);
void MoveZak54C(int unused);
void HitZak54C();

// Bursts: the tick advances every bullet's timer and fires the groups whose
// count has come; fire starts bullet `slot` of the group that begins at `first`.
void TickZak50AShot(int unused);
void FireZak50AShot(int slot, int first);
void MoveZak50AShot(int unused);
void DrawZak50AShot(int unused);

void TickZak50BShot1(int unused);
void FireZak50BShot1(int slot, int first);
void MoveZak50BShot1(int unused);
void DrawZak50BShot1(int unused);

void TickZak50BShot2(int unused);
void FireZak50BShot2(int slot, int first);
void MoveZak50BShot2(int unused);
void DrawZak50BShot2(int unused);

void TickZak50BShot3(int unused);
void FireZak50BShot3(int slot, int first);
void MoveZak50BShot3(int unused);
void DrawZak50BShot3(int unused);

void TickZak51AShot1(int unused);
void FireZak51AShot1(int slot, int first);
void MoveZak51AShot1(int unused);
void DrawZak51AShot1(int unused);

// A ring: each bullet's direction counts from bullet 0, so it takes no group.
void TickZak51AShot2(int unused);
void FireZak51AShot2(int slot);
void MoveZak51AShot2(int unused);
void DrawZak51AShot2(int unused);
