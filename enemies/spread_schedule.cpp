#include "enemies/spread_schedule.h"

#include "enemies/zak52.h"
#include "enemies/zak60.h"

namespace {

constexpr float kSpreadFromHp = 250.0f, kSpreadDownToHp = 20.0f;
constexpr int32_t kClockRestart = 9;

constexpr ClockWindow kS1[] = {{10, 20},   {100, 110}, {250, 270},  {320, 350},
                               {500, 550}, {650, 700}, {900, 1000}, {1200, 1400}};
constexpr ClockWindow kS2[] = {{10, 90},   {100, 110}, {250, 270},  {320, 350},
                               {500, 550}, {650, 700}, {900, 1000}, {1200, 1400}};

template <typename Block>
void StepSchedule(Block& b, const SpreadSchedule& s, void (*tick)()) {
  if (b.dying > 0 || !(b.hp > kSpreadDownToHp && b.hp < kSpreadFromHp)) return;
  ++b.spreadClock;
  for (const ClockWindow& w : s.windows)
    if (b.spreadClock >= w.from && b.spreadClock <= w.to) tick();
  if (b.spreadClock >= s.wrapAt) b.spreadClock = kClockRestart;
}

}  // namespace

const SpreadSchedule kSpreadScheduleS1{kS1, 1401}, kSpreadScheduleS2{kS2, 1401};
const SpreadSchedule kZak52Stage1Spread = kSpreadScheduleS1;

void ScheduleZak52Spread(const SpreadSchedule& schedule) {
  StepSchedule(gZak52, schedule, TickZak52Spread);
}
void ScheduleZak60ASpread() { StepSchedule(gZak60A, kSpreadScheduleS1, TickZak60ASpread); }
void ScheduleZak60BSpread() { StepSchedule(gZak60B, kSpreadScheduleS2, TickZak60BSpread); }
void ScheduleZak60CSpread() { StepSchedule(gZak60C, kSpreadScheduleS2, TickZak60CSpread); }
