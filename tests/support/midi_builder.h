// Builds Standard MIDI Files for the tests and benchmarks: one track of
// events, each a number of ticks after the one before.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace midigen {

class Track {
 public:
  Track& Tempo(uint32_t delta, uint32_t microsPerBeat) {
    Event(delta, {0xFF, 0x51, 0x03, static_cast<uint8_t>(microsPerBeat >> 16),
                  static_cast<uint8_t>(microsPerBeat >> 8), static_cast<uint8_t>(microsPerBeat)});
    return *this;
  }
  Track& Program(uint32_t delta, int channel, int program) {
    Event(delta, {Status(0xC0, channel), static_cast<uint8_t>(program)});
    return *this;
  }
  Track& NoteOn(uint32_t delta, int channel, int key, int velocity) {
    Event(delta,
          {Status(0x90, channel), static_cast<uint8_t>(key), static_cast<uint8_t>(velocity)});
    return *this;
  }
  Track& NoteOff(uint32_t delta, int channel, int key) {
    Event(delta, {Status(0x80, channel), static_cast<uint8_t>(key), 0x40});
    return *this;
  }
  // The file: format 0, `division` ticks a beat, this track ended `endDelta`
  // ticks after its last event.
  std::vector<uint8_t> File(uint32_t endDelta = 0, uint16_t division = 480) const {
    Track t = *this;
    t.Event(endDelta, {0xFF, 0x2F, 0x00});
    std::vector<uint8_t> b = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1};
    b.push_back(static_cast<uint8_t>(division >> 8));
    b.push_back(static_cast<uint8_t>(division));
    b.insert(b.end(), {'M', 'T', 'r', 'k'});
    for (int i = 3; i >= 0; --i) b.push_back(static_cast<uint8_t>(t.bytes_.size() >> (8 * i)));
    b.insert(b.end(), t.bytes_.begin(), t.bytes_.end());
    return b;
  }

 private:
  static uint8_t Status(int kind, int channel) { return static_cast<uint8_t>(kind | channel); }
  // The delta as a variable-length quantity, most significant group first, then the event.
  void Event(uint32_t delta, std::initializer_list<uint8_t> event) {
    uint8_t groups[5];
    int n = 0;
    do {
      groups[n] = static_cast<uint8_t>((delta & 0x7F) | (n == 0 ? 0 : 0x80));
      ++n;
      delta >>= 7;
    } while (delta != 0);
    while (n > 0) bytes_.push_back(groups[--n]);
    bytes_.insert(bytes_.end(), event);
  }
  std::vector<uint8_t> bytes_;
};

// One piano note lasting `ticks` ticks at 120 beats a minute, 480 ticks a beat.
inline std::vector<uint8_t> OneNoteSong(uint32_t ticks) {
  return Track()
      .Tempo(0, 500000)
      .Program(0, 0, 0)
      .NoteOn(0, 0, 60, 100)
      .NoteOff(ticks, 0, 60)
      .File();
}

}  // namespace midigen
