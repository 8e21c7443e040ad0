// The aimed kinds as one design: a row of constants per kind and one routine
// per operation that every kind's named operation calls.
#pragma once
#include <array>
#include <span>

#include "bosses/aimed_volleys.h"
#include "bosses/boss_state.h"

enum class AimedKindId {
  Boss1AimedShot1,
  Boss1AimedShot2,
  Boss1AimedVolley1,
  Boss1AimedVolley2,
  Boss1AimedVolley3,
  Boss1AimedVolley4,
  Boss2AimedShot1,
  Boss2AimedShot2,
  Boss3AimedVolley1,
  Boss3AimedVolley2,
  Boss3AimedVolley3,
  Boss3AimedVolley4,
  Boss3AimedVolley5,
  Boss3AimedVolley6,
  Boss3AimedShot1,
  Boss3AimedShot2,
  Boss4AimedShot1,
  Boss4AimedShot2,
  Boss4AimedVolley1,
  Boss4AimedVolley2,
  Boss5AimedVolley1,
  Boss5AimedVolley2,
  Boss5AimedVolley3,
  Boss5AimedVolley4,
  Boss6AimedShot1,
  Boss7AimedShot1,
  Boss7AimedShot2,
  Boss8AimedShot1,
  Count
};

// How a firing turns a bullet away from the aim.
enum class AimedSpread {
  None,    // every bullet flies straight at the aim point
  Volley,  // step x (slot - first - centre): the group fans out symmetrically about the aim
  Ring,    // step x slot over the whole table: each group forms a full ring from the aim
};

struct StartOffset {
  float x, y;  // added to the boss's top-left corner
};

constexpr int kMaxAimedGroups = 10;

// Everything that sets one aimed kind apart.
struct AimedKind {
  AimedVolleySlot* slots;  // the kind's global table
  int count;               // slots in the table
  const BossState* boss;   // the bullets start from this boss's corner, read when fired
  int group;               // slots per group; a group fires on one timer value
  int cycle;               // Tick calls per firing cycle (0: the kind has no Tick)
  std::array<int, kMaxAimedGroups> fireCounts;  // timer value at which group k fires
  std::array<StartOffset, 4> start;  // start offset; per group member when placesWholeGroup
  bool placesWholeGroup;  // a firing sets every member of the group back to its start point
  float aimOffset;        // the aim point is the ship's corner plus this on both axes
  float speed;            // pixels per second
  float speedPerSlot;     // added per slot index: a string's bullets spread along their line
  int speedRandRange;     // when above 0, rand() % this is added to each fired bullet's speed
  AimedSpread spread;     // how the members of a firing turn from the aim
  float spreadStep;       // radians between neighbouring members
  int spreadCentre;       // the volley member that flies at the aim
  float rightEdge;        // right bound of flight (the strings stop short of the screen's edge)
  bool testsIdleSlots;    // bounds and ship test visit idle slots too
  bool hitFrees;          // a bullet that hits the ship is freed
  const int* picture;     // the strip's picture object
  int cells;              // cells of the strip
  bool drawsIdleSlots;    // every slot is drawn and animated, idle or live
  int startCells;         // the reset's start cell is rand() % this
  bool drawsFixedCell = false;  // always draws cell 0 and leaves the slot's cell alone
};

const AimedKind& Aimed(AimedKindId id);

// The shared operations behind every aimed kind's named ones.
void TickAimed(AimedKindId id);
void FireAimed(AimedKindId id, int slot, int first);  // one slot of the volley group at first
void FireAimedRing(AimedKindId id, int slot);         // one slot of a ring
void FireAimedString(AimedKindId id);                 // every idle slot at once
void MoveAimed(AimedKindId id);
void DrawAimed(AimedKindId id);
void ResetAimed(AimedKindId id);
bool AimedAtStart(AimedKindId id);

// Reset entries in the shape the game-state reset registers.
template <AimedKindId id>
void ResetAimedTable() {
  ResetAimed(id);
}
template <AimedKindId id>
bool AimedTableAtStart() {
  return AimedAtStart(id);
}
