#include "game/timeline.h"

#include "game/game_state.h"

bool WindowOpen(const TimelineRow& row) {
  if (row.clock == TimelineClock::kAlways) return true;
  const float c = row.clock == TimelineClock::kStage ? gStageClock : gStageClock2;
  if (row.bounds == TimelineBounds::kStrict) return row.from < c && c < row.to;
  return row.from <= c && c <= row.to;
}

void RunTimeline(std::span<const TimelineRow> rows) {
  for (const TimelineRow& row : rows) {
    if (!WindowOpen(row)) continue;
    for (TimelineOp op : row.ops)
      if (op) op();
  }
}

void RunCounterWindows(std::span<const CounterWindow> windows, int counter) {
  for (const CounterWindow& w : windows)
    if (w.from <= counter && counter <= w.to) w.op();
}
