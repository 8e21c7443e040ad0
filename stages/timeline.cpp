#include "stages/timeline.h"

#include "game/game_state.h"

bool ModeHolds(Mode mode) {
  switch (mode) {
    case Mode::kAny:
      return true;
    case Mode::kNormal:
      return gDifficulty == 1;
    case Mode::kHard:
      return gDifficulty == 2;
    case Mode::kNotNormal:
      return gDifficulty != 1;
    case Mode::kExtra:
      return gDifficultyExtra == 1;
    case Mode::kNoExtra:
      return gDifficultyExtra != 1;
    case Mode::kHardOrExtra:
      return gDifficulty == 2 || gDifficultyExtra == 1;
  }
  return false;
}

bool RowRuns(const TimelineRow& row) {
  if (!ModeHolds(row.mode)) return false;
  const float c = row.clock == StageClock::kFirst ? gStageClock : gStageClock2;
  switch (row.when) {
    case When::kAlways:
      return true;
    case When::kBetween:
      return row.from < c && c < row.to;
    case When::kWithin:
      return row.from <= c && c <= row.to;
  }
  return false;
}

void RunTimeline(std::span<const TimelineRow> rows) {
  for (const TimelineRow& row : rows) {
    if (!RowRuns(row)) continue;
    for (TimelineOp op : row.ops) op(0);
  }
}
