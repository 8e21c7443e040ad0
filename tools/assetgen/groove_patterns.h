// The rhythmic material of each groove: melody rhythms, bass lines, arpeggios and drum
// patterns, one bar (or two, for melodies) at a time in sixteenth notes.
#pragma once

#include <vector>

#include "tools/assetgen/composer.h"

namespace assetgen {

// Two-bar rhythms in sixteenths; negative values are rests. Motifs open a phrase, answers close
// it on a long note.
struct Rhythms {
  std::vector<std::vector<int>> motifs, answers;
};
const Rhythms& RhythmsFor(Groove g);

// One note of a bar: sixteenth position and length, pitch as scale degrees above the root.
struct BarNote {
  int start, length, degree;
};
// Bass line of a bar; phrase_end gives the variant that walks into the next chord. Degree 7 is
// the octave; kApproach stands for the scale step that leads into the next bar's chord.
constexpr int kApproach = 100;
const std::vector<BarNote>& BassFor(Groove g, bool phrase_end);

struct Arpeggio {
  int step;          // sixteenths per note
  int length;        // sixteenths each note sounds
  int octave_shift;  // semitones from the tonic's octave
  int velocity;
  std::vector<int> degrees;  // above the chord root, cycled
};
const Arpeggio& ArpFor(Groove g);

// Drum lines over one bar: 'X' accent, 'x' hit, 'o' ghost note, '.' rest.
struct DrumLine {
  int key;
  const char* hits;
};
struct DrumKit {
  std::vector<DrumLine> groove, fill;  // fill: the last bar of a section
};
const DrumKit& DrumsFor(Groove g);

// General MIDI drum keys.
constexpr int kKick = 36, kSideStick = 37, kSnare = 38, kClosedHat = 42, kOpenHat = 46,
              kLowTom = 45, kMidTom = 47, kHighTom = 50, kCrash = 49, kRide = 51;

}  // namespace assetgen
