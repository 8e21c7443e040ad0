// The bodies of the stage bosses 4 to 8, built as those of bosses 1 to 3:
// hit reaction, movement script (behind an entry picture for bosses 5 and 7),
// drawing with damage flames that run down the body and the locked part
// marks, and the defeat sequence that hands over to the next scene.
#pragma once
#include <cstdint>

#include "bosses/boss_body.h"

// Boss 5's entry picture. No asset is loaded into it, nor into the body
// pictures of bosses 4 to 8, so they draw the engine's scratch object.
extern int gPicBoss5Entry;

// The cell (0 to 9) of each body's damage-flame animation.
extern int32_t gBoss4FlameFrame, gBoss5FlameFrame, gBoss6FlameFrame, gBoss7FlameFrame,
    gBoss8FlameFrame;

extern BossExplosion gBoss4LargeExplosions[kLargeExplosions],
    gBoss5LargeExplosions[kLargeExplosions], gBoss6LargeExplosions[kLargeExplosions],
    gBoss7LargeExplosions[kLargeExplosions], gBoss8LargeExplosions[kLargeExplosions];
extern BossExplosion gBoss4SmallExplosions[kSmallExplosions],
    gBoss5SmallExplosions[kSmallExplosions], gBoss6SmallExplosions[kSmallExplosions],
    gBoss7SmallExplosions[kSmallExplosions], gBoss8SmallExplosions[kSmallExplosions];

// Sets the hit flag and plays the hit sound; the caller lowers hp.
void HitBoss4();
void HitBoss5();
void HitBoss6();
void HitBoss7();
void HitBoss8();
// Advances the script clock, runs the entry picture (bosses 5 and 7) and the movement script.
void MoveBoss4();
void MoveBoss5();
void MoveBoss6();
void MoveBoss7();
void MoveBoss8();
// Draws the body, its flames and its locked part marks, steps the flames,
// then runs the defeat step.
void DrawBoss4();
void DrawBoss5();
void DrawBoss6();
void DrawBoss7();
void DrawBoss8();
// One step of the defeat sequence; nothing while hp is above 0.
void DefeatBoss4();
void DefeatBoss5();
void DefeatBoss6();
void DefeatBoss7();
void DefeatBoss8();
