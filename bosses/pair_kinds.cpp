// The constants of every pair shot, fall shot, chain and drop of bosses 1 to 3.
#include "bosses/pair_kinds.h"

#include <cstddef>
#include <iterator>

#include "bosses/drops.h"
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
};
static_assert(std::size(kPairKinds) == static_cast<size_t>(PairKindId::Count));

}  // namespace

const GroupKind& PairKind(PairKindId id) { return kPairKinds[static_cast<int>(id)]; }
