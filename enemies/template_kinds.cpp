// The kinds Zak1 to Convoy90: one design row each over its own table, and
// their entry points.
#include "enemies/template_kinds.h"

#include "enemies/kind.h"
#include "game/assets.h"

ZakRecord gZak1[3], gZak2[3], gZak3[3], gZak1B[3], gZak2B[3], gZak3B[3], gZak8[3], gZak9[3],
    gStrafer3[3], gStrafer5[3];
ZakRecord gZak7A[5], gZak7B[5];
WaveZakRecord gConvoy90[5];
TargetMarker gZak2Markers[3], gZak3Markers[3];

namespace {

using namespace enemy;
using enum BlitKind;
using enum Field;

constexpr Bounds kLeftEdge(float minX) { return {minX, kNoBound, -kNoBound, kNoBound}; }
constexpr MarkerDesign kNoMarker{};

// Explosions of one strip copy at the slot's corner.
constexpr ExplosionCopy kOneAdd[] = {{kAdd, &gPicZbak2b, 80, 0, 0, 0, 0}};
constexpr ExplosionCopy kOnePlain[] = {{kPlain, &gPicZbak2b, 80, 0, 0, 0, 0}};

// Zak1: five copies of the large strip; mode 0 turns the mode-1 offsets' signs.
constexpr ExplosionCopy kZak1Mode1[] = {
    {kAdd, &gPicZbak3b, 80, 0, 0, 0, 0},    {kHalf, &gPicZbak3b, 80, 20, -6, 20, -6},
    {kAdd, &gPicZbak3b, 80, 20, 6, 20, 2},  {kPlain, &gPicZbak3b, 80, 20, -6, 20, 6},
    {kAdd, &gPicZbak3b, 80, 20, 1, 20, -6},
};
constexpr ExplosionCopy kZak1Mode0[] = {
    {kPlain, &gPicZbak3b, 80, 0, 0, 0, 0},     {kPlain, &gPicZbak3b, 80, 20, 6, 20, 6},
    {kPlain, &gPicZbak3b, 80, 20, -6, 20, -2}, {kPlain, &gPicZbak3b, 80, 20, 6, 20, -6},
    {kPlain, &gPicZbak3b, 80, 20, -1, 20, 6},
};

constexpr EntryValue kZak1Entry[] = {{kY, 410, 20}, {kX, 0, 640}, {kVX, 70, 90}};
constexpr KindDesign<ZakRecord> kZak1{
    .slots = gZak1,
    .body = {&gPicZak1, 60, 50, BodyDrawn::kAlways},
    .marker = kNoMarker,
    .explosion = {&ZakRecord::frame1, 10, 3, kZak1Mode1, kZak1Mode0, true, true, false},
    .motion = {-1, 0, 0},
    .bounds = kLeftEdge(-60),
    .entry = kZak1Entry,
};

constexpr EntryValue kZak2Entry[] = {
    {kX, 360, 100}, {kY, 0, 480}, {kVX, 0, 0}, {kVY, 100, 120, -1}};
constexpr KindDesign<ZakRecord> kZak2{
    .slots = gZak2,
    .body = {&gPicZak2, 80, 100, BodyDrawn::kIfAlive},
    .marker = {gZak2Markers, true, 10, 20, 70, 540, true, -70, 480},
    .explosion = {&ZakRecord::frame1, 8, 4, kOneAdd, kOnePlain, false, true, true},
    .motion = {-1, 1, 0},
    .bounds = {20, 540, -100, 480},
    .entry = kZak2Entry,
};

constexpr EntryValue kZak7AEntry[] = {{kX, 0, 640}, {kY, 0, 50}, {kVY, 20, -10}, {kVX, 200, 60}};
constexpr KindDesign<ZakRecord> kZak7A{
    .slots = gZak7A,
    .body = {&gPicZak7, 80, 60, BodyDrawn::kAlways},
    .marker = kNoMarker,
    .explosion = {&ZakRecord::frame1, 8, 5, kOneAdd, kOnePlain, true, true, false},
    .motion = {-1, 1, 0},
    .bounds = kLeftEdge(-80),
    .entry = kZak7AEntry,
};

constexpr EntryValue kZak8Entry[] = {{kY, 420, -100}, {kX, 0, 640}, {kVY, 10, 0}, {kVX, 60, 50}};
constexpr KindDesign<ZakRecord> kZak8{
    .slots = gZak8,
    .body = {&gPicZak8, 90, 60, BodyDrawn::kAlways},
    .marker = kNoMarker,
    .explosion = {&ZakRecord::frame1, 8, 4, kOneAdd, kOnePlain, true, true, false},
    .motion = {-1, 0, 0},
    .bounds = kLeftEdge(-90),
    .entry = kZak8Entry,
};

constexpr EntryValue kZak3Entry[] = {{kX, 340, 100}, {kY, 0, 480}, {kVX, 0, 0}, {kVY, 80, 120, -1}};
constexpr KindDesign<ZakRecord> kZak3{
    .slots = gZak3,
    .body = {&gPicZak3, 100, 120, BodyDrawn::kIfAlive},
    .marker = {gZak3Markers, true, 20, 30, 70, 540, true, -70, 480},
    .explosion = {&ZakRecord::frame1, 8, 4, kOneAdd, kOnePlain, false, true, true},
    .motion = {-1, 1, 0},
    .bounds = {0, 540, -120, 480},
    .entry = kZak3Entry,
};

constexpr EntryValue kZak7BEntry[] = {{kX, 0, 640}, {kY, 0, 370}, {kVY, 20, -10}, {kVX, 200, 60}};
constexpr KindDesign<ZakRecord> kZak7B{
    .slots = gZak7B,
    .body = {&gPicZak7, 80, 60, BodyDrawn::kAlways},
    .marker = kNoMarker,
    .explosion = {&ZakRecord::frame1, 8, 5, kOneAdd, kOnePlain, true, true, false},
    .motion = {-1, 1, 0},
    .bounds = kLeftEdge(-80),
    .entry = kZak7BEntry,
};

// Zak1B and Zak2B: the small strip's copies fly out of the large one.
constexpr ExplosionCopy kZak1BMode1[] = {
    {kAdd, &gPicZbak2b, 80, 0, 0, 0, 0},
    {kAdd, &gPicZbak6b, 40, 20, -5, 20, -5},
    {kAdd, &gPicZbak6b, 40, 20, 6, 20, 6},
    {kAdd, &gPicZbak6b, 40, 20, -6, 20, 4},
};
constexpr ExplosionCopy kZak1BMode0[] = {
    {kPlain, &gPicZbak2b, 80, 0, 0, 0, 0},
    {kPlain, &gPicZbak6b, 40, 20, 5, 20, 5},
    {kPlain, &gPicZbak6b, 40, 20, -6, 20, -6},
    {kPlain, &gPicZbak6b, 40, 20, 6, 20, -4},
};
constexpr EntryValue kZak1BEntry[] = {{kY, 410, 20}, {kX, 0, 640}, {kVY, 10, 0}, {kVX, 60, 180}};
constexpr KindDesign<ZakRecord> kZak1B{
    .slots = gZak1B,
    .body = {&gPicZak1, 60, 50, BodyDrawn::kAlways},
    .marker = kNoMarker,
    .explosion = {&ZakRecord::frame1, 8, 3, kZak1BMode1, kZak1BMode0, true, true, false},
    .motion = {-1, 1, 50},
    .bounds = kLeftEdge(-60),
    .entry = kZak1BEntry,
};

constexpr ExplosionCopy kZak2BMode1[] = {
    {kAdd, &gPicZbak2b, 80, 0, 0, 0, 0},    {kAdd, &gPicZbak6b, 40, 20, -4, 20, -6},
    {kAdd, &gPicZbak6b, 40, 20, 6, 20, 5},  {kAdd, &gPicZbak6b, 40, 20, -6, 20, 3},
    {kAdd, &gPicZbak6b, 40, 20, 6, 20, -6}, {kAdd, &gPicZbak6b, 40, 20, 5, 20, -5},
};
constexpr ExplosionCopy kZak2BMode0[] = {
    {kPlain, &gPicZbak2b, 80, 0, 0, 0, 0},     {kPlain, &gPicZbak6b, 40, 20, 4, 20, 6},
    {kPlain, &gPicZbak6b, 40, 20, -6, 20, -5}, {kPlain, &gPicZbak6b, 40, 20, 6, 20, -3},
    {kPlain, &gPicZbak6b, 40, 20, -6, 20, 6},  {kPlain, &gPicZbak6b, 40, 20, -5, 20, 5},
};
constexpr EntryValue kZak2BEntry[] = {{kY, 410, 20}, {kX, 0, 640}, {kVY, 10, 0}, {kVX, 80, 200}};
constexpr KindDesign<ZakRecord> kZak2B{
    .slots = gZak2B,
    .body = {&gPicZak2, 60, 50, BodyDrawn::kAlways},
    .marker = kNoMarker,
    .explosion = {&ZakRecord::frame1, 8, 3, kZak2BMode1, kZak2BMode0, true, true, false},
    .motion = {-1, 1, 55},
    .bounds = kLeftEdge(-60),
    .entry = kZak2BEntry,
};

// Zak3B keeps x 640 and only sinks at its spawn speed.
constexpr EntryValue kZak3BEntry[] = {{kY, 410, 20}, {kX, 0, 640}, {kVY, 10, 0}, {kVX, 80, 40}};
constexpr KindDesign<ZakRecord> kZak3B{
    .slots = gZak3B,
    .body = {&gPicZak3, 60, 50, BodyDrawn::kAlways},
    .marker = kNoMarker,
    .explosion = {&ZakRecord::frame1, 8, 4, kOneAdd, kOnePlain, true, true, false},
    .motion = {0, 1, 0},
    .bounds = {-kNoBound, kNoBound, -kNoBound, 480},
    .entry = kZak3BEntry,
};

// The kinds that sink from above the screen: freed below y 480 or left of x 20.
constexpr Bounds kSinking{20, kNoBound, -kNoBound, 480};

// Zak9: six copies, the same offsets in both modes.
constexpr ExplosionCopy kZak9Mode1[] = {
    {kPlain, &gPicZbak2b, 80, 20, 6, 20, -1}, {kHalf, &gPicZbak2b, 80, 20, 6, 20, 6},
    {kAdd, &gPicZbak2b, 80, 20, -6, 20, 4},   {kHalf, &gPicZbak2b, 80, 20, 2, 20, -6},
    {kAdd, &gPicZbak2b, 80, 0, 0, 0, 0},      {kAdd, &gPicZbak2b, 80, 20, -6, 20, -6},
};
constexpr ExplosionCopy kZak9Mode0[] = {
    {kPlain, &gPicZbak2b, 80, 20, 6, 20, -1}, {kPlain, &gPicZbak2b, 80, 20, 6, 20, 6},
    {kPlain, &gPicZbak2b, 80, 20, -6, 20, 4}, {kPlain, &gPicZbak2b, 80, 20, 2, 20, -6},
    {kPlain, &gPicZbak2b, 80, 0, 0, 0, 0},    {kPlain, &gPicZbak2b, 80, 20, -6, 20, -6},
};
constexpr EntryValue kZak9Entry[] = {{kX, 400, 80}, {kY, 0, -100}, {kVX, 50, 50}, {kVY, 68, 52}};
constexpr KindDesign<ZakRecord> kZak9{
    .slots = gZak9,
    .body = {&gPicZak9, 90, 60, BodyDrawn::kAlways},
    .marker = kNoMarker,
    .explosion = {&ZakRecord::frame2, 8, 3, kZak9Mode1, kZak9Mode0, true, true, false},
    .motion = {0, 1, 0},
    .bounds = kSinking,
    .entry = kZak9Entry,
};

constexpr EntryValue kStrafer3Entry[] = {
    {kX, 380, 100}, {kY, 0, -80}, {kVX, 50, 50}, {kVY, 70, 50}};
constexpr KindDesign<ZakRecord> kStrafer3{
    .slots = gStrafer3,
    .body = {&gPicStrafer3, 60, 80, BodyDrawn::kAlways},
    .marker = kNoMarker,
    .explosion = {&ZakRecord::frame2, 8, 4, kOneAdd, kOnePlain, true, true, false},
    .motion = {0, 1, 0},
    .bounds = kSinking,
    .entry = kStrafer3Entry,
};

// Strafer5: five copies of the large strip, the same offsets in both modes.
constexpr ExplosionCopy kStrafer5Mode1[] = {
    {kPlain, &gPicZbak3b, 80, 20, -6, 20, 4}, {kPlain, &gPicZbak3b, 80, 20, 9, 20, -2},
    {kAdd, &gPicZbak3b, 80, 0, 0, 0, 0},      {kAdd, &gPicZbak3b, 80, 20, -6, 20, -6},
    {kAdd, &gPicZbak3b, 80, 20, 6, 20, 8},
};
constexpr ExplosionCopy kStrafer5Mode0[] = {
    {kPlain, &gPicZbak3b, 80, 20, -6, 20, 4}, {kPlain, &gPicZbak3b, 80, 20, 9, 20, -2},
    {kPlain, &gPicZbak3b, 80, 0, 0, 0, 0},    {kPlain, &gPicZbak3b, 80, 20, -6, 20, -6},
    {kPlain, &gPicZbak3b, 80, 20, 6, 20, 8},
};
constexpr EntryValue kStrafer5Entry[] = {
    {kX, 340, 100}, {kY, 0, -60}, {kVX, 50, 50}, {kVY, 70, 52}};
constexpr KindDesign<ZakRecord> kStrafer5{
    .slots = gStrafer5,
    .body = {&gPicStrafer5, 100, 60, BodyDrawn::kAlways},
    .marker = kNoMarker,
    .explosion = {&ZakRecord::frame2, 8, 3, kStrafer5Mode1, kStrafer5Mode0, true, true, false},
    .motion = {0, 1, 0},
    .bounds = kSinking,
    .entry = kStrafer5Entry,
};

// Convoy90: a wave kind; its wreck flies on and the end of its explosion
// leaves hitSkip alone.
constexpr EntryValue kConvoy90Entry[] = {{kX, 0, 10}, {kY, 0, 20}, {kVX, 0, 200}, {kVY, 0, 200}};
constexpr KindDesign<WaveZakRecord> kConvoy90{
    .slots = gConvoy90,
    .body = {&gPicBig90, 90, 90, BodyDrawn::kIfAlive},
    .marker = kNoMarker,
    .explosion = {&WaveZakRecord::frame, 8, 4, kOneAdd, kOnePlain, false, false, false},
    .motion = {1, 1, 0},
    .bounds = {10, 540, -90, 480},
    .entry = kConvoy90Entry,
};
constexpr int kConvoy90StartAt[] = {30, 60, 90, 120, 150};
constexpr WaveSchedule kConvoy90Waves{150, kConvoy90StartAt};

}  // namespace

