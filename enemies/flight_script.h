// The flight script of the mid-bosses: a phase clock at 45 units per second
// whose closed bands, tested on the new value, move the craft (entry, home
// point, dashes and diagonal legs) and call its weapons; from 601 on the
// script starts over at 51.
#pragma once
#include <array>
#include <span>

#include "enemies/kind.h"

// One band of the craft's motion; per second, times gFrameScale.
struct FlightBand {
  float from, to;
  bool entry;  // x -= vx
  bool home;   // x, y = the home point, vx = 0
  int dashX;   // x += dashX * kDashSpeed
  int legY;    // y += legY * vy
};

// A weapon the script calls on every move whose clock lies in [from, to].
struct WeaponBand {
  float from, to;
  void (*call)();
};

struct FlightScript {
  std::span<const FlightBand> bands;
  std::span<const WeaponBand> weapons;  // called after the motion of the same move
};

constexpr float kFlightClockRate = 45.0f;
constexpr float kFlightRestartAt = 601.0f, kFlightRestartTo = 51.0f;
constexpr float kHomeX = 360.0f, kHomeY = 140.0f;
constexpr float kDashSpeed = 250.0f;
// The craft stays in play while -260 <= x <= 640 and -200 <= y <= 480.
constexpr float kFlightMinX = -260.0f, kFlightMaxX = 640.0f;
constexpr float kFlightMinY = -200.0f, kFlightMaxY = 480.0f;

constexpr FlightBand Entry(float from, float to) { return {from, to, true, false, 0, 0}; }
constexpr FlightBand Home(float from, float to) { return {from, to, false, true, 0, 0}; }
constexpr FlightBand Leg(float from, float to, int dashX, int legY) {
  return {from, to, false, false, dashX, legY};
}

// The bands of the script: in from the right, a volley at home, a four-leg
// zigzag, a dash left and back, a dip, a second zigzag whose last leg starts
// at `lastLegFrom`, and a long rest at home.
constexpr std::array<FlightBand, 18> MidBossFlight(float lastLegFrom) {
  return {{Entry(0, 50), Home(51, 70), Leg(71, 80, -1, -1), Leg(81, 90, 1, 1), Leg(91, 100, -1, 1),
           Leg(101, 110, 1, -1), Home(111, 150), Leg(151, 170, -1, 0), Leg(191, 210, 1, 0),
           Home(211, 240), Leg(241, 260, -1, 1), Leg(321, 340, 1, -1), Home(341, 380),
           Leg(381, 410, -1, -1), Leg(411, 440, 1, 1), Leg(441, 460, -1, 1),
           Leg(lastLegFrom, 480, 1, -1), Home(481, 600)}};
}

// One move of the craft: the script while alive, then the bounds whatever
// `alive` says; a craft out of bounds is freed and parked.
template <typename Block>
void FlyScript(Block& b, const FlightScript& script) {
  if (b.alive != 0) {
    const float scale = enemy::FrameScale();
    b.phaseTimer += kFlightClockRate * scale;
    const float t = b.phaseTimer;
    for (const FlightBand& band : script.bands) {
      if (t < band.from || t > band.to) continue;
      if (band.entry) b.x -= b.vx * scale;
      if (band.home) {
        b.x = kHomeX;
        b.y = kHomeY;
        b.vx = 0.0f;
      }
      b.x += static_cast<float>(band.dashX) * kDashSpeed * scale;
      b.y += static_cast<float>(band.legY) * b.vy * scale;
    }
    for (const WeaponBand& w : script.weapons)
      if (t >= w.from && t <= w.to) w.call();
    if (b.phaseTimer >= kFlightRestartAt) b.phaseTimer = kFlightRestartTo;
  }
  if (b.x >= kFlightMinX && b.x <= kFlightMaxX && b.y >= kFlightMinY && b.y <= kFlightMaxY) return;
  b.alive = 0;
  enemy::Park(b);
}
