// The constants of every fan-volley kind of bosses 1 to 3.
#include "bosses/fan_kinds.h"

#include <cstddef>
#include <iterator>

#include "bosses/fan_volleys.h"
#include "enemies/kind.h"
#include "game/assets.h"

namespace {

using Counts = std::array<int, kMaxGroups>;

// The fan's spread is added five times over in every Move, so the members
// drift at five times these rates.
constexpr int kFanSpreadRepeats = 5;
constexpr MemberValues kSpread20{-20, -10, 0, 10, 20};
constexpr MemberValues kSpread16{-16, -8, 0, 8, 16};

constexpr MemberValues kArrowDown{90, 113, 120, 113, 90};  // middle 7 below the inner pair
constexpr Counts kEvery30{30, 60, 90, 120, 150, 180, 210, 240, 270, 300};
constexpr Counts kEvery80{80, 160, 240, 320, 400, 480, 560, 640, 720, 800};
constexpr Counts kTriplets{10, 20, 30, 60, 70, 80, 110, 120, 130, 140};

constexpr float kLeftEdge = -20.0f;
constexpr float kBottomEdge = 480.0f;

// What differs from fan to fan.
struct FanRow {
  FanVolleySlot* slots;
  const BossState* boss;
  Axis startAxis;  // the fired slot's own coordinate; the wave's shape lies on the other axis
  float start;
  MemberValues shape;
  Axis spreadAxis;
  MemberValues spread;
  bool fliesX;
  float vx;
  bool fliesY;
  float vy;
  float leaveLeft, leaveBottom;
  int cycle;
  Counts counts;
  bool animated;  // animated cells of the 24-cell strip, or the plain bullet on every slot
};

constexpr GroupKind Make(const FanRow& r) {
  return {.slots = r.slots,
          .count = kFanVolleySlots,
          .boss = r.boss,
          .group = kFanWave,
          .cycle = r.cycle,
          .fireCounts = r.counts,
          .layout = {r.startAxis, r.startAxis, r.start, r.startAxis == Axis::X ? Axis::Y : Axis::X,
                     r.shape},
          .needsLaserUnanchored = false,
          .drift = {r.spreadAxis, r.spread, kFanSpreadRepeats, DriftTiming::BeforeFlight},
          .fliesX = r.fliesX,
          .vx = r.vx,
          .fliesY = r.fliesY,
          .vy = r.vy,
          .leaveLeft = r.leaveLeft,
          .leaveBottom = r.leaveBottom,
          .bombClears = true,
          .box = kAimedShipBox,
          .draw = r.animated ? GroupDraw::LiveStripCells : GroupDraw::EverySlot,
          .picture = r.animated ? &gPicVal2024 : &gPicBullet20,
          .cellWidth = 20,
          .cellHeight = 20,
          .cells = {},
          .animationCells = 24,
          .randomStartCell = true};
}

// Stage 1: arrows falling from two points of the boss, spreading across.
constexpr GroupKind Boss1Fan(FanVolleySlot* slots, float start) {
  return Make({slots, &gBoss1, Axis::X, start, kArrowDown, Axis::X, kSpread20, false, 0.0f, true,
               130.0f, -kNoEdge, kBottomEdge, 340, kEvery30, false});
}

// Stage 2: columns flying left, the middle member above the pairs.
constexpr GroupKind Boss2Column(FanVolleySlot* slots, float start, MemberValues shape,
                                Axis spreadAxis, float vx, float vy, int cycle, Counts counts) {
  return Make({slots, &gBoss2, Axis::X, start, shape, spreadAxis, kSpread20, true, vx, true, vy,
               kLeftEdge, kNoEdge, cycle, counts, true});
}

// Stage 3: the stage-1 arrow and spread, flying left. Only the left edge
// ends them; bottom is still tested, but a bullet flying level never crosses it.
constexpr GroupKind Boss3Fan(FanVolleySlot* slots, float start, MemberValues shape, float vx,
                             int cycle, Counts counts) {
  return Make({slots, &gBoss3, Axis::X, start, shape, Axis::X, kSpread20, true, vx, false, 0.0f,
               kLeftEdge, kBottomEdge, cycle, counts, false});
}

constexpr MemberValues kColumnUp{120, 113, 90, 113, 120};
constexpr MemberValues kBoss3Low{170, 193, 200, 193, 170};

const GroupKind kFanKinds[] = {
    Boss1Fan(gBoss1FanVolley1, 150),
    Boss1Fan(gBoss1FanVolley2, 270),
    // A chevron on one row flying level, leading with its middle, opening up and down.
    Make({gBoss2FanVolley1,
          &gBoss2,
          Axis::Y,
          140,
          {154, 144, 140, 144, 154},
          Axis::Y,
          kSpread16,
          true,
          -176.0f,
          false,
          0.0f,
          kLeftEdge,
          kNoEdge,
          340,
          kEvery30,
          true}),
    Boss2Column(gBoss2FanVolley2, 120, kColumnUp, Axis::Y, -100.0f, 30.0f, 170, kTriplets),
    Boss2Column(gBoss2FanVolley3, 160, kColumnUp, Axis::Y, -100.0f, 10.0f, 170, kTriplets),
    Boss2Column(gBoss2FanVolley4, 140, {100, 93, 70, 93, 100}, Axis::X, -180.0f, 40.0f, 370,
                kEvery30),
    Boss2Column(gBoss2FanVolley5, 140, {260, 253, 230, 253, 260}, Axis::X, -180.0f, 40.0f, 370,
                kEvery30),
    Boss3Fan(gBoss3FanVolley1, 220, {110, 133, 140, 133, 110}, -230.0f, 360, kEvery30),
    Boss3Fan(gBoss3FanVolley2, 170, kArrowDown, -90.0f, 350, kEvery30),
    Boss3Fan(gBoss3FanVolley3, 270, kArrowDown, -90.0f, 350, kEvery30),
    Boss3Fan(gBoss3FanVolley4, 140, kBoss3Low, -120.0f, 900, kEvery80),
    Boss3Fan(gBoss3FanVolley5, 300, kBoss3Low, -120.0f, 900, kEvery80),
};
static_assert(std::size(kFanKinds) == static_cast<size_t>(FanKindId::Count));

}  // namespace

const GroupKind& Fan(FanKindId id) { return kFanKinds[static_cast<int>(id)]; }
