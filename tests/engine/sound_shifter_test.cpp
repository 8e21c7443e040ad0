// Shifters and the echo on the headless output: values held to the voices'
// limits, the voices a voice argument chooses, what the mix hears, and the
// echo's repeats frame by frame.
#include <cmath>

#include "engine/system/ko_system.h"
#include "platform/headless/headless.h"
#include "tests/engine/sound_fixture.h"

namespace {

using soundtest::Render;

class ShifterTest : public SoundTest {
 protected:
  void TearDown() override {
    gFrameScale = 0;
    SoundTest::TearDown();
  }
  // A mono 16-bit sound of `frames` frames of value 1000 at `rate` Hz.
  int Load(const std::string& name, int count, uint32_t rate = 44100, int frames = 20000) {
    Put(name,
        soundtest::Wave(1, rate, 16,
                        soundtest::Pcm16(std::vector<int16_t>(static_cast<size_t>(frames), 1000))));
    return koSound::LoadObject(name, count);
  }
  static plat::VoiceHandle Voice(int object, int v) { return gSoundObjects[object].voices[v]; }
  static bool Playing(int object, int v) {
    return (plat::GetVoiceStatus(Voice(object, v)) & plat::kVoicePlaying) != 0;
  }
};

TEST_F(ShifterTest, ValuesAreHeldToTheVoiceLimitsAndReachTheVoice) {
  const int low = Load("low.wav", 2, 300);
  koSound::ShiftFrequency(low, -5, 0);
  EXPECT_EQ(gSoundObjects[low].frequency[0], 100u);
  koSound::ShiftFrequency(low, -2000000000, 1);  // no wrap around below zero
  EXPECT_EQ(gSoundObjects[low].frequency[1], 100u);
  EXPECT_EQ(plat::GetVoiceFrequency(Voice(low, 1)), 100u);
  koSound::SetFrequencyOffset(low, 7, -1);  // counted from the base, not the current value
  EXPECT_EQ(gSoundObjects[low].frequency[0], 1000u);
  EXPECT_EQ(plat::GetVoiceFrequency(Voice(low, 1)), 1000u);

  const int high = Load("high.wav", 1, 99500);
  koSound::ShiftFrequency(high, 1000, 0);
  EXPECT_EQ(gSoundObjects[high].frequency[0], 100000u);
  koSound::RestoreFrequency(high, 0);
  EXPECT_EQ(plat::GetVoiceFrequency(Voice(high, 0)), 99500u);

  koSound::ShiftVolume(high, 5, 0);
  EXPECT_EQ(gSoundObjects[high].volume[0], 0);
  koSound::SetVolume(high, -200, 0);
  EXPECT_EQ(gSoundObjects[high].volume[0], -10000);
  EXPECT_EQ(plat::GetVoiceVolume(Voice(high, 0)), -10000);
  koSound::ShiftVolume(high, 30, 0);
  EXPECT_EQ(gSoundObjects[high].volume[0], -7000);
  koSound::SetPan(high, 250, 0);
  EXPECT_EQ(gSoundObjects[high].pan[0], 10000);
  koSound::ShiftPan(high, -2147483647, 0);
  EXPECT_EQ(plat::GetVoicePan(Voice(high, 0)), -10000);
  koSound::PanRight(high, 0);
  EXPECT_EQ(plat::GetVoicePan(Voice(high, 0)), 10000);
  koSound::PanLeft(high, 0);
  EXPECT_EQ(plat::GetVoicePan(Voice(high, 0)), -10000);
  // Out of range objects and voices change nothing.
  koSound::SetVolume(high, -5, 1);
  koSound::SetVolume(-1, -5, 0);
  koSound::SetVolume(kSoundObjectCount, -5, -1);
  EXPECT_EQ(gSoundObjects[high].volume[0], -7000);
}

TEST_F(ShifterTest, VoiceArgumentChoosesOneTheNextOrEveryVoice) {
  const int obj = Load("v.wav", 4);
  koSound::Play(obj, -1);  // the next voice is now 1
  koSound::ShiftPan(obj, 5, -2);
  koSound::ShiftPan(obj, -3, 3);
  EXPECT_EQ(gSoundObjects[obj].pan[0], 0);
  EXPECT_EQ(gSoundObjects[obj].pan[1], 500);
  EXPECT_EQ(gSoundObjects[obj].pan[2], 0);
  EXPECT_EQ(gSoundObjects[obj].pan[3], -300);
  koSound::ShiftPan(obj, 1, -1);
  const int want[] = {100, 600, 100, -200};
  for (int v = 0; v < 4; ++v) EXPECT_EQ(gSoundObjects[obj].pan[v], want[v]);
  koSound::PanRight(obj, -7);
  for (int v = 0; v < 4; ++v) EXPECT_EQ(plat::GetVoicePan(Voice(obj, v)), 10000);
  koSound::RestorePan(obj, -1);
  for (int v = 0; v < 4; ++v) EXPECT_EQ(gSoundObjects[obj].pan[v], 0);
}

TEST_F(ShifterTest, APlayingVoiceChangesWhileItSounds) {
  const int obj = Load("l.wav", 1);
  koSound::PlayLoop(obj, 0);
  std::vector<int16_t> mix = Render(100);
  EXPECT_EQ(mix[198], 1000);
  EXPECT_EQ(mix[199], 1000);
  koSound::PanLeft(obj, 0);
  mix = Render(100);
  EXPECT_EQ(mix[198], 1000);
  EXPECT_EQ(mix[199], 0);  // the right channel is gone
  koSound::RestorePan(obj, 0);
  koSound::SetVolume(obj, -20, 0);  // 20 dB down: a tenth
  mix = Render(100);
  EXPECT_NEAR(mix[198], 100, 1);
  EXPECT_NEAR(mix[199], 100, 1);
  // Half the frequency plays half as many frames in the same time.
  const uint32_t before = plat::GetVoicePosition(Voice(obj, 0));
  koSound::SetFrequencyOffset(obj, -221, 0);  // 22000 Hz
  Render(4410);
  const uint32_t advanced = plat::GetVoicePosition(Voice(obj, 0)) - before;
  EXPECT_NEAR(static_cast<double>(advanced) / 2, 4410.0 * 22000 / 44100, 2);
}

TEST_F(ShifterTest, EchoRepeatsOnTheFollowingVoicesEachQuieter) {
  const int obj = Load("e.wav", 4);
  SoundObject& o = gSoundObjects[obj];
  gFrameScale = 0.03125f;  // 31.25 ms a frame: the interval of 100 ms is reached on every fourth
  koSound::Play(obj, -2);
  EXPECT_TRUE(Playing(obj, 0));
  for (int frame = 1; frame <= 14; ++frame) {
    koSound::Echo(obj, 100, 3, 10);
    for (int v = 1; v < 4; ++v)
      EXPECT_EQ(Playing(obj, v), frame >= 4 * v) << "frame " << frame << " voice " << v;
    if (frame % 4 == 0 && frame <= 12) {
      EXPECT_EQ(plat::GetVoicePosition(Voice(obj, frame / 4)), 0u) << frame;
    }
    Render(10);
  }
  EXPECT_EQ(o.echoState, 0);
  for (int v = 1; v < 4; ++v) EXPECT_EQ(plat::GetVoiceVolume(Voice(obj, v)), -1000 * v);
  // All four sound at once: 1 + 10^-0.5 + 10^-1 + 10^-1.5 of the sound.
  EXPECT_NEAR(Render(1)[0], 1000 * (1 + std::pow(10, -0.5) + 0.1 + std::pow(10, -1.5)), 2);
  // The echo is over: further frames start nothing, the turn is back at voice 0
  // and a plain play uses it at full volume.
  koSound::Stop(obj, 1);
  koSound::Echo(obj, 100, 3, 10);
  koSound::Echo(obj, 100, 3, 10);
  EXPECT_FALSE(Playing(obj, 1));
  EXPECT_EQ(o.nextVoice, 0);
  koSound::Play(obj, -1);
  EXPECT_EQ(plat::GetVoiceVolume(Voice(obj, 0)), 0);
  EXPECT_EQ(plat::GetVoicePosition(Voice(obj, 0)), 0u);
  // Arming again counts the interval from the new arming.
  koSound::Play(obj, -2);
  for (int frame = 0; frame < 3; ++frame) koSound::Echo(obj, 100, 3, 10);
  koSound::Play(obj, -2);
  koSound::Echo(obj, 100, 3, 10);
  EXPECT_EQ(o.echoState, 1);
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
    EXPECT_EQ(o.volume[v], -100 * v);
  }
  EXPECT_EQ(o.echoPanDirection, -direction);
  EXPECT_EQ(o.echoState, 0);
  // Arming again puts every voice back and starts the count over.
  koSound::PlayLoop(obj, -2);
  for (int v = 0; v < 5; ++v) EXPECT_EQ(o.pan[v], 0);
  EXPECT_EQ(o.echoState, 1);
  EXPECT_EQ(o.echoPan, 0.0f);
}

