// The growing bars of Zak54A to Zak54C and the muzzle streams of Zak51B,
// Zak54A to Zak54C and Zak50C. Bar operations take nothing (the kinds' own
// moves fire them); stream operations take a stage word that they do not read.
#pragma once
#include "enemies/records.h"
#include "enemies/strips.h"

extern LaserBarRecord gZak54ABar1, gZak54ABar2, gZak54BBar1, gZak54BBar2, gZak54CBar1, gZak54CBar2;
extern ShotRecord gZak51BStream[4], gZak54AStream[4], gZak54BStream[4], gZak54CStream[6],
    gZak50CStream[6];

void FireZak54ABar1();
void MoveZak54ABar1();
void DrawZak54ABar1();
void FireZak54ABar2();
void MoveZak54ABar2();
void DrawZak54ABar2();

void FireZak54BBar1();
void MoveZak54BBar1();
void DrawZak54BBar1();
void FireZak54BBar2();
void MoveZak54BBar2();
void DrawZak54BBar2();

void FireZak54CBar1();
void MoveZak54CBar1();
void DrawZak54CBar1();
void FireZak54CBar2();
void MoveZak54CBar2();
void DrawZak54CBar2();

void FireZak50CStream(int unused);
void MoveZak50CStream(int unused);
void DrawZak50CStream(int unused);

void FireZak51BStream(int unused);
void MoveZak51BStream(int unused);
void DrawZak51BStream(int unused);

void FireZak54AStream(int unused);
void MoveZak54AStream(int unused);
void DrawZak54AStream(int unused);

void FireZak54BStream(int unused);
void MoveZak54BStream(int unused);
void DrawZak54BStream(int unused);

void FireZak54CStream(int unused);
void MoveZak54CStream(int unused);
void DrawZak54CStream(int unused);
