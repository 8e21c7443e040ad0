#include "tests/engine/sound_fixture.h"

#include <filesystem>
#include <fstream>

#include "platform/headless/headless.h"
#include "tests/support/scratch_dir.h"

namespace soundtest {

void Put32(std::vector<uint8_t>& b, uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

namespace {
void Put16(std::vector<uint8_t>& b, uint16_t v) {
  b.push_back(static_cast<uint8_t>(v));
  b.push_back(static_cast<uint8_t>(v >> 8));
}
}  // namespace

std::vector<uint8_t> Wave(uint16_t channels, uint32_t rate, uint16_t bits,
                          const std::vector<uint8_t>& samples) {
  std::vector<uint8_t> b = {'R', 'I', 'F', 'F'};
  Put32(b, static_cast<uint32_t>(36 + samples.size()));
  b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  Put32(b, 16);
  Put16(b, 1);
  Put16(b, channels);
  Put32(b, rate);
  Put32(b, rate * channels * bits / 8);
  Put16(b, static_cast<uint16_t>(channels * bits / 8));
  Put16(b, bits);
  b.insert(b.end(), {'d', 'a', 't', 'a'});
  Put32(b, static_cast<uint32_t>(samples.size()));
  b.insert(b.end(), samples.begin(), samples.end());
  return b;
}

std::vector<uint8_t> Pcm16(const std::vector<int16_t>& samples) {
  std::vector<uint8_t> b;
  for (const int16_t s : samples) Put16(b, static_cast<uint16_t>(s));
  return b;
}

std::vector<int16_t> Ramp(int frames, int start, int step) {
  std::vector<int16_t> out;
  for (int i = 0; i < frames; ++i) out.push_back(static_cast<int16_t>(start + i * step));
  return out;
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

std::vector<int16_t> Render(int frames) {
  std::vector<int16_t> out(2 * static_cast<size_t>(frames));
  headless::RenderAudio(out.data(), frames);
  return out;
}

}  // namespace soundtest

void SoundTest::SetUp() {
  EngineTest::SetUp();
  dir_ = TestScratchDir("sound-");
  headless::SetProgramDir(dir_);
  koSound::Init();
  koSound::ResetObjects();
}

void SoundTest::TearDown() {
  koSound::SetMciListener(nullptr);
  koSound::CloseMidi();
  gMidiOpen = 0;
  koSound::ResetObjects();
  std::filesystem::remove_all(dir_);
}

void SoundTest::Put(const std::string& name, const std::vector<uint8_t>& bytes) {
  soundtest::WriteFile(dir_ + name, bytes);
}

std::vector<std::string> SoundTest::Errors() const {
  std::vector<std::string> out;
  for (const auto& box : headless::Boxes())
    if (box.caption == "エラー発生") out.push_back(box.text);
  return out;
}

void SoundGolden::Listen(int frames) {
  for (const int16_t s : soundtest::Render(frames)) Add(s);
}

void SoundGolden::AddVoices(int object) {
  const SoundObject& o = gSoundObjects[object];
  Add(o.nextVoice);
  Add(o.echoState);
  for (int v = 0; v < o.voiceCount; ++v)
    for (const int64_t x :
         {int64_t{plat::GetVoiceStatus(o.voices[v])}, int64_t{plat::GetVoicePosition(o.voices[v])},
          int64_t{plat::GetVoiceVolume(o.voices[v])}, int64_t{plat::GetVoicePan(o.voices[v])},
          int64_t{plat::GetVoiceFrequency(o.voices[v])}, int64_t{o.volume[v]}, int64_t{o.pan[v]},
          int64_t{o.frequency[v]}})
      Add(x);
}
