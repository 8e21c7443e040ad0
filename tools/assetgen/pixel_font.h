// A 5 x 7 pixel font of our own for small text: HUD digits and labels, sheet captions.
#pragma once

#include <string_view>

#include "tools/assetgen/canvas.h"

namespace assetgen {

constexpr int kPixelGlyphWidth = 5;
constexpr int kPixelGlyphHeight = 7;
constexpr int kPixelAdvance = 6;
// Height of the tall variant, which doubles the top, middle and bottom rows.
constexpr int kTallGlyphHeight = 10;

// Whether pixel (col, row) of the glyph of ch is set; letters are upper-cased, unknown
// characters are blank.
bool PixelGlyphBit(char ch, int col, int row);
int PixelTextWidth(std::string_view text, int scale = 1);
// Draws text with its top-left corner at (x, y); each font pixel becomes a scale x scale block.
void DrawPixelText(Canvas& canvas, int x, int y, std::string_view text, Color c, int scale = 1);
// Draws text 10 rows tall: heavier horizontal strokes, made to be stretched.
void DrawTallText(Canvas& canvas, int x, int y, std::string_view text, Color c);

}  // namespace assetgen
