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

Bmp DecodeBmp(const std::vector<uint8_t>& b) {
  Bmp out;
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return Fail<Bmp>("not a BMP");
  const uint32_t offset = Le(b, 10, 4);
  if (Le(b, 14, 4) != 40) return Fail<Bmp>("header is not BITMAPINFOHEADER");
  out.width = static_cast<int32_t>(Le(b, 18, 4));
  const int32_t height = static_cast<int32_t>(Le(b, 22, 4));
  if (Le(b, 28, 2) != 24 || Le(b, 30, 4) != 0) return Fail<Bmp>("not 24-bit BI_RGB");
  if (out.width <= 0 || height <= 0) return Fail<Bmp>("not a bottom-up picture");
  out.height = height;
  const size_t stride = (out.width * 3 + 3) & ~3u;
  if (Le(b, 2, 4) != b.size() || offset + stride * height != b.size())
    return Fail<Bmp>("sizes in the header do not match the file");
  out.pixels.resize(static_cast<size_t>(out.width) * height);
  for (int y = 0; y < height; ++y) {
    const size_t row = offset + stride * (height - 1 - y);
    for (int x = 0; x < out.width; ++x)
      out.pixels[static_cast<size_t>(y) * out.width + x] = {b[row + 3 * x + 2], b[row + 3 * x + 1],
                                                            b[row + 3 * x]};
  }
  return out;
}

Wav ReadWav(const std::vector<uint8_t>& b) {
  Wav out;
  if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
      std::string(b.begin() + 8, b.begin() + 12) != "WAVE")
    return Fail<Wav>("not RIFF/WAVE");
  if (Le(b, 4, 4) + 8 != b.size()) return Fail<Wav>("RIFF size does not match the file");
  bool have_format = false;
  for (size_t at = 12; at + 8 <= b.size();) {
    const std::string id(b.begin() + at, b.begin() + at + 4);
    const uint32_t size = Le(b, at + 4, 4);
    if (at + 8 + size > b.size()) return Fail<Wav>("chunk " + id + " runs past the end");
    if (id == "fmt ") {
      if (size < 16) return Fail<Wav>("fmt chunk too short");
      out.format = Le(b, at + 8, 2);
      out.channels = Le(b, at + 10, 2);
      out.sample_rate = Le(b, at + 12, 4);
      out.bits = Le(b, at + 22, 2);
      have_format = true;
    } else if (id == "data") {
      if (!have_format) return Fail<Wav>("data before fmt");
      for (size_t i = 0; i + 1 < size; i += 2)
        out.samples.push_back(static_cast<int16_t>(Le(b, at + 8 + i, 2)));
      return out;
    }
    at += 8 + size + (size & 1);
  }
  return Fail<Wav>("no data chunk");
}

Smf ParseSmf(const std::vector<uint8_t>& b) {
  Smf out;
  if (b.size() < 14 || std::string(b.begin(), b.begin() + 4) != "MThd" || Be(b, 4, 4) != 6)
    return Fail<Smf>("no MThd header");
  out.format = Be(b, 8, 2);
  out.tracks = Be(b, 10, 2);
  out.division = Be(b, 12, 2);
  if (out.division & 0x8000) return Fail<Smf>("SMPTE time is not expected");
  size_t at = 14;
  for (int t = 0; t < out.tracks; ++t) {
    if (at + 8 > b.size() || std::string(b.begin() + at, b.begin() + at + 4) != "MTrk")
      return Fail<Smf>("missing MTrk");
    const size_t end = at + 8 + Be(b, at + 4, 4);
    if (end > b.size()) return Fail<Smf>("track runs past the end");
    at += 8;
    uint32_t tick = 0;
    uint8_t running = 0;
    bool ended = false;
    auto varlen = [&](uint32_t& v) {
      v = 0;
      for (int i = 0; i < 4; ++i) {
        if (at >= end) return false;
        const uint8_t c = b[at++];
        v = (v << 7) | (c & 0x7F);
        if (!(c & 0x80)) return true;
      }
      return false;
    };
    while (at < end && !ended) {
      uint32_t delta;
      if (!varlen(delta)) return Fail<Smf>("bad delta time");
      tick += delta;
      uint8_t status = b[at];
      if (status & 0x80) {
        ++at;
      } else if (running) {
        status = running;
      } else {
        return Fail<Smf>("data byte without a status");
      }
      MidiEvent e{tick, status, 0, {}};
      if (status == 0xFF) {
        if (at >= end) return Fail<Smf>("truncated meta");
        e.meta_type = b[at++];
        uint32_t len;
        if (!varlen(len) || at + len > end) return Fail<Smf>("bad meta length");
        e.data.assign(b.begin() + at, b.begin() + at + len);
        at += len;
        if (e.meta_type == 0x2F) {
          ended = true;
          out.end_tick = std::max(out.end_tick, tick);
        }
      } else if (status == 0xF0 || status == 0xF7) {
        return Fail<Smf>("SysEx is not expected");
      } else {
        const int kind = status & 0xF0;
        const int len = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
        if (at + len > end) return Fail<Smf>("truncated channel event");
        e.data.assign(b.begin() + at, b.begin() + at + len);
        at += len;
        running = status;
      }
      out.events.push_back(std::move(e));
    }
    if (!ended) return Fail<Smf>("track without end-of-track");
    if (at != end) return Fail<Smf>("bytes after end-of-track");
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
