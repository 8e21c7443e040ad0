// Start of a new game and the game-state reset at every game start and boss
// defeat. Each subsystem lists its own tables here; the reset that joins them
// in their fixed order lives beside the stages, at the top of the game.
#pragma once
#include <cstddef>
#include <span>

void InitNewGame();
void ResetGameState();

// One table that ResetGameState brings back to its start pattern.
struct ResetTable {
  const char* name;
  void* data;  // the storage, so that tests can spoil it before a reset
  size_t bytes;
  void (*reset)();
  bool (*atStart)();  // every record holds its start pattern
};

// Rows of the reset tables: a table of N records, or a table of one record.
template <typename T, size_t N>
constexpr ResetTable Table(const char* name, T (&table)[N], void (*reset)(), bool (*atStart)()) {
  return {name, table, sizeof(T) * N, reset, atStart};
}
template <typename T>
constexpr ResetTable Block(const char* name, T& block, void (*reset)(), bool (*atStart)()) {
  return {name, &block, sizeof(T), reset, atStart};
}

// The tables in the order the reset visits them; each subsystem adds its own.
std::span<const ResetTable> ResetTables();
