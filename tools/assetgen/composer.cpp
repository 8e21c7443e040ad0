#include "tools/assetgen/composer.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>

#include "tools/assetgen/groove_patterns.h"
#include "tools/assetgen/midi_writer.h"
#include "tools/assetgen/rng.h"

namespace assetgen {
namespace {

constexpr int kStep = kTicksPerQuarter / 4;  // one sixteenth note
constexpr int kStepsPerBar = 16;
constexpr int kIntroBars = 4;
constexpr int kSectionBars = 8;
constexpr int kLead = 0, kChords = 1, kBass = 2, kArp = 3, kDrums = 9;

struct MelodyNote {
  int start, length, degree;  // sixteenths from the section start; scale degree
};

int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
int Mod7(int d) { return d - 7 * FloorDiv(d, 7); }
bool IsChordTone(int degree, int root) {
  const int i = Mod7(degree - root);
  return i == 0 || i == 2 || i == 4;
}

class Composer {
 public:
  explicit Composer(const SongStyle& style) : s_(style), rng_(style.seed) {
    for (const char* p = style.plan; *p; ++p)
      end_tick_ += (*p == 'I' ? kIntroBars : kSectionBars) * kTicksPerBar;
  }

  std::vector<uint8_t> Compose() {
    SetUp();
    const std::string plan = s_.plan;
    int bar = 0;
    for (size_t section = 0; section < plan.size(); ++section) {
      const char kind = plan[section];
      const std::array<int, 8>& chords = Chords(kind);
      const int bars = kind == 'I' ? kIntroBars : kSectionBars;
      if (kind != 'I') PlayMelody(MelodyFor(kind, chords), bar);
      for (int i = 0; i < bars; ++i) {
        // The last bar leads into the next section, or round to the song's start.
        const int next =
            i + 1 < bars ? chords[i + 1] : Chords(plan[(section + 1) % plan.size()])[0];
        PlayBar(bar + i, chords[i], next, i == bars - 1, i % 4 == 3, i == 0, kind == 'I');
      }
      bar += bars;
    }
    return track_.Encode(kTicksPerQuarter, end_tick_);
  }

 private:
  // MIDI key of a scale degree, counted from the tonic at base.
  int Key(int degree, int base) const {
    const int octave = FloorDiv(degree, 7);
    return base + 12 * octave + s_.scale[degree - 7 * octave];
  }

  void SetUp() {
    track_.Name(0, s_.file);
    track_.Tempo(0, s_.bpm);
    track_.TimeSignature(0, 4, 4);
    const int programs[] = {s_.lead_program, s_.chord_program, s_.bass_program, s_.arp_program};
    const int volumes[] = {100, 76, 104, 60};
    const int pans[] = {64, 40, 64, 88};
    for (int ch = 0; ch < 4; ++ch) {
      if (programs[ch] < 0) continue;
      track_.Program(0, ch, programs[ch]);
      track_.Control(0, ch, 7, volumes[ch]);
      track_.Control(0, ch, 10, pans[ch]);
      track_.Control(0, ch, 91, 40);
    }
    track_.Control(0, kDrums, 7, 100);
    track_.Control(0, kDrums, 91, 30);
  }

  const std::array<int, 8>& Chords(char kind) const { return kind == 'B' ? s_.chorus : s_.verse; }

  // A note at a sixteenth of a bar; notes that ring past the song's end are cut at the end,
  // so the loop restarts without a gap.
  void Note(int bar, int step, int length, int channel, int key, int velocity) {
    const uint32_t tick = bar * kTicksPerBar + step * kStep;
    const uint32_t duration = std::min<uint32_t>(length, end_tick_ - tick);
    track_.Note(tick, duration, channel, key, std::clamp(velocity, 1, 127));
  }

  void PlayBar(int bar, int root, int next_root, bool section_end, bool phrase_end,
               bool section_start, bool intro) {
    PlayBass(bar, root, next_root, phrase_end);
    PlayChords(bar, root);
    if (s_.arp_program >= 0) PlayArp(bar, root);
    PlayDrums(bar, section_end, section_start, intro);
  }

