// The constants of the twelve hazard streams of bosses 1 to 3.
#include "bosses/hazard_kinds.h"

#include <cstddef>
#include <iterator>

#include "game/assets.h"

namespace {

constexpr HazardRow Row(HazardSlot* slots, int32_t yOffset, const int& picture) {
  return {slots, yOffset, 0, false, &picture};
}
constexpr HazardRow DriftRow(HazardSlot* slots, int32_t yOffset, int32_t drift,
                             const int& picture) {
  return {slots, yOffset, drift, true, &picture};
}

// Three rows: the outer two start 30 pixels above and below the middle one,
// close in on it at their drift, cross it and spread apart again.
constexpr HazardKind ThreeRows(const BossState& boss, int32_t& counter, HazardRow middle,
                               HazardRow upper, HazardRow lower) {
  return {.boss = &boss,
          .counter = &counter,
          .path = HazardPath::Straight,
          .rowCount = 3,
          .rows = {middle, upper, lower},
          .startX = 170,
          .speed = 20,
          .drawHeight = 60,
          .boxRight = 40,
          .boxTop = -60,
          .boxBottom = 50};
}

constexpr HazardKind OneRow(const BossState& boss, int32_t& counter, HazardRow row,
                            int32_t drawHeight) {
  HazardKind k = ThreeRows(boss, counter, row, {}, {});
  k.rowCount = 1;
  k.drawHeight = drawHeight;
  return k;
}

constexpr HazardKind Path(int32_t& counter, HazardPath path, HazardSlot* slots, int32_t yOffset) {
  return {.boss = &gBoss1,
          .counter = &counter,
          .path = path,
          .rowCount = 1,
          .rows = {Row(slots, yOffset, gPicBlzs10)},
          .startX = 130,
          .speed = 10,
          .drawHeight = 60,
          .boxRight = 37,
          .boxTop = -44,
          .boxBottom = 44};
}

constexpr HazardKind kHazardKinds[] = {
    ThreeRows(gBoss1, gBoss1Hazard1Counter, Row(gBoss1Hazard1A, 100, gPicBlz1),
              DriftRow(gBoss1Hazard1B, 70, 4, gPicBlz2),
              DriftRow(gBoss1Hazard1C, 130, -4, gPicBlz3)),
    Path(gBoss1Hazard2Counter, HazardPath::Rising, gBoss1Hazard2, 50),
    Path(gBoss1Hazard3Counter, HazardPath::Diving, gBoss1Hazard3, 30),
    Path(gBoss1Hazard4Counter, HazardPath::Rising, gBoss1Hazard4, 210),
    Path(gBoss1Hazard5Counter, HazardPath::Diving, gBoss1Hazard5, 210),
    // The first stream of boss 2 blits its 60 x 120 picture whole; the two
    // drifting ones blit only its upper 60 rows.
    OneRow(gBoss2, gBoss2Hazard1Counter, Row(gBoss2Hazard1, 70, gPicBslz2), 120),
    OneRow(gBoss2, gBoss2Hazard2Counter, DriftRow(gBoss2Hazard2, 100, -4, gPicBslz2), 60),
    OneRow(gBoss2, gBoss2Hazard3Counter, DriftRow(gBoss2Hazard3, 70, 4, gPicBslz2), 60),
    ThreeRows(gBoss2, gBoss2Hazard4Counter, Row(gBoss2Hazard4A, 100, gPicBlz1),
              DriftRow(gBoss2Hazard4B, 70, 4, gPicBlz3),
              DriftRow(gBoss2Hazard4C, 130, -4, gPicBlz2)),
    ThreeRows(gBoss3, gBoss3Hazard1Counter, Row(gBoss3Hazard1A, 120, gPicBlz1),
              DriftRow(gBoss3Hazard1B, 90, 9, gPicBlz3),
              DriftRow(gBoss3Hazard1C, 150, -9, gPicBlz2)),
    ThreeRows(gBoss3, gBoss3Hazard2Counter, Row(gBoss3Hazard2A, 10, gPicBlz1),
              DriftRow(gBoss3Hazard2B, -20, 4, gPicBlz3),
              DriftRow(gBoss3Hazard2C, 40, -4, gPicBlz2)),
    ThreeRows(gBoss3, gBoss3Hazard3Counter, Row(gBoss3Hazard3A, 230, gPicBlz1),
              DriftRow(gBoss3Hazard3B, 200, 4, gPicBlz3),
              DriftRow(gBoss3Hazard3C, 260, -4, gPicBlz2)),
};
static_assert(std::size(kHazardKinds) == static_cast<size_t>(HazardKindId::Count));

}  // namespace

const HazardKind& Hazard(HazardKindId id) { return kHazardKinds[static_cast<int>(id)]; }
