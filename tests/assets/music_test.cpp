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

TEST(Songs, PitchedPartsStayInOneSevenNoteKey) {
  for (const char* name : kSongs) {
    SCOPED_TRACE(name);
    std::set<int> pitch_classes;
    for (const MidiEvent& e : Load(name).events)
      if (IsNoteOn(e) && (e.status & 0x0F) != kDrumChannel) pitch_classes.insert(e.data[0] % 12);
    EXPECT_GE(pitch_classes.size(), 5u);
    EXPECT_LE(pitch_classes.size(), 7u);
  }
}

TEST(Songs, TheEndingIsTheCalmestAndEverySongIsItsOwn) {
  auto bpm = [](const Smf& s) {
    const MidiEvent* t = FindMeta(s, 0x51);
    return 60e6 / ((t->data[0] << 16) | (t->data[1] << 8) | t->data[2]);
  };
  const double ending = bpm(Load("MBGM14.MID"));
  std::set<std::vector<uint8_t>> distinct;
  for (const char* name : kSongs) {
    distinct.insert(ReadBytes(kAssetDir / name));
    if (std::string(name) != "MBGM14.MID") {
      EXPECT_LT(ending + 20, bpm(Load(name))) << name;
    }
  }
  EXPECT_EQ(distinct.size(), kSongs.size());
}

}  // namespace
}  // namespace assettest