  void PlayBass(int bar, int root, int next_root, bool phrase_end) {
    const int base = s_.tonic - 24;
    for (const BarNote& n : BassFor(s_.groove, phrase_end)) {
      int degree = n.degree;
      if (degree == kApproach) {
        int gap = Mod7(next_root - root);
        if (gap > 3) gap -= 7;
        degree = gap == 0 ? 4 : gap > 0 ? gap - 1 : gap + 1;
      }
      const int velocity = (n.start % 8 == 0 ? 100 : 86) + rng_.Int(-4, 4);
      Note(bar, n.start, n.length * kStep - 20, kBass, Key(root + degree, base), velocity);
    }
  }

  // Chord tones placed in one fixed octave window, which keeps common tones still.
  std::vector<int> Voicing(int root, int lowest) const {
    std::vector<int> keys;
    for (int d : {0, 2, 4}) {
      int k = Key(root + d, s_.tonic);
      while (k < lowest) k += 12;
      while (k >= lowest + 12) k -= 12;
      keys.push_back(k);
    }
    std::sort(keys.begin(), keys.end());
    return keys;
  }

  void PlayChords(int bar, int root) {
    const int lowest = s_.tonic - 7;
    switch (s_.groove) {
      case Groove::kDriving: {
        // Palm-muted power chords in eighths, accents in a 3-3-2 pattern.
        int k = Key(root, s_.tonic - 24);
        while (k < s_.tonic - 19) k += 12;
        const int fifth = Key(root + 4, s_.tonic - 24) + (k - Key(root, s_.tonic - 24));
        for (int step = 0; step < kStepsPerBar; step += 2) {
          const bool accent = step == 0 || step == 6 || step == 12;
          for (int key : {k, fifth, k + 12})
            Note(bar, step, accent ? 2 * kStep - 30 : kStep, kChords, key, accent ? 96 : 70);
        }
        break;
      }
      case Groove::kHeroic:
        for (int half : {0, 8})
          for (int key : Voicing(root, lowest)) Note(bar, half, 8 * kStep - 20, kChords, key, 84);
        break;
      case Groove::kTense:
      case Groove::kCalm:
        for (int key : Voicing(root, lowest)) Note(bar, 0, kTicksPerBar, kChords, key, 70);
        break;
    }
  }

  void PlayArp(int bar, int root) {
    const Arpeggio& a = ArpFor(s_.groove);
    for (int step = 0, i = 0; step < kStepsPerBar; step += a.step, ++i) {
      const int degree = root + a.degrees[i % a.degrees.size()];
      const int velocity = a.velocity + (step % 4 == 0 ? 8 : 0);
      Note(bar, step, a.length * kStep - 10, kArp, Key(degree, s_.tonic + a.octave_shift),
           velocity);
    }
  }

  void PlayDrums(int bar, bool section_end, bool section_start, bool intro) {
    const DrumKit& kit = DrumsFor(s_.groove);
    const bool calm = s_.groove == Groove::kCalm;
    if (section_start) Note(bar, 0, kStep, kDrums, kCrash, calm ? 70 : 104);
    for (const DrumLine& line : section_end ? kit.fill : kit.groove) {
      // The intro keeps the kick out, so the loop opens lighter.
      if (intro && line.key == kKick && !section_start) continue;
      for (int step = 0; step < kStepsPerBar; ++step) {
        const char h = line.hits[step];
        if (h == '.') continue;
        const int base = h == 'X' ? 110 : h == 'x' ? 88 : 46;
        Note(bar, step, kStep / 2, kDrums, line.key, base - (calm ? 24 : 0) + rng_.Int(-6, 6));
      }
    }
  }

  // The melody of a section kind is composed once, so the sections repeat it.
  const std::vector<MelodyNote>& MelodyFor(char kind, const std::array<int, 8>& chords) {
    auto it = melodies_.find(kind);
    if (it == melodies_.end())
      it = melodies_.emplace(kind, ComposeMelody(chords, kind == 'B' ? 6 : 4)).first;
    return it->second;
  }