void SpawnZak1(int) { SpawnKind(kZak1); }
void DrawZak1(int) { DrawKind(kZak1); }
void MoveZak1(int) { MoveKind(kZak1); }
void HitZak1(int slot) { HitKind(kZak1, slot); }

void SpawnZak2(int) { SpawnKind(kZak2); }
void DrawZak2(int) { DrawKind(kZak2); }
void MoveZak2(int) { MoveKind(kZak2); }
void HitZak2(int slot) { HitKind(kZak2, slot); }

void SpawnZak3(int) { SpawnKind(kZak3); }
void DrawZak3(int) { DrawKind(kZak3); }
void MoveZak3(int) { MoveKind(kZak3); }
void HitZak3(int slot) { HitKind(kZak3, slot); }

void SpawnZak7A(int) { SpawnKind(kZak7A); }
void DrawZak7A(int) { DrawKind(kZak7A); }
void MoveZak7A(int) { MoveKind(kZak7A); }
void HitZak7A(int slot) { HitKind(kZak7A, slot); }

void SpawnZak7B(int) { SpawnKind(kZak7B); }
void DrawZak7B(int) { DrawKind(kZak7B); }
void MoveZak7B(int) { MoveKind(kZak7B); }
void HitZak7B(int slot) { HitKind(kZak7B, slot); }

