// The one design every stage boss body follows, driven by a row of constants
// per boss. Each boss's HitBoss<N>, MoveBoss<N>, DrawBoss<N> and DefeatBoss<N>
// call these with its own row.
#pragma once
#include <cstdint>
#include <span>

#include "bosses/boss_entry.h"
#include "bosses/boss_script.h"
#include "bosses/boss_state.h"
#include "enemies/records.h"

constexpr int kLargeExplosions = 8;
constexpr int kSmallExplosions = 6;

// Damage flames that show while 0 < hp <= limit: cell f of the 80 x 80 flame
// strip at the body's corner + (x, y) + f x (stepX, stepY), so they run across
// or down the body as the cell animates.
struct FlameGroup {
  float limit;
  int count;
  struct Offset {
    int x, y;
  } at[3];
  int stepX, stepY;
};

struct BossBody {
  BossState* boss;
  int32_t* flameFrame;
  BossExplosion* large;  // kLargeExplosions records
  BossExplosion* small;  // kSmallExplosions records
  const int* bodyPicture;
  int bodyWidth, bodyHeight;
  const int* flamePicture;
  std::span<const FlameGroup> flames;
  std::span<const BossScriptRow> script;
  // Boss 1 shows its explosions only while 0 < t < explosionsBefore (t before
  // the step's advance); the others on every defeat step.
  bool explosionsWindowed;
  float explosionsBefore;
  int largeSpreadX, largeSpreadY;  // large explosions land at boss + (rand() % X - 100, rand() % Y)
  int smallSpreadX, smallSpreadY;  // small ones at boss + (rand() % X - 40, rand() % Y)
  int bonusPerLife;                // score per life on every step of the bonus stretch
  float handOverAfter;             // defeat clock past which the next scene begins
  int transitionLength;            // frames
  int nextScene;
  // Locked part marks drawn after the flames: for each part k, mark k of set A
  // (only when drawsMarksA) and then mark k of set B. Bosses 1 to 3 draw none.
  std::span<const TargetMarker> marksA{}, marksB{};
  bool drawsMarksA = false;
  // The picture that sweeps up the screen before the boss enters.
  const BossEntry* entry = nullptr;
};

void HitBossBody(const BossBody& body);
void MoveBossBody(const BossBody& body);
void DrawBossBody(const BossBody& body);
void DefeatBossBody(const BossBody& body);
