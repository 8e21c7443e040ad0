// The sixteen boss-part rows of the homing design. They fly like the Zak4
// kinds' missiles (no spread) at 600 px/s, set A from 20 px left of the ship
// and set B from 60 px right of it. Only boss 1's set B records its launch
// vector, and set B never draws it.
#include "homing/boss_homing.h"

#include <iterator>

#include "bosses/boss_bodies.h"
#include "bosses/late_boss_bodies.h"
#include "homing/boss_markers.h"

HomingMissile gHomingBoss1A[3], gHomingBoss1B[3], gHomingBoss2A[3], gHomingBoss2B[3],
    gHomingBoss3A[5], gHomingBoss3B[5], gHomingBoss4A[3], gHomingBoss4B[3], gHomingBoss5A[5],
    gHomingBoss5B[5], gHomingBoss6A[9], gHomingBoss6B[9], gHomingBoss7A[5], gHomingBoss7B[5],
    gHomingBoss8A[5], gHomingBoss8B[5];

namespace {

using homing::HomingDesign;
using homing::IgnoreSlot;

enum class Set : bool { kA, kB };
using enum Set;

constexpr float kBoss1HpRate = 100.0f;  // hit points per second of the contact frame
constexpr float kHpRate = 150.0f;       // bosses 2 to 8

template <auto& missiles, auto& markers>
constexpr HomingDesign BossSet(Set set, void (*hit)(int), BossState& boss, float hpRate,
                               bool setsLaunchVector = false) {
  static_assert(std::size(missiles) == std::size(markers), "one missile per part marker");
  return {.missiles = missiles,
          .markers = markers,
          .targets = static_cast<int>(std::size(missiles)),
          .speed = 600.0f,
          .launchX = set == kA ? -20.0f : 60.0f,
          .launchY = 10.0f,
          .setsLaunchVector = setsLaunchVector,
          .xBound = 540,
          .lossX = 540.0f,
          .contactYLow = 20.0f,
          .spread = {},
          .drawsBolt = set == kA,
          .strike = {hit, &boss, hpRate}};
}

constexpr HomingDesign kBoss1A =
    BossSet<gHomingBoss1A, gBoss1MarkersA>(kA, IgnoreSlot<HitBoss1>, gBoss1, kBoss1HpRate);
constexpr HomingDesign kBoss1B =
    BossSet<gHomingBoss1B, gBoss1MarkersB>(kB, IgnoreSlot<HitBoss1>, gBoss1, kBoss1HpRate, true);
constexpr HomingDesign kBoss2A =
    BossSet<gHomingBoss2A, gBoss2MarkersA>(kA, IgnoreSlot<HitBoss2>, gBoss2, kHpRate);
constexpr HomingDesign kBoss2B =
    BossSet<gHomingBoss2B, gBoss2MarkersB>(kB, IgnoreSlot<HitBoss2>, gBoss2, kHpRate);
constexpr HomingDesign kBoss3A =
    BossSet<gHomingBoss3A, gBoss3MarkersA>(kA, IgnoreSlot<HitBoss3>, gBoss3, kHpRate);
constexpr HomingDesign kBoss3B =
    BossSet<gHomingBoss3B, gBoss3MarkersB>(kB, IgnoreSlot<HitBoss3>, gBoss3, kHpRate);
constexpr HomingDesign kBoss4A =
    BossSet<gHomingBoss4A, gBoss4MarkersA>(kA, IgnoreSlot<HitBoss4>, gBoss4, kHpRate);
constexpr HomingDesign kBoss4B =
    BossSet<gHomingBoss4B, gBoss4MarkersB>(kB, IgnoreSlot<HitBoss4>, gBoss4, kHpRate);
constexpr HomingDesign kBoss5A =
    BossSet<gHomingBoss5A, gBoss5MarkersA>(kA, IgnoreSlot<HitBoss5>, gBoss5, kHpRate);
constexpr HomingDesign kBoss5B =
    BossSet<gHomingBoss5B, gBoss5MarkersB>(kB, IgnoreSlot<HitBoss5>, gBoss5, kHpRate);
constexpr HomingDesign kBoss6A =
    BossSet<gHomingBoss6A, gBoss6MarkersA>(kA, IgnoreSlot<HitBoss6>, gBoss6, kHpRate);
constexpr HomingDesign kBoss6B =
    BossSet<gHomingBoss6B, gBoss6MarkersB>(kB, IgnoreSlot<HitBoss6>, gBoss6, kHpRate);
constexpr HomingDesign kBoss7A =
    BossSet<gHomingBoss7A, gBoss7MarkersA>(kA, IgnoreSlot<HitBoss7>, gBoss7, kHpRate);
constexpr HomingDesign kBoss7B =
    BossSet<gHomingBoss7B, gBoss7MarkersB>(kB, IgnoreSlot<HitBoss7>, gBoss7, kHpRate);
constexpr HomingDesign kBoss8A =
    BossSet<gHomingBoss8A, gBoss8MarkersA>(kA, IgnoreSlot<HitBoss8>, gBoss8, kHpRate);
constexpr HomingDesign kBoss8B =
    BossSet<gHomingBoss8B, gBoss8MarkersB>(kB, IgnoreSlot<HitBoss8>, gBoss8, kHpRate);

}  // namespace

