// Fonts opened with FreeType: one face per font file, one size per font, and
// each font's glyphs rendered once as monochrome masks and kept.
//
// Sizes follow the desktop's convention: a positive height is the cell
// (the face's Windows ascent plus descent), a negative one the em square.
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SIZES_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstring>
#include <deque>
#include <memory>
#include <numbers>
#include <unordered_map>

#include "platform/fonts.h"
#include "platform/sdl/font_match.h"

namespace {

constexpr int kDefaultCell = 16;            // the size of a font asked with height 0
constexpr size_t kMaxFonts = 16;            // the least used goes beyond this
constexpr size_t kMaxGlyphBytes = 4 << 20;  // a font's glyphs start over beyond this

struct Face {
  std::string file;
  int index;
  FT_Face ft;
};

struct Glyph {
  plat::GlyphImage image;
  std::vector<uint8_t> mask;
};

struct Font {
  plat::FontRequest request;
  plat::FontId id;
  FT_Face face;
  FT_Size size = nullptr;
  plat::FontMetrics metrics;
  FT_Matrix matrix;
  bool transformed, embolden;
  std::unordered_map<char32_t, Glyph> glyphs;
  size_t glyphBytes = 0;
  uint64_t lastUse = 0;
};

struct Fonts {
  FT_Library library = nullptr;
  std::deque<Face> faces;
  std::vector<std::unique_ptr<Font>> fonts;
  plat::FontId nextId = 1;
  uint64_t clock = 0;
};

// Lives until the process ends, so what it holds stays reachable.
Fonts& F() {
  static auto* f = new Fonts;
  return *f;
}

bool SameRequest(const plat::FontRequest& a, const plat::FontRequest& b) {
  return std::strcmp(a.family, b.family) == 0 && a.height == b.height &&
         a.escapement == b.escapement && a.weight == b.weight && a.italic == b.italic &&
         a.underline == b.underline && a.japanese == b.japanese;
}

// The request with its numbers in range: the height held to the largest
// font, the escapement within one turn, the weight within 0 to 1000.
plat::FontRequest Normalised(const plat::FontRequest& r) {
  plat::FontRequest n = r;
  n.family[plat::kFontNameBytes - 1] = '\0';
  n.height = std::clamp(r.height, -plat::kMaxFontPixels, plat::kMaxFontPixels);
  n.escapement = ((r.escapement % 3600) + 3600) % 3600;
  n.weight = std::clamp(r.weight, 0, 1000);
  return n;
}

FT_Face OpenFace(const std::string& file, int index) {
  Fonts& f = F();
  for (const Face& face : f.faces)
    if (face.file == file && face.index == index) return face.ft;
  if (!f.library && FT_Init_FreeType(&f.library) != 0) {
    f.library = nullptr;
    return nullptr;
  }
  FT_Face ft = nullptr;
  if (FT_New_Face(f.library, file.c_str(), index, &ft) != 0) return nullptr;
  f.faces.push_back({file, index, ft});
  return ft;
}

int Round(double v) { return static_cast<int>(std::lround(v)); }

// Sets the font's size on its face and works out its metrics.
bool SizeFont(Font& font) {
  FT_Face face = font.face;
  if (FT_New_Size(face, &font.size) != 0) return false;
  FT_Activate_Size(font.size);
  const int height = font.request.height == 0 ? kDefaultCell : font.request.height;
  if (!FT_IS_SCALABLE(face)) {
    // A bitmap face: the strike nearest the asked height.
    if (face->num_fixed_sizes < 1) return false;
    int best = 0;
    for (int i = 1; i < face->num_fixed_sizes; ++i)
      if (std::abs(face->available_sizes[i].height - std::abs(height)) <
          std::abs(face->available_sizes[best].height - std::abs(height)))
        best = i;
    if (FT_Select_Size(face, best) != 0) return false;
    const FT_Size_Metrics& m = font.size->metrics;
    font.metrics = {static_cast<int>(m.ascender >> 6), static_cast<int>(-m.descender >> 6), 1, 1};
    return true;
  }
  double ascender = face->ascender, descender = -face->descender;
  if (const auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
      os2 && os2->usWinAscent + os2->usWinDescent > 0) {
    ascender = os2->usWinAscent;
    descender = os2->usWinDescent;
  }
  const double units = face->units_per_EM > 0 ? face->units_per_EM : 2048;
  if (ascender + descender <= 0) ascender = units;
  double em;
  if (height > 0) {
    em = height * units / (ascender + descender);
    font.metrics.ascent = Round(height * ascender / (ascender + descender));
    font.metrics.descent = height - font.metrics.ascent;
  } else {
    em = -height;
    font.metrics.ascent = Round(em * ascender / units);
    font.metrics.descent = Round(em * descender / units);
  }
  if (FT_Set_Pixel_Sizes(face, 0, std::max(1, Round(em))) != 0) return false;
  const double px = em / units;
  font.metrics.underlineThickness = std::max(1, Round(face->underline_thickness * px));
  font.metrics.underlineOffset =
      std::max(1, Round(-face->underline_position * px - font.metrics.underlineThickness / 2.0));
  return true;
}

// The escapement's turn after the face's own slant, in FreeType's y-up space.
void SetMatrix(Font& font, const plat::fonts::FaceMatch& match) {
  const double a = font.request.escapement / 10.0 * std::numbers::pi / 180.0;
  const double c = std::cos(a), s = std::sin(a);
  const double* m = match.slant;
  const double xx = c * m[0] - s * m[2], xy = c * m[1] - s * m[3];
  const double yx = s * m[0] + c * m[2], yy = s * m[1] + c * m[3];
  font.matrix = {static_cast<FT_Fixed>(std::lround(xx * 65536)),
                 static_cast<FT_Fixed>(std::lround(xy * 65536)),
                 static_cast<FT_Fixed>(std::lround(yx * 65536)),
                 static_cast<FT_Fixed>(std::lround(yy * 65536))};
  font.transformed = font.matrix.xx != 0x10000 || font.matrix.xy != 0 || font.matrix.yx != 0 ||
                     font.matrix.yy != 0x10000;
}

Font* Find(plat::FontId id) {
  if (id == 0) return nullptr;
  for (auto& font : F().fonts)
    if (font->id == id) return font.get();
  return nullptr;
}

void DropLeastUsed() {
  auto& fonts = F().fonts;
  auto oldest = std::min_element(fonts.begin(), fonts.end(), [](const auto& a, const auto& b) {
    return a->lastUse < b->lastUse;
  });
  FT_Done_Size((*oldest)->size);
  fonts.erase(oldest);
}

// Copies the slot's bitmap as a mask of bytes; a bold font's mask is the
// glyph and the glyph one pixel to the right.
void KeepMask(const FT_Bitmap& bm, bool embolden, Glyph& g) {
  const int w = static_cast<int>(bm.width), h = static_cast<int>(bm.rows);
  const int outW = w > 0 && embolden ? w + 1 : w;
  g.mask.assign(static_cast<size_t>(outW) * h, 0);
  for (int y = 0; y < h; ++y) {
    const uint8_t* row = bm.buffer + static_cast<ptrdiff_t>(y) * bm.pitch;
    uint8_t* out = g.mask.data() + static_cast<size_t>(y) * outW;
    for (int x = 0; x < w; ++x) {
      const bool ink = bm.pixel_mode == FT_PIXEL_MODE_MONO   ? (row[x >> 3] >> (7 - (x & 7))) & 1
                       : bm.pixel_mode == FT_PIXEL_MODE_GRAY ? row[x] >= 128
                                                             : false;
      if (!ink) continue;
      out[x] = 1;
      if (embolden) out[x + 1] = 1;
    }
  }
  g.image.width = outW;
  g.image.height = h;
}

void Render(Font& font, char32_t codePoint, Glyph& g) {
  g.image = {};
  FT_Face face = font.face;
  FT_Activate_Size(font.size);
  FT_Set_Transform(face, font.transformed ? &font.matrix : nullptr, nullptr);
  const FT_Int32 flags = FT_LOAD_TARGET_MONO | (font.transformed ? FT_LOAD_NO_BITMAP : 0);
  if (FT_Load_Glyph(face, FT_Get_Char_Index(face, codePoint), flags) != 0 &&
      FT_Load_Glyph(face, 0, flags) != 0)
    return;
  FT_GlyphSlot slot = face->glyph;
  if (slot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0)
    return;
  KeepMask(slot->bitmap, font.embolden, g);
  g.image.advance = static_cast<int>((slot->metrics.horiAdvance + 32) >> 6) + font.embolden;
  g.image.left = slot->bitmap_left;
  g.image.top = slot->bitmap_top;
}

}  // namespace

