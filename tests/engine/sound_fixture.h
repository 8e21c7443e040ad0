// The sound tests' fixture: the engine's sound started on the headless
// backend, a program directory of their own, and makers of wave files.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "engine/sound/ko_sound.h"
#include "tests/engine/engine_fixture.h"
#include "tests/support/golden.h"

namespace soundtest {

// A canonical RIFF/WAVE file of PCM samples.
std::vector<uint8_t> Wave(uint16_t channels, uint32_t rate, uint16_t bits,
                          const std::vector<uint8_t>& samples);
// Appends a 32-bit little-endian value.
void Put32(std::vector<uint8_t>& b, uint32_t v);
// 16-bit little-endian samples.
std::vector<uint8_t> Pcm16(const std::vector<int16_t>& samples);
// A ramp of 16-bit mono samples: value(i) = start + i * step.
std::vector<int16_t> Ramp(int frames, int start, int step);
void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);

// Renders `frames` stereo frames of the mix.
std::vector<int16_t> Render(int frames);

}  // namespace soundtest

// Golden check (tests/support/golden.h): Add() folds values, Listen() the mix,
// AddVoices() an object's voices; ExpectGolden() compares with sound_golden.txt.
class SoundGolden {
 protected:
  void Add(int64_t v) { hash_ = golden::Fold(hash_, static_cast<uint64_t>(v)); }
  void AddText(const std::string& text) {
    for (const unsigned char c : text) Add(c);
    Add(-1);
  }
  void Listen(int frames);
  void AddVoices(int object);
  void ExpectGolden() { golden::Expect(hash_, "sound_golden.txt"); }
  uint64_t hash_ = golden::kStart;
};

class SoundTest : public EngineTest, public SoundGolden {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Writes a file into the program directory.
  void Put(const std::string& name, const std::vector<uint8_t>& bytes);
  // The messages of the error boxes shown so far.
  std::vector<std::string> Errors() const;
  std::string dir_;
};
