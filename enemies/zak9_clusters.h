// The reset of Zak9's cluster tables: every bullet free and parked with its
// speeds 0 and a start frame (which the clusters do not draw with).
#pragma once
#include "enemies/streams.h"

template <auto& table>
void ResetClusterShots() {
  for (ClusterRecord& c : table)
    for (ShotRecord& s : c.shots) enemy::ResetShot(s, enemy::StartFrame::kRandom10);
}
template <auto& table>
bool ClusterShotsAtStart() {
  for (const ClusterRecord& c : table)
    for (const ShotRecord& s : c.shots)
      if (!enemy::ShotAtStart(s, enemy::StartFrame::kRandom10)) return false;
  return true;
}
