// The twelve enemy-kind rows of the homing design.
//
// Group A (three missiles, 700 px/s) records the launch vector, so its bolt
// is bent, and opens with a sideways spread. Group B, the Zak4 kinds (five
// missiles, 750 px/s), flies straight from the start and draws its bolt as one
// straight line; its later kinds start a pixel higher and move their screen
// bound, loss bound and contact window one pixel further each.
#include "homing/enemy_homing.h"

#include "enemies/big90.h"
#include "enemies/divers.h"
#include "enemies/gunners.h"
#include "enemies/template_kinds.h"
#include "enemies/volley_zak.h"
#include "enemies/zak4.h"

HomingMissile gHomingZak2[3], gHomingZak3[3], gHomingDiver80L[3], gHomingDiver80R[3],
    gHomingGunner80L[3], gHomingGunner80R[3], gHomingBig90A[3], gHomingVolleyZakA[3];
HomingMissile gHomingZak4A[5], gHomingZak4B[5], gHomingZak4C[5], gHomingZak4D[5];

namespace {

using homing::HomingDesign;
using homing::Push;
using enum homing::Push;

// The spread pushes of missiles 0, 1 and 2.
constexpr Push kLeftLeftRight[] = {kLeft, kLeft, kRight};
constexpr Push kRightRightLeft[] = {kRight, kRight, kLeft};
constexpr Push kAllLeft[] = {kLeft, kLeft, kLeft};
constexpr Push kAllRight[] = {kRight, kRight, kRight};

constexpr HomingDesign GroupA(std::span<HomingMissile> missiles, std::span<TargetMarker> markers,
                              void (*hit)(int), std::span<const Push> spread, int targets = 3) {
  return {.missiles = missiles,
          .markers = markers,
          .targets = targets,
          .speed = 700.0f,
          .launchX = 20.0f,
          .launchY = 10.0f,
          .setsLaunchVector = true,
          .xBound = 540,
          .lossX = 540.0f,
          .contactYLow = 20.0f,
          .spread = spread,
          .drawsBolt = true,
          .strike = {hit, nullptr, 0.0f}};
}

// `shift` moves the launch point up and the bounds and contact window right and down.
constexpr HomingDesign GroupB(std::span<HomingMissile> missiles, std::span<TargetMarker> markers,
                              void (*hit)(int), int shift, float launchY) {
  return {.missiles = missiles,
          .markers = markers,
          .targets = 5,
          .speed = 750.0f,
          .launchX = 20.0f,
          .launchY = launchY,
          .setsLaunchVector = false,
          .xBound = 540 + shift,
          .lossX = 540.0f + static_cast<float>(shift),
          .contactYLow = 20.0f + static_cast<float>(shift),
          .spread = {},
          .drawsBolt = true,
          .strike = {hit, nullptr, 0.0f}};
}

constexpr HomingDesign kZak2 = GroupA(gHomingZak2, gZak2Markers, HitZak2, kLeftLeftRight);
constexpr HomingDesign kZak3 = GroupA(gHomingZak3, gZak3Markers, HitZak3, kRightRightLeft);
constexpr HomingDesign kDiver80L =
    GroupA(gHomingDiver80L, gDiver80LMarkers, HitDiver80L, kLeftLeftRight);
constexpr HomingDesign kDiver80R =
    GroupA(gHomingDiver80R, gDiver80RMarkers, HitDiver80R, kRightRightLeft);
constexpr HomingDesign kGunner80L =
    GroupA(gHomingGunner80L, gGunner80LMarkers, HitGunner80L, kLeftLeftRight);
constexpr HomingDesign kGunner80R =
    GroupA(gHomingGunner80R, gGunner80RMarkers, HitGunner80R, kRightRightLeft);
// Big90A has two slots: its third marker has no enemy to strike.
constexpr HomingDesign kBig90A = GroupA(gHomingBig90A, gBig90AMarkers, HitBig90A, kAllLeft, 2);
constexpr HomingDesign kVolleyZakA =
    GroupA(gHomingVolleyZakA, gVolleyZakAMarkers, HitVolleyZakA, kAllRight);
constexpr HomingDesign kZak4A = GroupB(gHomingZak4A, gZak4AMarkers, HitZak4A, 0, 10.0f);
constexpr HomingDesign kZak4B = GroupB(gHomingZak4B, gZak4BMarkers, HitZak4B, 1, 9.0f);
constexpr HomingDesign kZak4C = GroupB(gHomingZak4C, gZak4CMarkers, HitZak4C, 2, 9.0f);
constexpr HomingDesign kZak4D = GroupB(gHomingZak4D, gZak4DMarkers, HitZak4D, 3, 8.0f);

}  // namespace

void LaunchHomingZak2() { homing::LaunchHoming(kZak2); }
void UpdateHomingZak2() { homing::UpdateHoming(kZak2); }
void DrawHomingZak2() { homing::DrawHoming(kZak2); }
void LaunchHomingZak3() { homing::LaunchHoming(kZak3); }
void UpdateHomingZak3() { homing::UpdateHoming(kZak3); }
void DrawHomingZak3() { homing::DrawHoming(kZak3); }
void LaunchHomingDiver80L() { homing::LaunchHoming(kDiver80L); }
void UpdateHomingDiver80L() { homing::UpdateHoming(kDiver80L); }
void DrawHomingDiver80L() { homing::DrawHoming(kDiver80L); }
void LaunchHomingDiver80R() { homing::LaunchHoming(kDiver80R); }
void UpdateHomingDiver80R() { homing::UpdateHoming(kDiver80R); }
void DrawHomingDiver80R() { homing::DrawHoming(kDiver80R); }
void LaunchHomingGunner80L() { homing::LaunchHoming(kGunner80L); }
void UpdateHomingGunner80L() { homing::UpdateHoming(kGunner80L); }
void DrawHomingGunner80L() { homing::DrawHoming(kGunner80L); }
void LaunchHomingGunner80R() { homing::LaunchHoming(kGunner80R); }
void UpdateHomingGunner80R() { homing::UpdateHoming(kGunner80R); }
void DrawHomingGunner80R() { homing::DrawHoming(kGunner80R); }
void LaunchHomingBig90A() { homing::LaunchHoming(kBig90A); }
void UpdateHomingBig90A() { homing::UpdateHoming(kBig90A); }
void DrawHomingBig90A() { homing::DrawHoming(kBig90A); }
void LaunchHomingVolleyZakA() { homing::LaunchHoming(kVolleyZakA); }
void UpdateHomingVolleyZakA() { homing::UpdateHoming(kVolleyZakA); }
void DrawHomingVolleyZakA() { homing::DrawHoming(kVolleyZakA); }
void LaunchHomingZak4A() { homing::LaunchHoming(kZak4A); }
void UpdateHomingZak4A() { homing::UpdateHoming(kZak4A); }
void DrawHomingZak4A() { homing::DrawHoming(kZak4A); }
void LaunchHomingZak4B() { homing::LaunchHoming(kZak4B); }
void UpdateHomingZak4B() { homing::UpdateHoming(kZak4B); }
void DrawHomingZak4B() { homing::DrawHoming(kZak4B); }
void LaunchHomingZak4C() { homing::LaunchHoming(kZak4C); }
void UpdateHomingZak4C() { homing::UpdateHoming(kZak4C); }
void DrawHomingZak4C() { homing::DrawHoming(kZak4C); }
void LaunchHomingZak4D() { homing::LaunchHoming(kZak4D); }
void UpdateHomingZak4D() { homing::UpdateHoming(kZak4D); }
void DrawHomingZak4D() { homing::DrawHoming(kZak4D); }
