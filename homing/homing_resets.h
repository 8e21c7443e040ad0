// The lock-on marks of the bosses' parts and the homing missiles as the
// game-state reset visits them.
#pragma once
#include "game/reset.h"
#include "homing/boss_homing.h"
#include "homing/boss_markers.h"
#include "homing/enemy_homing.h"
#include "homing/marker_resets.h"

template <auto& missiles>
constexpr ResetTable HomingTable(const char* name) {
  return Table(name, missiles, ResetHomingTable<missiles>, HomingTableAtStart<missiles>);
}

inline constexpr ResetTable kBossMarkerTables[] = {
    MarkerTable<gBoss1MarkersA>("gBoss1MarkersA"), MarkerTable<gBoss1MarkersB>("gBoss1MarkersB"),
    MarkerTable<gBoss2MarkersA>("gBoss2MarkersA"), MarkerTable<gBoss2MarkersB>("gBoss2MarkersB"),
    MarkerTable<gBoss3MarkersA>("gBoss3MarkersA"), MarkerTable<gBoss3MarkersB>("gBoss3MarkersB"),
    MarkerTable<gBoss4MarkersA>("gBoss4MarkersA"), MarkerTable<gBoss4MarkersB>("gBoss4MarkersB"),
    MarkerTable<gBoss5MarkersA>("gBoss5MarkersA"), MarkerTable<gBoss5MarkersB>("gBoss5MarkersB"),
    MarkerTable<gBoss6MarkersA>("gBoss6MarkersA"), MarkerTable<gBoss6MarkersB>("gBoss6MarkersB"),
    MarkerTable<gBoss7MarkersA>("gBoss7MarkersA"), MarkerTable<gBoss7MarkersB>("gBoss7MarkersB"),
    MarkerTable<gBoss8MarkersA>("gBoss8MarkersA"), MarkerTable<gBoss8MarkersB>("gBoss8MarkersB"),
};

inline constexpr ResetTable kHomingTables[] = {
    HomingTable<gHomingDiver80L>("gHomingDiver80L"),
    HomingTable<gHomingZak2>("gHomingZak2"),
    HomingTable<gHomingZak3>("gHomingZak3"),
    HomingTable<gHomingDiver80R>("gHomingDiver80R"),
    HomingTable<gHomingGunner80L>("gHomingGunner80L"),
    HomingTable<gHomingGunner80R>("gHomingGunner80R"),
    HomingTable<gHomingBig90A>("gHomingBig90A"),
    HomingTable<gHomingVolleyZakA>("gHomingVolleyZakA"),
    HomingTable<gHomingZak4A>("gHomingZak4A"),
    HomingTable<gHomingZak4B>("gHomingZak4B"),
    HomingTable<gHomingZak4C>("gHomingZak4C"),
    HomingTable<gHomingZak4D>("gHomingZak4D"),
    HomingTable<gHomingBoss1A>("gHomingBoss1A"),
    HomingTable<gHomingBoss1B>("gHomingBoss1B"),
    HomingTable<gHomingBoss2A>("gHomingBoss2A"),
    HomingTable<gHomingBoss2B>("gHomingBoss2B"),
    HomingTable<gHomingBoss3A>("gHomingBoss3A"),
    HomingTable<gHomingBoss3B>("gHomingBoss3B"),
    HomingTable<gHomingBoss4A>("gHomingBoss4A"),
    HomingTable<gHomingBoss4B>("gHomingBoss4B"),
    HomingTable<gHomingBoss5A>("gHomingBoss5A"),
    HomingTable<gHomingBoss5B>("gHomingBoss5B"),
    HomingTable<gHomingBoss6A>("gHomingBoss6A"),
    HomingTable<gHomingBoss6B>("gHomingBoss6B"),
    HomingTable<gHomingBoss7A>("gHomingBoss7A"),
    HomingTable<gHomingBoss7B>("gHomingBoss7B"),
    HomingTable<gHomingBoss8A>("gHomingBoss8A"),
    HomingTable<gHomingBoss8B>("gHomingBoss8B"),
};
