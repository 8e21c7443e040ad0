// Stage timelines as data: rows of operations, each run on the frames on which
// its condition holds, in the order the stage lists them.
#pragma once
#include <cstdint>
#include <span>
#include <type_traits>

// Every operation a stage runs takes one word it does not read; the stages pass 0.
using TimelineOp = void (*)(int);

enum class When : uint8_t {
  kAlways,       // every running frame
  kBetween,      // from < clock < to: the spawn and fire windows
  kWithin,       // from <= clock <= to: the power item's release windows
  kExtraMode,    // gDifficultyExtra == 1
  kNoExtraMode,  // gDifficultyExtra != 1
  kHardMode,     // gDifficulty != 1
};

// The stage clock a window reads: gStageClock, or stage 1's second clock gStageClock2.
enum class StageClock : uint8_t { kFirst, kSecond };

struct TimelineRow {
  When when;
  StageClock clock;
  float from, to;
  std::span<const TimelineOp> ops;
};

// Calls one operation of a row, with the stage word if it takes one.
template <auto F>
void CallOp(int word) {
  if constexpr (std::is_invocable_v<decltype(F), int>)
    F(word);
  else
    F();
}

// A row's operations, written inline: Ops<MoveZak1, DrawZak1>.
template <auto... F>
inline constexpr TimelineOp kOpList[] = {CallOp<F>...};
template <auto... F>
inline constexpr std::span<const TimelineOp> Ops{kOpList<F...>};

constexpr TimelineRow Always(std::span<const TimelineOp> ops) {
  return {When::kAlways, StageClock::kFirst, 0, 0, ops};
}
constexpr TimelineRow Between(StageClock c, float from, float to, std::span<const TimelineOp> ops) {
  return {When::kBetween, c, from, to, ops};
}
constexpr TimelineRow Within(StageClock c, float from, float to, std::span<const TimelineOp> ops) {
  return {When::kWithin, c, from, to, ops};
}

// A row that runs under a mode of play.
constexpr TimelineRow InMode(When when, std::span<const TimelineOp> ops) {
  return {when, StageClock::kFirst, 0, 0, ops};
}

bool RowRuns(const TimelineRow& row);
// Runs the rows in order; each row tests its condition as the rows before it left the state.
void RunTimeline(std::span<const TimelineRow> rows);
