// The bodies of the stage bosses 1 to 3: hit reaction, movement script,
// drawing with damage flames, and the defeat sequence that hands over to the
// next scene. The stage frames call MoveBoss<N> then DrawBoss<N> on every
// frame of the boss section; DrawBoss<N> ends with DefeatBoss<N>.
#pragma once
#include <cstdint>

#include "bosses/boss_body.h"

// The attack schedule counters. The stage frames own them: they advance and
// wrap them while a boss attacks; the bodies never read them.
extern int32_t gBoss1AttackCounter, gBoss2AttackCounter, gBoss3AttackCounter, gBoss4AttackCounter,
    gBoss5AttackCounter, gBoss6AttackCounter, gBoss7AttackCounter, gBoss8AttackCounter;

// The cell (0 to 9) of each body's damage-flame animation.
extern int32_t gBoss1FlameFrame, gBoss2FlameFrame, gBoss3FlameFrame;

extern BossExplosion gBoss1LargeExplosions[kLargeExplosions],
    gBoss2LargeExplosions[kLargeExplosions], gBoss3LargeExplosions[kLargeExplosions];
extern BossExplosion gBoss1SmallExplosions[kSmallExplosions],
    gBoss2SmallExplosions[kSmallExplosions], gBoss3SmallExplosions[kSmallExplosions];

// Sets the hit flag and plays the hit sound; the caller lowers hp.
void HitBoss1();
void HitBoss2();
void HitBoss3();
// Advances the script clock and applies the movement script.
void MoveBoss1();
void MoveBoss2();
void MoveBoss3();
// Draws the body and its damage flames, steps the flames, then runs the defeat step.
void DrawBoss1();
void DrawBoss2();
void DrawBoss3();
// One step of the defeat sequence; nothing while hp is above 0.
void DefeatBoss1();
void DefeatBoss2();
void DefeatBoss3();
