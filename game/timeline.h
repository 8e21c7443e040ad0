// Stage timelines as data: rows of operations run while a window of the stage
// clock is open, in the order the stage lists them.
#pragma once
#include <array>
#include <span>

enum class TimelineBounds {
  kStrict,     // from < clock < to: the spawn windows
  kInclusive,  // from <= clock <= to: the power-item windows
};

using TimelineOp = void (*)();

struct TimelineRow {
  TimelineBounds bounds;
  float from, to;
  std::array<TimelineOp, 4> ops;  // run in order; unused entries are null
};

bool WindowOpen(const TimelineRow& row);
// Runs the rows in order; each row tests the clock as the rows before it left it.
void RunTimeline(std::span<const TimelineRow> rows);
