// The Diver kinds: one design row each over its own table, and their entry points.
#include "enemies/divers.h"

#include "enemies/crossers.h"

int gPicDiver80 = kNoPicture;

Diver80LRecord gDiver80L[kDiverSlots];
Diver80RRecord gDiver80R[kDiverSlots];
TargetMarker gDiver80LMarkers[kDiverSlots], gDiver80RMarkers[kDiverSlots];

namespace {

using namespace enemy;
using enum Field;

// Entry at the kind's edge, in the top 100 pixels, diving at 30 to 129
// pixels per second across and down.
constexpr EntryValue kDiver80LEntry[] = {{kX, 0, 10}, {kY, 100, 0}, {kVX, 100, 30}, {kVY, 100, 30}};
constexpr EntryValue kDiver80REntry[] = {
    {kX, 0, 540}, {kY, 100, 0}, {kVX, 100, 30}, {kVY, 100, 30}};

constexpr KindDesign<Diver80LRecord> kDiver80L{
    .slots = gDiver80L,
    .body = {&gPicDiver80, 80, 80, BodyDrawn::kIfAlive},
    .marker = CrosserMarker(gDiver80LMarkers),
    .explosion = CrosserExplosion(&Diver80LRecord::frame),
    .motion = {1, 1, 0},
    .bounds = kCrosserBounds,
    .entry = kDiver80LEntry,
};
constexpr KindDesign<Diver80RRecord> kDiver80R{
    .slots = gDiver80R,
    .body = {&gPicDiver80, 80, 80, BodyDrawn::kIfAlive},
    .marker = CrosserMarker(gDiver80RMarkers),
    .explosion = CrosserExplosion(&Diver80RRecord::frame),
    .motion = {-1, 1, 0},
    .bounds = kCrosserBounds,
    .entry = kDiver80REntry,
};

}  // namespace

// A spawn clears the explosion frame and one spare word, each kind its own.
void enemy::ClearCounters(Diver80LRecord& r) { r.frame = r.spare2 = 0; }
void enemy::ClearCounters(Diver80RRecord& r) { r.frame = r.spare1 = 0; }

namespace {
template <typename Record>
void ResetDiverRecord(Record& r) {
  r.row = r.frame = r.hitSkip = r.alive = r.dying = 0;
  r.vx = r.vy = 0.0f;
  enemy::Park(r);
}
template <typename Record>
bool DiverRecordAtStart(const Record& r) {
  return r.row == 0 && r.frame == 0 && r.hitSkip == 0 && r.alive == 0 && r.dying == 0 &&
         r.vx == 0.0f && r.vy == 0.0f && r.x == kParkX && r.y == kParkY;
}
}  // namespace

void enemy::ResetRecord(Diver80LRecord& r) { ResetDiverRecord(r); }
void enemy::ResetRecord(Diver80RRecord& r) { ResetDiverRecord(r); }
bool enemy::RecordAtStart(const Diver80LRecord& r) { return DiverRecordAtStart(r); }
bool enemy::RecordAtStart(const Diver80RRecord& r) { return DiverRecordAtStart(r); }

void SpawnDiver80L(int) { SpawnKind(kDiver80L); }
void DrawDiver80L(int) { DrawKind(kDiver80L); }
void MoveDiver80L(int) { MoveKind(kDiver80L); }
void HitDiver80L(int slot) { HitKind(kDiver80L, slot); }

void SpawnDiver80R(int) { SpawnKind(kDiver80R); }
void DrawDiver80R(int) { DrawKind(kDiver80R); }
void MoveDiver80R(int) { MoveKind(kDiver80R); }
void HitDiver80R(int slot) { HitKind(kDiver80R, slot); }
