// The hazard streams as one design: a row of constants per kind and one
// routine per operation that every kind's named operation calls.
#pragma once
#include <array>

#include "bosses/boss_state.h"
#include "bosses/hazards.h"

enum class HazardKindId {
  Boss1Hazard1,
  Boss1Hazard2,
  Boss1Hazard3,
  Boss1Hazard4,
  Boss1Hazard5,
  Boss2Hazard1,
  Boss2Hazard2,
  Boss2Hazard3,
  Boss2Hazard4,
  Boss3Hazard1,
  Boss3Hazard2,
  Boss3Hazard3,
  Count
};

enum class HazardPath {
  Straight,  // 20 pixels left per frame, drifting rows close in and spread apart
  Rising,    // the zig-zag profile climbing first
  Diving,    // the same profile with every y step reversed
};

// One row of blocks.
struct HazardRow {
  HazardSlot* slots;   // the row's 13 slots
  int32_t yOffset;     // start height below the boss's truncated y
  int32_t drift;       // y pixels per frame
  bool drifts;         // the row writes and steps dy (a row without drift leaves dy alone)
  const int* picture;  // the block picture
};

// Everything that sets one hazard kind apart.
struct HazardKind {
  const BossState* boss;          // Fire reads its corner, truncated to whole pixels
  int32_t* counter;               // the Tick's frame counter
  HazardPath path;                // straight rows or a path profile
  int rowCount;                   // 1 or 3
  std::array<HazardRow, 3> rows;  // middle, upper, lower: the order of Fire and Move
  int32_t startX;                 // start column right of the boss's truncated x
  int32_t speed;                  // pixels per frame (straight) or profile step (path)
  int32_t drawHeight;             // source rows blitted (the tall stream picture only in part)
  int32_t boxRight;               // the hit box: corner x from ship x + 10 to ship x + boxRight,
  int32_t boxTop, boxBottom;      // and y from ship y + boxTop to ship y + boxBottom
};

const HazardKind& Hazard(HazardKindId id);

void TickHazard(HazardKindId id);
void FireHazard(HazardKindId id, int slot);
void MoveHazard(HazardKindId id);
void DrawHazard(HazardKindId id);
// Every slot of one row idle at (-500, 500), clock, speed and drift 0; the
// first row's reset also brings the kind's frame counter back to 0.
void ResetHazardRow(HazardKindId id, int row);
bool HazardRowAtStart(HazardKindId id, int row);

template <HazardKindId id, int row>
void ResetHazardTable() {
  ResetHazardRow(id, row);
}
template <HazardKindId id, int row>
bool HazardTableAtStart() {
  return HazardRowAtStart(id, row);
}
