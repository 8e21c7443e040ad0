// VolleyZakA, VolleyZakB and the wave kind VolleyZakC: one kind row each,
// and their entry points.
#include "enemies/volley_zak.h"

#include "enemies/craft90.h"

ZakRecord gVolleyZakA[3], gVolleyZakB[2];
WaveZakRecord gVolleyZakC[5];
TargetMarker gVolleyZakAMarkers[3];
int gPicVolleyZak = kNoPicture;

namespace {

using namespace enemy;
using enum Field;

constexpr Motion kDownLeft{-1, 1, 0};

constexpr EntryValue kVolleyZakAEntry[] = {
    {kX, 0, 540}, {kY, 0, -90}, {kVX, 70, 60}, {kVY, 70, 70}};
constexpr KindDesign<ZakRecord> kVolleyZakA{
    .slots = gVolleyZakA,
    .body = {&gPicVolleyZak, 90, 90, BodyDrawn::kIfAlive},
    .marker = CraftMarker(gVolleyZakAMarkers),
    .explosion = kCraftExplosionDrifts,
    .motion = kDownLeft,
    .bounds = kCraftBounds,
    .entry = kVolleyZakAEntry,
};

// Unlike VolleyZakA, its wreck stops dead.
constexpr EntryValue kVolleyZakBEntry[] = {{kX, 0, 540}, {kY, 0, 60}, {kVX, 80, 70}, {kVY, 80, 80}};
constexpr KindDesign<ZakRecord> kVolleyZakB{
    .slots = gVolleyZakB,
    .body = {&gPicVolleyZak, 90, 90, BodyDrawn::kIfAlive},
    .marker = CraftMarker(gVolleyZakAMarkers),
    .explosion = CraftExplosion(&ZakRecord::frame2, true, true),
    .motion = kDownLeft,
    .bounds = kCraftBounds,
    .entry = kVolleyZakBEntry,
};

// No markers and no random draws; vx is negative, so x += vx flies left.
constexpr EntryValue kVolleyZakCEntry[] = {
    {kX, 0, 540}, {kY, 0, 20}, {kVX, 0, -200}, {kVY, 0, 200}};
constexpr KindDesign<WaveZakRecord> kVolleyZakC{
    .slots = gVolleyZakC,
    .body = {&gPicVolleyZak, 90, 90, BodyDrawn::kIfAlive},
    .marker = {},
    .explosion = CraftExplosion(&WaveZakRecord::frame, true, false),
    .motion = {1, 1, 0},
    .bounds = kCraftBounds,
    .entry = kVolleyZakCEntry,
};

// Counters wrap above 150; slot i starts at 30 (i + 1).
constexpr int kVolleyZakCStarts[] = {30, 60, 90, 120, 150};
constexpr WaveSchedule kVolleyZakCWave{150, kVolleyZakCStarts};

}  // namespace

void SpawnVolleyZakA(int) { SpawnKind(kVolleyZakA); }
void DrawVolleyZakA(int) { DrawKind(kVolleyZakA); }
void MoveVolleyZakA(int) { MoveKind(kVolleyZakA); }
void HitVolleyZakA(int slot) { HitKind(kVolleyZakA, slot); }

void SpawnVolleyZakB(int) { SpawnKind(kVolleyZakB); }
void DrawVolleyZakB(int) { DrawKind(kVolleyZakB); }
void MoveVolleyZakB(int) { MoveKind(kVolleyZakB); }
void HitVolleyZakB(int slot) { HitKind(kVolleyZakB, slot); }

void TickWaveVolleyZakC(int) {
  TickWave<WaveZakRecord>(kVolleyZakCWave, gVolleyZakC, SpawnSlotVolleyZakC);
}
void SpawnSlotVolleyZakC(int slot) { SpawnSlot(kVolleyZakC, slot); }
void DrawVolleyZakC(int) { DrawKind(kVolleyZakC); }
void MoveVolleyZakC(int) { MoveKind(kVolleyZakC); }
void HitVolleyZakC(int slot) { HitKind(kVolleyZakC, slot); }

void ResetVolleyZakAMarkers() { ResetMarkers(gVolleyZakAMarkers); }

void ResetVolleyZakC() {
  for (WaveZakRecord& r : gVolleyZakC) {
    const int32_t counter = r.waveCounter;
    ResetRecord(r);
    r.waveCounter = counter;
  }
}
bool VolleyZakCAtStart() {
  for (WaveZakRecord r : gVolleyZakC) {
    r.waveCounter = 0;  // any count is a start value
    if (!RecordAtStart(r)) return false;
  }
  return true;
}
