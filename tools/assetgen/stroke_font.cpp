#include "tools/assetgen/stroke_font.h"

#include <cctype>
#include <cstdlib>
#include <string>
#include <vector>

namespace assetgen {
namespace {

struct StrokeGlyph {
  char ch;
  // Polylines separated by '|'; each point "x,y" on the grid, x 0..4 right, y 0..6 down.
  const char* strokes;
};

constexpr StrokeGlyph kGlyphs[] = {
    {'A', "0,6 0,1.5 1.5,0 2.5,0 4,1.5 4,6|0,3.5 4,3.5"},
    {'B', "0,0 3,0 4,1 4,2 3,3 0,3|3,3 4,4 4,5 3,6 0,6 0,0"},
    {'C', "4,0 1,0 0,1 0,5 1,6 4,6"},
    {'D', "0,0 2.5,0 4,1.5 4,4.5 2.5,6 0,6 0,0"},
    {'E', "4,0 0,0 0,6 4,6|0,3 3,3"},
    {'F', "4,0 0,0 0,6|0,3 3,3"},
    {'G', "4,1 3,0 1,0 0,1 0,5 1,6 3,6 4,5 4,3.5 2.5,3.5"},
    {'H', "0,0 0,6|4,0 4,6|0,3 4,3"},
    {'I', "1,0 3,0|2,0 2,6|1,6 3,6"},
    {'J', "4,0 4,5 3,6 1,6 0,5"},
    {'K', "0,0 0,6|4,0 1,3 0,3|1,3 4,6"},
    {'L', "0,0 0,6 4,6"},
    {'M', "0,6 0,0 2,3 4,0 4,6"},
    {'N', "0,6 0,0 4,6 4,0"},
    {'O', "1,0 3,0 4,1 4,5 3,6 1,6 0,5 0,1 1,0"},
    {'P', "0,6 0,0 3,0 4,1 4,2 3,3 0,3"},
    {'Q', "1,0 3,0 4,1 4,5 3,6 1,6 0,5 0,1 1,0|2.5,4.5 4,6"},
    {'R', "0,6 0,0 3,0 4,1 4,2 3,3 0,3|2,3 4,6"},
    {'S', "4,1 3,0 1,0 0,1 0,2 1,3 3,3 4,4 4,5 3,6 1,6 0,5"},
    {'T', "0,0 4,0|2,0 2,6"},
    {'U', "0,0 0,5 1,6 3,6 4,5 4,0"},
    {'V', "0,0 2,6 4,0"},
    {'W', "0,0 1,6 2,3 3,6 4,0"},
    {'X', "0,0 4,6|4,0 0,6"},
    {'Y', "0,0 2,3 4,0|2,3 2,6"},
    {'Z', "0,0 4,0 0,6 4,6"},
    {'0', "1,0 3,0 4,1 4,5 3,6 1,6 0,5 0,1 1,0|3,1.5 1,4.5"},
    {'1', "1,1 2,0 2,6|1,6 3,6"},
    {'2', "0,1 1,0 3,0 4,1 4,2 0,6 4,6"},
    {'3', "0,0 4,0 2,2.5 3,2.5 4,3.5 4,5 3,6 1,6 0,5"},
    {'4', "3,6 3,0 0,4 4,4"},
    {'5', "4,0 0,0 0,2.5 3,2.5 4,3.5 4,5 3,6 0,6"},
    {'6', "3.5,0 1,0 0,1 0,5 1,6 3,6 4,5 4,3.5 3,2.5 0,2.5"},
    {'7', "0,0 4,0 1.5,6"},
    {'8', "1,3 0,2 0,1 1,0 3,0 4,1 4,2 3,3 1,3 0,4 0,5 1,6 3,6 4,5 4,4 3,3"},
    {'9', "4,3.5 1,3.5 0,2.5 0,1 1,0 3,0 4,1 4,5 3,6 0.5,6"},
    {'?', "0,1 1,0 3,0 4,1 4,2 2,3.5 2,4.2|2,5.8 2,6"},
    {'!', "2,0 2,4.2|2,5.8 2,6"},
    {'.', "2,5.8 2,6"},
    {':', "2,1.8 2,2|2,5.8 2,6"},
    {'/', "0.5,6 3.5,0"},
    {'-', "1,3 3,3"},
    {'+', "0,3 4,3|2,1 2,5"},
};

const char* Strokes(char ch) {
  const char up = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  for (const StrokeGlyph& g : kGlyphs)
    if (g.ch == up) return g.strokes;
  return nullptr;
}

// Appends one capsule per segment of the glyph, placed at origin.
void AddGlyph(std::vector<Shape>& parts, const char* strokes, Vec2 origin, const StrokeStyle& s) {
  auto place = [&](float gx, float gy) {
    return Vec2{origin.x + (gx + (6 - gy) * s.slant) * s.unit, origin.y + gy * s.unit};
  };
  const char* p = strokes;
  bool have_prev = false;
  Vec2 prev;
  while (*p) {
    if (*p == '|') {
      have_prev = false;
      ++p;
      continue;
    }
    char* end;
    const float gx = std::strtof(p, &end);
    const float gy = std::strtof(end + 1, &end);
    const Vec2 point = place(gx, gy);
    if (have_prev) parts.push_back(Capsule(prev, point, s.weight));
    prev = point;
    have_prev = true;
    p = end;
    while (*p == ' ') ++p;
  }
}

}  // namespace

float StrokeTextWidth(std::string_view text, const StrokeStyle& s) {
  if (text.empty()) return 0;
  return ((text.size() - 1) * s.spacing + 4) * s.unit + 2 * s.weight;
}

Shape StrokeText(std::string_view text, Vec2 origin, const StrokeStyle& s) {
  std::vector<Shape> parts;
  for (size_t i = 0; i < text.size(); ++i)
    if (const char* strokes = Strokes(text[i]))
      AddGlyph(parts, strokes, {origin.x + s.weight + i * s.spacing * s.unit, origin.y}, s);
  return Union(parts);
}

Shape StrokeTextCentered(std::string_view text, float center_x, float top, const StrokeStyle& s) {
  return StrokeText(text, {center_x - StrokeTextWidth(text, s) / 2, top}, s);
}

}  // namespace assetgen
