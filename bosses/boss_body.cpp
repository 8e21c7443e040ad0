#include "bosses/boss_body.h"

#include "engine/draw/ko_draw.h"
#include "engine/sound/ko_sound.h"
#include "engine/system/ko_system.h"
#include "game/assets.h"
#include "game/game_state.h"
#include "game/reset.h"
#include "game/scenes.h"
#include "game/score.h"
#include "homing/boss_markers.h"

namespace {

constexpr int kFlameCell = 80;
constexpr int kFlameCells = 10;
constexpr int kLargeCell = 160;
constexpr int kLargeCells = 4;
constexpr int kSmallCell = 60;
constexpr int kSmallCells = 10;
constexpr int kLargeOffsetX = 100;
constexpr int kSmallOffsetX = 40;
constexpr float kClockRate = 10.0f;  // script and defeat clock units per second
// The defeat's stretches of its clock (exclusive bounds).
constexpr float kBonusFrom = 20.0f, kBonusTo = 60.0f;
constexpr float kMusicStopFrom = 50.0f, kMusicStopTo = 60.0f;
constexpr int kHandOverTransition = 3;
constexpr int kMarkSize = 60;

int NextCell(int cell, int cells) { return cell >= cells - 1 ? 0 : cell + 1; }

// Draws each explosion where the previous step left it, steps its cell and
// throws it to a new random point over the body (x drawn first, then y).
void StepExplosions(BossExplosion* explosions, int count, int picture, int cellSize, int cells,
                    const BossState& boss, int spreadX, int offsetX, int spreadY) {
  for (int i = 0; i < count; ++i) {
    BossExplosion& e = explosions[i];
    const int left = e.frame * cellSize;
    koDraw::Blit(static_cast<int>(e.x), static_cast<int>(e.y), picture, left, 0, left + cellSize,
                 cellSize);
    e.frame = NextCell(e.frame, cells);
    e.x = boss.x + static_cast<float>(koSystem::Rand() % spreadX - offsetX);
    e.y = boss.y + static_cast<float>(koSystem::Rand() % spreadY);
  }
}

void Explode(const BossBody& body) {
  const BossState& b = *body.boss;
  StepExplosions(body.large, kLargeExplosions, gPicBbak1, kLargeCell, kLargeCells, b,
                 body.largeSpreadX, kLargeOffsetX, body.largeSpreadY);
  StepExplosions(body.small, kSmallExplosions, gPicZbak1b, kSmallCell, kSmallCells, b,
                 body.smallSpreadX, kSmallOffsetX, body.smallSpreadY);
  koSound::Play(gSndBom, -1);
}

void DrawMark(const TargetMarker& m) {
  if (m.locked != 0) koDraw::Blit(m.x, m.y, gPicLockMarker, 0, 0, kMarkSize, kMarkSize);
}

void DrawMarks(const BossBody& body) {
  for (size_t k = 0; k < body.marksB.size(); ++k) {
    if (body.drawsMarksA) DrawMark(body.marksA[k]);
    DrawMark(body.marksB[k]);
  }
}

}  // namespace

void HitBossBody(const BossBody& body) {
  body.boss->hit = 1;
  koSound::Play(gSndBom, -1);
}

void MoveBossBody(const BossBody& body) {
  body.boss->clock += kClockRate * gFrameScale;
  if (body.entry) MoveBossEntry(*body.entry, body.boss->clock);
  RunBossScript(*body.boss, body.script);
}

void DrawBossBody(const BossBody& body) {
  BossState& b = *body.boss;
  const int bx = static_cast<int>(b.x);
  const int by = static_cast<int>(b.y);
  // A hit frame draws the body as any other frame.
  koDraw::Blit(bx, by, *body.bodyPicture, 0, 0, body.bodyWidth, body.bodyHeight);
  b.hit = 0;
  const int f = *body.flameFrame;
  for (const FlameGroup& g : body.flames) {
    if (!(b.hp > 0.0f && b.hp <= g.limit)) continue;
    for (int i = 0; i < g.count; ++i) {
      koDraw::Blit(bx + g.at[i].x + g.stepX * f, by + g.at[i].y + g.stepY * f, *body.flamePicture,
                   f * kFlameCell, 0, f * kFlameCell + kFlameCell, kFlameCell);
    }
  }
  DrawMarks(body);
  *body.flameFrame = NextCell(f, kFlameCells);
  DefeatBossBody(body);
}

void DefeatBossBody(const BossBody& body) {
  BossState& b = *body.boss;
  if (!(b.hp <= 0.0f)) return;
  const float before = b.defeatClock;
  if (!body.explosionsWindowed || (before > 0.0f && before < body.explosionsBefore)) Explode(body);
  b.defeatClock += kClockRate * gFrameScale;
  const float t = b.defeatClock;
  if (t > kBonusFrom && t < kBonusTo) AddScoreDirect(int64_t{gLives} * body.bonusPerLife);
  if (t > kMusicStopFrom && t < kMusicStopTo) koSound::StopMidi();
  if (t > body.handOverAfter) {
    ResetGameState();
    gControlLocked = 1;
    ChangeScene(body.nextScene, kHandOverTransition, body.transitionLength);
  }
}
