// Installed font faces: the families on the machine, fonts opened by name at
// a size and style, their metrics and monochrome glyph masks. Fonts stay open
// and their glyphs are kept once drawn, so a line of text drawn every frame
// costs no allocation after its first frame. Game thread only.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace plat {

// What a family's characters cover.
enum class FontCoverage { kJapanese, kSymbol, kOther };

struct FontFamily {
  std::string name;  // the family's first name, UTF-8
  FontCoverage coverage;
};

// Every installed family once, sorted by name (bytewise).
std::vector<FontFamily> ListFontFamilies();

constexpr int kFontNameBytes = 128;
// Taller fonts are made at this cell height.
constexpr int kMaxFontPixels = 1024;

struct FontRequest {
  char family[kFontNameBytes];  // UTF-8, NUL-terminated; empty: the default face
  // Pixels: above 0 the cell height (ascent plus descent), below 0 the em
  // height, 0 a default size.
  int height;
  int escapement;  // tenths of a degree, counter-clockwise
  int weight;      // 1 to 1000 (400 normal, 700 bold); 0 the face's own
  bool italic, underline;
  bool japanese;  // when the family is missing, prefer a face with Japanese
};

// 0 is no font.
using FontId = int;

// The font for a request: the closest installed face, opened on first use
// and kept. Faces without a bold or italic style are emboldened or slanted.
// 0 only when the machine has no usable face at all. An id stays valid until
// the next OpenFont or ReleaseFonts.
FontId OpenFont(const FontRequest& request);

struct FontMetrics {
  int ascent, descent;  // pixels above and below the baseline
  int underlineOffset;  // the underline's top edge below the baseline
  int underlineThickness;
};
// All zero for font 0.
FontMetrics GetFontMetrics(FontId font);

struct GlyphImage {
  int advance;    // pixels the pen moves along the baseline
  int left, top;  // the mask's top-left corner from the pen: x right, y up
  int width, height;
  const uint8_t* mask;  // width x height bytes, row after row; not 0 where inked
};
// The glyph of a code point, turned by the font's escapement; the face's
// missing-glyph shape when it has none. Null for font 0. Valid until the
// next GetGlyph, OpenFont or ReleaseFonts.
const GlyphImage* GetGlyph(FontId font, char32_t codePoint);

// Closes every face and forgets every font and glyph.
void ReleaseFonts();

}  // namespace plat
