// The software mixer through the headless output: what voices sound like,
// sample by sample.
#include <cmath>

#include "platform/audio.h"
#include "platform/headless/headless.h"
#include "tests/engine/sound_fixture.h"
#include "tests/support/alloc_counter.h"

namespace {

using soundtest::Render;

class MixerTest : public EngineTest, public SoundGolden {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    ASSERT_TRUE(plat::OpenAudio());
  }
  void TearDown() override { headless::Reset(); }

  static plat::PcmFormat Mono16(uint32_t rate = plat::kMixRate) {
    return {1, 1, rate, rate * 2, 2, 16};
  }
  // A mono 16-bit voice holding one value throughout.
  static plat::VoiceHandle Constant(int16_t value, int frames = 4096) {
    return plat::CreateVoiceFrom(
        Mono16(), soundtest::Pcm16(std::vector<int16_t>(static_cast<size_t>(frames), value)));
  }
};

// One scripted sequence of voice calls, the mix and the voices' state folded
// into the golden hash: play once and loop, stop and go on, another rate with
// interpolation (towards the first frame only when looping), volume and pan
// in decibels, 8-bit stereo, refused formats, positions, locks, stale handles.
TEST_F(MixerTest, VoicesThroughTheMix) {
  const auto state = [&](plat::VoiceHandle h) {
    for (const int64_t x : {int64_t{plat::GetVoiceStatus(h)}, int64_t{plat::GetVoicePosition(h)},
                            int64_t{plat::GetVoiceFrequency(h)}, int64_t{plat::GetVoiceVolume(h)}})
      Add(x);
  };
  const plat::VoiceHandle once =
      plat::CreateVoiceFrom(Mono16(), soundtest::Pcm16(soundtest::Ramp(100, 1, 1)));
  plat::PlayVoice(once, false);
  Listen(150);
  state(once);
  plat::PlayVoice(once, true);
  Listen(250);
  state(once);
  plat::StopVoice(once);  // keeps the position; the next play goes on from there
  Listen(10);
  plat::PlayVoice(once, false);
  Listen(60);
  const plat::VoiceHandle slow =
      plat::CreateVoiceFrom(Mono16(22050), soundtest::Pcm16(soundtest::Ramp(22050, -22050, 2)));
  plat::PlayVoice(slow, false);
  Listen(22050);
  state(slow);
  Listen(22100);
  for (const uint32_t f : {0u, 200000u}) {  // 0 is the sound's own rate; others are held
    plat::SetVoiceFrequency(slow, f);
    state(slow);
  }
  const auto four = soundtest::Pcm16({100, 200, 300, 400});
  for (const bool looping : {false, true}) {
    const plat::VoiceHandle h = plat::CreateVoiceFrom(Mono16(22050), four);
    plat::SetVoicePan(h, looping ? plat::kPanLeft : plat::kPanRight);
    plat::PlayVoice(h, looping);
  }
  Listen(10);
  plat::DestroyVoice(once);
  const plat::VoiceHandle h = Constant(10000);
  for (const auto& [volume, pan] :
       std::initializer_list<std::pair<int32_t, int32_t>>{{-600, 0},
                                                          {0, -2173},
                                                          {-1000, 500},
                                                          {-9000, -2000},
                                                          {0, plat::kPanRight},
                                                          {-20000, 0}}) {
    plat::SetVoiceVolume(h, volume);
    plat::SetVoicePan(h, pan);
    plat::SetVoicePosition(h, 0);
    plat::PlayVoice(h, true);
    Listen(4);
    state(h);
  }
  plat::DestroyVoice(h);
  const plat::PcmFormat stereo8{1, 2, plat::kMixRate, plat::kMixRate * 2, 2, 8};
  plat::PlayVoice(plat::CreateVoiceFrom(stereo8, std::vector<uint8_t>{0xC0, 0x40, 0x80, 0x90}),
                  false);
  Listen(3);
  // Refused: float samples, a bad block alignment, less than one frame.
  Add(plat::CreateVoice({3, 1, 44100, 176400, 4, 32}, 64));
  Add(plat::CreateVoice({1, 1, 44100, 88200, 4, 16}, 60));
  Add(plat::CreateVoice(Mono16(), 1));
  const plat::VoiceHandle tiny = Constant(1000, 10);
  Add(plat::SetVoicePosition(tiny, 20));
  Add(plat::SetVoicePosition(tiny, 19));
  state(tiny);
  plat::VoiceRegion r;
  Add(plat::LockVoice(tiny, 16, 8, r));  // wraps past the end
  Add(r.bytes1);
  Add(r.bytes2);
  plat::UnlockVoice(tiny);
  Add(plat::LockVoice(tiny, 0, 21, r));
  plat::DestroyVoice(tiny);
  const plat::VoiceHandle reused = Constant(2000, 10);
  plat::PlayVoice(tiny, true);  // the old handle names nothing now
  state(reused);
  Listen(1);
  ExpectGolden();
}

TEST_F(MixerTest, ALoudSumIsLimitedBelowFullScaleAndAQuietOneAfterItPassesBitForBit) {
  for (const int16_t v : {int16_t{20000}, int16_t{-20000}}) {
    const plat::VoiceHandle a = Constant(v), b = Constant(v), c = Constant(v);
    for (const auto h : {a, b, c}) plat::PlayVoice(h, true);
    // 60000 summed: never full scale, never wrapped, settling at the threshold.
    const auto out = Render(4410);
    for (const int16_t s : out) ASSERT_TRUE(v > 0 ? s > 0 && s < 32767 : s < 0 && s > -32768) << s;
    EXPECT_NEAR(out.back(), v > 0 ? 23170 : -23170, 2);
    // One left, under the threshold: once the gain has recovered it comes out exactly.
    plat::StopVoice(b);
    plat::StopVoice(c);
    Render(plat::kMixRate);
    EXPECT_EQ(Render(1)[0], v);
    plat::StopVoice(a);
    // A sum right at the threshold is untouched.
    const plat::VoiceHandle d = Constant(static_cast<int16_t>(v > 0 ? 3170 : -3170));
    plat::PlayVoice(b, true);
    plat::PlayVoice(d, true);
    EXPECT_EQ(Render(1)[0], v > 0 ? 23170 : -23170);
    for (const auto h : {a, b, c, d}) plat::DestroyVoice(h);
  }
}

TEST_F(MixerTest, RenderingAllocatesNothing) {
  std::vector<plat::VoiceHandle> voices;
  for (int i = 0; i < 11; ++i) {
    voices.push_back(Constant(static_cast<int16_t>(100 * i), 500));
    plat::SetVoiceFrequency(voices.back(), 11025 + 1000 * static_cast<uint32_t>(i));
    plat::PlayVoice(voices.back(), i % 2 == 0);
  }
  std::vector<int16_t> out(2 * 3000);
  alloc_counter::Start();
  headless::RenderAudio(out.data(), 3000);
  for (const auto h : voices) plat::PlayVoice(h, true);
  headless::RenderAudio(out.data(), 3000);
  EXPECT_EQ(alloc_counter::Stop(), 0u);
}

}  // namespace
