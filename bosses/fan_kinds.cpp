// The constants of every fan-volley and five-way kind of the stage bosses.
#include "bosses/fan_kinds.h"

#include <cstddef>
#include <iterator>

#include "bosses/fan_volleys.h"
#include "bosses/late_fans.h"
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

// Bosses 4 to 8: waves that fall while members 0, 1, 3 and 4 move apart at
// -100, -50, +50 and +100 px/s; only the bottom edge or a bomb ends them.
constexpr MemberValues kFallingSpread{-100, -50, 0, 50, 100};
constexpr ShipBox kSmallBox{0, 20, 0, 20};
constexpr Counts kEvery10{10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
constexpr Counts kEvery20{20, 40, 60, 80, 100, 120, 140, 160, 180, 200};
constexpr Counts kEvery60{60, 120, 180, 240, 300, 360, 420, 480, 540, 600};
constexpr Counts kFirstFive{10, 20, 30, 40, 50, 80, 90, 100, 110, 120};

// How a falling wave is drawn: every slot, idle or live.
struct FallingLook {
  GroupDraw draw;
  const int* picture;
  int size;            // square cells of this many pixels
  int cells;           // strip cells an animated look cycles through
  bool cellPerMember;  // member m shows cell m of its strip
};
constexpr FallingLook kPlain{GroupDraw::EverySlot, &gPicBullet20, 20, 0, false};
constexpr FallingLook kAnimated{GroupDraw::EverySlotStripCells, &gPicVal201, 20, 7, false};
constexpr FallingLook MemberStrip(const int& picture) {
  return {GroupDraw::EverySlot, &picture, 40, 0, true};
}

// Fire puts the fired slot at boss x + dx and its wave on the rows a, a + 23,
// a + 30, a + 23, a below the boss; the wave falls at vy and, when vx is not
// 0, slides sideways at vx.
constexpr GroupKind FallingFan(FanVolleySlot* slots, const BossState& boss, FallingLook look,
                               float dx, float a, int cycle, Counts counts, float vy, float vx,
                               ShipBox box) {
  GroupKind k = Make({slots,
                      &boss,
                      Axis::X,
                      dx,
                      {a, a + 23, a + 30, a + 23, a},
                      Axis::X,
                      kFallingSpread,
                      vx != 0.0f,
                      vx,
                      true,
                      vy,
                      -kNoEdge,
                      kBottomEdge,
                      cycle,
                      counts,
                      false});
  k.drift.repeats = 1;
  k.box = box;
  k.draw = look.draw;
  k.picture = look.picture;
  k.cellWidth = k.cellHeight = look.size;
  k.animationCells = look.cells;
  if (look.cellPerMember)
    for (int m = 0; m < kFanWave; ++m) k.cells[m] = {look.size * m, 0};
  return k;
}

// A row of five bullets 22 pixels apart from boss x + o on the arrow's rows
// 50 to 80; a refiring puts the live members back on their launch points.
// Only the outer pair moves apart, at `spread` px/s each way.
constexpr GroupKind FiveWay(FanVolleySlot* slots, const BossState& boss, float o, float spread) {
  GroupKind k = FallingFan(slots, boss, kPlain, o, 50, 150, kEvery10, 180.0f, 0.0f, kAimedShipBox);
  k.drift.rate = {-spread, 0, 0, 0, spread};
  k.placesWholeGroup = true;
  k.ownStep = 22.0f;
  return k;
}

constexpr GroupKind Boss4Fan(FanVolleySlot* slots, FallingLook look, float dx, float a, int cycle,
                             Counts counts, float vy, float vx) {
  return FallingFan(slots, gBoss4, look, dx, a, cycle, counts, vy, vx, kAimedShipBox);
}
constexpr GroupKind Boss5Fan(FanVolleySlot* slots, FallingLook look, float dx, int cycle,
                             Counts counts, float vy, float vx, ShipBox box) {
  return FallingFan(slots, gBoss5, look, dx, 60, cycle, counts, vy, vx, box);
}
// The 40-pixel strip waves of bosses 6 to 8: 60 below the boss, falling at 120.
constexpr GroupKind StripFan(FanVolleySlot* slots, const BossState& boss, const int& strip,
                             float dx, int cycle, Counts counts) {
  return FallingFan(slots, boss, MemberStrip(strip), dx, 60, cycle, counts, 120.0f, 0.0f,
                    kSmallBox);
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
    Boss4Fan(gBoss4FanVolley1, kPlain, 210, 60, 150, {10, 20, 30, 40, 50, 80, 90, 100, 120, 130},
             210.0f, 0.0f),
    Boss4Fan(gBoss4FanVolley2, kAnimated, 180, 30, 140, kFirstFive, 250.0f, 30.0f),
    Boss4Fan(gBoss4FanVolley3, kAnimated, 240, 30, 140, kFirstFive, 250.0f, -30.0f),
    Boss4Fan(gBoss4FanVolley4, kPlain, 150, 60, 170, kTriplets, 110.0f, 90.0f),
    Boss4Fan(gBoss4FanVolley5, kPlain, 270, 60, 170, kTriplets, 110.0f, -90.0f),
    Boss4Fan(gBoss4FanVolley6, kPlain, 90, 30, 720, kEvery60, 280.0f, 0.0f),
    Boss4Fan(gBoss4FanVolley7, kPlain, 330, 30, 720, kEvery60, 280.0f, 0.0f),
    FallingFan(gBoss5FanVolley1, gBoss5, MemberStrip(gPicFanStripA), 170, 90, 140, kEvery10, 155.0f,
               0.0f, kSmallBox),
    Boss5Fan(gBoss5FanVolley2, MemberStrip(gPicFanStripA), 110, 150, kEvery10, 155.0f, 0.0f,
             kSmallBox),
    Boss5Fan(gBoss5FanVolley3, MemberStrip(gPicFanStripA), 230, 150, kEvery10, 155.0f, 0.0f,
             kSmallBox),
    Boss5Fan(gBoss5FanVolley4, kAnimated, 160, 150, kEvery10, 120.0f, 100.0f, kAimedShipBox),
    Boss5Fan(gBoss5FanVolley5, kAnimated, 200, 150, kEvery10, 120.0f, -100.0f, kAimedShipBox),
    Boss5Fan(gBoss5FanVolley6, kAnimated, 130, 330, kEvery30, 120.0f, 0.0f, kAimedShipBox),
    Boss5Fan(gBoss5FanVolley7, kAnimated, 230, 330, kEvery30, 120.0f, 0.0f, kAimedShipBox),
    FallingFan(gBoss6FanVolley1, gBoss6, kAnimated, 220, 110, 330, kEvery30, 130.0f, 0.0f,
               kAimedShipBox),
    StripFan(gBoss6FanVolley2, gBoss6, gPicFanStripB, 170, 860, kEvery80),
    StripFan(gBoss6FanVolley3, gBoss6, gPicFanStripB, 250, 860, kEvery80),
    StripFan(gBoss6FanVolley4, gBoss6, gPicFanStripB, 90, 860, kEvery80),
    StripFan(gBoss6FanVolley5, gBoss6, gPicFanStripB, 330, 860, kEvery80),
    FiveWay(gBoss6FiveWay1, gBoss6, 76, 200.0f),
    FiveWay(gBoss6FiveWay2, gBoss6, 276, 100.0f),
    FallingFan(gBoss7FanVolley1, gBoss7, kAnimated, 240, 110, 230, kEvery20, 130.0f, 0.0f,
               kAimedShipBox),
    StripFan(gBoss7FanVolley2, gBoss7, gPicFanStripA, 200, 860, kEvery80),
    StripFan(gBoss7FanVolley3, gBoss7, gPicFanStripA, 260, 860, kEvery80),
    StripFan(gBoss7FanVolley4, gBoss7, gPicFanStripA, 110, 260,
             {10, 20, 30, 40, 100, 110, 120, 180, 190, 200}),
    StripFan(gBoss7FanVolley5, gBoss7, gPicFanStripA, 350, 260,
             {10, 20, 30, 40, 100, 110, 120, 180, 190, 200}),
    FiveWay(gBoss7FiveWay1, gBoss7, 76, 100.0f),
    FiveWay(gBoss7FiveWay2, gBoss7, 316, 100.0f),
    FallingFan(gBoss8FanVolley1, gBoss8, kPlain, 230, 110, 230, kEvery20, 130.0f, 0.0f,
               kAimedShipBox),
    StripFan(gBoss8FanVolley2, gBoss8, gPicFanStripC, 180, 660, kEvery60),
    StripFan(gBoss8FanVolley3, gBoss8, gPicFanStripC, 260, 660, kEvery60),
    StripFan(gBoss8FanVolley4, gBoss8, gPicFanStripC, 100, 660, kEvery60),
    StripFan(gBoss8FanVolley5, gBoss8, gPicFanStripC, 340, 660, kEvery60),
};
static_assert(std::size(kFanKinds) == static_cast<size_t>(FanKindId::Count));

}  // namespace

const GroupKind& Fan(FanKindId id) { return kFanKinds[static_cast<int>(id)]; }
