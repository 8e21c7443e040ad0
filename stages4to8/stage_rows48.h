// Row blocks that several of stages 4 to 8 share, and the join that lays a
// stage's blocks end to end in drawing order.
#pragma once
#include <algorithm>
#include <array>
#include <cstddef>

#include "enemies/divers.h"
#include "enemies/gunners.h"
#include "game/timeline.h"
#include "homing/boss_homing.h"
#include "homing/enemy_homing.h"
#include "player/power_item.h"

namespace stages48 {

template <size_t N>
using Rows = std::array<TimelineRow, N>;

// A block written inline, its length counted: RowsOf({Always(...), Between(...)}).
template <size_t N>
constexpr Rows<N> RowsOf(const TimelineRow (&rows)[N]) {
  return std::to_array(rows);
}

template <size_t... N>
constexpr Rows<(N + ...)> JoinRows(const Rows<N>&... blocks) {
  Rows<(N + ...)> rows{};
  auto out = rows.begin();
  ((out = std::ranges::copy(blocks, out).out), ...);
  return rows;
}

// The power item: drawn, moved, and released in five inclusive windows.
inline constexpr auto kPowerItemRows = RowsOf({
    Always(Ops<DrawPowerItem, MovePowerItem>),
    Within(StageClock::kFirst, 20, 50, Ops<SpawnPowerItem>),
    Within(StageClock::kFirst, 300, 350, Ops<SpawnPowerItem>),
    Within(StageClock::kFirst, 500, 550, Ops<SpawnPowerItem>),
    Within(StageClock::kFirst, 800, 850, Ops<SpawnPowerItem>),
    Within(StageClock::kFirst, 1000, 1050, Ops<SpawnPowerItem>),
});

// One window of the divers of stages 5 and 6: each side fires its own mix of streams.
constexpr auto DiverWindow(float from, float to) {
  constexpr auto c = StageClock::kFirst;
  return RowsOf({
      Between(c, from, to, Ops<SpawnDiver80L>),
      Between(c, from, to, Ops<FireDiver80LStream1, FireDiver80LStream2>, Mode::kExtra),
      Between(c, from, to, Ops<FireDiver80LStream3, SpawnDiver80R>),
      Between(c, from, to, Ops<FireDiver80RStream1>, Mode::kExtra),
      Between(c, from, to, Ops<FireDiver80RStream2>),
      Between(c, from, to, Ops<FireDiver80RStream3>, Mode::kExtra),
  });
}

// The same mix for the gunners of stages 5 and 6.
constexpr auto GunnerWindow(float from, float to) {
  constexpr auto c = StageClock::kFirst;
  return RowsOf({
      Between(c, from, to, Ops<SpawnGunner80L>),
      Between(c, from, to, Ops<FireGunner80LStream1, FireGunner80LStream2>, Mode::kExtra),
      Between(c, from, to, Ops<FireGunner80LStream3, SpawnGunner80R>),
      Between(c, from, to, Ops<FireGunner80RStream1>, Mode::kExtra),
      Between(c, from, to, Ops<FireGunner80RStream2>),
      Between(c, from, to, Ops<FireGunner80RStream3>, Mode::kExtra),
  });
}

// The divers and gunners of stages 5 and 6, moved and drawn, then their windows.
inline constexpr auto kDiversAndGunners =
    JoinRows(RowsOf({Always(Ops<MoveDiver80L, DrawDiver80L, MoveDiver80R, DrawDiver80R>)}),
             DiverWindow(600, 680), DiverWindow(800, 900), DiverWindow(1000, 1100),
             RowsOf({Always(Ops<MoveGunner80L, DrawGunner80L, MoveGunner80R, DrawGunner80R>)}),
             GunnerWindow(560, 600), GunnerWindow(800, 900), GunnerWindow(1000, 1200));

// A set of homing missiles: drawn after the power item, updated after the shot
// hit pass, in the same order.
struct HomingSets {
  TimelineRow draw, update;
};
template <auto... Draw>
struct HomingDraws {
  template <auto... Update>
  static constexpr HomingSets Updates() {
    return {Always(Ops<Draw...>), Always(Ops<Update...>)};
  }
};

// The lockable crossing craft, Big90A and VolleyZakA.
inline constexpr HomingSets kHomingCrossers =
    HomingDraws<DrawHomingDiver80L, DrawHomingDiver80R, DrawHomingGunner80L, DrawHomingGunner80R,
                DrawHomingBig90A, DrawHomingVolleyZakA>::
        Updates<UpdateHomingDiver80L, UpdateHomingDiver80R, UpdateHomingGunner80L,
                UpdateHomingGunner80R, UpdateHomingBig90A, UpdateHomingVolleyZakA>();
// The four Zak4 waves.
inline constexpr HomingSets kHomingWaves =
    HomingDraws<DrawHomingZak4A, DrawHomingZak4B, DrawHomingZak4C, DrawHomingZak4D>::Updates<
        UpdateHomingZak4A, UpdateHomingZak4B, UpdateHomingZak4C, UpdateHomingZak4D>();
// Zak2 and Zak3.
inline constexpr HomingSets kHomingZak2And3 =
    HomingDraws<DrawHomingZak2, DrawHomingZak3>::Updates<UpdateHomingZak2, UpdateHomingZak3>();

// The rows of a stage's homing sets, in its order: the draws and the updates.
template <size_t N>
constexpr Rows<N> HomingDrawRows(const std::array<HomingSets, N>& sets) {
  Rows<N> rows{};
  for (size_t i = 0; i < N; ++i) rows[i] = sets[i].draw;
  return rows;
}
template <size_t N>
constexpr Rows<N> HomingUpdateRows(const std::array<HomingSets, N>& sets) {
  Rows<N> rows{};
  for (size_t i = 0; i < N; ++i) rows[i] = sets[i].update;
  return rows;
}

}  // namespace stages48