void LaunchHomingBoss1A() { homing::LaunchHoming(kBoss1A); }
void UpdateHomingBoss1A() { homing::UpdateHoming(kBoss1A); }
void DrawHomingBoss1A() { homing::DrawHoming(kBoss1A); }
void LaunchHomingBoss1B() { homing::LaunchHoming(kBoss1B); }
void UpdateHomingBoss1B() { homing::UpdateHoming(kBoss1B); }
void DrawHomingBoss1B() { homing::DrawHoming(kBoss1B); }
void LaunchHomingBoss2A() { homing::LaunchHoming(kBoss2A); }
void UpdateHomingBoss2A() { homing::UpdateHoming(kBoss2A); }
void DrawHomingBoss2A() { homing::DrawHoming(kBoss2A); }
void LaunchHomingBoss2B() { homing::LaunchHoming(kBoss2B); }
void UpdateHomingBoss2B() { homing::UpdateHoming(kBoss2B); }
void DrawHomingBoss2B() { homing::DrawHoming(kBoss2B); }
void LaunchHomingBoss3A() { homing::LaunchHoming(kBoss3A); }
void UpdateHomingBoss3A() { homing::UpdateHoming(kBoss3A); }
void DrawHomingBoss3A() { homing::DrawHoming(kBoss3A); }
void LaunchHomingBoss3B() { homing::LaunchHoming(kBoss3B); }
void UpdateHomingBoss3B() { homing::UpdateHoming(kBoss3B); }
void DrawHomingBoss3B() { homing::DrawHoming(kBoss3B); }
void LaunchHomingBoss4A() { homing::LaunchHoming(kBoss4A); }
void UpdateHomingBoss4A() { homing::UpdateHoming(kBoss4A); }
void DrawHomingBoss4A() { homing::DrawHoming(kBoss4A); }
void LaunchHomingBoss4B() { homing::LaunchHoming(kBoss4B); }
void UpdateHomingBoss4B() { homing::UpdateHoming(kBoss4B); }
void DrawHomingBoss4B() { homing::DrawHoming(kBoss4B); }
void LaunchHomingBoss5A() { homing::LaunchHoming(kBoss5A); }
void UpdateHomingBoss5A() { homing::UpdateHoming(kBoss5A); }
void DrawHomingBoss5A() { homing::DrawHoming(kBoss5A); }
void LaunchHomingBoss5B() { homing::LaunchHoming(kBoss5B); }
void UpdateHomingBoss5B() { homing::UpdateHoming(kBoss5B); }
void DrawHomingBoss5B() { homing::DrawHoming(kBoss5B); }
void LaunchHomingBoss6A() { homing::LaunchHoming(kBoss6A); }
void UpdateHomingBoss6A() { homing::UpdateHoming(kBoss6A); }
void DrawHomingBoss6A() { homing::DrawHoming(kBoss6A); }
void LaunchHomingBoss6B() { homing::LaunchHoming(kBoss6B); }
void UpdateHomingBoss6B() { homing::UpdateHoming(kBoss6B); }
void DrawHomingBoss6B() { homing::DrawHoming(kBoss6B); }
void LaunchHomingBoss7A() { homing::LaunchHoming(kBoss7A); }
void UpdateHomingBoss7A() { homing::UpdateHoming(kBoss7A); }
void DrawHomingBoss7A() { homing::DrawHoming(kBoss7A); }
void LaunchHomingBoss7B() { homing::LaunchHoming(kBoss7B); }
void UpdateHomingBoss7B() { homing::UpdateHoming(kBoss7B); }
void DrawHomingBoss7B() { homing::DrawHoming(kBoss7B); }
void LaunchHomingBoss8A() { homing::LaunchHoming(kBoss8A); }
void UpdateHomingBoss8A() { homing::UpdateHoming(kBoss8A); }
void DrawHomingBoss8A() { homing::DrawHoming(kBoss8A); }
void LaunchHomingBoss8B() { homing::LaunchHoming(kBoss8B); }
void UpdateHomingBoss8B() { homing::UpdateHoming(kBoss8B); }
void DrawHomingBoss8B() { homing::DrawHoming(kBoss8B); }
