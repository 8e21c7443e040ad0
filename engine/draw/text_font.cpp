// Font selection: the logical font the text operations describe, the device
// context it is selected into, the text colours, and opening the font
// through the platform.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <numbers>

#include "engine/draw/text_internal.h"
#include "engine/draw/utf8.h"

TextLogFont gTextLogFont;
int gTextHeight;
TextDC gTextDC{kTextToNone, {}, 0x000000, 0xFFFFFF, 1};
uint32_t gTextColor, gTextShadowColor;
int gTextBlitNow = 1;

namespace koDraw {
namespace {

constexpr const char* kStandardFaces[2] = {"標準明朝", "標準ゴシック"};
// The installed faces that stand for the standard ones.
constexpr const char* kStandardFaceFiles[2] = {"IPAMincho", "IPAGothic"};

// Copies at most kFaceNameMax characters of the name.
void CopyFaceName(char* to, const char* name) {
  if (!name) name = "";
  const size_t n = utf8::FirstChars(name, std::strlen(name), kFaceNameMax);
  std::memmove(to, name, n);
  to[n] = '\0';
}

// The character set the font list gives the name, or the Japanese one.
uint8_t ListedCharset(const char* name) {
  for (int i = 0; i < std::min(gFontListCount, kFontListSize); ++i)
    if (std::strcmp(gFontList[i].name, name) == 0) return gFontList[i].charset;
  return kJapaneseCharset;
}

void Describe(int height, int angle, int weight, uint8_t italic, uint8_t underline,
              uint8_t charset) {
  gTextHeight = height;
  TextLogFont& f = gTextLogFont;
  f.height = height;
  f.escapement = angle % 360 * 10;  // a whole turn more or less is the same angle
  f.weight = weight == 0 ? 400 : weight == 1 ? 700 : 0;
  f.italic = italic;
  f.underline = underline;
  f.charset = charset;
}

int BufferHeight(int size) {
  return static_cast<int>(std::clamp(2LL * size, -1LL * INT_MAX, 1LL * INT_MAX));
}

}  // namespace

namespace text {

void Take(int target) { gTextDC = {target, gTextLogFont, 0x000000, 0xFFFFFF, 1}; }

OpenedFont Open(const TextLogFont& font) {
  plat::FontRequest r{};
  const char* family = font.faceName;
  for (int i = 0; i < 2; ++i)
    if (std::strcmp(family, kStandardFaces[i]) == 0) family = kStandardFaceFiles[i];
  std::strncpy(r.family, family, sizeof r.family - 1);
  r.height = font.height;
  r.escapement = font.escapement;
  r.weight = font.weight;
  r.italic = font.italic != 0;
  r.underline = font.underline != 0;
  r.japanese = font.charset == kJapaneseCharset;
  OpenedFont opened;
  opened.id = plat::OpenFont(r);
  opened.metrics = plat::GetFontMetrics(opened.id);
  if (font.escapement % 3600 != 0) {
    const double a = font.escapement / 10.0 * std::numbers::pi / 180.0;
    opened.cosine = std::cos(a);
    opened.sine = std::sin(a);
  }
  opened.underline = r.underline;
  return opened;
}

Extent CharExtent(const OpenedFont& font, char32_t c) {
  const plat::GlyphImage* g = plat::GetGlyph(font.id, c);
  return g ? Extent{g->advance, font.CellHeight()} : Extent{0, 0};
}

int64_t TextWidth(const OpenedFont& font, const char* text, size_t length) {
  int64_t width = 0;
  for (size_t i = 0; i < length;) {
    const utf8::Char c = utf8::Decode(text + i, length - i);
    width += CharExtent(font, c.code).cx;
    i += static_cast<size_t>(c.length);
  }
  return width;
}

Surface* TargetSurface(int target) {
  if (target == kTextToBack) return gBackSurface.get();
  return target == kTextToNone ? nullptr : ObjectSurface(target);
}

DrawRect Bounds(const Surface& s) { return {0, 0, s.width, s.height}; }

}  // namespace text

void SelectTextFont(int face, int height, int angle, int weight, uint8_t italic,
                    uint8_t underline) {
  if (face == 0 || face == 1) CopyFaceName(gTextLogFont.faceName, kStandardFaces[face]);
  Describe(height, angle, weight, italic, underline, kJapaneseCharset);
  text::Take(kTextToBack);
}

void SelectTextFontByName(const char* name, int height, int angle, int weight, uint8_t italic,
                          uint8_t underline) {
  CopyFaceName(gTextLogFont.faceName, name);
  Describe(height, angle, weight, italic, underline, ListedCharset(gTextLogFont.faceName));
  text::Take(kTextToBack);
}

void RestoreTextFont() { gTextDC.target = kTextToNone; }

void SelectBufferFont(int face, int size) {
  if (face == 0 || face == 1) CopyFaceName(gTextLogFont.faceName, kStandardFaces[face]);
  Describe(BufferHeight(size), 0, 0, 0, 0, kJapaneseCharset);
  text::Take(kObjectFontBuffer);
}

void SelectBufferFontByName(const char* name, int size) {
  CopyFaceName(gTextLogFont.faceName, name);
  Describe(BufferHeight(size), 0, 0, 0, 0, ListedCharset(gTextLogFont.faceName));
  text::Take(kObjectFontBuffer);
}

void RestoreBufferFont() { gTextDC.target = kTextToNone; }

void SetTextColors(uint32_t text, uint32_t background, int transparent) {
  gTextDC.color = gTextColor = text;
  gTextDC.background = gTextShadowColor = background;
  gTextDC.opaque = transparent == 0;
}

}  // namespace koDraw
