// Sound packs on the headless output: the pack written from wave files and
// read back, pack objects and streams played and refilled, and packs whose
// sizes lie.
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/headless/headless.h"
#include "tests/engine/sound_fixture.h"
#include "tests/support/alloc_counter.h"

namespace {

using soundtest::Put32;
using soundtest::Render;

// The format block of the fixture's wave files (18 bytes).
std::vector<uint8_t> FormatOf(const std::vector<uint8_t>& wave) {
  std::vector<uint8_t> f(wave.begin() + 20, wave.begin() + 36);
  f.insert(f.end(), {0, 0});
  return f;
}

// One pack entry with the sizes it states.
std::vector<uint8_t> Entry(const std::string& name, const std::vector<uint8_t>& format,
                           const std::vector<uint8_t>& data, uint32_t statedData,
                           uint32_t statedFormat) {
  std::vector<uint8_t> b;
  Put32(b, statedData);
  b.insert(b.end(), name.begin(), name.end());
  b.push_back(0);
  Put32(b, statedFormat);
  b.insert(b.end(), format.begin(), format.end());
  b.insert(b.end(), data.begin(), data.end());
  return b;
}
std::vector<uint8_t> Entry(const std::string& name, const std::vector<uint8_t>& format,
                           const std::vector<uint8_t>& data) {
  return Entry(name, format, data, static_cast<uint32_t>(data.size()),
               static_cast<uint32_t>(format.size()));
}

// The entry of a whole wave file of the fixture's layout.
std::vector<uint8_t> EntryOf(const std::string& name, const std::vector<uint8_t>& wave) {
  return Entry(name, FormatOf(wave), {wave.begin() + 44, wave.end()});
}

std::vector<uint8_t> Join(std::vector<uint8_t> x, const std::vector<uint8_t>& y) {
  x.insert(x.end(), y.begin(), y.end());
  return x;
}

std::vector<uint8_t> Mono16(const std::vector<int16_t>& samples) {
  return soundtest::Wave(1, 44100, 16, soundtest::Pcm16(samples));
}

// A sample pattern that tells every frame of a long sound from its neighbours.
int16_t Pattern(size_t i) { return static_cast<int16_t>(static_cast<int>(i * 7 % 20000) - 10000); }
std::vector<int16_t> Long(size_t frames) {
  std::vector<int16_t> s(frames);
  for (size_t i = 0; i < frames; ++i) s[i] = Pattern(i);
  return s;
}

class SoundPackTest : public SoundTest {
 protected:
  void SetUp() override {
    SoundTest::SetUp();
    gSoundPackPath.clear();
  }
  std::vector<uint8_t> Read(const std::string& name) {
    std::ifstream in(dir_ + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  size_t streamingAllocations_ = 0;
  // Writes a pack and selects it.
  void PutPack(const std::vector<uint8_t>& bytes) {
    Put("s.pak", bytes);
    koSound::SetPack("s.pak");
  }
  // Loads and loops a stream of 20000 bytes of `sample` at 1000 bytes a
  // second from a pack of its own: refills of 2000 bytes into a buffer of 4000.
  int LoopingStream(uint8_t sample) {
    PutPack(EntryOf("R.WAV", soundtest::Wave(1, 1000, 8, std::vector<uint8_t>(20000, sample))));
    const int obj = koSound::LoadStream("r.wav", 0);
    if (obj >= 0) koSound::PlayLoop(obj, -1);
    return obj;
  }
  // Plays a stream for `frames` frames, refilling it every 1470 frames as a
  // game at 30 frames a second would; returns the left channel.
  std::vector<int16_t> Stream(int frames) {
    std::vector<int16_t> left;
    for (int done = 0; done < frames; done += 1470) {
      alloc_counter::Start();
      EXPECT_EQ(koSound::Streaming(), 1);
      streamingAllocations_ += alloc_counter::Stop();
      const std::vector<int16_t> mix = Render(1470);
      for (size_t i = 0; i < mix.size(); i += 2) left.push_back(mix[i]);
    }
    return left;
  }
};

TEST_F(SoundPackTest, BuildPackJoinsAFoldersWavesUnderUpperCaseNamesAndLoadsThemBack) {
  std::filesystem::create_directories(dir_ + "snd");
  const std::vector<uint8_t> a = Mono16({1000, 1000, 1000, 1000});
  const std::vector<uint8_t> b = soundtest::Wave(2, 22050, 8, {1, 2, 3, 4, 5, 6});
  Put("snd/b.wav", b);
  Put("snd/a.Wav", a);
  Put("snd/notes.txt", {1, 2, 3});
  Put("snd/bad.wav", {'R', 'I', 'F', 'F'});  // not a wave: no entry
  EXPECT_EQ(koSound::BuildPack("sound.pak", "snd", 1), 1);
  // Appending takes the name after the last backslash.
  koSound::AppendPack("p.pak", "SND\\A.WAV");
  EXPECT_EQ(Read("p.pak"), EntryOf("A.WAV", a));
  const std::vector<uint8_t> want = Join(EntryOf("A.WAV", a), EntryOf("B.WAV", b));
  EXPECT_EQ(Read("sound.pak"), want);
  koSound::BuildPack("sound.pak", "snd", 0);  // without recreate, appended again
  EXPECT_EQ(Read("sound.pak"), Join(want, want));

  koSound::SetPack("sound.pak");
  const int obj = koSound::LoadPack("a.wav", 3);
  ASSERT_EQ(obj, 0);
  EXPECT_EQ(koSound::LoadPack("B.WAV", 1), 1);
  EXPECT_EQ(gSoundObjects[1].baseFrequency, 22050u);
  koSound::Play(obj, -1);
  koSound::Play(obj, -1);
  EXPECT_EQ(Render(1)[0], 2000);
  EXPECT_TRUE(headless::Boxes().empty());
}

TEST_F(SoundPackTest, HostilePacksAreReadOnlyWithinTheFile) {
  const std::vector<uint8_t> w = Mono16({1000, 1000});
  const std::vector<uint8_t> fmt = FormatOf(w), data(w.begin() + 44, w.end());
  std::vector<uint8_t> adpcm = fmt;
  adpcm[0] = 2;
  adpcm[16] = 4;  // four extra format bytes: F is 22
  adpcm.insert(adpcm.end(), {9, 9, 9, 9});
  struct Case {
    const char* what;
    std::vector<uint8_t> pack;
    bool found;
  };
  const std::vector<uint8_t> good = Entry("OK.WAV", fmt, data);
  const std::vector<Case> cases = {
      {"after a non-PCM entry", Join(Entry("ADPCM.WAV", adpcm, {1, 2}), good), true},
      {"after a name too long to hold", Join(Entry(std::string(200, 'L'), fmt, data), good), true},
      {"samples past the end", Entry("OK.WAV", fmt, data, 0xFFFFFFF0u, 18), false},
      {"cut inside the samples", {good.begin(), good.end() - 1}, false},
      {"a format too short", Entry("OK.WAV", {1, 0, 1, 0}, data), false},
      {"behind an entry whose sizes overrun",
       Join(Entry("X.WAV", fmt, data, 0xFFFFFFFFu, 18), good), false},
  };
  for (const Case& c : cases) {
    PutPack(c.pack);
    const int obj = koSound::LoadPack("ok.wav", 1);
    EXPECT_EQ(obj >= 0, c.found) << c.what;
    koSound::Play(obj, 0);  // a failed load's -1 plays nothing
    EXPECT_EQ(Render(1)[0], c.found ? 1000 : 0) << c.what;
    EXPECT_TRUE(c.found || Errors().back() == "koSound::LoadPack : WAVEファイルを読み込めません")
        << c.what;
    EXPECT_EQ(koSound::LoadStream("ok.wav", 0) >= 0, c.found) << c.what;
    koSound::ResetObjects();
  }
}

TEST_F(SoundPackTest, AStreamPlaysOnceWithoutGapsThenLoopsFromItsLoopPointWithoutTheHeap) {
  const size_t frames = 5 * 44100 + 1000;  // refills of two seconds into a buffer of four
  PutPack(EntryOf("LOOP.WAV", Mono16(Long(frames))));
  const size_t loopFrame = 44100;
  const int obj = koSound::LoadStream("loop.wav", loopFrame * 2 + 1);  // held to a whole frame
  ASSERT_GE(obj, 0);
  const auto status = [&] { return plat::GetVoiceStatus(gSoundObjects[obj].voices[0]); };
  koSound::Play(obj, -1);
  EXPECT_EQ(gSoundObjects[obj].loop, 0);
  // A pause and resume keeps it running round its buffer, though it plays once.
  koSound::TogglePause(obj, -1);
  koSound::TogglePause(obj, -1);
  EXPECT_EQ(status(), plat::kVoicePlaying | plat::kVoiceLooping);
  const std::vector<int16_t> once = Stream(static_cast<int>(frames) + 2 * 88200);
  for (size_t i = 0; i < once.size(); ++i)
    ASSERT_EQ(once[i], i < frames ? Pattern(i) : 0) << "frame " << i;
  EXPECT_EQ(status(), 0u);
  koSound::PlayLoop(obj, -1);
  EXPECT_EQ(koSound::GetPosition(obj), 0u);
  const std::vector<int16_t> left = Stream(static_cast<int>(frames * 2));
  EXPECT_EQ(streamingAllocations_, 0u);
  for (size_t i = 0; i < left.size(); ++i) {
    const size_t want = i < frames ? i : loopFrame + (i - frames) % (frames - loopFrame);
    ASSERT_EQ(left[i], Pattern(want)) << "frame " << i;
  }
  EXPECT_EQ(status(), plat::kVoicePlaying | plat::kVoiceLooping);
  EXPECT_TRUE(headless::Boxes().empty());
}

TEST_F(SoundPackTest, ARefillFollowsThePlayCursorRoundTheBuffer) {
  const int obj = LoopingStream(128);
  ASSERT_GE(obj, 0);
  const SoundStream& s = gSoundObjects[obj].stream;
  const auto refilledAt = [&](uint32_t cursor) {
    plat::SetVoicePosition(gSoundObjects[obj].voices[0], cursor);
    const uint32_t queued = s.queued;
    EXPECT_EQ(koSound::Streaming(), 1);
    return s.queued != queued;
  };
  EXPECT_TRUE(refilledAt(0));  // the second half; the mark moves to 2000
  EXPECT_FALSE(refilledAt(1000));
  EXPECT_TRUE(refilledAt(3000));  // the first half; the mark wraps to 0 below the cursor
  EXPECT_EQ(s.wrapCursor, 3000);
  EXPECT_FALSE(refilledAt(3500));  // not yet round the end of the buffer
  EXPECT_FALSE(refilledAt(3000));
  EXPECT_TRUE(refilledAt(1000));  // round it: the second half, mark 2000
  EXPECT_EQ(s.wrapCursor, -1);
  // A cursor that has gone round the whole buffer, back below its last place.
  EXPECT_TRUE(refilledAt(500));
  EXPECT_TRUE(refilledAt(400));  // second half, mark 2000
  // Round the buffer onto its very start: the wrap cursor is no higher than
  // the new mark, and the next refill is due from the mark on.
  EXPECT_TRUE(refilledAt(0));
  EXPECT_EQ(s.wrapCursor, 0);
  EXPECT_EQ(s.mark, 0u);
  EXPECT_TRUE(refilledAt(100));
}

// Without a pack, or with a folder for one, the loaders report and take no
// object; so do a pack sound whose voices the mixer has no room for and a
// long sound whose sizes do not agree.
TEST_F(SoundPackTest, LoadsThatCannotReadThePackOrMakeTheVoicesTakeNoObject) {
  EXPECT_EQ(koSound::LoadPack("a.wav", 1), -1);
  EXPECT_EQ(koSound::LoadStream("a.wav", 0), -1);
  std::filesystem::create_directory(dir_ + "folder.pak");
  koSound::SetPack("folder.pak");
  EXPECT_EQ(koSound::LoadPack("a.wav", 1), -1);
  const std::vector<std::string> noPack = {
      "koSound::LoadPack : パックファイル名が指定されていません",
      "koSound::LoadStream : パックファイル名が指定されていません",
      "koSound::LoadPack : パックファイル名が指定されていません"};
  EXPECT_EQ(Errors(), noPack);

  const std::vector<uint8_t> w = Mono16(std::vector<int16_t>(6 * 44100, 1000));
  std::vector<uint8_t> halfRate = FormatOf(w), noFrame = FormatOf(w);
  halfRate[8] = 0x22;  // 88200 bytes a second stated as 88098
  noFrame[12] = 0;     // no bytes a frame
  const std::vector<uint8_t> data(w.begin() + 44, w.end());
  PutPack(Join(Join(EntryOf("A.WAV", w), Entry("HALF.WAV", halfRate, data)),
               Entry("NOFRAME.WAV", noFrame, data)));
  EXPECT_EQ(koSound::LoadStream("half.wav", 0), -1);
  EXPECT_EQ(koSound::LoadStream("noframe.wav", 0), -1);
  std::vector<plat::VoiceHandle> filler;  // leave the mixer room for three voices
  const plat::PcmFormat tiny{1, 1, 44100, 88200, 2, 16};
  for (plat::VoiceHandle h; (h = plat::CreateVoice(tiny, 2)) != plat::kNoVoice;)
    filler.push_back(h);
  for (int i = 0; i < 3; ++i) plat::DestroyVoice(filler[i]);
  EXPECT_EQ(koSound::LoadPack("a.wav", 5), -1);
  const std::vector<std::string> errors = Errors();
  ASSERT_EQ(errors.size(), 6u);
  for (size_t i = 3; i < 6; ++i)
    EXPECT_EQ(errors[i], std::string(i < 5 ? "koSound::LoadStream" : "koSound::LoadPack") +
                             " : サウンドバッファが生成できません");
  for (const SoundObject& o : gSoundObjects) EXPECT_EQ(o.used, 0);
  EXPECT_EQ(koSound::LoadPack("a.wav", 3), 0);  // the room there is
}

// A pack that shrinks or goes away under a playing stream: the refill and
// the rewind report, return 0 and leave the stream as it stood.
TEST_F(SoundPackTest, AStreamWhosePackShrinksOrGoesAwayReportsAndStaysAsItWas) {
  const int obj = LoopingStream(200);
  ASSERT_GE(obj, 0);
  const SoundStream& s = gSoundObjects[obj].stream;
  const SoundStream before = s;
  std::filesystem::resize_file(dir_ + "s.pak", s.start + 1000);
  EXPECT_EQ(koSound::Streaming(), 0);
  EXPECT_EQ(koSound::ResetStream(obj), 0);
  std::filesystem::remove(dir_ + "s.pak");
  EXPECT_EQ(koSound::Streaming(), 0);
  EXPECT_EQ(koSound::ResetStream(obj), 0);
  EXPECT_EQ(Errors(), (std::vector<std::string>{
                          "koSound::Streaming : ストリーミング再生できません",
                          "koSound::ResetStream : ストリーミング再生できません",
                          "koSound::Streaming : パックファイル名が指定されていません",
                          "koSound::ResetStream : パックファイル名が指定されていません"}));
  EXPECT_EQ(s.queued, before.queued);
  EXPECT_EQ(s.mark, before.mark);
  EXPECT_EQ(s.writePosition, before.writePosition);
  EXPECT_EQ(s.readPosition, before.readPosition);
}

// Rebuilding the sound reloads a pack sound from the pack chosen now, and a
// stream from the pack it was loaded from, which leaves the choice alone.
TEST_F(SoundPackTest, ARestoreReloadsPackSoundsFromThePackChosenAndStreamsFromTheirOwn) {
  PutPack(Join(EntryOf("A.WAV", Mono16({1000, 1000})),
               EntryOf("LONG.WAV", Mono16(std::vector<int16_t>(6 * 44100, 2000)))));
  const int a = koSound::LoadPack("a.wav", 2);
  const int stream = koSound::LoadStream("long.wav", 0);
  ASSERT_GE(a, 0);
  ASSERT_GE(stream, 0);
  Put("t.pak", EntryOf("A.WAV", Mono16({3000, 3000})));
  koSound::SetPack("t.pak");
  koSound::Release();
  koSound::Restore();
  EXPECT_EQ(gSoundPackPath, dir_ + "t.pak");
  koSound::Play(a, 0);
  EXPECT_EQ(Render(1)[0], 3000);
  koSound::Stop(a, -1);
  koSound::PlayLoop(stream, -1);
  EXPECT_EQ(Render(1)[0], 2000);
  EXPECT_TRUE(headless::Boxes().empty());
}

}  // namespace
