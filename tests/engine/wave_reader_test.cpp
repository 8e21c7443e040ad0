// The RIFF/WAVE reader on well-formed files of every layout and on hostile ones.
#include "tests/engine/sound_fixture.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Chunk(const char* id, const Bytes& body, bool pad = true) {
  Bytes b(id, id + 4);
  soundtest::Put32(b, static_cast<uint32_t>(body.size()));
  b.insert(b.end(), body.begin(), body.end());
  if (pad && body.size() % 2 == 1) b.push_back(0);
  return b;
}

Bytes Riff(const std::vector<Bytes>& chunks) {
  Bytes inner = {'W', 'A', 'V', 'E'};
  for (const Bytes& c : chunks) inner.insert(inner.end(), c.begin(), c.end());
  Bytes b = {'R', 'I', 'F', 'F'};
  soundtest::Put32(b, static_cast<uint32_t>(inner.size()));
  b.insert(b.end(), inner.begin(), inner.end());
  return b;
}

// The 16 bytes of a PCM format: 16-bit mono at 22050 Hz.
const Bytes kPcm = {1, 0, 1, 0, 0x22, 0x56, 0, 0, 0x44, 0xAC, 0, 0, 2, 0, 16, 0};
const Bytes kSamples = {1, 2, 3, 4, 5, 6};

struct Read {
  int result;
  Bytes format, data;
  uint32_t formatSize, dataSize;
};

Read Parse(const Bytes& file) {
  Read r{};
  r.result =
      koSound::ParseWave(file.data(), file.size(), r.format, r.formatSize, r.data, r.dataSize);
  return r;
}

TEST(WaveReader, ReadsFormatAndSamplesWhateverTheChunkOrderPaddingAndFormat) {
  Bytes pcmBlock = kPcm;
  pcmBlock.insert(pcmBlock.end(), {0, 0});  // the format block always carries an extra size
  const std::vector<std::vector<Bytes>> layouts = {
      {Chunk("fmt ", kPcm), Chunk("data", kSamples)},
      {Chunk("data", kSamples), Chunk("fmt ", kPcm)},
      {Chunk("LIST", {'a', 'b', 'c'}), Chunk("fmt ", kPcm), Chunk("junk", {9}),
       Chunk("data", kSamples)},
  };
  for (const auto& chunks : layouts) {
    const Read r = Parse(Riff(chunks));
    ASSERT_EQ(r.result, 0);
    EXPECT_EQ(r.format, pcmBlock);
    EXPECT_EQ(r.formatSize, 18u);
    EXPECT_EQ(r.data, kSamples);
    EXPECT_EQ(r.dataSize, 6u);
  }
  // A RIFF size past the end of the file leaves the file's end to bound the search.
  Bytes overstated = Riff({Chunk("fmt ", kPcm), Chunk("data", kSamples)});
  overstated[4] = overstated[5] = 0xFF;
  EXPECT_EQ(Parse(overstated).data, kSamples);
  // An 18-byte PCM format's extra size is not read; an odd data chunk at the
  // very end may lack its pad byte.
  Bytes pcm18 = kPcm;
  pcm18.insert(pcm18.end(), {7, 0});
  const Read r = Parse(Riff({Chunk("fmt ", pcm18), Chunk("data", {1, 2, 3}, false)}));
  ASSERT_EQ(r.result, 0);
  EXPECT_EQ(r.format, pcmBlock);
  EXPECT_EQ(r.data, Bytes({1, 2, 3}));
  // Other formats keep their extra bytes.
  Bytes adpcm = kPcm;
  adpcm[0] = 2;
  adpcm.insert(adpcm.end(), {3, 0, 0xA, 0xB, 0xC});  // extra size 3, its bytes, then a pad
  const Read x = Parse(Riff({Chunk("fmt ", adpcm), Chunk("data", kSamples)}));
  EXPECT_EQ(x.formatSize, 21u);
  EXPECT_EQ(Bytes(x.format.end() - 5, x.format.end()), Bytes({3, 0, 0xA, 0xB, 0xC}));
  // A 16-byte format chunk of another format has no extra size to read.
  Bytes shortFloat = kPcm;
  shortFloat[0] = 3;
  EXPECT_EQ(Parse(Riff({Chunk("fmt ", shortFloat), Chunk("data", kSamples)})).formatSize, 18u);
}

TEST(WaveReader, RefusesHostileFilesAndLeavesNothingBehind) {
  Bytes hugeExtra = kPcm;
  hugeExtra[0] = 2;
  hugeExtra.insert(hugeExtra.end(), {0xFF, 0xFF});
  Bytes truncated = Riff({Chunk("fmt ", kPcm), Chunk("data", kSamples)});
  truncated.resize(truncated.size() - 1);
  Bytes notWave = Riff({Chunk("fmt ", kPcm), Chunk("data", kSamples)});
  notWave[8] = 'A';
  // The RIFF size ends the search even where the file goes on.
  Bytes dataAfterRiff = Riff({Chunk("fmt ", kPcm)});
  const Bytes after = Chunk("data", kSamples);
  dataAfterRiff.insert(dataAfterRiff.end(), after.begin(), after.end());
  Bytes dataAcrossRiffEnd = Riff({Chunk("fmt ", kPcm), Chunk("data", kSamples)});
  dataAcrossRiffEnd[4] -= 2;
  const std::vector<std::pair<const char*, Bytes>> cases = {
      {"not WAVE", notWave},
      {"no fmt", Riff({Chunk("data", kSamples)})},
      {"no data", Riff({Chunk("fmt ", kPcm)})},
      {"short fmt",
       Riff({Chunk("fmt ", Bytes(kPcm.begin(), kPcm.end() - 2)), Chunk("data", kSamples)})},
      {"extra past fmt", Riff({Chunk("fmt ", hugeExtra), Chunk("data", kSamples)})},
      {"data cut short", truncated},
      {"data after the RIFF", dataAfterRiff},
      {"data across the RIFF end", dataAcrossRiffEnd},
  };
  for (const auto& [what, file] : cases) {
    Read r = Parse(file);
    EXPECT_EQ(r.result, 1) << what;
    EXPECT_TRUE(r.format.empty() && r.data.empty()) << what;
    EXPECT_EQ(r.formatSize + r.dataSize, 0u) << what;
  }
}

}  // namespace