TEST_F(ShifterTest, EchoNeedsAnArmedObjectAndRepeats) {
  const int single = Load("one.wav", 1);
  const int quiet = Load("neg.wav", -3);
  gFrameScale = 1.0f;
  koSound::Play(single, -2);
  koSound::Play(quiet, -2);
  EXPECT_EQ(gSoundObjects[quiet].echoState, -1);
  koSound::Echo(quiet, 10, 3, 10);
  koSound::EchoSweep(quiet, 10, 3, 10, 5);
  EXPECT_FALSE(Playing(quiet, 1));
  EXPECT_EQ(gSoundObjects[quiet].nextVoice, 1);

  const int obj = Load("four.wav", 4);
  koSound::Play(obj, -2);
  koSound::Echo(obj, 10, 0, 10);  // no repeats asked: nothing moves
  EXPECT_EQ(gSoundObjects[obj].echoTimer, 0.0f);
  EXPECT_FALSE(Playing(obj, 1));
  koSound::Stop(obj, -1);  // ends the echo before its first repeat
  koSound::Echo(obj, 10, 3, 10);
  EXPECT_FALSE(Playing(obj, 1));
  EXPECT_EQ(gSoundObjects[obj].echoState, 0);
  // A step so large that the product overflows still means silence.
  koSound::Play(obj, -2);
  koSound::Echo(obj, 10, 3, 2000000000);
  EXPECT_EQ(plat::GetVoiceVolume(Voice(obj, 2)), -10000);  // the voice after the armed one
  EXPECT_TRUE(headless::Boxes().empty());
}

}  // namespace
