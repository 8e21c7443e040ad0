// The design every enemy kind repeats on its own table: spawn, draw with the
// explosion, move with its bounds, hit, the lock-on marker and the reset.
//
// A kind is one constexpr KindDesign row over its own slot table; its entry
// points (SpawnZak1, DrawZak1, MoveZak1, HitZak1, ...) are one-line calls of
// the routines below with that row. Every difference between kinds is a
// column of the row, never a branch on the kind.
//
// Adding a kind: define its table, write its row (enemies/template_kinds.cpp
// has thirteen to copy from), give it its entry points, and register the table
// in game/reset.cpp with EnemyTable<gKind> (MarkedEnemyTable<gKind, gKindMarkers>
// when it carries markers). A record type other than ZakRecord and
// WaveZakRecord adds its overloads of ClearCounters, ResetRecord and
// RecordAtStart in enemies/kind.cpp. Bullets: enemies/aimed_shots.h and
// enemies/streams.h.
#pragma once
#include <cstdint>
#include <limits>
#include <span>

#include "enemies/records.h"
#include "player/parking.h"

// Picture globals that no asset is loaded into: they hold kNoPicture, so
// their blits draw the engine's scratch object.
extern int gPicStrafer3, gPicStrafer5, gPicBig90, gPicTargetMarker, gPicBullet20;

