// The constants of every pair shot, fall shot, chain and drop of the stage bosses.
#include "bosses/pair_kinds.h"

#include <cstddef>
#include <iterator>

#include "bosses/drops.h"
#include "bosses/late_drops.h"
#include "bosses/late_pairs.h"
#include "bosses/pair_shots.h"
#include "enemies/kind.h"
#include "game/assets.h"

namespace {

using Counts = std::array<int, kMaxGroups>;
struct TickForm {
  int cycle;
  Counts counts;
};

// The last two pairs' counts lie at or past the wrap, so slots 16 to 19 of
// these kinds never fly.
constexpr TickForm kPair150{150, {10, 20, 30, 70, 80, 90, 130, 140, 150, 160}};
constexpr TickForm kPair140{140, {10, 20, 30, 40, 50, 80, 90, 100, 110, 120}};
constexpr TickForm kFall800{800, {60, 120, 180, 240, 300, 360, 420, 480, 540, 600}};
constexpr TickForm kFall230{230, {20, 40, 60, 80, 100, 140, 160, 180, 200, 220}};
constexpr TickForm kChain{140, {25, 50, 75, 100, 125}};
constexpr TickForm kNoTick{0, {}};

constexpr float kBottomEdge = 480.0f;
constexpr float kLeftEdge40 = -40.0f;  // a 40-pixel picture wholly past the left edge

constexpr ShipBox kShotBox{0, 20, 0, 20};
constexpr ShipBox kWideBox{-10, 30, 0, 30};
constexpr ShipBox kChainBox{-10, 30, -10, 30};
constexpr ShipBox kDropBox{14, 30, 24, 30};

constexpr MemberValues kFallColumn{90, 113, 120};
constexpr MemberValues kChainDrift{-210, -140, -70, 0, 70, 140, 210};

struct Look {
  const int* picture;
  int width, height;
  std::array<SourceCell, kMaxGroupMembers> cells;
};
constexpr Look kBullet20{&gPicBullet20, 20, 20, {}};
constexpr Look kDropLook{&gPicVal12, 16, 16, {}};
constexpr Look kShot40(int left) { return {&gPicShotStrip40, 40, 40, {{{left, 0}, {left, 0}}}}; }

// Falls along y at `vy`, freed below the screen or by a bomb.
constexpr GroupKind Falling(FanVolleySlot* slots, int count, const BossState& boss, int group,
                            TickForm tick, GroupLayout layout, GroupDrift drift, float vy,
                            bool bombClears, ShipBox box, Look look) {
  return {.slots = slots,
          .count = count,
          .boss = &boss,
          .group = group,
          .cycle = tick.cycle,
          .fireCounts = tick.counts,
          .layout = layout,
          .needsLaserUnanchored = false,
          .drift = drift,
          .fliesX = false,
          .vx = 0.0f,
          .fliesY = true,
          .vy = vy,
          .leaveLeft = -kNoEdge,
          .leaveBottom = kBottomEdge,
          .bombClears = bombClears,
          .box = box,
          .draw = GroupDraw::EverySlot,
          .picture = look.picture,
          .cellWidth = look.width,
          .cellHeight = look.height,
          .cells = look.cells,
          .animationCells = 0,
          .randomStartCell = true};
}

// Pairs side by side at boss x + a and + b, at boss y + c.
constexpr GroupKind Pair(FanVolleySlot* slots, const BossState& boss, TickForm tick, float a,
                         float b, float c, GroupDrift drift, float vy, ShipBox box, Look look) {
  return Falling(slots, kPairShotSlots, boss, 2, tick, {Axis::Y, Axis::Y, c, Axis::X, {a, b}},
                 drift, vy, true, box, look);
}

// Triples in a short column at boss x + a, fanning out sideways; a bomb
// leaves them flying.
constexpr GroupKind Fall(FanVolleySlot* slots, const BossState& boss, TickForm tick, float a,
                         MemberValues drift, float vy, ShipBox box, Look look) {
  return Falling(slots, kFallShotSlots, boss, 3, tick, {Axis::X, Axis::X, a, Axis::Y, kFallColumn},
                 {Axis::X, drift, 1, DriftTiming::BeforeFlight}, vy, false, box, look);
}

// Every free slot starts at boss + (a, c); the drift is spread over the
// Move in one step per slot.
template <size_t N>
constexpr GroupKind Drop(DropSlot (&slots)[N], const BossState& boss, float a, float c, float vy,
                         MemberValues drift) {
  MemberValues at{};
  for (size_t i = 0; i < N; ++i) at[i] = c;
  return Falling(slots, N, boss, N, kNoTick, {Axis::X, Axis::X, a, Axis::Y, at},
                 {Axis::X, drift, 1, DriftTiming::StepPerSlot}, vy, true, kDropBox, kDropLook);
}
constexpr MemberValues Spread2(float d1) { return {-d1, d1}; }
constexpr MemberValues Spread3(float d1) { return {-d1, 0, d1}; }
constexpr MemberValues Spread4(float d1, float d2) { return {-d1, d1, -d2, d2}; }

constexpr GroupKind Boss1Chain() {
  GroupKind k = Falling(gBoss1Chain, kChainSlots, gBoss1, 7, kChain,
                        {Axis::X, Axis::X, 200, Axis::Y, {154, 183, 194, 200, 194, 183, 154}},
                        {Axis::X, kChainDrift, 1, DriftTiming::BeforeFlight}, 200.0f, true,
                        kWideBox, {&gPicBoss1ChainStrip, 40, 40, {}});
  k.needsLaserUnanchored = true;
  for (int m = 0; m < 7; ++m) k.cells[m] = {40 * m, 0};
  return k;
}

// Flies left along x, its arc read crosswise from the boss (x from the
// boss's y, y from its x), spreading up and down.
constexpr GroupKind Boss2Chain() {
  GroupKind k = Falling(gBoss2Chain, kChainSlots, gBoss2, 7, kChain,
                        {Axis::X, Axis::Y, 130, Axis::X, {280, 263, 252, 246, 252, 263, 280}},
                        {Axis::Y, kChainDrift, 1, DriftTiming::BeforeFlight}, 0.0f, true, kChainBox,
                        {&gPicBlzbs2_7, 40, 40, {}});
  k.fliesX = true, k.fliesY = false;
  k.vx = -175.0f;
  k.leaveLeft = kLeftEdge40;
  k.leaveBottom = kNoEdge;
  k.randomStartCell = false;
  for (int m = 0; m < 7; ++m) k.cells[m] = {0, 40 * m};
  return k;
}

// Boss 3's pairs read the boss crosswise too and fly left.
constexpr GroupKind Boss3Pair(FanVolleySlot* slots, float a, float b, float c) {
  GroupKind k =
      Falling(slots, kPairShotSlots, gBoss3, 2, kPair140, {Axis::Y, Axis::X, c, Axis::Y, {a, b}},
              kNoDrift, 0.0f, true, kWideBox, {&gPicBlzbs2_7, 40, 40, {{{0, 120}, {0, 120}}}});
  k.fliesX = true, k.fliesY = false;
  k.vx = -200.0f;
  k.leaveLeft = kLeftEdge40;
  return k;
}

constexpr GroupDrift kSplit{Axis::X, {-120, 120}, 1, DriftTiming::BeforeFlight};

// Boss 4's third pair parts slowly as it falls.
constexpr GroupDrift kParting{Axis::X, {-20, 20}, 1, DriftTiming::BeforeFlight};
constexpr Look kSplitLook{&gPicShotStrip40, 40, 40, {{{80, 0}, {160, 0}}}};

// The drops of bosses 4 and 5 show one cell of VAL13; those of bosses 6 to 8
// cycle every slot through the sixteen 16 x 16 cells of VAL1.
struct DropLook {
  const int* picture;
  bool animated;
};
constexpr DropLook kVal13Drop{&gPicVal13, false};
constexpr DropLook kVal1Drop{&gPicVal1, true};
constexpr int kVal1Cells = 16;

// The drops of bosses 4 to 8: their fall and drift depend only on the size
// of the set, two, three or four bullets.
template <size_t N>
constexpr GroupKind LateDrop(DropSlot (&slots)[N], const BossState& boss, float a, float c,
                             DropLook look) {
  static_assert(N >= 2 && N <= 4);
  constexpr float kFall[] = {140.0f, 120.0f, 110.0f};
  const MemberValues drift = N == 2 ? Spread2(30) : N == 3 ? Spread3(39) : Spread4(28, 80);
  GroupKind k = Drop(slots, boss, a, c, kFall[N - 2], drift);
  k.picture = look.picture;
  if (look.animated) {
    k.draw = GroupDraw::EverySlotStripCells;
    k.animationCells = kVal1Cells;
  }
  return k;
}

const GroupKind kPairKinds[] = {
    Pair(gBoss1PairShot1, gBoss1, kPair150, 120, 280, 130, kNoDrift, 280.0f, kShotBox,
         kShot40(120)),
    Pair(gBoss1PairShot2, gBoss1, kPair150, 120, 280, 130, kSplit, 250.0f, kShotBox,
         {&gPicShotStrip40, 40, 40, {{{80, 0}, {160, 0}}}}),
    Fall(gBoss1FallShot1, gBoss1, kFall800, 90, {30, 60, 90}, 120.0f, kAimedShipBox, kBullet20),
    Fall(gBoss1FallShot2, gBoss1, kFall800, 330, {-30, -60, -90}, 120.0f, kAimedShipBox, kBullet20),
    Pair(gBoss1FallShot3, gBoss1, kPair140, 110, 310, 170, kNoDrift, 200.0f, kAimedShipBox,
         kBullet20),
    Pair(gBoss1FallShot4, gBoss1, kPair140, 75, 345, 150, kNoDrift, 200.0f, kAimedShipBox,
         kBullet20),
    Boss1Chain(),
    Drop(gBoss1Drop1, gBoss1, 212, 200, 190.0f, Spread2(60)),
    Drop(gBoss1Drop2, gBoss1, 212, 200, 220.0f, Spread3(69)),
    Drop(gBoss1Drop3, gBoss1, 212, 200, 260.0f, Spread4(28, 80)),
    Boss2Chain(),
    Fall(gBoss2FallShot1, gBoss2, kFall230, 80, {30, 105, 165}, 190.0f, kShotBox,
         {&gPicShotStrip40, 40, 40, {{{160, 0}, {200, 0}, {240, 0}}}}),
    Fall(gBoss2FallShot2, gBoss2, kFall230, 320, {-30, -105, -165}, 190.0f, kShotBox,
         {&gPicShotStrip40, 40, 40, {{{80, 0}, {40, 0}, {0, 0}}}}),
    Pair(gBoss2PairShot1, gBoss2, kPair140, 60, 340, 180, kNoDrift, 200.0f, kWideBox, kShot40(120)),
    Pair(gBoss2PairShot2, gBoss2, kPair140, 30, 370, 160, kNoDrift, 200.0f, kWideBox, kShot40(120)),
    Drop(gBoss2Drop1, gBoss2, 212, 200, 140.0f, Spread2(40)),
    Drop(gBoss2Drop2, gBoss2, 212, 200, 220.0f, Spread3(99)),
    Drop(gBoss2Drop3, gBoss2, 182, 150, 220.0f, Spread3(69)),
    Drop(gBoss2Drop4, gBoss2, 282, 150, 220.0f, Spread3(69)),
    Drop(gBoss2Drop5, gBoss2, 232, 200, 210.0f, Spread4(68, 120)),
    Boss3Pair(gBoss3PairShot1, 90, 135, 80),
    Boss3Pair(gBoss3PairShot2, 30, 230, 150),
    Drop(gBoss3Drop1, gBoss3, 222, 200, 140.0f, Spread2(30)),
    Drop(gBoss3Drop2, gBoss3, 222, 200, 120.0f, Spread3(39)),
    Drop(gBoss3Drop3, gBoss3, 172, 150, 120.0f, Spread3(39)),
    Drop(gBoss3Drop4, gBoss3, 272, 150, 120.0f, Spread3(39)),
    Drop(gBoss3Drop5, gBoss3, 142, 110, 120.0f, Spread3(39)),
    Drop(gBoss3Drop6, gBoss3, 302, 110, 120.0f, Spread3(39)),
    Drop(gBoss3Drop7, gBoss3, 222, 200, 110.0f, Spread4(28, 80)),
    Pair(gBoss4PairShot1, gBoss4, kPair140, 120, 280, 200, kNoDrift, 200.0f, kWideBox,
         kShot40(120)),
    Pair(gBoss4PairShot2, gBoss4, kPair140, 100, 300, 180, kNoDrift, 200.0f, kWideBox,
         kShot40(120)),
    Pair(gBoss4PairShot3, gBoss4, kPair140, 80, 320, 180, kParting, 200.0f, kWideBox, kShot40(120)),
    Pair(gBoss6PairShot1, gBoss6, kPair140, 110, 310, 200, kNoDrift, 200.0f, kWideBox,
         kShot40(120)),
    Pair(gBoss6PairShot2, gBoss6, kPair140, 70, 350, 180, kNoDrift, 200.0f, kWideBox, kShot40(120)),
    Pair(gBoss7PairShot1, gBoss7, kPair150, 150, 310, 130, kNoDrift, 280.0f, kShotBox,
         kShot40(120)),
    Pair(gBoss7PairShot2, gBoss7, kPair150, 150, 310, 130, kSplit, 250.0f, kShotBox, kSplitLook),
    LateDrop(gBoss4Drop1, gBoss4, 212, 200, kVal13Drop),
    LateDrop(gBoss4Drop2, gBoss4, 182, 110, kVal13Drop),
    LateDrop(gBoss4Drop3, gBoss4, 242, 110, kVal13Drop),
    LateDrop(gBoss4Drop4, gBoss4, 212, 200, kVal13Drop),
    LateDrop(gBoss4Drop5, gBoss4, 162, 150, kVal13Drop),
    LateDrop(gBoss4Drop6, gBoss4, 262, 150, kVal13Drop),
    LateDrop(gBoss4Drop7, gBoss4, 132, 110, kVal13Drop),
    LateDrop(gBoss4Drop8, gBoss4, 292, 110, kVal13Drop),
    LateDrop(gBoss4Drop9, gBoss4, 212, 200, kVal13Drop),
    LateDrop(gBoss5Drop1, gBoss5, 182, 200, kVal13Drop),
    LateDrop(gBoss5Drop2, gBoss5, 152, 110, kVal13Drop),
    LateDrop(gBoss5Drop3, gBoss5, 212, 110, kVal13Drop),
    LateDrop(gBoss5Drop4, gBoss5, 182, 200, kVal13Drop),
    LateDrop(gBoss5Drop5, gBoss5, 132, 150, kVal13Drop),
    LateDrop(gBoss5Drop6, gBoss5, 232, 150, kVal13Drop),
    LateDrop(gBoss5Drop7, gBoss5, 102, 110, kVal13Drop),
    LateDrop(gBoss5Drop8, gBoss5, 262, 110, kVal13Drop),
    LateDrop(gBoss5Drop9, gBoss5, 182, 200, kVal13Drop),
    LateDrop(gBoss6Drop1, gBoss6, 222, 200, kVal1Drop),
    LateDrop(gBoss6Drop2, gBoss6, 182, 110, kVal1Drop),
    LateDrop(gBoss6Drop3, gBoss6, 242, 110, kVal1Drop),
    LateDrop(gBoss6Drop4, gBoss6, 222, 200, kVal1Drop),
    LateDrop(gBoss6Drop5, gBoss6, 172, 150, kVal1Drop),
    LateDrop(gBoss6Drop6, gBoss6, 272, 150, kVal1Drop),
    LateDrop(gBoss6Drop7, gBoss6, 142, 110, kVal1Drop),
    LateDrop(gBoss6Drop8, gBoss6, 302, 110, kVal1Drop),
    LateDrop(gBoss6Drop9, gBoss6, 222, 200, kVal1Drop),
    LateDrop(gBoss7Drop1, gBoss7, 242, 200, kVal1Drop),
    LateDrop(gBoss7Drop2, gBoss7, 212, 110, kVal1Drop),
    LateDrop(gBoss7Drop3, gBoss7, 272, 110, kVal1Drop),
    LateDrop(gBoss7Drop4, gBoss7, 242, 200, kVal1Drop),
    LateDrop(gBoss7Drop5, gBoss7, 192, 150, kVal1Drop),
    LateDrop(gBoss7Drop6, gBoss7, 292, 150, kVal1Drop),
    LateDrop(gBoss7Drop7, gBoss7, 162, 110, kVal1Drop),
    LateDrop(gBoss7Drop8, gBoss7, 322, 110, kVal1Drop),
    LateDrop(gBoss7Drop9, gBoss7, 242, 200, kVal1Drop),
    LateDrop(gBoss8Drop1, gBoss8, 232, 200, kVal1Drop),
    LateDrop(gBoss8Drop2, gBoss8, 202, 110, kVal1Drop),
    LateDrop(gBoss8Drop3, gBoss8, 262, 110, kVal1Drop),
    LateDrop(gBoss8Drop4, gBoss8, 232, 200, kVal1Drop),
    LateDrop(gBoss8Drop5, gBoss8, 182, 150, kVal1Drop),
    LateDrop(gBoss8Drop6, gBoss8, 282, 150, kVal1Drop),
    LateDrop(gBoss8Drop7, gBoss8, 152, 110, kVal1Drop),
    LateDrop(gBoss8Drop8, gBoss8, 312, 110, kVal1Drop),
    LateDrop(gBoss8Drop9, gBoss8, 232, 200, kVal1Drop),
};
static_assert(std::size(kPairKinds) == static_cast<size_t>(PairKindId::Count));

}  // namespace

const GroupKind& PairKind(PairKindId id) { return kPairKinds[static_cast<int>(id)]; }
