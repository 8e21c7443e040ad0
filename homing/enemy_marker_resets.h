// The mark arrays of the lockable enemy kinds as reset-table entries, in the
// order the game-state reset visits them: every mark unlocked and parked, its
// spare word 0.
#pragma once
#include "enemies/big90.h"
#include "enemies/divers.h"
#include "enemies/gunners.h"
#include "enemies/template_kinds.h"
#include "enemies/volley_zak.h"
#include "enemies/zak4.h"
#include "homing/marker_resets.h"

inline constexpr ResetTable kEnemyMarkerTables[] = {
    MarkerTable<gZak2Markers>("gZak2Markers"),
    MarkerTable<gZak3Markers>("gZak3Markers"),
    MarkerTable<gDiver80LMarkers>("gDiver80LMarkers"),
    MarkerTable<gDiver80RMarkers>("gDiver80RMarkers"),
    MarkerTable<gGunner80LMarkers>("gGunner80LMarkers"),
    MarkerTable<gGunner80RMarkers>("gGunner80RMarkers"),
    MarkerTable<gBig90AMarkers>("gBig90AMarkers"),
    MarkerTable<gVolleyZakAMarkers>("gVolleyZakAMarkers"),
    MarkerTable<gZak4AMarkers>("gZak4AMarkers"),
    MarkerTable<gZak4BMarkers>("gZak4BMarkers"),
    MarkerTable<gZak4CMarkers>("gZak4CMarkers"),
    MarkerTable<gZak4DMarkers>("gZak4DMarkers"),
};
