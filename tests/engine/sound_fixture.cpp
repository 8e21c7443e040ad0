#include "tests/engine/sound_fixture.h"

#include <filesystem>
#include <fstream>

#include "platform/headless/headless.h"

namespace soundtest {

namespace {
void Put32(std::vector<uint8_t>& b, uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
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

std::vector<uint8_t> Song(uint32_t ticks) {
  std::vector<uint8_t> track = {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,  // 500000 us a beat
                                0x00, 0xC0, 0x00,                          // piano
                                0x00, 0x90, 0x3C, 0x64};                   // note on
  std::vector<uint8_t> delta;  // variable-length quantity, most significant group first
  for (uint32_t v = ticks;; v >>= 7) {
    delta.insert(delta.begin(), static_cast<uint8_t>((v & 0x7F) | (delta.empty() ? 0 : 0x80)));
    if (v < 0x80) break;
  }
  track.insert(track.end(), delta.begin(), delta.end());
  track.insert(track.end(), {0x80, 0x3C, 0x40, 0x00, 0xFF, 0x2F, 0x00});
  std::vector<uint8_t> b = {'M', 'T', 'h', 'd',  0,    0,   0,   6,   0,
                            0,   0,   1,   0x01, 0xE0, 'M', 'T', 'r', 'k'};
  for (int i = 3; i >= 0; --i) b.push_back(static_cast<uint8_t>(track.size() >> (8 * i)));
  b.insert(b.end(), track.begin(), track.end());
  return b;
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

bool SoundFontInstalled() {
  return std::filesystem::exists("/usr/share/sounds/sf2/TimGM6mb.sf2") ||
         std::filesystem::exists("/usr/share/sounds/sf2/FluidR3_GM.sf2");
}

}  // namespace soundtest

void SoundTest::SetUp() {
  EngineTest::SetUp();
  const auto* info = testing::UnitTest::GetInstance()->current_test_info();
  dir_ = testing::TempDir() + "sound-" + info->test_suite_name() + "-" + info->name() + "/";
  std::filesystem::remove_all(dir_);
  std::filesystem::create_directories(dir_);
  headless::SetProgramDir(dir_);
  koSound::Init();
  koSound::ResetObjects();
}

void SoundTest::TearDown() {
  koSound::SetMciListener(nullptr);
  koSound::CloseMidi();
  gMidiOpen = 0;
  koSound::ResetObjects();
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
