#include "bosses/late_boss_bodies.h"

#include "bosses/late_boss_scripts.h"
#include "game/assets.h"
#include "game/background_sprites.h"
#include "game/scenes.h"
#include "homing/boss_markers.h"
#include "player/parking.h"

int gPicBoss5Entry = kNoPicture;

int32_t gBoss4FlameFrame, gBoss5FlameFrame, gBoss6FlameFrame, gBoss7FlameFrame, gBoss8FlameFrame;

BossExplosion gBoss4LargeExplosions[kLargeExplosions], gBoss5LargeExplosions[kLargeExplosions],
    gBoss6LargeExplosions[kLargeExplosions], gBoss7LargeExplosions[kLargeExplosions],
    gBoss8LargeExplosions[kLargeExplosions];
BossExplosion gBoss4SmallExplosions[kSmallExplosions], gBoss5SmallExplosions[kSmallExplosions],
    gBoss6SmallExplosions[kSmallExplosions], gBoss7SmallExplosions[kSmallExplosions],
    gBoss8SmallExplosions[kSmallExplosions];

namespace {

// These flames run down the body as their cell animates.
constexpr FlameGroup kBoss4Flames[] = {
    {90, 2, {{120, 30}, {200, 30}}, 0, 28},
    {70, 2, {{40, -50}, {280, -50}}, 0, 19},  // starts above the body, slower
};
constexpr FlameGroup kBoss5Flames[] = {{60, 3, {{30, 20}, {270, 20}, {150, 100}}, 0, 28}};
constexpr FlameGroup kBoss6Flames[] = {{70, 3, {{70, 20}, {310, 20}, {190, 100}}, 0, 28}};
constexpr FlameGroup kBoss7Flames[] = {
    {90, 2, {{150, 70}, {270, 70}}, 0, 28},
    {70, 2, {{90, 0}, {330, 0}}, 0, 28},
};
constexpr FlameGroup kBoss8Flames[] = {
    {90, 2, {{180, 130}, {220, 130}}, 0, 28},
    {70, 2, {{120, 70}, {280, 70}}, 0, 28},
};

// Boss 5's own entry picture, and boss 7's body picture, sweep up the screen.
constexpr BossEntry kBoss5Entry{.picture = &gBoss5Entry,
                                .object = &gPicBoss5Entry,
                                .width = 480,
                                .height = 480,
                                .waitUntil = 20,
                                .riseAfter = 21,
                                .riseUntil = 59,
                                .column = 80,
                                .speed = 400};
constexpr BossEntry kBoss7Entry{.picture = &gBoss7Entry,
                                .object = &gPicBoss7Body,
                                .width = 500,
                                .height = 400,
                                .waitUntil = 13,
                                .riseAfter = 14,
                                .riseUntil = 59,
                                .column = 70,
                                .speed = 500};

constexpr float kHandOverAfter = 70;

const BossBody kBoss4{.boss = &gBoss4,
                      .flameFrame = &gBoss4FlameFrame,
                      .large = gBoss4LargeExplosions,
                      .small = gBoss4SmallExplosions,
                      .bodyPicture = &gPicBoss4Body,
                      .bodyWidth = 400,
                      .bodyHeight = 300,
                      .flamePicture = &gPicZbak3b,
                      .flames = kBoss4Flames,
                      .script = late_boss_scripts::kBoss4,
                      .explosionsWindowed = false,
                      .explosionsBefore = 0,
                      .largeSpreadX = 440,
                      .largeSpreadY = 320,
                      .smallSpreadX = 440,
                      .smallSpreadY = 310,
                      .bonusPerLife = 4000,
                      .handOverAfter = kHandOverAfter,
                      .transitionLength = 30,
                      .nextScene = SceneEnding,
                      .marksA = gBoss4MarkersA,
                      .marksB = gBoss4MarkersB,
                      .drawsMarksA = true};
const BossBody kBoss5{.boss = &gBoss5,
                      .flameFrame = &gBoss5FlameFrame,
                      .large = gBoss5LargeExplosions,
                      .small = gBoss5SmallExplosions,
                      .bodyPicture = &gPicBoss5Body,
                      .bodyWidth = 380,
                      .bodyHeight = 460,
                      .flamePicture = &gPicZbak3b,
                      .flames = kBoss5Flames,
                      .script = late_boss_scripts::kBoss5,
                      .explosionsWindowed = false,
                      .explosionsBefore = 0,
                      .largeSpreadX = 380,
                      .largeSpreadY = 320,
                      .smallSpreadX = 380,
                      .smallSpreadY = 320,
                      .bonusPerLife = 5000,
                      .handOverAfter = kHandOverAfter,
                      .transitionLength = 30,
                      .nextScene = SceneStage6,
                      .marksA = gBoss5MarkersA,
                      .marksB = gBoss5MarkersB,
                      .drawsMarksA = true,
                      .entry = &kBoss5Entry};
// Bosses 6 to 8 show only their set-B marks.
const BossBody kBoss6{.boss = &gBoss6,
                      .flameFrame = &gBoss6FlameFrame,
                      .large = gBoss6LargeExplosions,
                      .small = gBoss6SmallExplosions,
                      .bodyPicture = &gPicBoss6Body,
                      .bodyWidth = 460,
                      .bodyHeight = 400,
                      .flamePicture = &gPicZbak3b,
                      .flames = kBoss6Flames,
                      .script = late_boss_scripts::kBoss6,
                      .explosionsWindowed = false,
                      .explosionsBefore = 0,
                      .largeSpreadX = 460,
                      .largeSpreadY = 330,
                      .smallSpreadX = 460,
                      .smallSpreadY = 330,
                      .bonusPerLife = 6000,
                      .handOverAfter = kHandOverAfter,
                      .transitionLength = 30,
                      .nextScene = SceneStage7,
                      .marksA = gBoss6MarkersA,
                      .marksB = gBoss6MarkersB,
                      .drawsMarksA = false};
const BossBody kBoss7{.boss = &gBoss7,
                      .flameFrame = &gBoss7FlameFrame,
                      .large = gBoss7LargeExplosions,
                      .small = gBoss7SmallExplosions,
                      .bodyPicture = &gPicBoss7Body,
                      .bodyWidth = 500,
                      .bodyHeight = 400,
                      .flamePicture = &gPicZbak3b,
                      .flames = kBoss7Flames,
                      .script = late_boss_scripts::kBoss7,
                      .explosionsWindowed = false,
                      .explosionsBefore = 0,
                      .largeSpreadX = 500,
                      .largeSpreadY = 350,
                      .smallSpreadX = 500,
                      .smallSpreadY = 350,
                      .bonusPerLife = 7000,
                      .handOverAfter = kHandOverAfter,
                      .transitionLength = 60,
                      .nextScene = SceneEnding,
                      .marksA = gBoss7MarkersA,
                      .marksB = gBoss7MarkersB,
                      .drawsMarksA = false,
                      .entry = &kBoss7Entry};
const BossBody kBoss8{.boss = &gBoss8,
                      .flameFrame = &gBoss8FlameFrame,
                      .large = gBoss8LargeExplosions,
                      .small = gBoss8SmallExplosions,
                      .bodyPicture = &gPicBoss8Body,
                      .bodyWidth = 480,
                      .bodyHeight = 400,
                      .flamePicture = &gPicZbak3b,
                      .flames = kBoss8Flames,
                      .script = late_boss_scripts::kBoss8,
                      .explosionsWindowed = false,
                      .explosionsBefore = 0,
                      .largeSpreadX = 480,
                      .largeSpreadY = 320,
                      .smallSpreadX = 480,
                      .smallSpreadY = 320,
                      .bonusPerLife = 8000,
                      .handOverAfter = kHandOverAfter,
                      .transitionLength = 60,
                      .nextScene = SceneEnding,
                      .marksA = gBoss8MarkersA,
                      .marksB = gBoss8MarkersB,
                      .drawsMarksA = false};

}  // namespace

