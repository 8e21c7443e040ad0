// Parts shared by every craft: engines, sensor eyes, canopies, panel lines and lights, so that
// ships, enemies and bosses share one style.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/assetgen/paint.h"

namespace assetgen {

// Polygon from its upper outline (left to right or in any order) mirrored across y = axis.
Shape SymmetricPolygon(const std::vector<Vec2>& upper, float axis);

// Exhaust flame leaving a nozzle at `nozzle`, pointing along dir_x (-1 left, +1 right).
void PaintFlame(Canvas& canvas, Vec2 nozzle, float length, float radius, Color hot, Color cool,
                float dir_x);
// Round sensor or gun eye: a dark socket with a glowing lens and a glint.
void PaintEye(Canvas& canvas, Vec2 c, float r, Color lens);
// Glass canopy: shaded glass with a light streak.
void PaintCanopy(Canvas& canvas, const Shape& glass, Color tint);
// Thin engraved panel line.
void PaintPanelLine(Canvas& canvas, Vec2 a, Vec2 b, Color c);
// Small glowing light dot.
void PaintLight(Canvas& canvas, Vec2 c, float r, Color color);

// Gun barrel from base towards tip with a reinforced muzzle.
void PaintGun(Canvas& canvas, Vec2 base, Vec2 tip, float radius, const Material& m);
// Row of engine nozzles on a vertical line at x, flames pointing right.
void PaintEngines(Canvas& canvas, float x, float y0, float y1, int count, float radius,
                  const Material& m);
// Armour plates laid in staggered rows over the shape, some with vents (seeded shading).
void PaintPanels(Canvas& canvas, const Shape& area, Color base, Vec2 cell, uint32_t seed);

}  // namespace assetgen
