// The falling beams: 40 x 40 pieces dropped in pairs from under a large kind
// on a fixed schedule of a 150-count timer per slot. Slots 2k and 2k+1 form
// pair k. One BeamDesign row per family; TickZak50BBeam1, FireZak50BBeam1,
// MoveZak50BBeam1 and DrawZak50BBeam1 are one-line calls of the routines below.
#pragma once
#include <span>

#include "enemies/bullets.h"

extern int gPicBeam;  // no asset is loaded into it: beams draw the scratch object

namespace enemy {

constexpr int kBeamSlots = 20;

struct BeamDesign {
  std::span<AimedShotRecord, kBeamSlots> slots;
  const LargeZakState* owner;  // fires from wherever it stands, alive or not
  float pairX[2];              // x of a pair's even and odd slot from the owner's x
  float startY;                // from the owner's y
  float fallSpeed;             // px/s, written into speed by every move
  float spread;                // px/s every slot drifts sideways: even left, odd right
  int cellLeft[2];             // source left of the 40 x 40 cell of even and odd slots
};

// Steps every timer (150 or more becomes 0) and starts each pair whose count has come.
void TickBeams(const BeamDesign& d);
// Starts `slot` if it is free; the pair starting at `first` is set back under the owner.
void FireBeam(const BeamDesign& d, int slot, int first);
// The sideways drift of every slot, then the fall of the live ones; tests the ship.
void MoveBeams(const BeamDesign& d);
// Draws every slot, free ones at their place too.
void DrawBeams(const BeamDesign& d);

// Start frame rand() % 7, timer 0, free and parked, speed 0.
void ResetBeam(AimedShotRecord& s);
bool BeamAtStart(const AimedShotRecord& s);

}  // namespace enemy

template <auto& table>
void ResetBeams() {
  for (AimedShotRecord& s : table) enemy::ResetBeam(s);
}
template <auto& table>
bool BeamsAtStart() {
  for (const AimedShotRecord& s : table)
    if (!enemy::BeamAtStart(s)) return false;
  return true;
}
