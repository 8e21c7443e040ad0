#include "game/timeline.h"

#include "game/game_state.h"

bool WindowOpen(const TimelineRow& row) {
  const float c = gStageClock;
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
