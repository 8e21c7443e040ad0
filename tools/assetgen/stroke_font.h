// A line-stroke font of our own for large text: capital letters built from straight strokes with
// cut corners on a 4 x 6 unit grid, so it scales to any size as a smooth shape.
#pragma once

#include <string_view>

#include "tools/assetgen/shape.h"

namespace assetgen {

struct StrokeStyle {
  float unit = 4;        // pixels per grid unit; capitals are 6 units tall
  float weight = 1.5f;   // stroke half-width in pixels
  float slant = 0;       // horizontal shift per unit of height, for italics
  float spacing = 6.2f;  // advance per character in units
};

float StrokeTextWidth(std::string_view text, const StrokeStyle& style);
// The text as one shape with the top-left of its first capital at origin.
Shape StrokeText(std::string_view text, Vec2 origin, const StrokeStyle& style);
// As StrokeText, centred horizontally on center_x.
Shape StrokeTextCentered(std::string_view text, float center_x, float top, const StrokeStyle& s);

}  // namespace assetgen
