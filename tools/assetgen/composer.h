// Composes a looping game song from a style and a seed: chords from a progression in a key,
// a bass line, a lead melody built from motifs and phrases, an arpeggio and drums.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace assetgen {

// Rhythmic character of the drums, bass and accompaniment.
enum class Groove { kDriving, kTense, kHeroic, kCalm };

using Scale = std::array<int, 7>;  // semitones above the tonic

struct SongStyle {
  const char* file;
  uint64_t seed;
  double bpm;
  int tonic;  // MIDI key of the tonic in the melody's octave
  Scale scale;
  std::array<int, 8> verse;  // chord roots as scale degrees (0 = tonic), one per bar
  std::array<int, 8> chorus;
  // Sections in order: 'I' intro (4 bars of the verse chords, no melody), 'A' verse,
  // 'B' chorus (8 bars each). The song loops back to its start.
  const char* plan;
  Groove groove;
  int lead_program;  // General MIDI program numbers, 0-based; -1 leaves the part out
  int chord_program;
  int bass_program;
  int arp_program;
};

constexpr int kTicksPerQuarter = 480;
constexpr int kTicksPerBar = 4 * kTicksPerQuarter;

std::vector<uint8_t> ComposeSong(const SongStyle& style);

// The eight songs of the game.
const std::vector<SongStyle>& Songs();

}  // namespace assetgen
