// The software mixer through the headless output: what voices sound like,
// sample by sample.
#include <cmath>

#include "platform/audio.h"
#include "platform/headless/headless.h"
#include "tests/engine/sound_fixture.h"
#include "tests/support/alloc_counter.h"

namespace {

using soundtest::Render;

class MixerTest : public EngineTest {
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

TEST_F(MixerTest, PlayOnceEndsAndRewindsWhileLoopingWraps) {
  const auto ramp = soundtest::Ramp(100, 1, 1);
  const plat::VoiceHandle once = plat::CreateVoiceFrom(Mono16(), soundtest::Pcm16(ramp));
  ASSERT_NE(once, plat::kNoVoice);
  plat::PlayVoice(once, false);
  const auto out = Render(150);
  for (int i = 0; i < 150; ++i) {
    const int want = i < 100 ? ramp[static_cast<size_t>(i)] : 0;
    ASSERT_EQ(out[2 * i], want) << i;
    ASSERT_EQ(out[2 * i + 1], want) << i;
  }
  EXPECT_EQ(plat::GetVoiceStatus(once), 0u);
  EXPECT_EQ(plat::GetVoicePosition(once), 0u);
  plat::PlayVoice(once, true);
  const auto looped = Render(250);
  for (int i = 0; i < 250; ++i) ASSERT_EQ(looped[2 * i], ramp[static_cast<size_t>(i % 100)]) << i;
  EXPECT_EQ(plat::GetVoicePosition(once), 50u * 2);
  // A stop keeps the position; the next play goes on from there.
  plat::StopVoice(once);
  EXPECT_EQ(Render(10), std::vector<int16_t>(20, 0));
  plat::PlayVoice(once, false);
  EXPECT_EQ(Render(1)[0], ramp[50]);
}

TEST_F(MixerTest, A22050HzSoundLastsItsOwnTimeInTheMixAndInterpolates) {
  const auto ramp = soundtest::Ramp(22050, -22050, 2);  // one second, even steps, under the limiter
  const plat::VoiceHandle h = plat::CreateVoiceFrom(Mono16(22050), soundtest::Pcm16(ramp));
  ASSERT_NE(h, plat::kNoVoice);
  EXPECT_EQ(plat::GetVoiceFrequency(h), 22050u);
  plat::PlayVoice(h, false);
  const auto half = Render(22050);
  EXPECT_EQ(plat::GetVoicePosition(h), 11025u * 2);  // bytes of the source, not of the mix
  // Even frames hit source frames; odd ones lie halfway between two.
  for (int i = 0; i < 22050; ++i) {
    const int k = i / 2;
    const int want = i % 2 == 0 ? ramp[static_cast<size_t>(k)] : ramp[static_cast<size_t>(k)] + 1;
    ASSERT_EQ(half[2 * i], want) << i;
  }
  const auto rest = Render(22100);
  EXPECT_EQ(rest[2 * 22049], ramp.back());  // output frame 44099, the last one
  EXPECT_EQ(rest[2 * 22050], 0);
  // 0 restores the sound's own rate; others are held to the voices' range.
  plat::SetVoiceFrequency(h, 0);
  EXPECT_EQ(plat::GetVoiceFrequency(h), 22050u);
  plat::SetVoiceFrequency(h, 200000);
  EXPECT_EQ(plat::GetVoiceFrequency(h), plat::kMaxFrequency);
}

TEST_F(MixerTest, InterpolationPastTheLastFrameLeansTowardsTheFirstOnlyWhenLooping) {
  const auto samples = soundtest::Pcm16({100, 200, 300, 400});
  const plat::VoiceHandle once = plat::CreateVoiceFrom(Mono16(22050), samples);
  const plat::VoiceHandle looping = plat::CreateVoiceFrom(Mono16(22050), samples);
  plat::SetVoicePan(once, plat::kPanRight);  // once on the right, looping on the left
  plat::SetVoicePan(looping, plat::kPanLeft);
  plat::PlayVoice(once, false);
  plat::PlayVoice(looping, true);
  const auto out = Render(10);
  const int wantLeft[] = {100, 150, 200, 250, 300, 350, 400, 250, 100, 150};
  const int wantRight[] = {100, 150, 200, 250, 300, 350, 400, 400, 0, 0};
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(out[2 * i], wantLeft[i]) << i;
    EXPECT_EQ(out[2 * i + 1], wantRight[i]) << i;
  }
}

TEST_F(MixerTest, VolumeAndPanFollowTheDecibelLawOnTheirChannels) {
  struct Case {
    int32_t volume, pan;
    double left, right;  // expected output for a constant 10000
  };
  auto db = [](double hundredths) { return 10000.0 * std::pow(10.0, hundredths / 2000.0); };
  const Case cases[] = {
      {-600, 0, db(-600), db(-600)},
      {0, -2173, 10000, db(-2173)},        // left of centre: only the right channel is lowered
      {-1000, 500, db(-1500), db(-1000)},  // pan and volume add up
      {-9000, -2000, db(-9000), 0},        // together past -100 dB: silence
      {0, plat::kPanRight, 0, 10000},
      {-20000, 0, 0, 0},  // held to the lowest volume
  };
  const plat::VoiceHandle h = Constant(10000);
  for (const Case& c : cases) {
    plat::SetVoiceVolume(h, c.volume);
    plat::SetVoicePan(h, c.pan);
    plat::SetVoicePosition(h, 0);
    plat::PlayVoice(h, true);
    const auto out = Render(4);
    EXPECT_NEAR(out[2], c.left, 0.51) << c.volume << " " << c.pan;
    EXPECT_NEAR(out[3], c.right, 0.51) << c.volume << " " << c.pan;
  }
  EXPECT_EQ(plat::GetVoiceVolume(h), plat::kSilentVolume);
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

TEST_F(MixerTest, EightBitStereoKeepsItsChannelsApart) {
  const plat::PcmFormat format{1, 2, plat::kMixRate, plat::kMixRate * 2, 2, 8};
  const plat::VoiceHandle h =
      plat::CreateVoiceFrom(format, std::vector<uint8_t>{0xC0, 0x40, 0x80, 0x90});
  ASSERT_NE(h, plat::kNoVoice);
  plat::PlayVoice(h, false);
  EXPECT_EQ(Render(3), (std::vector<int16_t>{64 * 256, -64 * 256, 0, 16 * 256, 0, 0}));
}

TEST_F(MixerTest, RefusesWhatItCannotPlayAndStaleHandles) {
  EXPECT_EQ(plat::CreateVoice({3, 1, 44100, 176400, 4, 32}, 64), plat::kNoVoice);  // float
  EXPECT_EQ(plat::CreateVoice({1, 1, 44100, 88200, 4, 16}, 60), plat::kNoVoice);   // bad align
  EXPECT_EQ(plat::CreateVoice(Mono16(), 1), plat::kNoVoice);  // less than one frame
  const plat::VoiceHandle h = Constant(1000, 10);
  EXPECT_FALSE(plat::SetVoicePosition(h, 20));
  EXPECT_TRUE(plat::SetVoicePosition(h, 19));
  EXPECT_EQ(plat::GetVoicePosition(h), 18u);  // whole frames
  plat::VoiceRegion r;
  ASSERT_TRUE(plat::LockVoice(h, 16, 8, r));  // wraps past the end
  EXPECT_EQ(r.bytes1, 4u);
  EXPECT_EQ(r.bytes2, 4u);
  plat::UnlockVoice(h);
  EXPECT_FALSE(plat::LockVoice(h, 0, 21, r));
  plat::DestroyVoice(h);
  const plat::VoiceHandle reused = Constant(2000, 10);
  plat::PlayVoice(h, true);  // the old handle names nothing now
  EXPECT_EQ(plat::GetVoiceStatus(reused), 0u);
  EXPECT_EQ(Render(1)[0], 0);
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
