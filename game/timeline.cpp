#include "game/timeline.h"

#include "game/game_state.h"

bool RowRuns(const TimelineRow& row) {
  const float c = row.clock == StageClock::kFirst ? gStageClock : gStageClock2;
  switch (row.when) {
    case When::kAlways:
      return true;
    case When::kBetween:
      return row.from < c && c < row.to;
    case When::kWithin:
      return row.from <= c && c <= row.to;
    case When::kExtraMode:
      return gDifficultyExtra == 1;
    case When::kNoExtraMode:
      return gDifficultyExtra != 1;
    case When::kHardMode:
      return gDifficulty != 1;
  }
  return false;
}

void RunTimeline(std::span<const TimelineRow> rows) {
  for (const TimelineRow& row : rows) {
    if (!RowRuns(row)) continue;
    for (TimelineOp op : row.ops) op(0);
  }
}
