// The songs the game loops, read by the game's own reader: each lasts 60 to
// 120 seconds and ends on a bar line right after its last sound, every note
// ends, and every instrument is set at the start.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "platform/midi_song.h"
#include "tests/assets/asset_readers.h"
#include "tests/assets/inventory.h"
#include "tools/assetgen/composer.h"

namespace assettest {
namespace {

constexpr int kDrumChannel = 9;
constexpr uint32_t kBar = assetgen::kTicksPerBar;

TEST(Songs, LoopOnABarLineWithEveryNoteEndedAndEveryInstrumentSet) {
  for (const char* name : kSongs) {
    SCOPED_TRACE(name);
    const std::vector<uint8_t> bytes = ReadBytes(kAssetDir / name);
    plat::MidiSong s;
    ASSERT_TRUE(plat::ReadMidiSong(bytes.data(), bytes.size(), 1000, s));
    EXPECT_EQ(s.length % kBar, 0u);
    EXPECT_GE(s.endSample, 60000u);  // milliseconds at a rate of 1000
    EXPECT_LE(s.endSample, 120000u);
    uint32_t lastSound = 0;
    std::map<std::pair<int, int>, int> sounding;
    std::set<int> channels, programmed;
    for (const plat::MidiEvent& e : s.events) {
      const int ch = e.status & 0x0F, kind = e.status & 0xF0;
      if (kind == 0xC0 && e.tick == 0) programmed.insert(ch);
      const bool on = kind == 0x90 && e.data2 > 0;
      if (!on && kind != 0x80 && kind != 0x90) continue;
      lastSound = e.tick;  // the events are in playing order
      sounding[{ch, e.data1}] += on ? 1 : -1;
      if (on) channels.insert(ch);
    }
    // Nothing sounds past the restart, and the last bar is not silent.
    EXPECT_LE(lastSound, s.length);
    EXPECT_GT(lastSound + kBar / 4, s.length);
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
