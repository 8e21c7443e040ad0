// The loudest the game's sound gets, rendered offline through the real mixer
// and MIDI path: all seven explosion voices started at once twice a second
// and ten shots a second over the loudest song.
#include <cmath>
#include <string>
#include <vector>

#include "engine/sound/ko_sound.h"
#include "platform/audio.h"
#include "platform/headless/headless.h"
#include "tests/game/game_fixture.h"

namespace {

constexpr int kFrameAudio = plat::kMixRate / 60;

TEST_F(GameTest, TheBusiestMixNeverClipsAndOneVoiceAfterItKeepsItsLevel) {
  koSound::Init();
  koSound::ResetObjects();
  koSound::InitMidi();
  const int shot = koSound::LoadObject("SHOT.WAV", 4);
  const int bom = koSound::LoadObject("BOM.WAV", 7);
  koSound::PlayMidi("BRM6.MID", 1);
  std::vector<int16_t> out(2 * kFrameAudio);
  int64_t clipped = 0, total = 0;
  for (int frame = 0; frame < 60 * 30; ++frame) {
    for (int k = 0; frame % 30 == 0 && k < 7; ++k) koSound::Play(bom, -1);
    if (frame % 6 == 0) koSound::Play(shot, -1);
    headless::RenderAudio(out.data(), kFrameAudio);
    for (const int16_t s : out) clipped += s == 32767 || s == -32768;
    total += static_cast<int64_t>(out.size());
  }
  EXPECT_LT(clipped * 10000, total) << clipped << " of " << total << " samples at full scale";

  // Half a second of quiet, then one explosion at -6 dB alone: every output
  // frame that falls on a sample of the file is that sample at its gain.
  koSound::StopMidi();
  out.resize(2 * plat::kMixRate);
  headless::RenderAudio(out.data(), plat::kMixRate / 2);
  koSound::SetVolume(bom, -6, -1);
  koSound::Play(bom, -1);
  headless::RenderAudio(out.data(), plat::kMixRate);
  std::vector<uint8_t> format, data;
  uint32_t formatSize = 0, dataSize = 0;
  ASSERT_EQ(koSound::ReadWaveFile(std::string(VORENDALITE_ASSET_DIR) + "BOM.WAV", format,
                                  formatSize, data, dataSize),
            0);
  const auto gain = static_cast<float>(std::pow(10.0, -600 / 2000.0));
  for (uint32_t k = 0; k < dataSize / 2; ++k) {
    const auto sample = static_cast<int16_t>(data[2 * k] | data[2 * k + 1] << 8);
    const auto want = static_cast<int16_t>(std::lrint(static_cast<float>(sample) * gain));
    ASSERT_EQ(out[4 * k], want) << k;
    ASSERT_EQ(out[4 * k + 1], want) << k;
  }
}

}  // namespace