namespace enemy {

constexpr float kNoBound = std::numeric_limits<float>::infinity();

// ---------------------------------------------------------------- explosion

enum class BlitKind : uint8_t { kPlain, kAdd, kHalf };  // koDraw::Blit, BlitAdd, BlitHalf

// One copy of an explosion strip, drawn at (X + ax + bx * f, Y + ay + by * f)
// with X, Y the truncated slot position and f the explosion frame.
struct ExplosionCopy {
  BlitKind blit;       // which blit draws the copy
  const int* picture;  // the strip's picture global (&gPicZbak2b ...)
  int size;    // width = height of one strip frame: source (size f, 0)-(size f + size, size)
  int ax, bx;  // x offset: ax + bx * f
  int ay, by;  // y offset: ay + by * f
};

// A kind's explosion: the copies per blit mode and how the counters step.
template <typename Record>
struct Explosion {
  int32_t Record::*frame;                // the frame counter the kind steps (frame1, frame2, frame)
  int frames;                            // frames of one row: f runs 0 .. frames - 1
  int rows;                              // the explosion ends when row exceeds rows - 1
  std::span<const ExplosionCopy> mode1;  // copies while gExplosionBlitMode is 1
  std::span<const ExplosionCopy> mode0;  // copies while it is 0 (any other mode draws none)
  bool wreckStops;                       // vx = vy = 0 on every explosion frame
  bool endClearsHitSkip;                 // the end of the explosion also sets hitSkip to 0
  bool endParksMarker;                   // the end also unlocks and parks the slot's marker
  bool ignoresBlitMode = false;          // the mode-0 copies are drawn whatever the mode
};

// Draws the copies of `mode` for frame f at the truncated position (x, y).
void DrawExplosionCopies(std::span<const ExplosionCopy> copies, int x, int y, int f);

// ------------------------------------------------------------------- body

enum class BodyDrawn : uint8_t {
  kAlways,   // whenever not exploding, even parked while free
  kIfAlive,  // body branch when not exploding or free; the body only while alive
};

// A cell of a body strip, drawn while the slot's phase clock lies in [from, to].
struct BodyCell {
  float from, to;
  int left;  // source (left, 0)-(left + width, height)
};

struct Body {
  const int* picture;  // body picture global; source (0, 0)-(width, height)
  int width, height;
  BodyDrawn drawn;
  // Non-empty: every cell whose band holds the phase clock is drawn, in order,
  // instead of the one picture (adjacent bands may share a bound and both draw).
  std::span<const BodyCell> cells = {};
};

// ----------------------------------------------------------------- markers

// Marker i of the table belongs to slot i.
struct MarkerDesign {
  TargetMarker* table;  // nullptr: the kind has no marker
  bool spawnResets;     // a spawn unlocks and parks the started slot's marker
  int drawX, drawY;     // a locked marker of a live slot sits at (X + drawX, Y + drawY)
  // When the move frees the slot, the marker keeps its lock and place while
  // keepMinX <= x <= keepMaxX and (unless !keepTestsY) keepMinY <= y <= keepMaxY.
  int keepMinX, keepMaxX;
  bool keepTestsY;
  int keepMinY, keepMaxY;
};

void ParkMarker(TargetMarker& m);
// The move's keep test of a freed slot's marker; parks it when it fails.
void KeepOrParkMarker(const MarkerDesign& d, TargetMarker& m);
// A locked marker of a live slot follows the body and is drawn after it.
void DrawMarker(const MarkerDesign& d, TargetMarker& m, int x, int y);

// -------------------------------------------------------------------- move

// Applied to live slots, y first: y += ySign * vy, then x += xSign * vx, all
// times gFrameScale. A steering kind then turns vy towards the ship's row.
struct Motion {
  float xSign;        // -1: x -= vx (most kinds), +1: x += vx, 0: no x term
  float ySign;        // +1: y += vy, 0: no y term
  float steerToShip;  // 0: none; else after the move vy = -steer below the ship's row, +steer above
  bool xMovesByVy = false;  // the x term uses vy in place of vx (a diagonal at 45 degrees)
};

// After moving, every slot (alive or not) outside the box is freed and parked;
// all four bounds inclusive, kNoBound for a side that is not tested.
struct Bounds {
  float minX, maxX, minY, maxY;
};

// ------------------------------------------------------------------- spawn

enum class Field : uint8_t { kX, kY, kVX, kVY };

// One entry value: sign * (Rand() % mod + add), or add alone when mod is 0.
struct EntryValue {
  Field field;
  int mod;
  int add;
  int sign = 1;
  bool addsTo = false;  // added to the field's value instead of replacing it
};

// ------------------------------------------------------------------- kind

template <typename Record>
struct KindDesign {
  std::span<Record> slots;  // the kind's own table
  Body body;
  MarkerDesign marker;
  Explosion<Record> explosion;
  Motion motion;
  Bounds bounds;
  std::span<const EntryValue> entry;  // set in this order, also the order of the random draws
};

// What depends on the record type: the counter words a spawn clears besides
// alive and dying, and the reset below. A new record type adds its overloads.
void ClearCounters(ZakRecord& r);
void ClearCounters(WaveZakRecord& r);
void ClearCounters(Diver80LRecord& r);
void ClearCounters(Diver80RRecord& r);
void ClearCounters(LargeZakState& r);

int Truncate(float v);  // a float position as the integer the blits and boxes use
float NextEntryValue(const EntryValue& e);
void PlayHitSound();  // "BOM.WAV" on its next voice
void DrawBody(const Body& b, int x, int y, float phase = 0.0f);
// The phase clock of a record that has one, else 0.
template <typename Record>
float PhaseOf(const Record& r) {
  if constexpr (requires { r.phaseTimer; })
    return r.phaseTimer;
  else
    return 0.0f;
}
int ExplosionMode();  // gExplosionBlitMode
float FrameScale();
float ShipX();
float ShipY();

void Park(auto& r) {
  r.x = static_cast<float>(kParkX);
  r.y = static_cast<float>(kParkY);
}

// Starts one slot if it is free: entry values, alive 1, dying 0, counters 0.
template <typename Record>
void SpawnSlot(const KindDesign<Record>& k, int slot) {
  Record& r = k.slots[slot];
  if (r.alive != 0) return;
  for (const EntryValue& e : k.entry) {
    const float v = NextEntryValue(e);
    float& field = e.field == Field::kX    ? r.x
                   : e.field == Field::kY  ? r.y
                   : e.field == Field::kVX ? r.vx
                                           : r.vy;
    field = e.addsTo ? field + v : v;
  }
  r.alive = 1;
  r.dying = 0;
  ClearCounters(r);
  if (k.marker.table && k.marker.spawnResets) ParkMarker(k.marker.table[slot]);
}

// Starts every free slot.
template <typename Record>
void SpawnKind(const KindDesign<Record>& k) {
  for (size_t i = 0; i < k.slots.size(); ++i) SpawnSlot(k, static_cast<int>(i));
}

// Starts the slot's explosion; the caller adds the score.
template <typename Record>
void HitKind(const KindDesign<Record>& k, int slot) {
  k.slots[slot].dying = 1;
  PlayHitSound();
}

// Draws one exploding slot's copies and steps its counters; the last step
// ends the explosion: the slot is freed and parked, and so is its marker.
template <typename Record>
void StepExplosion(const KindDesign<Record>& k, int slot, int x, int y) {
  const Explosion<Record>& e = k.explosion;
  Record& r = k.slots[slot];
  int32_t& frame = r.*e.frame;
  const int mode = ExplosionMode();
  if (e.ignoresBlitMode) {
    DrawExplosionCopies(e.mode0, x, y, frame);
  } else {
    if (mode == 1) DrawExplosionCopies(e.mode1, x, y, frame);
    if (mode == 0) DrawExplosionCopies(e.mode0, x, y, frame);
  }
  if (e.wreckStops) r.vx = r.vy = 0.0f;
  if (++frame > e.frames - 1) {
    frame = 0;
    ++r.row;
  }
  if (r.row > e.rows - 1) {
    r.alive = r.dying = 0;
    if (e.endClearsHitSkip) r.hitSkip = 0;
    frame = 0;
    r.row = 0;
    Park(r);
    if (e.endParksMarker) ParkMarker(k.marker.table[slot]);
  }
}

// Every slot: the body (and marker) unless exploding, else the next explosion frame.
template <typename Record>
void DrawKind(const KindDesign<Record>& k) {
  for (size_t i = 0; i < k.slots.size(); ++i) {
    Record& r = k.slots[i];
    const int x = Truncate(r.x), y = Truncate(r.y);
    const bool bodyBranch = r.dying < 1 || (k.body.drawn == BodyDrawn::kIfAlive && r.alive == 0);
    if (!bodyBranch) {
      StepExplosion(k, static_cast<int>(i), x, y);
      continue;
    }
    if (k.body.drawn == BodyDrawn::kAlways || r.alive != 0) {
      DrawBody(k.body, x, y, PhaseOf(r));
    }
    if (k.marker.table && r.alive != 0) DrawMarker(k.marker, k.marker.table[i], x, y);
  }
}

// Moves the live slots, then frees every slot outside the bounds.
template <typename Record>
void MoveKind(const KindDesign<Record>& k) {
  const Motion& m = k.motion;
  const Bounds& b = k.bounds;
  for (size_t i = 0; i < k.slots.size(); ++i) {
    Record& r = k.slots[i];
    if (r.alive != 0) {
      const float scale = FrameScale();
      if (m.ySign != 0.0f) r.y += m.ySign * r.vy * scale;
      if (m.xSign != 0.0f) r.x += m.xSign * (m.xMovesByVy ? r.vy : r.vx) * scale;
      if (m.steerToShip != 0.0f) {
        if (r.y > ShipY()) r.vy = -m.steerToShip;
        if (r.y < ShipY()) r.vy = m.steerToShip;
      }
    }
    if (r.x >= b.minX && r.x <= b.maxX && r.y >= b.minY && r.y <= b.maxY) continue;
    r.alive = 0;
    Park(r);
    if (k.marker.table) KeepOrParkMarker(k.marker, k.marker.table[i]);
  }
}

// ------------------------------------------------------------------ waves

// A wave kind's ticker: every counter steps by 1 and becomes 0 above wrapAbove;
// then, in slot order, slot i is started when its counter equals startAt[i].
struct WaveSchedule {
  int wrapAbove;
  std::span<const int> startAt;
};

template <typename Record>
void TickWave(const WaveSchedule& w, std::span<Record> slots, void (*spawnSlot)(int)) {
  for (Record& r : slots)
    if (++r.waveCounter > w.wrapAbove) r.waveCounter = 0;
  for (size_t i = 0; i < slots.size(); ++i)
    if (slots[i].waveCounter == w.startAt[i]) spawnSlot(static_cast<int>(i));
}

// ------------------------------------------------------------------ reset

// Every field 0 except the parked position; a wave record keeps its phaseTimer.
void ResetRecord(ZakRecord& r);
void ResetRecord(WaveZakRecord& r);
bool RecordAtStart(const ZakRecord& r);
bool RecordAtStart(const WaveZakRecord& r);
// A Diver record keeps its two spare words.
void ResetRecord(Diver80LRecord& r);
void ResetRecord(Diver80RRecord& r);
bool RecordAtStart(const Diver80LRecord& r);
bool RecordAtStart(const Diver80RRecord& r);
void ResetMarkers(std::span<TargetMarker> markers);
bool MarkersAtStart(std::span<const TargetMarker> markers);

}  // namespace enemy

// Reset-table entries: a kind's slots, and a marked kind's slots with their markers.
template <auto& table>
void ResetEnemySlots() {
  for (auto& r : table) enemy::ResetRecord(r);
}
template <auto& table>
bool EnemySlotsAtStart() {
  for (const auto& r : table)
    if (!enemy::RecordAtStart(r)) return false;
  return true;
}
template <auto& table, auto& markers>
void ResetMarkedEnemySlots() {
  ResetEnemySlots<table>();
  enemy::ResetMarkers(markers);
}
template <auto& table, auto& markers>
bool MarkedEnemySlotsAtStart() {
  return EnemySlotsAtStart<table>() && enemy::MarkersAtStart(markers);
}
