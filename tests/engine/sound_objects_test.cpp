// Sound objects on the headless output: loading, the turn of voices, the
// echo's arming, stop and pause, release and rebuild, and their errors.
#include "platform/headless/headless.h"
#include "tests/engine/sound_fixture.h"
#include "tests/support/alloc_counter.h"

namespace {

using soundtest::Render;

class SoundObjectTest : public SoundTest {
 protected:
  // Loads a mono 16-bit sound of `frames` frames of value 1000.
  int Load(const std::string& name, int count, int frames = 1000) {
    Put(name,
        soundtest::Wave(1, 44100, 16,
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

TEST_F(SoundObjectTest, VoiceMinusOneTakesTheVoicesInTurnAndRestartsTheOldest) {
  const int shot = Load("SHOT.WAV", 4);
  ASSERT_EQ(shot, 0);
  // Four plays, 100 frames apart, sound on voices 0 to 3 at once.
  for (int n = 0; n < 4; ++n) {
    koSound::Play(shot, -1);
    EXPECT_EQ(Status(shot, n), plat::kVoicePlaying) << n;
    Render(100);
  }
  EXPECT_EQ(Render(1)[0], 4000);
  for (int v = 0; v < 4; ++v) EXPECT_EQ(Position(shot, v), (401u - 100u * v) * 2) << v;
  // The fifth cuts voice 0 off and starts it again from the beginning.
  koSound::Play(shot, -1);
  EXPECT_EQ(Position(shot, 0), 0u);
  EXPECT_EQ(Position(shot, 1), 301u * 2);
  EXPECT_EQ(gSoundObjects[shot].nextVoice, 1);
  // A given voice leaves the turn alone.
  koSound::Play(shot, 2);
  EXPECT_EQ(Position(shot, 2), 0u);
  EXPECT_EQ(gSoundObjects[shot].nextVoice, 1);
  // What a failed load returns, a voice out of range, and a free object do nothing.
  koSound::Play(-1, -1);
  koSound::Play(shot, 4);
  koSound::Play(5, -1);
  koSound::Play(kSoundObjectCount, -1);
  EXPECT_EQ(gSoundObjects[shot].nextVoice, 1);
  EXPECT_EQ(gSoundObjects[shot].loop, 0);
  EXPECT_TRUE(headless::Boxes().empty());
}

TEST_F(SoundObjectTest, LoadErrorsTakeNoObject) {
  Put("a.wav", soundtest::Wave(1, 44100, 16, soundtest::Pcm16({1, 2, 3})));
  EXPECT_EQ(koSound::LoadObject("a.wav", 11), -1);
  EXPECT_EQ(koSound::LoadObject("missing.wav", 1), -1);
  const std::string longName(31, 'x');
  Put(longName, soundtest::Wave(1, 44100, 16, soundtest::Pcm16({1})));
  EXPECT_EQ(koSound::LoadObject(longName, 1), -1);
  std::vector<uint8_t> floatWave = soundtest::Wave(1, 44100, 32, std::vector<uint8_t>(16, 0));
  floatWave[20] = 3;  // IEEE float samples: no voice plays them
  Put("f.wav", floatWave);
  EXPECT_EQ(koSound::LoadObject("f.wav", 3), -1);
  const std::vector<std::string> want = {
      "koSound::LoadObject : ミックス数が多過ぎます",
      "koSound::LoadObject : WAVEリソースが見つかりません",
      "koSound::LoadObject : ファイル名またはリソース名が長すぎます",
      "koSound::LoadObject : サウンドバッファが生成できません"};
  EXPECT_EQ(Errors(), want);
  EXPECT_EQ(headless::BeepCount(), 4);
  EXPECT_EQ(gErrorFlag, 1);
  for (const SoundObject& o : gSoundObjects) EXPECT_EQ(o.used, 0);
  // Thirty characters is the longest name, counted in characters, not bytes;
  // the file name matches whatever its case.
  const std::string thirty = std::string(25, 'y') + "音.WAV";
  Put(thirty, soundtest::Wave(1, 44100, 16, soundtest::Pcm16({1})));
  EXPECT_EQ(koSound::LoadObject(thirty, 1), 0);
  EXPECT_EQ(gSoundObjects[0].name, thirty);
  EXPECT_EQ(koSound::LoadObject("A.WAV", 1), 1);
}

TEST_F(SoundObjectTest, AVoiceThatCannotBeMadeUndoesTheVoicesBeforeIt) {
  // Leave the mixer room for three voices.
  std::vector<plat::VoiceHandle> filler;
  const plat::PcmFormat tiny{1, 1, 44100, 88200, 2, 16};
  for (plat::VoiceHandle h; (h = plat::CreateVoice(tiny, 2)) != plat::kNoVoice;)
    filler.push_back(h);
  for (int i = 0; i < 3; ++i) {
    plat::DestroyVoice(filler.back());
    filler.pop_back();
  }
  EXPECT_EQ(Load("five.wav", 5), -1);
  EXPECT_EQ(Errors(),
            std::vector<std::string>{"koSound::LoadObject : サウンドバッファが生成できません"});
  EXPECT_EQ(gSoundObjects[0].used, 0);
  for (const plat::VoiceHandle h : gSoundObjects[0].voices) EXPECT_EQ(h, plat::kNoVoice);
  // The three voices made before the failure are free again.
  EXPECT_EQ(Load("three.wav", 3), 0);
}

TEST_F(SoundObjectTest, VoiceCountsAndTheEchoState) {
  const int ten = Load("t.wav", -10);
  EXPECT_EQ(gSoundObjects[ten].voiceCount, 10);
  EXPECT_EQ(gSoundObjects[ten].echoState, -1);
  const int one = Load("o.wav", 1);
  EXPECT_EQ(gSoundObjects[one].echoState, -1);
  // A count of 0 gives the smallest object rather than one voice -1 can never wrap.
  const int zero = Load("z.wav", 0);
  EXPECT_EQ(gSoundObjects[zero].voiceCount, 1);
  for (int n = 0; n < 3; ++n) koSound::Play(zero, -1);
  EXPECT_EQ(gSoundObjects[zero].nextVoice, 0);
  EXPECT_EQ(Status(zero, 0), plat::kVoicePlaying);
  const int four = Load("f.wav", 4);
  EXPECT_EQ(gSoundObjects[four].echoState, 0);
  EXPECT_EQ(gSoundObjects[four].baseFrequency, 44100u);
  for (int v = 0; v < 4; ++v) EXPECT_EQ(gSoundObjects[four].frequency[v], 44100u);
  for (int n = 4; n < kSoundObjectCount; ++n) ASSERT_EQ(Load("f.wav", 1), n);
  EXPECT_EQ(Load("f.wav", 1), -1);
  EXPECT_EQ(Errors().back(), "koSound::LoadObject : オブジェクト数が多過ぎます");
}

TEST_F(SoundObjectTest, VoiceMinusTwoArmsTheEchoAfterRestoringEveryVoice) {
  const int obj = Load("e.wav", 4);
  SoundObject& o = gSoundObjects[obj];
  koSound::Play(obj, -1);
  for (int v = 0; v < 4; ++v) {  // as an echo leaves them
    plat::SetVoiceVolume(o.voices[v], o.volume[v] = -3000);
    plat::SetVoicePan(o.voices[v], o.pan[v] = 2000);
    plat::SetVoiceFrequency(o.voices[v], o.frequency[v] = 8000);
  }
  koSystem::SeedRand(7);
  const int odd = koSystem::Rand() % 2;
  koSystem::SeedRand(7);
  koSound::Play(obj, -2);
  EXPECT_EQ(o.echoState, 1);
  EXPECT_EQ(o.echoLoops, 0);
  EXPECT_EQ(o.echoTimer, 0.0f);
  EXPECT_EQ(o.echoPan, 0.0f);
  EXPECT_EQ(o.echoPanDirection, odd ? 1 : -1);
  EXPECT_EQ(o.nextVoice, 2);
  for (int v = 0; v < 4; ++v) {
    EXPECT_EQ(o.volume[v], 0);
    EXPECT_EQ(plat::GetVoicePan(o.voices[v]), 0);
    EXPECT_EQ(plat::GetVoiceFrequency(o.voices[v]), 44100u);
  }
  EXPECT_EQ(Render(1)[0], 2000);  // voices 0 and 1, both back at full volume

  koSound::PlayLoop(obj, -2);
  EXPECT_EQ(o.echoLoops, 1);
  EXPECT_EQ(o.loop, 1);
  EXPECT_EQ(Status(obj, 2), plat::kVoicePlaying | plat::kVoiceLooping);
  koSound::Stop(obj, -1);
  EXPECT_EQ(o.echoState, 0);
  for (int v = 0; v < 4; ++v) EXPECT_EQ(Status(obj, v), 0u);

  // -3, and -2 without an echo, only play the next voice.
  o.echoState = 3;
  koSound::Play(obj, -3);
  EXPECT_EQ(o.echoState, 3);
  const int single = Load("s.wav", 1);
  koSound::Play(single, -2);
  EXPECT_EQ(gSoundObjects[single].echoState, -1);
  EXPECT_EQ(Status(single, 0), plat::kVoicePlaying);
}

TEST_F(SoundObjectTest, StopRewindsAndTogglePauseResumesAtTheSavedPosition) {
  const int obj = Load("p.wav", 2, 500);
  koSound::Play(obj, 0);
  koSound::Play(obj, 1);
  Render(100);
  koSound::Stop(obj, 1);
  EXPECT_EQ(Status(obj, 1), 0u);
  EXPECT_EQ(Position(obj, 1), 0u);
  EXPECT_EQ(Status(obj, 0), plat::kVoicePlaying);
  koSound::TogglePause(obj, -1);  // pauses voice 0, starts the stopped voice 1
  EXPECT_EQ(gSoundObjects[obj].pausedPosition[0], 200u);
  EXPECT_EQ(Status(obj, 0), 0u);
  EXPECT_EQ(Status(obj, 1), plat::kVoicePlaying);
  koSound::Stop(obj, 1);
  Render(50);
  EXPECT_EQ(koSound::GetPosition(obj), 200u);
  koSound::TogglePause(obj, 0);
  Render(10);
  EXPECT_EQ(koSound::GetPosition(obj), 220u);
  // A voice that ended by itself starts again at the position saved before.
  Render(400);
  EXPECT_EQ(Status(obj, 0), 0u);
  koSound::TogglePause(obj, 0);
  EXPECT_EQ(koSound::GetPosition(obj), 200u);
  EXPECT_EQ(Status(obj, 0), plat::kVoicePlaying);
  EXPECT_EQ(koSound::GetPosition(-1), 0u);
}

TEST_F(SoundObjectTest, TogglePauseResumesTheWayTheObjectWasLastStarted) {
  const int obj = Load("l.wav", 2);
  koSound::PlayLoop(obj, 0);
  EXPECT_EQ(gSoundObjects[obj].loop, 1);
  koSound::TogglePause(obj, 0);
  koSound::TogglePause(obj, 0);
  EXPECT_EQ(Status(obj, 0), plat::kVoicePlaying | plat::kVoiceLooping);
  // A plain play of any voice turns looping off for the whole object.
  koSound::Play(obj, 1);
  EXPECT_EQ(gSoundObjects[obj].loop, 0);
  koSound::TogglePause(obj, 0);
  koSound::TogglePause(obj, 0);
  EXPECT_EQ(Status(obj, 0), plat::kVoicePlaying);
}

TEST_F(SoundObjectTest, ReleaseSilencesEverythingAndRestoreRebuildsTheTable) {
  const int a = Load("a.wav", 3);
  const int b = Load("b.wav", -2);
  SoundObject& o = gSoundObjects[a];
  o.volume[1] = -600;
  o.frequency[1] = 22050;
  o.pan[1] = 300;
  const plat::VoiceHandle old = o.voices[0];
  koSound::PlayLoop(a, 0);
  koSound::Release();
  EXPECT_EQ(o.voices[0], plat::kNoVoice);
  EXPECT_EQ(plat::GetVoiceFrequency(old), 0u);  // destroyed
  EXPECT_EQ(o.used, 1);
  EXPECT_EQ(gSoundAvailable, 1);
  // Without the device every operation does nothing, and loads fail quietly.
  koSound::Play(a, -1);
  koSound::Stop(a, -1);
  koSound::TogglePause(a, -1);
  koSound::ReleaseObject(b);
  EXPECT_EQ(koSound::LoadObject("a.wav", 1), -1);
  EXPECT_EQ(koSound::SelectFormat(3, 1, 1), 1);
  EXPECT_EQ(koSound::GetPosition(a), 0u);
  EXPECT_EQ(gSoundObjects[b].used, 1);
  EXPECT_EQ(Render(1)[0], 0);

  koSound::Restore();
  EXPECT_TRUE(headless::Boxes().empty());
  EXPECT_NE(o.voices[2], plat::kNoVoice);
  EXPECT_EQ(plat::GetVoiceVolume(o.voices[1]), -600);
  EXPECT_EQ(plat::GetVoiceFrequency(o.voices[1]), 22050u);
  EXPECT_EQ(plat::GetVoicePan(o.voices[1]), 300);
  EXPECT_EQ(gSoundObjects[b].voiceCount, 2);
  EXPECT_EQ(gSoundObjects[b].echoState, 0);  // the reload passes the count as positive
  // A second Restore lets go of the voices of the first.
  const plat::VoiceHandle first = o.voices[0];
  koSound::Restore();
  EXPECT_EQ(plat::GetVoiceFrequency(first), 0u);
  koSound::Play(a, 0);
  EXPECT_EQ(Render(1)[0], 1000);

  koSound::ReleaseObject(a);
  EXPECT_EQ(o.used, 0);
  EXPECT_EQ(o.voiceCount, 1);
  EXPECT_TRUE(o.name.empty());
  EXPECT_EQ(Load("c.wav", 1), a);
}

TEST_F(SoundObjectTest, SelectFormatRecordsAValidFormatAndRefusesOthersKeepingTheVoices) {
  const int a = Load("a.wav", 2);
  const plat::VoiceHandle before = gSoundObjects[a].voices[1];
  EXPECT_EQ(koSound::SelectFormat(2, 22, 16), 1);
  const plat::PcmFormat f = plat::GetPrimaryFormat();
  EXPECT_EQ(f.channels, 2);
  EXPECT_EQ(f.rate, 22050u);
  EXPECT_EQ(f.bitsPerSample, 16);
  EXPECT_EQ(f.blockAlign, 4);
  EXPECT_EQ(f.avgBytesPerSec, 88200u);
  EXPECT_NE(gSoundObjects[a].voices[1], before);  // reloaded
  EXPECT_EQ(koSound::SelectFormat(1, 8000, 8), 1);
  EXPECT_EQ(plat::GetPrimaryFormat().avgBytesPerSec, 8000u);

  const plat::VoiceHandle kept = gSoundObjects[a].voices[1];
  EXPECT_EQ(koSound::SelectFormat(3, 44, 16), 0);
  EXPECT_EQ(koSound::SelectFormat(2, 50, 16), 0);
  EXPECT_EQ(koSound::SelectFormat(2, 44, 12), 0);
  EXPECT_EQ(Errors().size(), 3u);
  EXPECT_EQ(Errors()[0], "koSound::SelectFormat : 再生フォーマットを変更できません");
  EXPECT_EQ(gSoundObjects[a].voices[1], kept);
  koSound::Play(a, 1);
  EXPECT_EQ(Render(1)[0], 1000);
}

TEST_F(SoundObjectTest, WithoutADeviceSoundIsSilentAndNothingIsReported) {
  headless::Reset();
  headless::SetAudioDevice(false);
  EXPECT_EQ(koSound::Init(), 0);
  koSound::ResetObjects();
  EXPECT_EQ(gSoundAvailable, 0);
  EXPECT_EQ(Load("SHOT.WAV", 4), -1);
  koSound::Play(0, -1);
  koSound::PlaySystemSound("none.wav");
  koSound::Restore();
  EXPECT_EQ(koSound::SelectFormat(2, 44, 16), 1);
  EXPECT_TRUE(headless::Boxes().empty());
  EXPECT_EQ(headless::BeepCount(), 0);
  // The beep falls back to the system's own, which the mix does not hear.
  koSound::Beep();
  EXPECT_EQ(headless::BeepCount(), 1);
  EXPECT_EQ(Render(1000), std::vector<int16_t>(2000, 0));
}

TEST_F(SoundObjectTest, TheBeepIsAShortToneInTheMix) {
  alloc_counter::Start();
  koSound::Beep();
  EXPECT_EQ(alloc_counter::Stop(), 0u);
  EXPECT_EQ(headless::BeepCount(), 1);
  const auto mix = Render(plat::kMixRate / 2);
  int peak = 0, crossings = 0, last = -1;
  for (int i = 0; i < plat::kMixRate / 2; ++i) {
    const int left = mix[2 * static_cast<size_t>(i)];
    ASSERT_EQ(mix[2 * static_cast<size_t>(i) + 1], left) << i;
    peak = std::max(peak, std::abs(left));
    if (left != 0) last = i;
    if (i > 0 && (mix[2 * static_cast<size_t>(i) - 2] < 0) != (left < 0)) ++crossings;
  }
  // Clearly heard, far from clipping, a tenth to a fifth of a second long,
  // and a tone between 400 and 2000 Hz.
  EXPECT_GT(peak, 4000);
  EXPECT_LT(peak, 16384);
  EXPECT_GT(last, plat::kMixRate / 10);
  EXPECT_LT(last, plat::kMixRate / 5);
  const double hz = crossings / 2.0 / (last / double{plat::kMixRate});
  EXPECT_GT(hz, 400.0);
  EXPECT_LT(hz, 2000.0);
}

TEST_F(SoundObjectTest, PlaySystemSoundPlaysToTheEndAndRebuildsTheObjects) {
  const int a = Load("a.wav", 2);
  Put("ding.wav", soundtest::Wave(1, 22050, 8, std::vector<uint8_t>(11025, 0x90)));
  const uint32_t start = headless::Now();
  koSound::PlaySystemSound(dir_ + "ding.wav");
  EXPECT_GE(headless::Now() - start, 500u);  // waited for the half second to pass
  EXPECT_EQ(headless::BeepCount(), 0);
  EXPECT_NE(gSoundObjects[a].voices[1], plat::kNoVoice);
  EXPECT_EQ(Render(100), std::vector<int16_t>(200, 0));  // the system sound is gone
  koSound::PlaySystemSound(dir_ + "none.wav");           // the standard beep instead
  EXPECT_EQ(headless::BeepCount(), 1);
  const auto beep = Render(1000);
  EXPECT_GT(*std::max_element(beep.begin(), beep.end()), 4000);
}

TEST_F(SoundObjectTest, PlayingInAFrameAllocatesNothing) {
  const int shot = Load("SHOT.WAV", 4);
  const int bom = Load("BOM.WAV", 7);
  alloc_counter::Start();
  for (int n = 0; n < 50; ++n) {
    koSound::Play(shot, -1);
    koSound::Play(bom, -2);
    koSound::Stop(bom, 3);
  }
  EXPECT_EQ(alloc_counter::Stop(), 0u);
}

TEST_F(SoundObjectTest, QuitReleasesTheSoundButKeepsTheTable) {
  testgame::onLoad = [this] {
    gScene = 1;
    Load("SHOT.WAV", 4);
    koSound::Play(0, -1);
  };
  headless::Close(3);
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(gSoundObjects[0].used, 1);
  for (const plat::VoiceHandle h : gSoundObjects[0].voices) EXPECT_EQ(h, plat::kNoVoice);
  EXPECT_EQ(Render(1)[0], 0);
}

}  // namespace
