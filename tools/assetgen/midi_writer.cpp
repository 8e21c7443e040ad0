#include "tools/assetgen/midi_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace assetgen {
namespace {

void PutBig(std::vector<uint8_t>& out, uint32_t v, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back((v >> (8 * i)) & 0xFF);
}

void PutVarLen(std::vector<uint8_t>& out, uint32_t v) {
  uint8_t groups[5];
  int n = 0;
  do {
    groups[n++] = v & 0x7F;
    v >>= 7;
  } while (v);
  while (n > 1) out.push_back(groups[--n] | 0x80);
  out.push_back(groups[0]);
}

std::vector<uint8_t> Meta(uint8_t type, std::vector<uint8_t> data) {
  std::vector<uint8_t> bytes{0xFF, type};
  PutVarLen(bytes, static_cast<uint32_t>(data.size()));
  bytes.insert(bytes.end(), data.begin(), data.end());
  return bytes;
}

}  // namespace

void MidiTrack::Add(uint32_t tick, int order, std::vector<uint8_t> bytes) {
  events_.push_back({tick, order, static_cast<uint32_t>(events_.size()), std::move(bytes)});
}

void MidiTrack::Tempo(uint32_t tick, double bpm) {
  const uint32_t us = static_cast<uint32_t>(std::lround(60000000.0 / bpm));
  Add(tick, 0, Meta(0x51, {uint8_t(us >> 16), uint8_t(us >> 8), uint8_t(us)}));
}

void MidiTrack::TimeSignature(uint32_t tick, int numerator, int denominator) {
  uint8_t power = 0;
  while ((1 << power) < denominator) ++power;
  Add(tick, 0, Meta(0x58, {uint8_t(numerator), power, 24, 8}));
}

void MidiTrack::Name(uint32_t tick, std::string_view name) {
  Add(tick, 0, Meta(0x03, std::vector<uint8_t>(name.begin(), name.end())));
}

void MidiTrack::Program(uint32_t tick, int channel, int program) {
  Add(tick, 1, {uint8_t(0xC0 | channel), uint8_t(program)});
}

void MidiTrack::Control(uint32_t tick, int channel, int controller, int value) {
  Add(tick, 1, {uint8_t(0xB0 | channel), uint8_t(controller), uint8_t(value)});
}

void MidiTrack::Note(uint32_t tick, uint32_t duration, int channel, int key, int velocity) {
  Add(tick, 3, {uint8_t(0x90 | channel), uint8_t(key), uint8_t(velocity)});
  Add(tick + duration, 2, {uint8_t(0x80 | channel), uint8_t(key), 0});
}

std::vector<uint8_t> MidiTrack::Encode(uint16_t ticks_per_quarter, uint32_t end_tick) const {
  std::vector<Event> sorted = events_;
  std::sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
    if (a.tick != b.tick) return a.tick < b.tick;
    if (a.order != b.order) return a.order < b.order;
    return a.sequence < b.sequence;
  });
  std::vector<uint8_t> track;
  uint32_t now = 0;
  for (const Event& e : sorted) {
    PutVarLen(track, e.tick - now);
    track.insert(track.end(), e.bytes.begin(), e.bytes.end());
    now = e.tick;
  }
  if (now > end_tick) {
    std::fprintf(stderr, "midi: event at tick %u after the end of track %u\n", now, end_tick);
    std::abort();
  }
  PutVarLen(track, end_tick - now);
  track.insert(track.end(), {0xFF, 0x2F, 0x00});

  std::vector<uint8_t> out{'M', 'T', 'h', 'd'};
  PutBig(out, 6, 4);
  PutBig(out, 0, 2);  // format 0
  PutBig(out, 1, 2);  // one track
  PutBig(out, ticks_per_quarter, 2);
  out.insert(out.end(), {'M', 'T', 'r', 'k'});
  PutBig(out, static_cast<uint32_t>(track.size()), 4);
  out.insert(out.end(), track.begin(), track.end());
  return out;
}

}  // namespace assetgen
