#include "platform/midi_song.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace plat {
namespace {

constexpr uint64_t kMaxTicks = 1u << 31;
constexpr uint32_t kDefaultTempo = 500000;  // microseconds a beat

struct Reader {
  const uint8_t* p;
  const uint8_t* end;
  bool Byte(uint8_t& b) {
    if (p == end) return false;
    b = *p++;
    return true;
  }
  // A variable-length quantity of at most four bytes.
  bool Quantity(uint32_t& v) {
    v = 0;
    for (int i = 0; i < 4; ++i) {
      uint8_t b;
      if (!Byte(b)) return false;
      v = (v << 7) | (b & 0x7F);
      if (!(b & 0x80)) return true;
    }
    return false;
  }
  bool Skip(uint32_t n) {
    if (static_cast<size_t>(end - p) < n) return false;
    p += n;
    return true;
  }
};

uint32_t Be(const uint8_t* p, int n) {
  uint32_t v = 0;
  for (int i = 0; i < n; ++i) v = (v << 8) | p[i];
  return v;
}

int DataBytes(uint8_t status) { return (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2; }

struct Tempo {
  uint32_t tick, micros;
};

// Appends the events of one track; false when it is malformed. A track cut
// short keeps its whole events; its end is its last tick either way.
bool ReadTrack(Reader r, MidiSong& song, std::vector<Tempo>& tempos, uint32_t& end) {
  uint64_t tick = 0;
  uint8_t running = 0;
  while (r.p != r.end) {
    uint32_t delta;
    uint8_t b;
    if (!r.Quantity(delta) || !r.Byte(b)) break;
    if ((tick += delta) > kMaxTicks) return false;
    const auto at = static_cast<uint32_t>(tick);
    if (b < 0x80) {  // running status: this byte is the first data byte
      if (running == 0) return false;
      --r.p;
      b = running;
    }
    if (b < 0xF0) {
      running = b;
      uint8_t d[2] = {0, 0};
      if (!r.Byte(d[0]) || (DataBytes(b) == 2 && !r.Byte(d[1]))) break;
      song.events.push_back(
          {0, at, b, static_cast<uint8_t>(d[0] & 0x7F), static_cast<uint8_t>(d[1] & 0x7F)});
    } else if (b == 0xF0 || b == 0xF7) {
      uint32_t n;
      if (!r.Quantity(n) || !r.Skip(n)) break;
      // The synthesizer takes a message without its 0xF0 and closing 0xF7.
      const uint8_t* bytes = r.p - n;
      const uint32_t size = n > 0 && bytes[n - 1] == 0xF7 ? n - 1 : n;
      if (b == 0xF0 && size > 0) {
        song.events.push_back({0, at, 0xF0, 0, 0, static_cast<uint32_t>(song.sysex.size()), size});
        song.sysex.insert(song.sysex.end(), bytes, bytes + size);
      }
    } else if (b == 0xFF) {
      uint8_t type;
      uint32_t n;
      if (!r.Byte(type) || !r.Quantity(n) || !r.Skip(n)) break;
      if (type == 0x2F) break;
      if (type == 0x51 && n >= 3) tempos.push_back({at, Be(r.p - n, 3)});
    } else {
      return false;
    }
    end = std::max(end, at);
  }
  end = std::max<uint64_t>(end, tick);
  return true;
}

}  // namespace

bool ReadMidiSong(const uint8_t* data, size_t size, int rate, MidiSong& out) {
  out = MidiSong();
  if (size < 14 || std::memcmp(data, "MThd", 4) != 0) return false;
  const uint32_t headerSize = Be(data + 4, 4);
  const uint32_t format = Be(data + 8, 2), division = Be(data + 12, 2);
  if (headerSize < 6 || headerSize > size - 8 || format > 2 || division == 0) return false;
  std::vector<Tempo> tempos;
  Reader file{data + 8 + headerSize, data + size};
  while (file.end - file.p >= 8) {
    const bool track = std::memcmp(file.p, "MTrk", 4) == 0;
    const uint32_t n = Be(file.p + 4, 4);
    file.p += 8;
    const size_t have = std::min<size_t>(n, file.end - file.p);
    if (track && !ReadTrack({file.p, file.p + have}, out, tempos, out.length)) return false;
    file.p += have;
  }
  if (out.length == 0) return false;
  // The tempo map. A time-code division gives every tick the same length.
  std::stable_sort(tempos.begin(), tempos.end(),
                   [](const Tempo& a, const Tempo& b) { return a.tick < b.tick; });
  double perTick;
  if (division & 0x8000) {
    const int fps = -static_cast<int8_t>(division >> 8), ticksPerFrame = division & 0xFF;
    if (fps <= 0 || ticksPerFrame == 0) return false;
    perTick = static_cast<double>(rate) / (fps * ticksPerFrame);
    tempos.clear();
  } else {
    perTick = static_cast<double>(kDefaultTempo) * rate / 1e6 / division;
  }
  out.spans.push_back({0, 0.0, perTick});
  for (const Tempo& t : tempos) {
    MidiSong::Span& last = out.spans.back();
    const double at = last.sample + (t.tick - last.tick) * last.samplesPerTick;
    const double spt = static_cast<double>(t.micros) * rate / 1e6 / division;
    if (t.tick == last.tick)
      last.samplesPerTick = spt;
    else
      out.spans.push_back({t.tick, at, spt});
  }
  // Playing order: by tick, the tracks in file order at the same tick.
  std::stable_sort(out.events.begin(), out.events.end(),
                   [](const MidiEvent& a, const MidiEvent& b) { return a.tick < b.tick; });
  for (MidiEvent& e : out.events) e.sample = SampleOfTick(out, e.tick);
  out.endSample = SampleOfTick(out, out.length);
  return true;
}

uint64_t SampleOfTick(const MidiSong& song, uint32_t tick) {
  tick = std::min(tick, song.length);
  const auto span =
      std::upper_bound(song.spans.begin(), song.spans.end(), tick,
                       [](uint32_t t, const MidiSong::Span& s) { return t < s.tick; }) -
      1;
  return static_cast<uint64_t>(
      std::llround(span->sample + (tick - span->tick) * span->samplesPerTick));
}

uint32_t TickAtSample(const MidiSong& song, uint64_t sample) {
  if (sample >= song.endSample) return song.length;
  const double at = static_cast<double>(sample);
  const auto span =
      std::upper_bound(song.spans.begin(), song.spans.end(), at,
                       [](double s, const MidiSong::Span& x) { return s < x.sample; }) -
      1;
  if (span->samplesPerTick <= 0.0) return song.length;
  const double ticks = span->tick + (at - span->sample) / span->samplesPerTick;
  return static_cast<uint32_t>(std::min<double>(ticks, song.length));
}

}  // namespace plat
