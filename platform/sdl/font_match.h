// The face fontconfig chooses for a font request, and what the face lacks of
// the request's style.
#pragma once
#include <fontconfig/fontconfig.h>

#include <string>

#include "platform/fonts.h"

namespace plat::fonts {

struct FaceMatch {
  std::string file;
  int index = 0;                   // the face's number within its file
  bool embolden = false;           // bold was asked of a face without a bold style
  double slant[4] = {1, 0, 0, 1};  // xx, xy, yx, yy: the slant of a face without italics
};

// Japanese for a face that supports the language, symbols for a face with a
// symbol character map (FT_ENCODING_MS_SYMBOL), any other face otherwise.
FontCoverage CoverageOf(FcPattern* face);

// False when fontconfig knows no face at all.
bool MatchFace(const FontRequest& request, FaceMatch& match);

}  // namespace plat::fonts
