#include "tests/assets/asset_readers.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace assettest {
namespace {

uint32_t Le(const std::vector<uint8_t>& b, size_t at, int n) {
  uint32_t v = 0;
  for (int i = n - 1; i >= 0; --i) v = (v << 8) | b[at + i];
  return v;
}
uint32_t Be(const std::vector<uint8_t>& b, size_t at, int n) {
  uint32_t v = 0;
  for (int i = 0; i < n; ++i) v = (v << 8) | b[at + i];
  return v;
}
bool Tag(const std::vector<uint8_t>& b, size_t at, const char* id) {
  return at + 4 <= b.size() && std::equal(id, id + 4, b.begin() + at);
}

// A result carrying only an error message.
template <typename T>
T Fail(std::string message) {
  T out;
  out.error = std::move(message);
  return out;
}

}  // namespace

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Only what the generator writes: a bottom-up 24-bit BI_RGB picture with a 40-byte header.
Bmp DecodeBmp(const std::vector<uint8_t>& b) {
  Bmp out;
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || Le(b, 14, 4) != 40 || Le(b, 28, 2) != 24 ||
      Le(b, 30, 4) != 0)
    return Fail<Bmp>("not a 24-bit BI_RGB BMP");
  out.width = static_cast<int32_t>(Le(b, 18, 4));
  out.height = static_cast<int32_t>(Le(b, 22, 4));
  const size_t offset = Le(b, 10, 4), stride = (out.width * 3 + 3) & ~3u;
  if (out.width <= 0 || out.height <= 0 || Le(b, 2, 4) != b.size() ||
      offset + stride * out.height != b.size())
    return Fail<Bmp>("sizes in the header do not match the file");
  for (int y = 0; y < out.height; ++y) {
    const size_t row = offset + stride * (out.height - 1 - y);
    for (int x = 0; x < out.width; ++x)
      out.pixels.push_back({b[row + 3 * x + 2], b[row + 3 * x + 1], b[row + 3 * x]});
  }
  return out;
}

// Only what the generator writes: one fmt chunk, then the data chunk, sizes exact.
Wav ReadWav(const std::vector<uint8_t>& b) {
  Wav out;
  if (!Tag(b, 0, "RIFF") || !Tag(b, 8, "WAVE") || Le(b, 4, 4) + 8 != b.size() ||
      !Tag(b, 12, "fmt ") || Le(b, 16, 4) != 16 || !Tag(b, 36, "data") ||
      44 + Le(b, 40, 4) != b.size())
    return Fail<Wav>("not a canonical RIFF/WAVE file");
  out.format = Le(b, 20, 2);
  out.channels = Le(b, 22, 2);
  out.sample_rate = Le(b, 24, 4);
  out.bits = Le(b, 34, 2);
  for (size_t i = 44; i + 1 < b.size(); i += 2)
    out.samples.push_back(static_cast<int16_t>(Le(b, i, 2)));
  return out;
}

Smf ParseSmf(const std::vector<uint8_t>& b) {
  Smf out;
  if (b.size() < 14 || !Tag(b, 0, "MThd") || Be(b, 4, 4) != 6) return Fail<Smf>("no MThd header");
  out.format = Be(b, 8, 2);
  out.tracks = Be(b, 10, 2);
  out.division = Be(b, 12, 2);
  if (out.division & 0x8000) return Fail<Smf>("SMPTE time is not expected");
  size_t at = 14;
  for (int t = 0; t < out.tracks; ++t) {
    if (!Tag(b, at, "MTrk") || at + 8 + Be(b, at + 4, 4) > b.size())
      return Fail<Smf>("missing or overlong MTrk");
    const size_t end = at + 8 + Be(b, at + 4, 4);
    at += 8;
    uint32_t tick = 0;
    uint8_t running = 0;
    bool ended = false;
    auto varlen = [&](uint32_t& v) {
      v = 0;
      for (int i = 0; i < 4 && at < end; ++i) {
        const uint8_t c = b[at++];
        v = (v << 7) | (c & 0x7F);
        if (!(c & 0x80)) return true;
      }
      return false;
    };
    while (at < end && !ended) {
      uint32_t delta, len;
      if (!varlen(delta)) return Fail<Smf>("bad delta time");
      tick += delta;
      const uint8_t status = (b[at] & 0x80) ? b[at++] : running;
      MidiEvent e{tick, status, 0, {}};
      if (status == 0xFF) {
        e.meta_type = at < end ? b[at++] : 0;
        if (!varlen(len) || at + len > end) return Fail<Smf>("bad meta length");
        ended = e.meta_type == 0x2F;
        if (ended) out.end_tick = std::max(out.end_tick, tick);
      } else if (status < 0x80 || status >= 0xF0) {
        return Fail<Smf>("no status, or SysEx");
      } else {
        len = (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2;
        if (at + len > end) return Fail<Smf>("truncated channel event");
        running = status;
      }
      e.data.assign(b.begin() + at, b.begin() + at + len);
      at += len;
      out.events.push_back(std::move(e));
    }
    if (!ended || at != end) return Fail<Smf>("track does not end with its end-of-track");
  }
  std::stable_sort(out.events.begin(), out.events.end(),
                   [](const MidiEvent& x, const MidiEvent& y) { return x.tick < y.tick; });
  return out;
}

double Smf::SecondsAt(uint32_t tick) const {
  double seconds = 0, us_per_quarter = 500000;
  uint32_t last = 0;
  for (const MidiEvent& e : events) {
    if (e.tick > tick) break;
    if (e.status == 0xFF && e.meta_type == 0x51) {
      seconds += (e.tick - last) * us_per_quarter / 1e6 / division;
      last = e.tick;
      us_per_quarter = (e.data[0] << 16) | (e.data[1] << 8) | e.data[2];
    }
  }
  return seconds + (tick - last) * us_per_quarter / 1e6 / division;
}

}  // namespace assettest
