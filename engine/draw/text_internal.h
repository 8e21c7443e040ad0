// Pieces shared by the text files: fonts opened from their descriptions,
// character extents, and painting glyphs into a surface.
#pragma once
#include <cstddef>
#include <cstdint>

#include "engine/draw/ko_draw.h"
#include "platform/fonts.h"

namespace koDraw::text {

// An opened font; its id stays valid until the next font is opened.
struct OpenedFont {
  plat::FontId id = 0;
  plat::FontMetrics metrics{};
  double cosine = 1, sine = 0;  // the baseline's direction on screen
  bool underline = false;
  int CellHeight() const { return metrics.ascent + metrics.descent; }
};
OpenedFont Open(const TextLogFont& font);
// Selects gTextLogFont into a fresh device context of the target: black
// text on an opaque white background until colours are set.
void Take(int target);

// The size of one character as the font's text extent gives it: its
// advance and the cell height (0, 0 without a font).
struct Extent {
  int cx, cy;
};
Extent CharExtent(const OpenedFont& font, char32_t c);
// The advance of the text's characters added up.
int64_t TextWidth(const OpenedFont& font, const char* text, size_t length);

// The surface a device context's target draws on; null for none.
Surface* TargetSurface(int target);
// The whole surface as a rectangle.
DrawRect Bounds(const Surface& s);

struct Paint {
  Surface* surface;
  DrawRect clip;  // within the surface
  uint16_t colour;
  bool opaque;
  uint16_t background;
};
// Draws the text with the top-left corner of its first cell at (x, y), the
// cells along the font's escapement. Returns the advance.
int64_t PaintText(const Paint& paint, const OpenedFont& font, int64_t x, int64_t y,
                  const char* text, size_t length);

// True when the character of `length` bytes at c is one of gLineBreakTable.
bool InLineBreakTable(const char* c, size_t length);

// --- Shared by the sprite renderers ---
constexpr int kShadowFlag = 0x100, kWiderXFlag = 0x200, kWiderYFlag = 0x400;
// Moves a text or shadow colour whose channels are all below 0x10 to
// 0x101010, so it stays clear of the sprite's black key.
void LiftColoursOffKey();
// Draws one character with its cell's top-left corner at (x, y): with the
// shadow flag first its shadow `shadow` pixels right and down (one more
// across or down with the thickening flags), then the character, thickened
// one pixel across and down as the flags ask.
void DrawStyled(const Paint& ink, const Paint& shade, const OpenedFont& font, int64_t x, int64_t y,
                const char* c, size_t length, int flags, int shadow);
// A bound held within +-2^24: farther out there is no surface to draw on,
// and pen arithmetic from there cannot overflow.
int64_t Near(int v);
// A value held to the range of int.
int Saturate(int64_t v);
// Blits the rectangle of entry `entry` of gCharRects from ObjectFont to its own place.
void BlitCharBox(int entry);
// What both renderers do when done: the final blit unless deferred, the
// reveal started from nothing.
void FinishRendering();

}  // namespace koDraw::text
