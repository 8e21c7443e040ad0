// Painting shapes onto a canvas: shaded solids, flat fills, soft glows and per-pixel fields.
#pragma once

#include <functional>

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/shape.h"

namespace assetgen {

// Surface of a solid part. Light comes from the upper left; the rim is a one-pixel outline in a
// darker tone of the same hue that keeps sprites readable over any background.
struct Material {
  Color base;
  Color rim;
  float bevel = 4;     // width in pixels of the lit and shaded band along the edge
  float shine = 0.6f;  // strength of the highlight on edges that face the light
  float grain = 0;     // amount of mottled surface variation
};

void PaintSolid(Canvas& canvas, const Shape& shape, const Material& m);
// Flat colour with anti-aliased edges (never fading into the key).
void PaintFlat(Canvas& canvas, const Shape& shape, Color c, float opacity = 1);
// Soft light around (and inside) the shape, falling off with the given radius.
void PaintGlow(Canvas& canvas, const Shape& shape, Color c, float radius, float strength = 1);

struct Paint {
  Color color;
  float alpha = 0;
};
// Calls field for every pixel centre in the box and paints its answer over the canvas.
void PaintField(Canvas& canvas, Box2 box, const std::function<Paint(Vec2)>& field);

// Shorthand for a material whose rim is the base darkened.
Material Metal(Color base, float bevel = 4, float shine = 0.6f);

}  // namespace assetgen
