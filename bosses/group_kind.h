// The grouped boss bullets as one design: a kind fires consecutive slots
// together as a group laid out around the boss, the members drift apart along
// one axis while the group flies, and a row of constants per kind says how.
// Fan volleys, pair shots, fall shots, chains and drops are all such rows.
#pragma once
#include <array>
#include <limits>

#include "bosses/attack_kind.h"
#include "bosses/boss_state.h"
#include "bosses/group_slot.h"

enum class Axis { X, Y };

constexpr int kMaxGroupMembers = 7;
constexpr int kMaxGroups = 10;
using MemberValues = std::array<float, kMaxGroupMembers>;

// A bound that a kind does not test.
constexpr float kNoEdge = std::numeric_limits<float>::infinity();

// Where Fire places a group: the fired slot gets boss.ownFrom + ownOffset on
// the axis `own`; every member of its group, live or idle, gets
// boss.shapeFrom + shape[member] on the other axis. A kind that reads the
// boss crosswise (x from the boss's y) says so in ownFrom and shapeFrom.
struct GroupLayout {
  Axis own;
  Axis ownFrom;
  float ownOffset;
  Axis shapeFrom;
  MemberValues shape;
};

// How the members separate: drift[member] pixels per second along `axis`,
// applied to every slot, idle or live.
enum class DriftTiming {
  BeforeFlight,  // the whole frame's drift before any slot flies
  StepPerSlot,   // 1 / count of it before each slot flies, so slot k has k + 1 steps
};
struct GroupDrift {
  Axis axis;
  MemberValues rate;
  int repeats;  // times the drift is added over in one Move
  DriftTiming timing;
};
constexpr GroupDrift kNoDrift{Axis::X, {}, 0, DriftTiming::BeforeFlight};

enum class GroupDraw {
  LiveStripCells,  // live slots only, animated 20 x 20 cells of a strip
  EverySlot,       // every slot, idle or live, its member's fixed cell
};
struct SourceCell {
  int left, top;
};

struct GroupKind {
  FanVolleySlot* slots;  // the kind's global table
  int count;             // slots in the table
  const BossState* boss;
  int group;  // slots fired together (the whole table for a drop)
  // Tick: timers count 0 .. cycle - 1; group g fires when they equal fireCounts[g].
  int cycle;
  std::array<int, kMaxGroups> fireCounts;
  GroupLayout layout;
  bool needsLaserUnanchored;  // fires only while the stage-1 laser is not anchored
  GroupDrift drift;
  // Move rewrites a speed the kind has (pixels per second) and applies it, y first.
  bool fliesX;
  float vx;
  bool fliesY;
  float vy;
  float leaveLeft, leaveBottom;  // freed once x < leaveLeft or y > leaveBottom
  bool bombClears;               // a running bomb frees every live bullet
  ShipBox box;
  GroupDraw draw;
  const int* picture;
  int cellWidth, cellHeight;
  std::array<SourceCell, kMaxGroupMembers> cells;  // EverySlot: the cell of each member
  int animationCells;                              // LiveStripCells: cells of the strip
  bool randomStartCell;                            // the reset draws rand() % 10 for the cell
};

// Tick: one step of the firing timers, then every group whose count came.
void TickGroup(const GroupKind& k);
// Starts an idle slot of the group that begins at `first` and lays out the group.
void FireGroupMember(const GroupKind& k, int slot, int first);
// Starts every idle slot at its member's point; flying slots keep their place.
void FireEveryIdle(const GroupKind& k);
// Drift, flight, leave and bomb test, ship test.
void MoveGroup(const GroupKind& k);
void DrawGroup(const GroupKind& k);
// Every slot idle at (-500, 500), timer and speeds 0, a start cell.
void ResetGroup(const GroupKind& k);
bool GroupAtStart(const GroupKind& k);
