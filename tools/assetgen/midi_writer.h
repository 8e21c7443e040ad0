// Collects timed MIDI events and encodes them as a format-0 Standard MIDI File.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace assetgen {

class MidiTrack {
 public:
  void Tempo(uint32_t tick, double beats_per_minute);
  void TimeSignature(uint32_t tick, int numerator, int denominator);
  void Name(uint32_t tick, std::string_view name);
  void Program(uint32_t tick, int channel, int program);
  void Control(uint32_t tick, int channel, int controller, int value);
  // One note: a note-on at tick and its note-off duration ticks later.
  void Note(uint32_t tick, uint32_t duration, int channel, int key, int velocity);

  // The file, with ticks_per_quarter resolution and the end of track at end_tick. Events are
  // ordered by time; at equal times set-up events come first and note-offs precede note-ons.
  std::vector<uint8_t> Encode(uint16_t ticks_per_quarter, uint32_t end_tick) const;

 private:
  struct Event {
    uint32_t tick;
    int order;  // 0 meta, 1 set-up, 2 note-off, 3 note-on
    uint32_t sequence;
    std::vector<uint8_t> bytes;
  };
  void Add(uint32_t tick, int order, std::vector<uint8_t> bytes);

  std::vector<Event> events_;
};

}  // namespace assetgen
