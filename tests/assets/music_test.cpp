#include <gtest/gtest.h>

#include <map>
#include <set>

#include "tests/assets/asset_readers.h"
#include "tests/assets/inventory.h"

namespace assettest {
namespace {

constexpr int kDrumChannel = 9;

Smf Load(const char* name) { return ParseSmf(ReadBytes(kAssetDir / name)); }

bool IsNoteOn(const MidiEvent& e) { return (e.status & 0xF0) == 0x90 && e.data[1] > 0; }
bool IsNoteOff(const MidiEvent& e) {
  return (e.status & 0xF0) == 0x80 || ((e.status & 0xF0) == 0x90 && e.data[1] == 0);
}
const MidiEvent* FindMeta(const Smf& s, uint8_t type) {
  for (const MidiEvent& e : s.events)
    if (e.status == 0xFF && e.meta_type == type) return &e;
  return nullptr;
}

TEST(Songs, EachLoopsFromSixtyToOneHundredTwentySecondsAndEndsOnABarLine) {
  for (const char* name : kSongs) {
    SCOPED_TRACE(name);
    const Smf s = Load(name);
    ASSERT_EQ(s.error, "");
    const MidiEvent* tempo = FindMeta(s, 0x51);
    const MidiEvent* meter = FindMeta(s, 0x58);
    ASSERT_TRUE(tempo && meter);
    EXPECT_EQ(tempo->tick, 0u);
    EXPECT_EQ(meter->tick, 0u);
    const uint32_t bar = s.division * 4 * meter->data[0] / (1 << meter->data[1]);
    EXPECT_EQ(s.end_tick % bar, 0u);
    const double seconds = s.SecondsAt(s.end_tick);
    EXPECT_GE(seconds, 60);
    EXPECT_LE(seconds, 120);
    // The loop restarts at the end of track: nothing may sound past it, and the last bar
    // must not be empty (no silent gap before the restart).
    uint32_t last_sound = 0;
    for (const MidiEvent& e : s.events)
      if (IsNoteOn(e) || IsNoteOff(e)) last_sound = std::max(last_sound, e.tick);
    EXPECT_LE(last_sound, s.end_tick);
    EXPECT_GT(last_sound + bar / 4, s.end_tick);
  }
}

TEST(Songs, EveryNoteEndsAndEveryInstrumentIsSetAtTheStart) {
  for (const char* name : kSongs) {
    SCOPED_TRACE(name);
    const Smf s = Load(name);
    std::map<std::pair<int, int>, int> sounding;
    std::set<int> channels, programmed;
    for (const MidiEvent& e : s.events) {
      const int ch = e.status & 0x0F;
      if ((e.status & 0xF0) == 0xC0 && e.tick == 0) programmed.insert(ch);
      if (IsNoteOn(e)) {
        ++sounding[{ch, e.data[0]}];
        channels.insert(ch);
      } else if (IsNoteOff(e)) {
        --sounding[{ch, e.data[0]}];
      }
    }
    for (const auto& [note, count] : sounding)
      EXPECT_EQ(count, 0) << note.first << "/" << note.second;
    EXPECT_TRUE(channels.count(kDrumChannel));
    EXPECT_GE(channels.size(), 4u);  // drums, bass, chords and lead at least
    channels.erase(kDrumChannel);
    for (int ch : channels) EXPECT_TRUE(programmed.count(ch)) << "channel " << ch;
  }
}

}  // namespace
}  // namespace assettest
