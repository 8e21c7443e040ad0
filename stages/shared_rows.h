// Row blocks that several stages share.
#pragma once
#include "enemies/divers.h"
#include "enemies/gunners.h"
#include "player/life.h"
#include "player/power_item.h"
#include "stages/timeline.h"

// The power item: drawn, moved, and released in five inclusive windows.
inline constexpr auto kPowerItemRows = RowsOf({
    Always(Ops<DrawPowerItem, MovePowerItem>),
    Within(StageClock::kFirst, 20, 50, Ops<SpawnPowerItem>),
    Within(StageClock::kFirst, 300, 350, Ops<SpawnPowerItem>),
    Within(StageClock::kFirst, 500, 550, Ops<SpawnPowerItem>),
    Within(StageClock::kFirst, 800, 850, Ops<SpawnPowerItem>),
    Within(StageClock::kFirst, 1000, 1050, Ops<SpawnPowerItem>),
});

// The ship's life and respawn, after the stage's draws.
inline constexpr auto kLifeRows = RowsOf({Always(Ops<UpdatePlayerLife>)});

// One window of a pair of side craft: each side fires its own mix of streams.
template <auto SpawnL, auto StreamL1, auto StreamL2, auto StreamL3, auto SpawnR, auto StreamR1,
          auto StreamR2, auto StreamR3>
constexpr auto SideWindow(float from, float to) {
  constexpr auto c = StageClock::kFirst;
  return RowsOf({
      Between(c, from, to, Ops<SpawnL>),
      Between(c, from, to, Ops<StreamL1, StreamL2>, Mode::kExtra),
      Between(c, from, to, Ops<StreamL3, SpawnR>),
      Between(c, from, to, Ops<StreamR1>, Mode::kExtra),
      Between(c, from, to, Ops<StreamR2>),
      Between(c, from, to, Ops<StreamR3>, Mode::kExtra),
  });
}

// The windows of the divers and of the gunners of stages 5 and 6.
constexpr auto DiverWindow(float from, float to) {
  return SideWindow<SpawnDiver80L, FireDiver80LStream1, FireDiver80LStream2, FireDiver80LStream3,
                    SpawnDiver80R, FireDiver80RStream1, FireDiver80RStream2, FireDiver80RStream3>(
      from, to);
}
constexpr auto GunnerWindow(float from, float to) {
  return SideWindow<SpawnGunner80L, FireGunner80LStream1, FireGunner80LStream2,
                    FireGunner80LStream3, SpawnGunner80R, FireGunner80RStream1,
                    FireGunner80RStream2, FireGunner80RStream3>(from, to);
}

// The divers and gunners of stages 5 and 6, moved and drawn, then their windows.
inline constexpr auto kDiversAndGunners =
    JoinRows(RowsOf({Always(Ops<MoveDiver80L, DrawDiver80L, MoveDiver80R, DrawDiver80R>)}),
             DiverWindow(600, 680), DiverWindow(800, 900), DiverWindow(1000, 1100),
             RowsOf({Always(Ops<MoveGunner80L, DrawGunner80L, MoveGunner80R, DrawGunner80R>)}),
             GunnerWindow(560, 600), GunnerWindow(800, 900), GunnerWindow(1000, 1200));