namespace plat {

FontId OpenFont(const FontRequest& request) {
  Fonts& f = F();
  const FontRequest want = Normalised(request);
  ++f.clock;
  for (auto& font : f.fonts) {
    if (!SameRequest(font->request, want)) continue;
    font->lastUse = f.clock;
    return font->id;
  }
  fonts::FaceMatch match;
  if (!fonts::MatchFace(want, match)) return 0;
  FT_Face face = OpenFace(match.file, match.index);
  if (!face) return 0;
  auto font = std::make_unique<Font>();
  font->request = want;
  font->face = face;
  font->embolden = match.embolden;
  if (!SizeFont(*font)) {
    if (font->size) FT_Done_Size(font->size);
    return 0;
  }
  SetMatrix(*font, match);
  if (f.fonts.size() >= kMaxFonts) DropLeastUsed();
  font->id = f.nextId++;
  font->lastUse = f.clock;
  f.fonts.push_back(std::move(font));
  return f.fonts.back()->id;
}

FontMetrics GetFontMetrics(FontId id) {
  const Font* font = Find(id);
  return font ? font->metrics : FontMetrics{};
}

const GlyphImage* GetGlyph(FontId id, char32_t codePoint) {
  Font* font = Find(id);
  if (!font) return nullptr;
  if (auto it = font->glyphs.find(codePoint); it != font->glyphs.end()) return &it->second.image;
  if (font->glyphBytes > kMaxGlyphBytes) {
    font->glyphs.clear();
    font->glyphBytes = 0;
  }
  Glyph& g = font->glyphs[codePoint];
  Render(*font, codePoint, g);
  g.image.mask = g.mask.data();
  font->glyphBytes += g.mask.size() + sizeof(Glyph);
  return &g.image;
}

void ReleaseFonts() {
  Fonts& f = F();
  f.fonts.clear();  // their sizes go with their faces
  for (Face& face : f.faces) FT_Done_Face(face.ft);
  f.faces.clear();
  if (f.library) FT_Done_FreeType(f.library);
  f.library = nullptr;
}

}  // namespace plat
