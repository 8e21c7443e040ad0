// A Standard MIDI File read once into a timeline: its events in playing
// order, each at its tick and at its sample of the mix, so that playing,
// seeking and looping never read the file again.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace plat {

struct MidiEvent {
  uint64_t sample;  // when it sounds, in samples from the song's start
  uint32_t tick;
  uint8_t status, data1, data2;         // a channel message, or 0xF0 for a system exclusive
  uint32_t sysexAt = 0, sysexSize = 0;  // its bytes in MidiSong::sysex
};

struct MidiSong {
  struct Span {  // from `tick` on, each tick lasts `samplesPerTick`
    uint32_t tick;
    double sample, samplesPerTick;
  };
  std::vector<MidiEvent> events;
  std::vector<uint8_t> sysex;
  std::vector<Span> spans;  // the tempo map, by tick; the first at tick 0
  uint32_t length = 0;      // ticks: the end of the longest track
  uint64_t endSample = 0;   // the sample of `length`
};

// Reads a song of format 0, 1 or 2 for a mix of `rate` samples a second.
// False for a file that is no song, is malformed (a data byte without a
// status, an unknown status) or longer than 2^31 ticks; a track cut short
// ends with its last whole event. Tempo 0 makes its ticks take no time.
bool ReadMidiSong(const uint8_t* data, size_t size, int rate, MidiSong& out);

// The sample of a tick (held to the song's length) and the tick reached at
// a sample (the song's length from its end on).
uint64_t SampleOfTick(const MidiSong& song, uint32_t tick);
uint32_t TickAtSample(const MidiSong& song, uint64_t sample);

}  // namespace plat
