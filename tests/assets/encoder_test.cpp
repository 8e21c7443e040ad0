// The generator's file encoders, read back with the tests' own readers.
#include <gtest/gtest.h>

#include "tests/assets/asset_readers.h"
#include "tools/assetgen/bmp_writer.h"
#include "tools/assetgen/midi_writer.h"
#include "tools/assetgen/wav_writer.h"

namespace assettest {
namespace {

TEST(Encoders, BmpRowsArePaddedAndStoredBottomUpInBlueGreenRed) {
  for (int width = 1; width <= 5; ++width) {
    SCOPED_TRACE(width);
    assetgen::RgbImage image{width, 3, {}};
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < width; ++x)
        image.rgb.insert(image.rgb.end(), {uint8_t(10 * x + 1), uint8_t(y + 100), uint8_t(200)});
    const std::vector<uint8_t> file = assetgen::EncodeBmp(image);
    EXPECT_EQ(file.size(), 54u + 3 * ((width * 3 + 3) / 4 * 4));
    EXPECT_EQ(file[54], 200);  // the first stored byte: blue of the bottom-left pixel
    EXPECT_EQ(file[55], 102);
    const Bmp b = DecodeBmp(file);
    ASSERT_EQ(b.error, "");
    EXPECT_EQ(b.at(width - 1, 0), (Rgb{uint8_t(10 * (width - 1) + 1), 100, 200}));
    EXPECT_EQ(b.at(0, 2), (Rgb{1, 102, 200}));
  }
}

TEST(Encoders, WavKeepsEverySampleAndItsSign) {
  const std::vector<int16_t> samples = {0, 1, -1, 32767, -32768, 1234};
  const Wav w = ReadWav(assetgen::EncodeWav(samples, 22050));
  ASSERT_EQ(w.error, "");
  EXPECT_EQ(w.sample_rate, 22050);
  EXPECT_EQ(w.samples, samples);
}

TEST(Encoders, MidiEventsComeOutInTimeOrderWithNoteOffsFirstAndTheEndWhereAsked) {
  assetgen::MidiTrack track;
  track.Note(960, 480, 0, 60, 100);  // added out of order
  track.Note(0, 960, 0, 60, 90);     // ends exactly where the next strike of the key starts
  track.Program(0, 0, 5);
  track.Tempo(0, 120);
  track.Note(0x200000, 10, 9, 36, 80);  // a gap that needs a four-byte delta
  const Smf s = ParseSmf(track.Encode(480, 0x200000 + 480));
  ASSERT_EQ(s.error, "");
  ASSERT_EQ(s.events.size(), 9u);       // 3 notes x 2, program, tempo, end of track
  EXPECT_EQ(s.events[0].status, 0xFF);  // set-up before notes at tick 0
  EXPECT_EQ(s.events[1].status, 0xC0);
  EXPECT_EQ(s.events[3].tick, 960u);
  EXPECT_EQ(s.events[3].status, 0x80);  // the old note stops before the new one starts
  EXPECT_EQ(s.events[4].status, 0x90);
  EXPECT_EQ(s.events[6].tick, 0x200000u);
  EXPECT_EQ(s.end_tick, 0x200000u + 480);
  EXPECT_DOUBLE_EQ(s.SecondsAt(960), 1.0);
}

}  // namespace
}  // namespace assettest
