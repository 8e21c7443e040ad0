// Stage timelines as data: rows of operations run while a window of a stage
// clock is open, in the order the stage lists them.
#pragma once
#include <array>
#include <span>

enum class TimelineClock {
  kAlways,  // runs on every frame
  kStage,   // gStageClock
};
enum class TimelineBounds {
  kStrict,     // from < clock < to: the spawn windows
  kInclusive,  // from <= clock <= to: the power-item windows
};

using TimelineOp = void (*)();

struct TimelineRow {
  TimelineClock clock;
  TimelineBounds bounds;
  float from, to;
  std::array<TimelineOp, 4> ops;  // run in order; unused entries are null
};

bool WindowOpen(const TimelineRow& row);
void RunTimeline(std::span<const TimelineRow> rows);
