// Row blocks that several stages share.
#pragma once
#include "enemies/divers.h"
#include "enemies/gunners.h"
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
