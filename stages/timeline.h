// Stage timelines as data: rows of operations, each run on the frames on which
// its condition holds, in the order the stage lists them.
#pragma once
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>

// Every operation a stage runs takes one word it does not read; the stages pass 0.
using TimelineOp = void (*)(int);

enum class When : uint8_t {
  kAlways,   // every running frame
  kBetween,  // from < clock < to: the spawn and fire windows
  kWithin,   // from <= clock <= to: the power item's release windows
};

// The mode of play a row needs besides its window, from the level choice.
enum class Mode : uint8_t {
  kAny,
  kNormal,       // gDifficulty == 1
  kHard,         // gDifficulty == 2
  kNotNormal,    // gDifficulty != 1
  kExtra,        // gDifficultyExtra == 1
  kNoExtra,      // gDifficultyExtra != 1
  kHardOrExtra,  // gDifficulty == 2 or gDifficultyExtra == 1
};

// The stage clock a window reads: gStageClock, or stage 1's second clock gStageClock2.
enum class StageClock : uint8_t { kFirst, kSecond };

struct TimelineRow {
  When when;
  StageClock clock;
  float from, to;
  std::span<const TimelineOp> ops;
  Mode mode = Mode::kAny;
};

// Calls one operation of a row, with the stage word as each argument it takes
// (Zak9's clusters take two).
template <auto F>
void CallOp(int word) {
  if constexpr (std::is_invocable_v<decltype(F), int, int>)
    F(word, word);
  else if constexpr (std::is_invocable_v<decltype(F), int>)
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
constexpr TimelineRow Between(StageClock c, float from, float to, std::span<const TimelineOp> ops,
                              Mode mode = Mode::kAny) {
  return {When::kBetween, c, from, to, ops, mode};
}
constexpr TimelineRow Within(StageClock c, float from, float to, std::span<const TimelineOp> ops) {
  return {When::kWithin, c, from, to, ops};
}

// A row that runs on every frame under a mode of play.
constexpr TimelineRow InMode(Mode mode, std::span<const TimelineOp> ops) {
  return {When::kAlways, StageClock::kFirst, 0, 0, ops, mode};
}

// Blocks of rows that a stage lays end to end in drawing order.
template <size_t N>
using Rows = std::array<TimelineRow, N>;

// A block written inline, its length counted: RowsOf({Always(...), Between(...)}).
template <size_t N>
constexpr Rows<N> RowsOf(const TimelineRow (&rows)[N]) {
  return std::to_array(rows);
}

template <size_t... N>
constexpr Rows<(N + ...)> JoinRows(const Rows<N>&... blocks) {
  Rows<(N + ...)> rows{};
  auto out = rows.begin();
  ((out = std::ranges::copy(blocks, out).out), ...);
  return rows;
}

bool ModeHolds(Mode mode);
bool RowRuns(const TimelineRow& row);
// Runs the rows in order; each row tests its condition as the rows before it left the state.
void RunTimeline(std::span<const TimelineRow> rows);
