// The growing strips: a horizontal strip that leaves a large kind's muzzle,
// grows to the right by a few pixels per drawn frame and flies to the left in
// whole pixels. The lasers of Zak51A and Zak51B and the bars of the Zak54
// kinds are rows of this one design; their fire, move and draw operations are
// one-line calls of the routines below.
#pragma once
#include <cstdint>

#include "enemies/records.h"

struct LaserRecord {
  int32_t width;  // drawn length
  int32_t x, y;   // top-left corner on the screen
  float speed;    // px/s towards the left
  int32_t alive;
};
// A Zak54 bar carries the same words as a laser.
using LaserBarRecord = LaserRecord;

namespace enemy {

struct StripDesign {
  LaserRecord* strip;
  const LargeZakState* owner;  // fires from wherever it stands, alive or not
  int muzzleX, muzzleY;        // added to the owner's truncated position
  float speed;                 // px/s set at firing
  int maxWidth;                // grows by 4 per drawn frame up to this
  int leftEdge;                // freed once x is below it (or y below 480)
  const int* picture;          // source (0, 0)-(width, 20)
  // The ship is hit while (x - ship x) lies in [30 - width, 60] and
  // (y - ship y) in [shipTop, 54].
  float shipTop;
};

// Starts the strip at the muzzle with width 0 if it is free.
void FireStrip(const StripDesign& d);
// Moves a live strip by its truncated step, then frees it below 480 or past the left edge.
void MoveStrip(const StripDesign& d);
// Grows the strip (live or not), draws it and tests the ship; no bomb test.
void DrawStrip(const StripDesign& d);

void ResetStrip(LaserRecord& s);
bool StripAtStart(const LaserRecord& s);

}  // namespace enemy

template <LaserRecord& strip>
void ResetStripRecord() {
  enemy::ResetStrip(strip);
}
template <LaserRecord& strip>
bool StripRecordAtStart() {
  return enemy::StripAtStart(strip);
}
