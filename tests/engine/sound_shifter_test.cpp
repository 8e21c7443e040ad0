// Shifters and the echo on the headless output: values held to the voices'
// limits, the voices a voice argument chooses, and the echo's repeats frame
// by frame.
#include <cmath>

#include "engine/system/ko_system.h"
#include "platform/headless/headless.h"
#include "tests/engine/sound_fixture.h"

namespace {

class ShifterTest : public SoundTest {
 protected:
  void TearDown() override {
    gFrameScale = 0;
    SoundTest::TearDown();
  }
  // A mono 16-bit sound of 20000 frames of value 1000 at `rate` Hz.
  int Load(const std::string& name, int count, uint32_t rate = 44100) {
    Put(name, soundtest::Wave(1, rate, 16, soundtest::Pcm16(std::vector<int16_t>(20000, 1000))));
    return koSound::LoadObject(name, count);
  }
  static plat::VoiceHandle Voice(int object, int v) { return gSoundObjects[object].voices[v]; }
  static bool Playing(int object, int v) {
    return (plat::GetVoiceStatus(Voice(object, v)) & plat::kVoicePlaying) != 0;
  }
};

TEST_F(ShifterTest, ValuesAreHeldToTheVoiceLimitsAndTheVoiceArgumentChoosesVoices) {
  const int low = Load("low.wav", 2, 300);
  koSound::ShiftFrequency(low, -2000000000, 1);  // no wrap around below zero
  EXPECT_EQ(plat::GetVoiceFrequency(Voice(low, 1)), 100u);
  koSound::SetFrequencyOffset(low, 7, -1);  // counted from the base, not the current value
  EXPECT_EQ(plat::GetVoiceFrequency(Voice(low, 1)), 1000u);
  koSound::SetVolume(low, -200, 0);
  EXPECT_EQ(plat::GetVoiceVolume(Voice(low, 0)), -10000);
  koSound::ShiftPan(low, -2147483647, 0);
  EXPECT_EQ(plat::GetVoicePan(Voice(low, 0)), -10000);

  const int obj = Load("v.wav", 4);
  koSound::Play(obj, -1);         // the next voice is now 1
  koSound::ShiftPan(obj, 5, -2);  // -2: the next voice
  koSound::ShiftPan(obj, -3, 3);
  koSound::ShiftPan(obj, 1, -1);  // -1: every voice
  const int want[] = {100, 600, 100, -200};
  for (int v = 0; v < 4; ++v) EXPECT_EQ(plat::GetVoicePan(Voice(obj, v)), want[v]);
  koSound::SetVolume(obj, -5, 4);  // out of range objects and voices change nothing
  koSound::SetVolume(kSoundObjectCount, -5, -1);
  EXPECT_EQ(gSoundObjects[obj].volume[3], 0);
}

TEST_F(ShifterTest, EchoRepeatsOnTheFollowingVoicesEachQuieter) {
  const int obj = Load("e.wav", 4);
  SoundObject& o = gSoundObjects[obj];
  gFrameScale = 0.03125f;  // 31.25 ms a frame: the interval of 100 ms is reached on every fourth
  koSound::Play(obj, -2);
  for (int frame = 1; frame <= 14; ++frame) {
    koSound::Echo(obj, 100, 3, 10);
    for (int v = 1; v < 4; ++v)
      EXPECT_EQ(Playing(obj, v), frame >= 4 * v) << "frame " << frame << " voice " << v;
    soundtest::Render(10);
  }
  EXPECT_EQ(o.echoState, 0);
  // All four sound at once: 1 + 10^-0.5 + 10^-1 + 10^-1.5 of the sound.
  EXPECT_NEAR(soundtest::Render(1)[0], 1000 * (1 + std::pow(10, -0.5) + 0.1 + std::pow(10, -1.5)),
              2);
  EXPECT_EQ(o.nextVoice, 0);  // the echo is over: the turn is back at voice 0
  // Arming again counts the interval from the new arming.
  koSound::Play(obj, -2);
  for (int frame = 0; frame < 3; ++frame) koSound::Echo(obj, 100, 3, 10);
  koSound::Play(obj, -2);
  koSound::Echo(obj, 100, 3, 10);
  EXPECT_EQ(o.echoState, 1);
  // A step so large that the product overflows still means silence.
  koSound::Echo(obj, 10, 3, 2000000000);
  koSound::Echo(obj, 10, 3, 2000000000);
  EXPECT_EQ(plat::GetVoiceVolume(Voice(obj, 2)), -10000);
}

TEST_F(ShifterTest, LoopedEchoSweepsItsPanAndBouncesAtTheSide) {
  const int obj = Load("s.wav", 5);
  SoundObject& o = gSoundObjects[obj];
  gFrameScale = 0.03125f;
  koSound::PlayLoop(obj, -2);
  const int direction = o.echoPanDirection;
  // Every frame is a repeat; each moves the pan 4 x 0.03125 x 100 = 12.5 dB.
  for (int frame = 0; frame < 4; ++frame) koSound::EchoSweep(obj, 0, 4, 1, 4);
  const int want[] = {1200, 2500, 3000, 1700};  // 37.5 is held at 30 and turns back
  for (int v = 1; v <= 4; ++v) {
    EXPECT_EQ(o.pan[v], direction * want[v - 1]) << v;
    EXPECT_EQ(plat::GetVoiceStatus(Voice(obj, v)), plat::kVoicePlaying | plat::kVoiceLooping);
  }
  EXPECT_EQ(o.echoPanDirection, -direction);
}

}  // namespace
