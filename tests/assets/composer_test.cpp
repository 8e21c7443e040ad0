// Musical structure of the composed songs, checked against each song's style: the melody
// lands on chord tones on strong beats, the bass plays the chord roots, repeated sections
// repeat their melody.
#include "tools/assetgen/composer.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "tests/assets/asset_readers.h"

namespace assettest {
namespace {

using assetgen::SongStyle;
constexpr uint32_t kBar = assetgen::kTicksPerBar;
constexpr int kLead = 0, kBass = 2;

struct Bar {
  char section;
  int section_start;  // bar index where its section starts
  int root;           // chord root as a scale degree
};

// Bars in song order: an intro of four verse bars, then eight bars per section.
std::vector<Bar> Bars(const SongStyle& s) {
  std::vector<Bar> bars;
  for (const char* p = s.plan; *p; ++p) {
    const int start = static_cast<int>(bars.size());
    const int count = *p == 'I' ? 4 : 8;
    for (int i = 0; i < count; ++i)
      bars.push_back({*p, start, (*p == 'B' ? s.chorus : s.verse)[i]});
  }
  return bars;
}

int PitchClass(const SongStyle& s, int degree) { return (s.tonic + s.scale[degree % 7]) % 12; }

struct Note {
  uint32_t tick;
  int channel, key;
};

std::vector<Note> NotesOf(const SongStyle& s) {
  std::vector<Note> notes;
  for (const MidiEvent& e : ParseSmf(assetgen::ComposeSong(s)).events)
    if ((e.status & 0xF0) == 0x90 && e.data[1] > 0)
      notes.push_back({e.tick, e.status & 0x0F, e.data[0]});
  return notes;
}

TEST(Composer, MelodyOnChordTonesBassOnRootsAndRepeatedSectionsRepeatTheirMelody) {
  for (const SongStyle& s : assetgen::Songs()) {
    SCOPED_TRACE(s.file);
    const std::vector<Bar> bars = Bars(s);
    // Melody of each section occurrence, as (offset from its start, key).
    std::map<int, std::vector<std::pair<uint32_t, int>>> by_start;
    int strong = 0;
    for (const Note& n : NotesOf(s)) {
      const Bar& bar = bars.at(n.tick / kBar);
      const uint32_t in_bar = n.tick % kBar;
      if (n.channel == kLead) {
        by_start[bar.section_start].push_back({n.tick - bar.section_start * kBar, n.key});
        if (in_bar % (kBar / 2) == 0) {
          std::set<int> chord;
          for (int d : {0, 2, 4}) chord.insert(PitchClass(s, bar.root + d));
          EXPECT_TRUE(chord.count(n.key % 12)) << "bar " << n.tick / kBar;
          ++strong;
        }
      }
      if (n.channel == kBass && in_bar == 0) {
        EXPECT_EQ(n.key % 12, PitchClass(s, bar.root)) << "bar " << n.tick / kBar;
      }
    }
    EXPECT_GT(strong, 20);
    std::map<char, std::vector<std::pair<uint32_t, int>>> first;
    int repeats = 0;
    for (const auto& [start, melody] : by_start) {
      const auto [it, isFirst] = first.try_emplace(bars[start].section, melody);
      if (!isFirst) {
        EXPECT_EQ(melody, it->second) << "section at bar " << start;
        ++repeats;
      }
    }
    EXPECT_GE(repeats, 2);
    EXPECT_FALSE(first.count('I'));  // the intro has no melody
  }
}

}  // namespace
}  // namespace assettest
