// One frame of a scrolling stage: the same fixed sequence for every stage,
// with each stage's own constants and timelines. The defaults hold for most
// stages; each stage's record names what differs, stage 1's the most.
#pragma once
#include <span>

#include "game/backgrounds.h"
#include "stages/boss_section.h"
#include "stages/timeline.h"

struct ParticleArgs {
  int speedRange, baseSpeed;  // speedRange 0: no particles
};

struct StageDef {
  const char* song;               // nullptr: the stage starts no song
  bool entryClearsPause = false;  // the first stage starts a fresh play state
  bool entryLocksControl = true;  // later stages hold the ship until their clock reaches 16
  float clockSpeed;               // units per second
  bool hasSecondClock = false;    // stage 1 runs its second half on gStageClock2
  ParticleArgs particles = {0, 0}, particlesMode1;
  bool bombNeedsFireOff = false;  // stage 1 runs the bomb only while firing is off
  bool replayKey = false;         // 'R' restarts stage 1 as a replay
  const BossSection* boss;
  std::span<const TimelineRow> timeline;      // between the player's shots and the HUD
  std::span<const TimelineOp> homingUpdates;  // after the hit passes
  // Background mode 0: the scrolling pictures drawn before the particles.
  std::span<const TimelineOp> scrollers = Ops<ScrollBackgroundU, ScrollBackground>;
  int continueBombs = 5;            // the bomb stock a continue gives
  bool yieldsAfterPresent = false;  // gives the rest of its time slice away once a frame
};

void RunStageFrame(const StageDef& s);
