// Font families and face matching through fontconfig.
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstdlib>
#include <map>

#include "platform/fonts.h"
#include "platform/sdl/font_match.h"

namespace {

// Loads fontconfig's configuration once; it is let go when the process ends.
bool Ready() {
  static const bool ready = [] {
    if (!FcInit()) return false;
    std::atexit(FcFini);
    return true;
  }();
  return ready;
}

// Of two styles of one family, the wider coverage counts.
int Rank(plat::FontCoverage c) {
  return c == plat::FontCoverage::kJapanese ? 2 : c == plat::FontCoverage::kOther ? 1 : 0;
}

}  // namespace

namespace plat {

std::vector<FontFamily> ListFontFamilies() {
  std::vector<FontFamily> out;
  if (!Ready()) return out;
  FcPattern* any = FcPatternCreate();
  FcObjectSet* fields = FcObjectSetBuild(FC_FAMILY, FC_LANG, FC_SYMBOL, nullptr);
  FcFontSet* set = FcFontList(nullptr, any, fields);
  std::map<std::string, FontCoverage> families;
  for (int i = 0; set && i < set->nfont; ++i) {
    FcChar8* name = nullptr;
    if (FcPatternGetString(set->fonts[i], FC_FAMILY, 0, &name) != FcResultMatch) continue;
    const FontCoverage c = fonts::CoverageOf(set->fonts[i]);
    auto [it, added] = families.emplace(reinterpret_cast<const char*>(name), c);
    if (!added && Rank(c) > Rank(it->second)) it->second = c;
  }
  if (set) FcFontSetDestroy(set);
  FcObjectSetDestroy(fields);
  FcPatternDestroy(any);
  for (auto& [name, coverage] : families) out.push_back({name, coverage});
  return out;
}

}  // namespace plat

namespace plat::fonts {

FontCoverage CoverageOf(FcPattern* face) {
  FcLangSet* langs = nullptr;
  if (FcPatternGetLangSet(face, FC_LANG, 0, &langs) == FcResultMatch &&
      FcLangSetHasLang(langs, reinterpret_cast<const FcChar8*>("ja")) == FcLangEqual)
    return FontCoverage::kJapanese;
  // fontconfig marks a face whose character map is the symbol encoding.
  FcBool symbol = FcFalse;
  FcPatternGetBool(face, FC_SYMBOL, 0, &symbol);
  return symbol ? FontCoverage::kSymbol : FontCoverage::kOther;
}

bool MatchFace(const FontRequest& request, FaceMatch& match) {
  if (!Ready()) return false;
  FcPattern* want = FcPatternCreate();
  if (request.family[0])
    FcPatternAddString(want, FC_FAMILY, reinterpret_cast<const FcChar8*>(request.family));
  if (request.japanese) FcPatternAddString(want, FC_LANG, reinterpret_cast<const FcChar8*>("ja"));
  if (request.weight > 0)
    FcPatternAddInteger(want, FC_WEIGHT, FcWeightFromOpenType(std::min(request.weight, 1000)));
  FcPatternAddInteger(want, FC_SLANT, request.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(want, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, want, FcMatchPattern);
  FcDefaultSubstitute(want);
  FcResult result;
  FcPattern* got = FcFontMatch(nullptr, want, &result);
  FcPatternDestroy(want);
  if (!got) return false;
  FcChar8* file = nullptr;
  const bool found = FcPatternGetString(got, FC_FILE, 0, &file) == FcResultMatch;
  if (found) {
    match.file = reinterpret_cast<const char*>(file);
    match.index = 0;
    FcPatternGetInteger(got, FC_INDEX, 0, &match.index);
    FcBool embolden = FcFalse;
    FcPatternGetBool(got, FC_EMBOLDEN, 0, &embolden);
    match.embolden = embolden;
    FcMatrix* m = nullptr;
    if (FcPatternGetMatrix(got, FC_MATRIX, 0, &m) == FcResultMatch && m) {
      match.slant[0] = m->xx;
      match.slant[1] = m->xy;
      match.slant[2] = m->yx;
      match.slant[3] = m->yy;
    } else {
      match.slant[0] = match.slant[3] = 1;
      match.slant[1] = match.slant[2] = 0;
    }
  }
  FcPatternDestroy(got);
  return found;
}

}  // namespace plat::fonts
