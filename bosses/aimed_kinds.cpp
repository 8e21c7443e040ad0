// The constants of every aimed kind of the stage bosses.
#include "bosses/aimed_kinds.h"

#include <cstddef>
#include <iterator>
#include <numbers>

#include "bosses/late_aimed.h"
#include "enemies/kind.h"
#include "game/assets.h"

namespace {

using Counts = std::array<int, kMaxAimedGroups>;

// A whole turn divided into `parts`, as the kinds step their spreads.
constexpr float TurnOver(int parts) { return static_cast<float>(2.0 * std::numbers::pi / parts); }

constexpr float kScreenRight = 640.0f;

// A volley: groups that fan out about the aim, only live bullets drawn.
template <size_t N>
constexpr AimedKind Volley(AimedVolleySlot (&slots)[N], const BossState& boss, int group, int cycle,
                           Counts counts, StartOffset start, float speed, int stepParts,
                           int centre) {
  return {.slots = slots,
          .count = N,
          .boss = &boss,
          .group = group,
          .cycle = cycle,
          .fireCounts = counts,
          .start = {start},
          .placesWholeGroup = false,
          .aimOffset = 20.0f,
          .speed = speed,
          .speedPerSlot = 0.0f,
          .speedRandRange = 0,
          .spread = AimedSpread::Volley,
          .spreadStep = TurnOver(stepParts),
          .spreadCentre = centre,
          .rightEdge = kScreenRight,
          .testsIdleSlots = false,
          .hitFrees = false,
          .picture = &gPicVal2024,
          .cells = 24,
          .drawsIdleSlots = false,
          .startCells = 7};
}

// A ring: groups of `group` bullets one turn / group apart, every slot drawn.
template <size_t N>
constexpr AimedKind Ring(AimedShotSlot (&slots)[N], const BossState& boss, int group, int cycle,
                         Counts counts, StartOffset start, float speed, const int& picture,
                         int cells) {
  return {.slots = slots,
          .count = N,
          .boss = &boss,
          .group = group,
          .cycle = cycle,
          .fireCounts = counts,
          .start = {start},
          .placesWholeGroup = false,
          .aimOffset = 20.0f,
          .speed = speed,
          .speedPerSlot = 0.0f,
          .speedRandRange = 0,
          .spread = AimedSpread::Ring,
          .spreadStep = TurnOver(group),
          .spreadCentre = 0,
          .rightEdge = kScreenRight,
          .testsIdleSlots = false,
          .hitFrees = false,
          .picture = &picture,
          .cells = cells,
          .drawsIdleSlots = true,
          .startCells = 10};
}

// A string: every idle slot at once, straight at a point 22 past the ship's
// corner, each slot 20 px/s faster than the one before; it stops short of
// the screen's right edge, visits idle slots and flies on after a hit.
template <size_t N>
constexpr AimedKind String(AimedShotSlot (&slots)[N], StartOffset start) {
  return {.slots = slots,
          .count = N,
          .boss = &gBoss1,
          .group = static_cast<int>(N),
          .cycle = 0,
          .fireCounts = {},
          .start = {start},
          .placesWholeGroup = false,
          .aimOffset = 22.0f,
          .speed = 260.0f,
          .speedPerSlot = 20.0f,
          .speedRandRange = 0,
          .spread = AimedSpread::None,
          .spreadStep = 0.0f,
          .spreadCentre = 0,
          .rightEdge = 540.0f,
          .testsIdleSlots = true,
          .hitFrees = false,
          .picture = &gPicVal201,
          .cells = 7,
          .drawsIdleSlots = true,
          .startCells = 10};
}

// The kinds of bosses 4 to 8 draw every slot, live or idle, animated through
// `picture`'s strip.
constexpr AimedKind EverySlotAnimated(AimedKind k, const int& picture, int cells) {
  k.drawsIdleSlots = true;
  k.picture = &picture;
  k.cells = cells;
  return k;
}

// Every slot, live or idle, shows the one 20 x 20 bullet picture that no
// asset fills; the slot's cell is never read or advanced.
constexpr AimedKind EverySlotFixed(AimedKind k) {
  k = EverySlotAnimated(k, gPicBullet20, 1);
  k.drawsFixedCell = true;
  return k;
}

constexpr Counts kVolley5Counts{40, 80, 120, 160, 200};
constexpr Counts kVolley7Counts{35, 70, 120, 160, 200};
constexpr Counts kRing20Counts{30, 60, 90, 120, 150, 180, 210, 240, 270, 300};
constexpr Counts kRing12Counts{20, 40, 60, 80, 100, 120};
constexpr Counts kRing12Late{30, 60, 90, 120, 150, 180};
constexpr Counts kRing12Boss7{30, 50, 90, 110, 130, 150};
constexpr Counts kVolleyLate{20, 40, 90, 110, 160};
// The last group's count equals the 150-call cycle, which a timer counting
// 0 .. 149 never shows: slots 28 to 34 of boss 5's seven-bullet volleys
// never fire. Kept so that the first four groups keep their rhythm.
constexpr Counts kVolley7Late{30, 60, 90, 120, 150};

constexpr AimedKind kAimedKinds[] = {
    String(gBoss1AimedShot1, {90, 100}),
    String(gBoss1AimedShot2, {330, 100}),
    // Boss 1's first volley fires from its Tick: groups of four, each member
    // from its own point, at 180 to 209 px/s; it visits idle slots in its
    // Move and is freed by a hit.
    {.slots = gBoss1AimedVolley1,
     .count = 20,
     .boss = &gBoss1,
     .group = 4,
     .cycle = 630,
     .fireCounts = {100, 200, 300, 440, 500},
     .start = {{{150, 100}, {270, 100}, {90, 150}, {330, 150}}},
     .placesWholeGroup = true,
     .aimOffset = 20.0f,
     .speed = 180.0f,
     .speedPerSlot = 0.0f,
     .speedRandRange = 30,
     .spread = AimedSpread::None,
     .spreadStep = 0.0f,
     .spreadCentre = 0,
     .rightEdge = kScreenRight,
     .testsIdleSlots = true,
     .hitFrees = true,
     .picture = &gPicVal2024,
     .cells = 24,
     .drawsIdleSlots = false,
     .startCells = 7},
    Volley(gBoss1AimedVolley2, gBoss1, 5, 260, kVolley5Counts, {210, 130}, 220.0f, 30, 2),
    Volley(gBoss1AimedVolley3, gBoss1, 7, 210, kVolley7Counts, {210, 130}, 200.0f, 30, 3),
    Volley(gBoss1AimedVolley4, gBoss1, 5, 150, {20, 30, 90, 100, 110}, {145, 220}, 220.0f, 90, 2),
    Ring(gBoss2AimedShot1, gBoss2, 12, 140, kRing12Counts, {110, 130}, 140.0f, gPicVal201, 7),
    Ring(gBoss2AimedShot2, gBoss2, 12, 140, kRing12Counts, {310, 130}, 140.0f, gPicVal201, 7),
    Volley(gBoss3AimedVolley1, gBoss3, 5, 260, kVolley5Counts, {210, 130}, 220.0f, 30, 2),
    Volley(gBoss3AimedVolley2, gBoss3, 5, 260, kVolley5Counts, {210, 80}, 220.0f, 30, 2),
    Volley(gBoss3AimedVolley3, gBoss3, 5, 260, kVolley5Counts, {210, 180}, 220.0f, 30, 2),
    Volley(gBoss3AimedVolley4, gBoss3, 7, 210, kVolley7Counts, {210, 130}, 200.0f, 30, 3),
    Volley(gBoss3AimedVolley5, gBoss3, 7, 210, kVolley7Counts, {210, 80}, 200.0f, 30, 3),
    Volley(gBoss3AimedVolley6, gBoss3, 7, 210, kVolley7Counts, {210, 180}, 200.0f, 30, 3),
    Ring(gBoss3AimedShot1, gBoss3, 20, 340, kRing20Counts, {220, 220}, 140.0f, gPicVal2024, 24),
    Ring(gBoss3AimedShot2, gBoss3, 30, 340, kRing20Counts, {220, 220}, 120.0f, gPicVal201, 7),
    Ring(gBoss4AimedShot1, gBoss4, 12, 250, kRing12Late, {110, 130}, 140.0f, gPicVal201, 7),
    Ring(gBoss4AimedShot2, gBoss4, 12, 250, kRing12Late, {310, 130}, 140.0f, gPicVal201, 7),
    EverySlotAnimated(
        Volley(gBoss4AimedVolley1, gBoss4, 3, 200, kVolleyLate, {60, 100}, 150.0f, 30, 1),
        gPicVal201, 7),
    EverySlotAnimated(
        Volley(gBoss4AimedVolley2, gBoss4, 3, 200, kVolleyLate, {360, 100}, 150.0f, 30, 1),
        gPicVal201, 7),
    EverySlotFixed(
        Volley(gBoss5AimedVolley1, gBoss5, 7, 150, kVolley7Late, {50, 80}, 200.0f, 30, 3)),
    EverySlotFixed(
        Volley(gBoss5AimedVolley2, gBoss5, 7, 150, kVolley7Late, {210, 80}, 200.0f, 30, 3)),
    EverySlotAnimated(
        Volley(gBoss5AimedVolley3, gBoss5, 5, 200, kVolleyLate, {30, 130}, 150.0f, 30, 2),
        gPicVal201, 7),
    EverySlotAnimated(
        Volley(gBoss5AimedVolley4, gBoss5, 5, 200, kVolleyLate, {330, 130}, 150.0f, 30, 2),
        gPicVal201, 7),
    EverySlotFixed(Ring(gBoss6AimedShot1, gBoss6, 30, 390,
                        {30, 60, 120, 150, 180, 210, 240, 300, 330, 360}, {220, 190}, 100.0f,
                        gPicBullet20, 1)),
    EverySlotFixed(
        Ring(gBoss7AimedShot1, gBoss7, 12, 200, kRing12Boss7, {140, 130}, 140.0f, gPicBullet20, 1)),
    EverySlotFixed(
        Ring(gBoss7AimedShot2, gBoss7, 12, 200, kRing12Boss7, {340, 130}, 140.0f, gPicBullet20, 1)),
    EverySlotFixed(Ring(gBoss8AimedShot1, gBoss8, 30, 340, kRing20Counts, {230, 230}, 100.0f,
                        gPicBullet20, 1)),
};
static_assert(std::size(kAimedKinds) == static_cast<size_t>(AimedKindId::Count));

}  // namespace

const AimedKind& Aimed(AimedKindId id) { return kAimedKinds[static_cast<int>(id)]; }
