// Sound objects on the headless output: loading, the turn of voices, the
// echo's arming, stop and pause, the shifters, release and rebuild, and
// their errors.
#include "platform/headless/headless.h"
#include "tests/engine/sound_fixture.h"

namespace {

using soundtest::Render;

class SoundObjectTest : public SoundTest {
 protected:
  // Loads a mono 16-bit sound of `frames` frames of value 1000.
  int Load(const std::string& name, int count, int frames = 1000, uint32_t rate = 44100) {
    Put(name,
        soundtest::Wave(1, rate, 16,
                        soundtest::Pcm16(std::vector<int16_t>(static_cast<size_t>(frames), 1000))));
    return koSound::LoadObject(name, count);
  }
  static uint32_t Status(int object, int voice) {
    return plat::GetVoiceStatus(gSoundObjects[object].voices[voice]);
  }
  static uint32_t Position(int object, int voice) {
    return plat::GetVoicePosition(gSoundObjects[object].voices[voice]);
  }
};

// The turn of voices, folded into the test's golden hash.
TEST_F(SoundObjectTest, VoiceMinusOneTakesTheVoicesInTurnAndRestartsTheOldest) {
  const int shot = Load("SHOT.WAV", 4);
  for (int n = 0; n < 4; ++n) {  // four plays, 100 frames apart, all sounding
    koSound::Play(shot, -1);
    Render(100);
  }
  Listen(1);
  koSound::Play(shot, -1);  // the fifth restarts voice 0
  koSound::Play(shot, 2);   // a given voice leaves the turn alone
  koSound::Play(-1, -1);    // a failed load's -1, a voice out of range, a free object
  koSound::Play(shot, 4);
  koSound::Play(kSoundObjectCount, -1);
  AddVoices(shot);
  // A count of 0 gives one voice, which -1 always takes, rather than none; a
  // negative count is the same number of voices without the echo.
  const int zero = Load("z.wav", 0);
  for (int n = 0; n < 3; ++n) koSound::Play(zero, -1);
  AddVoices(zero);
  AddVoices(Load("t.wav", -10));
  EXPECT_TRUE(headless::Boxes().empty());
  ExpectGolden();
}

TEST_F(SoundObjectTest, LoadErrorsTakeNoObject) {
  Put("a.wav", soundtest::Wave(1, 44100, 16, soundtest::Pcm16({1, 2, 3})));
  EXPECT_EQ(koSound::LoadObject("a.wav", 11), -1);
  EXPECT_EQ(koSound::LoadObject("missing.wav", 1), -1);
  EXPECT_EQ(Load(std::string(31, 'x'), 1), -1);
  std::vector<uint8_t> floatWave = soundtest::Wave(1, 44100, 32, std::vector<uint8_t>(16, 0));
  floatWave[20] = 3;  // IEEE float samples: no voice plays them
  Put("f.wav", floatWave);
  EXPECT_EQ(koSound::LoadObject("f.wav", 3), -1);
  for (const std::string& e : Errors()) AddText(e);  // too many voices, missing, long, format
  for (const SoundObject& o : gSoundObjects) EXPECT_EQ(o.used, 0);
  // Thirty characters, not bytes, is the longest name; any case matches the file.
  EXPECT_EQ(Load(std::string(25, 'y') + "音.WAV", 1), 0);
  EXPECT_EQ(koSound::LoadObject("A.WAV", 1), 1);
  for (int n = 2; n < kSoundObjectCount; ++n) ASSERT_EQ(Load("f.wav", 1), n);
  EXPECT_EQ(Load("f.wav", 1), -1);
  AddText(Errors().back());
  ExpectGolden();
}

TEST_F(SoundObjectTest, AVoiceThatCannotBeMadeUndoesTheVoicesBeforeIt) {
  std::vector<plat::VoiceHandle> filler;  // leave the mixer room for three voices
  const plat::PcmFormat tiny{1, 1, 44100, 88200, 2, 16};
  for (plat::VoiceHandle h; (h = plat::CreateVoice(tiny, 2)) != plat::kNoVoice;)
    filler.push_back(h);
  for (int i = 0; i < 3; ++i) plat::DestroyVoice(filler[i]);
  EXPECT_EQ(Load("five.wav", 5), -1);
  EXPECT_EQ(Load("three.wav", 3), 0);  // the three made before the failure are free again
}

// Stop, pause, the shifters and the echo: one scripted sequence of calls whose
// voice states and mix are folded into the test's golden hash.
TEST_F(SoundObjectTest, StopPauseShiftersAndEcho) {
  const int obj = Load("p.wav", 4, 500);
  SoundObject& o = gSoundObjects[obj];
  const auto step = [&](int frames) {
    AddVoices(obj);
    Listen(frames);
  };
  koSound::Play(obj, -1);
  for (int v = 0; v < 4; ++v) {  // as an echo leaves them; -2 restores every voice
    plat::SetVoiceVolume(o.voices[v], o.volume[v] = -3000);
    plat::SetVoicePan(o.voices[v], o.pan[v] = 2000);
    plat::SetVoiceFrequency(o.voices[v], o.frequency[v] = 8000);
  }
  koSound::Play(obj, -2);
  step(10);
  koSound::Stop(obj, -1);
  koSound::Play(obj, 0);
  koSound::Play(obj, 1);
  step(100);
  koSound::Stop(obj, 1);          // rewinds
  koSound::TogglePause(obj, -1);  // pauses voice 0, starts the stopped voice 1
  step(0);
  koSound::Stop(obj, 1);
  step(50);
  Add(koSound::GetPosition(obj));
  koSound::TogglePause(obj, 0);
  step(400);  // a voice that ended by itself starts again at the saved position
  koSound::TogglePause(obj, 0);
  Add(koSound::GetPosition(obj));
  // A loop resumes looping until a plain play of any voice turns it off.
  for (const int plain : {0, 1}) {
    plain ? koSound::Play(obj, 1) : koSound::PlayLoop(obj, 0);
    koSound::TogglePause(obj, 0);
    koSound::TogglePause(obj, 0);
    step(600);
  }
  // Shifters: held to the voices' limits, -1 every voice, -2 the next one.
  const int low = Load("low.wav", 2, 20000, 300);
  koSound::ShiftFrequency(low, -2000000000, 1);
  koSound::SetFrequencyOffset(low, 7, -1);
  koSound::SetVolume(low, -200, 0);
  koSound::ShiftPan(low, -2147483647, 0);
  koSound::ShiftVolume(low, -2147483647, 1);
  AddVoices(low);
  koSound::Play(obj, -1);
  koSound::ShiftPan(obj, 5, -2);
  koSound::ShiftPan(obj, -3, 3);
  koSound::ShiftPan(obj, 1, -1);
  koSound::PanLeft(obj, 1);
  koSound::PanRight(obj, 2);
  koSound::SetPan(obj, 77, 0);
  koSound::ShiftFrequency(obj, 999, 2);
  koSound::ShiftVolume(obj, -700, -2);
  koSound::SetVolume(obj, -5, 4);  // out of range objects and voices change nothing
  koSound::SetVolume(kSoundObjectCount, -5, -1);
  step(10);
  koSound::RestorePan(obj, 1);
  koSound::RestoreVolume(obj, -1);
  koSound::RestoreFrequency(obj, 2);
  step(10);
  // The echo: repeats on the following voices each quieter, at 31.25 ms a frame,
  // the interval reached exactly on every fourth.
  gFrameScale = 0.03125f;
  koSound::Stop(obj, -1);
  koSound::Play(obj, -2);
  for (int frame = 1; frame <= 14; ++frame) {
    koSound::Echo(obj, 125, 3, 10);
    step(10);
  }
  koSound::Play(obj, -2);  // arming again counts the interval from the new arming
  for (int frame = 0; frame < 3; ++frame) koSound::Echo(obj, 125, 3, 10);
  koSound::Play(obj, -2);
  koSound::Echo(obj, 125, 3, 10);
  step(0);
  koSound::Echo(obj, 10, 3, 2000000000);  // the product overflows: still silence
  koSound::Echo(obj, 10, 3, 2000000000);
  step(0);
  // The looped echo sweeps its pan and bounces at the side.
  const int sweep = Load("s.wav", 5, 20000);
  koSound::PlayLoop(sweep, -2);
  const int direction = gSoundObjects[sweep].echoPanDirection;
  for (int frame = 0; frame < 4; ++frame) koSound::EchoSweep(sweep, 0, 4, 1, 4);
  for (int v = 0; v < 5; ++v) Add(gSoundObjects[sweep].pan[v] * direction);
  Add(gSoundObjects[sweep].echoPanDirection * direction);
  Listen(10);
  gFrameScale = 0;
  ExpectGolden();
}

// The swept pan of an echo stops at 30 decibels on either side and turns.
TEST_F(SoundObjectTest, ASweptEchoPanBouncesAtEitherSide) {
  const int obj = Load("s.wav", 5, 20000);
  SoundObject& o = gSoundObjects[obj];
  gFrameScale = 0.1f;  // a pan speed of 2 moves it 20 decibels a call
  for (const int direction : {-1, 1}) {
    koSound::PlayLoop(obj, -2);
    o.echoPanDirection = direction;
    koSound::EchoSweep(obj, 0, 4, 1, 2);
    EXPECT_EQ(o.echoPan, 20.0f * direction);
    const int repeated = o.nextVoice;
    koSound::EchoSweep(obj, 0, 4, 1, 2);
    EXPECT_EQ(o.echoPan, 30.0f * direction);
    EXPECT_EQ(o.echoPanDirection, -direction);
    EXPECT_EQ(o.pan[repeated], 3000 * direction);
  }
  gFrameScale = 0;
}

TEST_F(SoundObjectTest, ReleaseSilencesEverythingAndRestoreRebuildsTheTable) {
  const int a = Load("a.wav", 3);
  const int b = Load("b.wav", -2);
  SoundObject& o = gSoundObjects[a];
  o.volume[1] = -600;
  o.pan[1] = 300;
  koSound::PlayLoop(a, 0);
  koSound::Release();
  EXPECT_EQ(o.voices[0], plat::kNoVoice);
  koSound::Play(a, -1);  // without the device every operation does nothing
  koSound::ReleaseObject(b);
  EXPECT_EQ(koSound::LoadObject("a.wav", 1), -1);
  EXPECT_EQ(gSoundObjects[b].used, 1);
  EXPECT_EQ(Render(1)[0], 0);
  koSound::Restore();
  const plat::VoiceHandle first = o.voices[0];
  AddVoices(a);        // volume and pan kept
  AddVoices(b);        // the reload passes the count as positive: the echo is armed
  koSound::Restore();  // lets go of the voices of the first
  EXPECT_EQ(plat::GetVoiceFrequency(first), 0u);
  koSound::Play(a, 0);
  EXPECT_EQ(Render(1)[0], 1000);
  // A format change reloads the voices; a bad format is refused and keeps them.
  EXPECT_EQ(koSound::SelectFormat(2, 22, 16), 1);
  EXPECT_EQ(plat::GetPrimaryFormat().avgBytesPerSec, 88200u);
  const plat::VoiceHandle kept = o.voices[1];
  Add(koSound::SelectFormat(2, 50, 16));
  AddText(Errors().at(0));
  EXPECT_EQ(o.voices[1], kept);
  koSound::ReleaseObject(a);
  EXPECT_EQ(Load("c.wav", 1), a);
  ExpectGolden();
}

TEST_F(SoundObjectTest, TheBeepIsAShortToneInTheMixOrWithoutADeviceTheSystemsOwn) {
  koSound::Beep();
  const auto mix = Render(plat::kMixRate / 5 + 100);           // over within a fifth of a second
  EXPECT_GT(*std::max_element(mix.begin(), mix.end()), 4000);  // clearly heard
  for (const int16_t s : mix) Add(s);  // its length and tone in the golden hash
  // Without a device sound is silent and nothing is reported.
  headless::Reset();
  headless::SetAudioDevice(false);
  EXPECT_EQ(koSound::Init(), 0);
  koSound::ResetObjects();
  EXPECT_EQ(Load("SHOT.WAV", 4), -1);
  koSound::Play(0, -1);
  koSound::Restore();
  EXPECT_TRUE(headless::Boxes().empty());
  koSound::Beep();  // the system's own beep, which the mix does not hear
  EXPECT_EQ(headless::BeepCount(), 1);
  EXPECT_EQ(Render(1000), std::vector<int16_t>(2000, 0));
  ExpectGolden();
}

}  // namespace
