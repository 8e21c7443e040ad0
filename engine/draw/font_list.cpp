// The list of installed font faces, made at start-up and freed at shutdown.
#include <cstring>

#include "engine/draw/ko_draw.h"
#include "engine/draw/utf8.h"
#include "platform/fonts.h"

FontListEntry gFontList[kFontListSize];
int gFontListCount;

namespace koDraw {
namespace {

void Fill(FontListEntry& e, const plat::FontFamily& family) {
  std::memcpy(e.name, family.name.c_str(), family.name.size() + 1);
  switch (family.coverage) {
    case plat::FontCoverage::kJapanese:
      e.kind = 1;
      e.charset = kJapaneseCharset;
      break;
    case plat::FontCoverage::kSymbol:
      e.kind = 3;
      e.charset = kSymbolCharset;
      break;
    case plat::FontCoverage::kOther:
      e.kind = 2;
      e.charset = kOtherCharset;
      break;
  }
}

// A name of more characters than a face name holds could not be asked for.
bool Fits(const std::string& name) {
  return utf8::FirstChars(name.data(), name.size(), kFaceNameMax) == name.size();
}

}  // namespace

void EnumFontList() {
  gTextLogFont = {};
  for (FontListEntry& e : gFontList) {
    e.name[0] = '\0';
    e.kind = -1;
    e.charset = 0;
  }
  GetBackDC();  // the faces are listed for the back surface
  gFontListCount = 0;
  for (const plat::FontFamily& family : plat::ListFontFamilies()) {
    if (gFontListCount == kFontListSize) break;
    if (Fits(family.name)) Fill(gFontList[gFontListCount++], family);
  }
  ReleaseBackDC();
  gTextBlitNow = 1;
}

void FreeFontList() {
  gTextLogFont = {};
  gTextDC.target = kTextToNone;
  plat::ReleaseFonts();
}

}  // namespace koDraw
