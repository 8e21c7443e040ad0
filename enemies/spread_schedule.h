// The stages' spread schedules of the mid-bosses. Once a frame, while the
// craft is not dying and 20 < hp < 250, the stage steps the craft's spread
// clock by 1 and runs its spread tick while the clock lies in one of the
// schedule's windows; the clock goes back to 9 when it reaches the wrap value.
// So the spread starts only after the craft has lost more than 30 hit points.
#pragma once
#include <cstdint>
#include <span>

struct ClockWindow {
  int32_t from, to;  // inclusive
};

struct SpreadSchedule {
  std::span<const ClockWindow> windows;
  int32_t wrapAt;
};

// Zak52 in stage 1.
extern const SpreadSchedule kZak52Stage1Spread;
// The Zak60 kinds: S1 for Zak60A, S2 (a longer first window) for Zak60B and Zak60C.
extern const SpreadSchedule kSpreadScheduleS1, kSpreadScheduleS2;

void ScheduleZak52Spread(const SpreadSchedule& schedule);
void ScheduleZak60ASpread();
void ScheduleZak60BSpread();
void ScheduleZak60CSpread();
