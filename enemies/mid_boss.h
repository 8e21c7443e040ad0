// The body shared by the mid-bosses: entry from the right, the flight
// script, the picture or the many-copy explosion, and the hit. Each kind is a
// MidBossDesign row over its own state block.
#pragma once
#include <span>
#include <type_traits>

#include "enemies/flight_script.h"
#include "enemies/kind.h"
#include "engine/system/ko_system.h"

template <typename Block>
struct MidBossDesign {
  Block* block;
  enemy::Body body;  // drawn whole
  int entryBaseY;    // the entry height is rand() % 20 + 10 above this
  FlightScript flight;
};

constexpr float kMidBossEntryX = 640.0f;
constexpr float kMidBossEntrySpeed = 220.0f;  // vx of the entry band
constexpr float kMidBossLegSpeed = 280.0f;    // vy of the diagonal legs
constexpr float kMidBossStartHp = 280.0f;
constexpr int kMidBossExplosionFrames = 8, kMidBossExplosionRows = 4;

// Nine copies of the 80-pixel strips and five of the 40-pixel strip, all
// plain blits whatever gExplosionBlitMode says.
extern const std::span<const enemy::ExplosionCopy> kMidBossExplosion;

// Starts the craft if it is not alive; its hit points and hit-skip word stay.
template <typename Block>
void SpawnMidBoss(const MidBossDesign<Block>& d) {
  Block& b = *d.block;
  if (b.alive != 0) return;
  b.x = kMidBossEntryX;
  b.y = static_cast<float>(koSystem::Rand() % 20 + 10 + d.entryBaseY);
  b.vx = kMidBossEntrySpeed;
  b.vy = kMidBossLegSpeed;
  b.alive = 1;
  b.dying = 0;
  b.frame = 0;
  b.phaseTimer = 0.0f;
}

template <typename Block>
void MoveMidBoss(const MidBossDesign<Block>& d) {
  FlyScript(*d.block, d.flight);
}

// The picture while not dying (alive or not: a parked craft draws off the
// screen), else the next explosion frame. The end of the explosion frees the
// craft but keeps `dying` at 1, which the stages read as its destruction; the
// explosion then replays unseen at the parked place until the next spawn.
template <typename Block>
void DrawMidBoss(const MidBossDesign<Block>& d) {
  Block& b = *d.block;
  const int x = enemy::Truncate(b.x), y = enemy::Truncate(b.y);
  if (b.dying < 1) {
    enemy::DrawBody(d.body, x, y);
    return;
  }
  enemy::DrawExplosionCopies(kMidBossExplosion, x, y, b.frame);
  if (++b.frame > kMidBossExplosionFrames - 1) {
    b.frame = 0;
    ++b.row;
  }
  if (b.row > kMidBossExplosionRows - 1) {
    b.alive = 0;
    b.frame = 0;
    b.row = 0;
    enemy::Park(b);
  }
}

// Starts the explosion; the hit passes lower the hit points and score.
template <typename Block>
void HitMidBoss(const MidBossDesign<Block>& d) {
  d.block->dying = 1;
  enemy::PlayHitSound();
}

// The reset of a block: every word 0 but the hit points and the parked place.
template <typename Block>
Block MidBossStart() {
  Block b{};
  b.hp = kMidBossStartHp;
  enemy::Park(b);
  return b;
}
template <auto& block>
void ResetMidBoss() {
  block = MidBossStart<std::remove_reference_t<decltype(block)>>();
}
template <auto& block>
bool MidBossAtStart() {
  return block == MidBossStart<std::remove_reference_t<decltype(block)>>();
}
