// The homing missiles of the boss parts: two sets per stage boss, one missile
// per part marker of the set. A strike sets the boss's hit reaction, scores
// 300 points and costs the boss hit points. Set A draws its bolt as one
// straight line; set B flies and strikes with nothing on screen. Nothing arms
// them yet: in play every Update only parks idle missiles.
#pragma once
#include "homing/homing_missile.h"

extern HomingMissile gHomingBoss1A[3], gHomingBoss1B[3], gHomingBoss2A[3], gHomingBoss2B[3],
    gHomingBoss3A[5], gHomingBoss3B[5], gHomingBoss4A[3], gHomingBoss4B[3], gHomingBoss5A[5],
    gHomingBoss5B[5], gHomingBoss6A[9], gHomingBoss6B[9], gHomingBoss7A[5], gHomingBoss7B[5],
    gHomingBoss8A[5], gHomingBoss8B[5];

void LaunchHomingBoss1A();
void UpdateHomingBoss1A();
void DrawHomingBoss1A();
void LaunchHomingBoss1B();
void UpdateHomingBoss1B();
void DrawHomingBoss1B();
void LaunchHomingBoss2A();
void UpdateHomingBoss2A();
void DrawHomingBoss2A();
void LaunchHomingBoss2B();
void UpdateHomingBoss2B();
void DrawHomingBoss2B();
void LaunchHomingBoss3A();
void UpdateHomingBoss3A();
void DrawHomingBoss3A();
void LaunchHomingBoss3B();
void UpdateHomingBoss3B();
void DrawHomingBoss3B();
void LaunchHomingBoss4A();
void UpdateHomingBoss4A();
void DrawHomingBoss4A();
void LaunchHomingBoss4B();
void UpdateHomingBoss4B();
void DrawHomingBoss4B();
void LaunchHomingBoss5A();
void UpdateHomingBoss5A();
void DrawHomingBoss5A();
void LaunchHomingBoss5B();
void UpdateHomingBoss5B();
void DrawHomingBoss5B();
void LaunchHomingBoss6A();
void UpdateHomingBoss6A();
void DrawHomingBoss6A();
void LaunchHomingBoss6B();
void UpdateHomingBoss6B();
void DrawHomingBoss6B();
void LaunchHomingBoss7A();
void UpdateHomingBoss7A();
void DrawHomingBoss7A();
void LaunchHomingBoss7B();
void UpdateHomingBoss7B();
void DrawHomingBoss7B();
void LaunchHomingBoss8A();
void UpdateHomingBoss8A();
void DrawHomingBoss8A();
void LaunchHomingBoss8B();
void UpdateHomingBoss8B();
void DrawHomingBoss8B();
