// The generated pictures, sounds and songs, read by the engine's own readers.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/draw/bmp.h"
#include "engine/sound/ko_sound.h"
#include "platform/audio.h"
#include "tests/game/game_fixture.h"

namespace {

std::vector<std::filesystem::path> AssetsEndingIn(const std::string& extension) {
  std::vector<std::filesystem::path> files;
  for (const auto& e : std::filesystem::directory_iterator(VORENDALITE_ASSET_DIR))
    if (e.path().extension() == extension) files.push_back(e.path());
  return files;
}

std::vector<uint8_t> Bytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST_F(GameTest, EveryPictureDecodesWithTheEngineReader) {
  const auto files = AssetsEndingIn(".BMP");
  EXPECT_EQ(files.size(), 78u);
  for (const auto& p : files) {
    const std::vector<uint8_t> bytes = Bytes(p);
    koDraw::BmpPicture picture;
    ASSERT_TRUE(koDraw::DecodeBmp(bytes.data(), bytes.size(), picture)) << p;
    // The header's size, read directly: width at 18, height at 22 (bottom-up).
    const int32_t width = bytes[18] | bytes[19] << 8 | bytes[20] << 16 | bytes[21] << 24;
    const int32_t height = bytes[22] | bytes[23] << 8 | bytes[24] << 16 | bytes[25] << 24;
    EXPECT_EQ(picture.width, width) << p;
    EXPECT_EQ(picture.height, height) << p;
  }
}

TEST_F(GameTest, BothSoundsReadWithTheEngineReader) {
  for (const char* name : {"SHOT.WAV", "BOM.WAV"}) {
    const std::vector<uint8_t> bytes = Bytes(std::string(VORENDALITE_ASSET_DIR) + name);
    std::vector<uint8_t> format, data;
    uint32_t formatSize = 0, dataSize = 0;
    ASSERT_EQ(koSound::ParseWave(bytes.data(), bytes.size(), format, formatSize, data, dataSize), 0)
        << name;
    const plat::PcmFormat pcm = koSound::PcmFormatOf(format);
    EXPECT_EQ(pcm.channels, 1) << name;
    EXPECT_EQ(pcm.bitsPerSample, 16) << name;
    EXPECT_EQ(pcm.rate, 22050u) << name;
    EXPECT_GT(dataSize, 22050u * 2 * 60 / 1000) << name;  // at least 60 ms
  }
}

}  // namespace
