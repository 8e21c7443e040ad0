// Fuzz target of the wave reader: parses the bytes and, when they read as a
// wave, plays what they hold through the mixer.
#include <cstdint>
#include <vector>

#include "engine/sound/ko_sound.h"
#include "platform/headless/headless.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  std::vector<uint8_t> format, data;
  uint32_t formatSize = 0, dataSize = 0;
  if (koSound::ParseWave(bytes, size, format, formatSize, data, dataSize) != 0) return 0;
  if (format.size() != formatSize || data.size() != dataSize || formatSize < 18) __builtin_trap();
  if (!plat::OpenAudio()) return 0;
  const plat::VoiceHandle h = plat::CreateVoiceFrom(koSound::PcmFormatOf(format), data);
  if (h == plat::kNoVoice) return 0;
  plat::SetVoiceFrequency(h, data.empty() ? 0 : 100u + data[0] * 390u);
  plat::PlayVoice(h, dataSize % 2 == 0);
  int16_t out[2 * 256];
  headless::RenderAudio(out, 256);
  plat::DestroyVoice(h);
  return 0;
}