void SpawnZak1B(int) { SpawnKind(kZak1B); }
void DrawZak1B(int) { DrawKind(kZak1B); }
void MoveZak1B(int) { MoveKind(kZak1B); }
void HitZak1B(int slot) { HitKind(kZak1B, slot); }

void SpawnZak2B(int) { SpawnKind(kZak2B); }
void DrawZak2B(int) { DrawKind(kZak2B); }
void MoveZak2B(int) { MoveKind(kZak2B); }
void HitZak2B(int slot) { HitKind(kZak2B, slot); }

void SpawnZak3B(int) { SpawnKind(kZak3B); }
void DrawZak3B(int) { DrawKind(kZak3B); }
void MoveZak3B(int) { MoveKind(kZak3B); }
void HitZak3B(int slot) { HitKind(kZak3B, slot); }

void SpawnZak8(int) { SpawnKind(kZak8); }
void DrawZak8(int) { DrawKind(kZak8); }
void MoveZak8(int) { MoveKind(kZak8); }
void HitZak8(int slot) { HitKind(kZak8, slot); }

void SpawnZak9(int) { SpawnKind(kZak9); }
void DrawZak9(int) { DrawKind(kZak9); }
void MoveZak9(int) { MoveKind(kZak9); }
void HitZak9(int slot) { HitKind(kZak9, slot); }

void SpawnStrafer3(int) { SpawnKind(kStrafer3); }
void DrawStrafer3(int) { DrawKind(kStrafer3); }
void MoveStrafer3(int) { MoveKind(kStrafer3); }
void HitStrafer3(int slot) { HitKind(kStrafer3, slot); }

void SpawnStrafer5(int) { SpawnKind(kStrafer5); }
void DrawStrafer5(int) { DrawKind(kStrafer5); }
void MoveStrafer5(int) { MoveKind(kStrafer5); }
void HitStrafer5(int slot) { HitKind(kStrafer5, slot); }

void TickWaveConvoy90(int) { TickWave(kConvoy90Waves, kConvoy90.slots, SpawnSlotConvoy90); }
void SpawnSlotConvoy90(int slot) { SpawnSlot(kConvoy90, slot); }
void DrawConvoy90(int) { DrawKind(kConvoy90); }
void MoveConvoy90(int) { MoveKind(kConvoy90); }
void HitConvoy90(int slot) { HitKind(kConvoy90, slot); }
