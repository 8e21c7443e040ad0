#include "bosses/boss_bodies.h"

#include "game/assets.h"
#include "game/scenes.h"

int32_t gBoss1AttackCounter, gBoss2AttackCounter, gBoss3AttackCounter, gBoss4AttackCounter,
    gBoss5AttackCounter, gBoss6AttackCounter, gBoss7AttackCounter, gBoss8AttackCounter;
int32_t gBoss1FlameFrame, gBoss2FlameFrame, gBoss3FlameFrame;

BossExplosion gBoss1LargeExplosions[kLargeExplosions], gBoss2LargeExplosions[kLargeExplosions],
    gBoss3LargeExplosions[kLargeExplosions];
BossExplosion gBoss1SmallExplosions[kSmallExplosions], gBoss2SmallExplosions[kSmallExplosions],
    gBoss3SmallExplosions[kSmallExplosions];

namespace {

using namespace boss_script;

// Boss 1 slides in from the right, settles, bobs, darts along both diagonals
// and loops back to the settle. The two last rows are reached only when one
// frame carries the clock from below 241 past 270: the boss then sinks away
// and stays parked below the screen.
constexpr BossScriptRow kBoss1Script[] = {
    Enter(60, 90, 640, 90),         Drift(91, 135, -94, 0),     Place(135, 162, 240, 90),
    Drift(162, 171, 0, 80),         Drift(172, 190, 0, -80),    Drift(191, 200, 0, 80),
    Drift(201, 210, 50, 100),       Drift(211, 220, -50, -100), Drift(221, 230, 50, -100),
    Drift(231, 240, -50, 100),      Rewind(241, 270, 151),      Drift(298, kOpen, -50, 155),
    ParkBelow(480, 800, 500, 5000),
};

// Bosses 2 and 3 run the same script on their own records.
constexpr BossScriptRow kBoss2And3Script[] = {
    Enter(0, 30, 640, 90),      Drift(31, 75, -86, 0),    Place(75, 100, 240, 90),
    Drift(101, 110, -100, -50), Drift(111, 120, 100, 50), Drift(121, 130, 100, -50),
    Drift(131, 140, -100, 50),  Place(141, 160, 240, 90), Drift(161, 190, 0, 40),
    Drift(191, 250, 0, -40),    Drift(251, 280, 0, 40),   Rewind(281, kOpen, 80),
};

// Two flame pairs run across the body: the first from 90 hit points down, the second from 70.
constexpr FlameGroup kBoss1And3Flames[] = {
    {90, 2, {{120, 70}, {120, 150}}, 28, 0},
    {70, 2, {{200, 20}, {200, 200}}, 28, 0},
};
constexpr FlameGroup kBoss2Flames[] = {
    {90, 2, {{120, 50}, {120, 170}}, 28, 0},
    {70, 2, {{200, 0}, {280, 220}}, 28, 0},
};

const BossBody kBoss1{.boss = &gBoss1,
                      .flameFrame = &gBoss1FlameFrame,
                      .large = gBoss1LargeExplosions,
                      .small = gBoss1SmallExplosions,
                      .bodyPicture = &gPicBoss1,
                      .bodyWidth = 400,
                      .bodyHeight = 300,
                      .flamePicture = &gPicZbak3b,
                      .flames = kBoss1And3Flames,
                      .script = kBoss1Script,
                      .explosionsWindowed = true,
                      .explosionsBefore = 125,
                      .largeSpreadX = 440,
                      .largeSpreadY = 360,
                      .smallSpreadX = 440,
                      .smallSpreadY = 360,
                      .bonusPerLife = 1000,
                      .handOverAfter = 120,
                      .transitionLength = 30,
                      .nextScene = SceneStage2};
const BossBody kBoss2{.boss = &gBoss2,
                      .flameFrame = &gBoss2FlameFrame,
                      .large = gBoss2LargeExplosions,
                      .small = gBoss2SmallExplosions,
                      .bodyPicture = &gPicBoss2,
                      .bodyWidth = 400,
                      .bodyHeight = 300,
                      .flamePicture = &gPicZbak4b,
                      .flames = kBoss2Flames,
                      .script = kBoss2And3Script,
                      .explosionsWindowed = false,
                      .explosionsBefore = 0,
                      .largeSpreadX = 440,
                      .largeSpreadY = 280,
                      .smallSpreadX = 440,
                      .smallSpreadY = 280,
                      .bonusPerLife = 2000,
                      .handOverAfter = 70,
                      .transitionLength = 30,
                      .nextScene = SceneStage3};
const BossBody kBoss3{.boss = &gBoss3,
                      .flameFrame = &gBoss3FlameFrame,
                      .large = gBoss3LargeExplosions,
                      .small = gBoss3SmallExplosions,
                      .bodyPicture = &gPicBoss3,
                      .bodyWidth = 400,
                      .bodyHeight = 300,
                      .flamePicture = &gPicZbak3b,
                      .flames = kBoss1And3Flames,
                      .script = kBoss2And3Script,
                      .explosionsWindowed = false,
                      .explosionsBefore = 0,
                      .largeSpreadX = 460,
                      .largeSpreadY = 320,
                      .smallSpreadX = 460,
                      .smallSpreadY = 320,
                      .bonusPerLife = 3000,
                      .handOverAfter = 70,
                      .transitionLength = 30,
                      .nextScene = SceneEnding};

}  // namespace

void HitBoss1() { HitBossBody(kBoss1); }
void HitBoss2() { HitBossBody(kBoss2); }
void HitBoss3() { HitBossBody(kBoss3); }
void MoveBoss1() { MoveBossBody(kBoss1); }
void MoveBoss2() { MoveBossBody(kBoss2); }
void MoveBoss3() { MoveBossBody(kBoss3); }
void DrawBoss1() { DrawBossBody(kBoss1); }
void DrawBoss2() { DrawBossBody(kBoss2); }
void DrawBoss3() { DrawBossBody(kBoss3); }
void DefeatBoss1() { DefeatBossBody(kBoss1); }
void DefeatBoss2() { DefeatBossBody(kBoss2); }
void DefeatBoss3() { DefeatBossBody(kBoss3); }
