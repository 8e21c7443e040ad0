// The game's songs: one style per scene, each mood set by groove, tempo, key and instruments.
#include "tools/assetgen/composer.h"

namespace assetgen {
namespace {

constexpr Scale kMinor{0, 2, 3, 5, 7, 8, 10};
constexpr Scale kHarmonicMinor{0, 2, 3, 5, 7, 8, 11};
constexpr Scale kDorian{0, 2, 3, 5, 7, 9, 10};
constexpr Scale kMajor{0, 2, 4, 5, 7, 9, 11};
constexpr Scale kMixolydian{0, 2, 4, 5, 7, 9, 10};

}  // namespace

const std::vector<SongStyle>& Songs() {
  static const std::vector<SongStyle> songs = {
      // Stage 1: driving minor rock, guitars and a saw lead.
      {"XF1.MID",
       0x51A6E1,
       152,
       62,
       kMinor,
       {0, 5, 6, 0, 0, 5, 6, 6},
       {5, 6, 4, 0, 5, 6, 2, 6},
       "IAABAB",
       Groove::kDriving,
       81,
       30,
       38,
       80},
      // Stage 2: tense harmonic minor, half-time drums, string pad and pizzicato ostinato.
      {"MBGM13.MID",
       0x51A6E2,
       128,
       64,
       kHarmonicMinor,
       {0, 5, 0, 4, 0, 5, 3, 4},
       {3, 3, 0, 0, 5, 5, 4, 4},
       "IAABAB",
       Groove::kTense,
       84,
       49,
       39,
       45},
      // Stage 3: heroic major, brass lead over strings and a march beat.
      {"CFGM1.MID",
       0x51A6E3,
       144,
       63,
       kMajor,
       {0, 4, 5, 3, 0, 4, 3, 4},
       {5, 3, 0, 4, 5, 3, 4, 4},
       "IAABAB",
       Groove::kHeroic,
       61,
       48,
       33,
       -1},
      // Stages 4 to 7: variations on the first three moods.
      {"BRM4.MID",
       0x51A6E4,
       158,
       57,
       kMinor,
       {0, 6, 5, 6, 0, 6, 5, 4},
       {3, 4, 0, 0, 3, 4, 5, 4},
       "IAABAB",
       Groove::kDriving,
       80,
       29,
       38,
       -1},
      {"BRM5.MID",
       0x51A6E5,
       120,
       59,
       kHarmonicMinor,
       {0, 3, 0, 4, 5, 3, 4, 4},
       {5, 5, 3, 3, 0, 5, 4, 4},
       "IAABAB",
       Groove::kTense,
       71,
       50,
       39,
       45},
      {"BRM6.MID",
       0x51A6E6,
       148,
       62,
       kMixolydian,
       {0, 6, 3, 0, 0, 6, 3, 4},
       {3, 3, 0, 0, 6, 6, 4, 4},
       "IAABAB",
       Groove::kHeroic,
       56,
       48,
       34,
       -1},
      {"BRM7.MID",
       0x51A6E7,
       166,
       60,
       kDorian,
       {0, 3, 0, 3, 6, 2, 6, 4},
       {2, 6, 0, 0, 2, 6, 3, 4},
       "IAABABB",
       Groove::kDriving,
       87,
       30,
       38,
       80},
      // Ending: calm and triumphant, horn melody over a warm pad and harp.
      {"MBGM14.MID",
       0x51A6E8,
       90,
       65,
       kMajor,
       {0, 3, 0, 4, 5, 3, 4, 4},
       {3, 4, 2, 5, 3, 4, 0, 0},
       "IAABA",
       Groove::kCalm,
       60,
       89,
       32,
       46},
  };
  return songs;
}

}  // namespace assetgen
