// The system's sounds: the standard beep, and a wave file played to its end
// while the sound objects are set aside.
#include "engine/sound/ko_sound.h"
#include "platform/clock.h"
#include "platform/dialog.h"

namespace {

constexpr uint32_t kPollMs = 10;
constexpr uint32_t kGraceMs = 1000;  // the output's own delay, at most

// Plays a wave file once and returns when it has ended. A file that cannot
// be played sounds the standard beep instead, as the system does.
void PlayAndWait(const std::string& file) {
  std::vector<uint8_t> format, data;
  uint32_t formatSize = 0, dataSize = 0;
  plat::PcmFormat pcm;
  plat::VoiceHandle h = plat::kNoVoice;
  if (koSound::ReadWaveFile(file, format, formatSize, data, dataSize) == 0) {
    pcm = koSound::PcmFormatOf(format);
    h = plat::CreateVoiceFrom(pcm, data);
  }
  if (h == plat::kNoVoice) {
    plat::Beep();
    return;
  }
  const uint64_t lengthMs = uint64_t{dataSize} / pcm.blockAlign * 1000 / pcm.rate;
  const uint32_t start = plat::NowMs();
  plat::PlayVoice(h, false);
  // Bounded by the sound's length, so a stalled output cannot hold us here.
  while ((plat::GetVoiceStatus(h) & plat::kVoicePlaying) &&
         plat::NowMs() - start < lengthMs + kGraceMs)
    plat::SleepMs(kPollMs);
  plat::DestroyVoice(h);
}

}  // namespace

namespace koSound {

void Beep() { plat::Beep(); }

void PlaySystemSound(const std::string& file) {
  Release();
  if (plat::AudioOpen()) PlayAndWait(file);
  Restore();
}

}  // namespace koSound
