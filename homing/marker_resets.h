// A reset-table entry for a lock-on mark array: the reset unlocks and parks
// every mark and clears its spare word.
#pragma once
#include "enemies/kind.h"
#include "game/reset.h"

template <auto& marks>
void ResetMarkerTable() {
  enemy::ResetMarkers(marks);
}
template <auto& marks>
bool MarkerTableAtStart() {
  return enemy::MarkersAtStart(marks);
}
template <auto& marks>
constexpr ResetTable MarkerTable(const char* name) {
  return {name, marks, sizeof marks, ResetMarkerTable<marks>, MarkerTableAtStart<marks>};
}