void HitBoss4() { HitBossBody(kBoss4); }
void HitBoss5() { HitBossBody(kBoss5); }
void HitBoss6() { HitBossBody(kBoss6); }
void HitBoss7() { HitBossBody(kBoss7); }
void HitBoss8() { HitBossBody(kBoss8); }
void MoveBoss4() { MoveBossBody(kBoss4); }
void MoveBoss5() { MoveBossBody(kBoss5); }
void MoveBoss6() { MoveBossBody(kBoss6); }
void MoveBoss7() { MoveBossBody(kBoss7); }
void MoveBoss8() { MoveBossBody(kBoss8); }
void DrawBoss4() { DrawBossBody(kBoss4); }
void DrawBoss5() { DrawBossBody(kBoss5); }
void DrawBoss6() { DrawBossBody(kBoss6); }
void DrawBoss7() { DrawBossBody(kBoss7); }
void DrawBoss8() { DrawBossBody(kBoss8); }
void DefeatBoss4() { DefeatBossBody(kBoss4); }
void DefeatBoss5() { DefeatBossBody(kBoss5); }
void DefeatBoss6() { DefeatBossBody(kBoss6); }
void DefeatBoss7() { DefeatBossBody(kBoss7); }
void DefeatBoss8() { DefeatBossBody(kBoss8); }
