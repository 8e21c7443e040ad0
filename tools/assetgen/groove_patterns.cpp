#include "tools/assetgen/groove_patterns.h"

#include <map>

namespace assetgen {

const Rhythms& RhythmsFor(Groove g) {
  static const std::map<Groove, Rhythms> table = {
      {Groove::kDriving,
       {{{4, 2, 2, 4, 4, 2, 2, 2, 2, 8}, {3, 3, 2, 4, 4, 3, 3, 2, 8}, {2, 2, 4, 2, 2, 4, 4, 4, 8}},
        {{4, 4, 2, 2, 4, 12, -4}, {2, 2, 2, 2, 4, 4, 16}}}},
      {Groove::kTense,
       {{{6, 2, 4, 4, 2, 2, 4, 8}, {2, 2, 2, 2, -4, 4, 4, 4, 8}, {8, 4, 4, 6, 2, 8}},
        {{6, 2, 4, 4, 16}, {4, 4, 4, 4, 12, -4}}}},
      {Groove::kHeroic,
       {{{6, 2, 8, 4, 4, 8}, {4, 4, 4, 4, 6, 2, 8}, {6, 2, 4, 4, 6, 2, 4, 4}},
        {{6, 2, 8, 16}, {4, 4, 4, 4, 12, -4}}}},
      {Groove::kCalm,
       {{{8, 4, 4, 12, 4}, {6, 2, 8, 8, 8}, {4, 4, 8, 4, 4, 8}},
        {{8, 4, 4, 16}, {6, 2, 8, 12, -4}}}},
  };
  return table.at(g);
}

const std::vector<BarNote>& BassFor(Groove g, bool phrase_end) {
  static const std::map<Groove, std::vector<BarNote>> plain = {
      {Groove::kDriving,
       {{0, 2, 0}, {2, 2, 0}, {4, 2, 7}, {6, 2, 0}, {8, 2, 0}, {10, 2, 0}, {12, 2, 7}, {14, 2, 0}}},
      {Groove::kTense, {{0, 3, 0}, {3, 3, 0}, {6, 2, 7}, {10, 2, 0}, {12, 4, 4}}},
      {Groove::kHeroic, {{0, 4, 0}, {4, 4, 4}, {8, 4, 7}, {12, 4, 4}}},
      {Groove::kCalm, {{0, 8, 0}, {8, 8, 4}}},
  };
  static const std::map<Groove, std::vector<BarNote>> ending = {
      {Groove::kDriving,
       {{0, 2, 0},
        {2, 2, 0},
        {4, 2, 7},
        {6, 2, 0},
        {8, 2, 0},
        {10, 2, 4},
        {12, 2, 7},
        {14, 2, kApproach}}},
      {Groove::kTense, {{0, 3, 0}, {3, 3, 0}, {6, 2, 7}, {10, 2, 4}, {12, 4, kApproach}}},
      {Groove::kHeroic, {{0, 4, 0}, {4, 4, 2}, {8, 4, 4}, {12, 4, kApproach}}},
      {Groove::kCalm, {{0, 8, 0}, {8, 4, 4}, {12, 4, kApproach}}},
  };
  return (phrase_end ? ending : plain).at(g);
}

const Arpeggio& ArpFor(Groove g) {
  static const std::map<Groove, Arpeggio> table = {
      {Groove::kDriving, {1, 1, 0, 58, {0, 2, 4, 7, 9, 7, 4, 2}}},
      {Groove::kTense, {2, 1, -12, 70, {0, 4, 7, 4}}},
      {Groove::kHeroic, {2, 2, 0, 64, {0, 4, 7, 4}}},
      {Groove::kCalm, {2, 4, -12, 56, {0, 2, 4, 7, 9, 11, 14, 11}}},
  };
  return table.at(g);
}

const DrumKit& DrumsFor(Groove g) {
  static const std::map<Groove, DrumKit> table = {
      {Groove::kDriving,
       {{{kKick, "X...x...X...x..."},
         {kSnare, "....X.......X..."},
         {kClosedHat, "x.x.x.x.x.x.x..."},
         {kOpenHat, "..............x."}},
        {{kKick, "X...x...X......."},
         {kSnare, "....X...xxxxXXXX"},
         {kClosedHat, "x.x.x.x........."}}}},
      {Groove::kTense,
       {{{kKick, "X..x......x....."},
         {kSnare, "........X......."},
         {kClosedHat, "Xoxoxoxoxoxoxoxo"}},
        {{kKick, "X..x............"},
         {kSnare, "........X......."},
         {kHighTom, "..........xx...."},
         {kMidTom, "............xx.."},
         {kLowTom, "..............xx"}}}},
      {Groove::kHeroic,
       {{{kKick, "X.......x..x...."},
         {kSnare, "....X..o....X..o"},
         {kClosedHat, "x.x.x.x.x.x.x.x."}},
        {{kKick, "X.......x......."},
         {kSnare, "....X...xxxxxx.."},
         {kHighTom, "..............x."},
         {kLowTom, "...............x"}}}},
      {Groove::kCalm,
       {{{kKick, "x.........x....."},
         {kSideStick, "........x......."},
         {kRide, "x...x...x...x..."}},
        {{kKick, "x.........x....."},
         {kSideStick, "........x......."},
         {kMidTom, "............o..."},
         {kLowTom, "..............o."}}}},
  };
  return table.at(g);
}

}  // namespace assetgen