  int NearestChordTone(int degree, int root) const {
    for (int d = 0; d < 4; ++d) {
      if (IsChordTone(degree + d, root)) return degree + d;
      if (IsChordTone(degree - d, root)) return degree - d;
    }
    return degree;
  }

  // Two bars of melody over chords[first] and chords[first + 1]: stepwise motion with
  // occasional leaps, chord tones on the strong beats, kept near the centre.
  std::vector<MelodyNote> Phrase(const std::vector<int>& rhythm, const std::array<int, 8>& chords,
                                 int first, int degree, int center) {
    std::vector<MelodyNote> notes;
    static constexpr int kSteps[] = {-3, -2, -1, -1, -1, 0, 1, 1, 1, 2, 3};
    int pos = 0, last_step = 0;
    for (int length : rhythm) {
      if (length < 0) {
        pos -= length;
        continue;
      }
      const int root = chords[first + pos / kStepsPerBar];
      if (!notes.empty()) {
        int step = kSteps[rng_.Int(0, 10)];
        if (std::abs(last_step) >= 2) step = last_step > 0 ? -1 : 1;  // recover from a leap
        degree = std::clamp(degree + step, center - 4, center + 5);
        last_step = step;
      }
      if (pos % 8 == 0) degree = NearestChordTone(degree, root);
      notes.push_back({pos + first * kStepsPerBar, length, degree});
      pos += length;
    }
    return notes;
  }

  std::vector<MelodyNote> ComposeMelody(const std::array<int, 8>& chords, int center) {
    const Rhythms& r = RhythmsFor(s_.groove);
    const std::vector<int>& motif = r.motifs[rng_.Int(0, r.motifs.size() - 1)];
    std::vector<MelodyNote> melody =
        Phrase(motif, chords, 0, NearestChordTone(center + rng_.Int(-2, 2), chords[0]), center);
    // First answer: ends open, on a chord tone other than the tonic.
    std::vector<MelodyNote> answer = Phrase(r.answers[rng_.Int(0, r.answers.size() - 1)], chords, 2,
                                            melody.back().degree, center);
    int& open = answer.back().degree;
    open = NearestChordTone(open, chords[3]);
    if (Mod7(open) == 0) open = NearestChordTone(open + 1, chords[3]);
    melody.insert(melody.end(), answer.begin(), answer.end());
    // The motif again over bars 5 and 6, with its strong beats fitted to the new chords.
    const size_t motif_notes = melody.size() - answer.size();
    for (size_t i = 0; i < motif_notes; ++i) {
      MelodyNote n = melody[i];
      n.start += 4 * kStepsPerBar;
      if (n.start % 8 == 0) n.degree = NearestChordTone(n.degree, chords[n.start / kStepsPerBar]);
      melody.push_back(n);
    }
    // Second answer: closes on the tonic when the last chord holds it.
    answer = Phrase(r.answers[rng_.Int(0, r.answers.size() - 1)], chords, 6, melody.back().degree,
                    center);
    int& close = answer.back().degree;
    close =
        IsChordTone(0, chords[7]) ? 7 * FloorDiv(close + 3, 7) : NearestChordTone(close, chords[7]);
    melody.insert(melody.end(), answer.begin(), answer.end());
    return melody;
  }

  void PlayMelody(const std::vector<MelodyNote>& melody, int first_bar) {
    if (s_.lead_program < 0) return;
    const bool legato = s_.groove == Groove::kCalm || s_.groove == Groove::kHeroic;
    for (const MelodyNote& n : melody) {
      const int velocity = (n.start % 8 == 0 ? 100 : 86) + rng_.Int(-5, 5);
      Note(first_bar, n.start, n.length * kStep - (legato ? 6 : 24), kLead, Key(n.degree, s_.tonic),
           velocity);
    }
  }

  const SongStyle& s_;
  Rng rng_;
  MidiTrack track_;
  std::map<char, std::vector<MelodyNote>> melodies_;
  uint32_t end_tick_ = 0;
};

}  // namespace

std::vector<uint8_t> ComposeSong(const SongStyle& style) { return Composer(style).Compose(); }

}  // namespace assetgen
