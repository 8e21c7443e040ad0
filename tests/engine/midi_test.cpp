// MIDI music: the command strings, our interpreter of them, the sequencer's
// end of song and the loop through the window procedure, on real FluidSynth.
#include "platform/midi.h"

#include <filesystem>

#include "platform/headless/headless.h"
#include "platform/messages.h"
#include "platform/midi_song.h"
#include "platform/window.h"
#include "tests/engine/sound_fixture.h"
#include "tests/support/alloc_counter.h"
#include "tests/support/midi_builder.h"

namespace {

constexpr int kHalfSecond = plat::kMixRate / 2;
constexpr int kBlock = 1024;

std::vector<std::string> gSent;
void Record(std::string_view command) { gSent.emplace_back(command); }

class MidiTest : public SoundTest {
 protected:
  void SetUp() override {
    SoundTest::SetUp();
    koSound::InitMidi();
    gSent.clear();
    koSound::SetMciListener(&Record);
    fonts_ = plat::MidiSoundFonts();
  }
  void TearDown() override {
    if (plat::MidiSoundFonts() != fonts_) plat::SetMidiSoundFonts(fonts_);
    SoundTest::TearDown();
  }
  std::string OpenCommand(const std::string& file) const {
    return "open \"" + dir_ + file + "\" type sequencer alias midi";
  }
  // Renders blocks until a song-end message is queued, at most `frames`;
  // returns the frames rendered by then, or -1.
  static int64_t RenderToNotify(int frames, plat::Message& got) {
    for (int64_t done = 0; done < frames;) {
      soundtest::Render(kBlock);
      done += kBlock;
      while (plat::PeekMessage(got))
        if (got.id == plat::kMsgMidiNotify) return done;
    }
    return -1;
  }
  std::vector<std::string> fonts_;
};

// The strings the engine sends, and our interpreter's answers to them and to
// others, folded into the golden hash.
TEST_F(MidiTest, CommandStringsAndTheirAnswers) {
  // Commands name songs by full path: the scratch folder is left out of the hash.
  const auto addText = [&](std::string text) {
    for (size_t at; (at = text.find(dir_)) != std::string::npos;)
      text.replace(at, dir_.size(), "<dir>/");
    AddText(text);
  };
  const auto sent = [&] {
    for (const std::string& c : gSent) addText(c);
    Add(gMidiOpen);
    Add(gMidiLoop);
    gSent.clear();
  };
  Put("A.MID", midigen::OneNoteSong(480));
  Put("Song.Mid", midigen::OneNoteSong(480));
  koSound::PlayMidi("A.MID", 1);
  sent();
  koSound::PlayMidi("Song.Mid", 0);  // the open song is closed first
  sent();
  koSound::StopMidi();
  koSound::StopMidi();  // nothing open: nothing sent
  sent();
  koSound::CloseMidi();  // sent whatever the flag says, and the flag stays
  gMidiOpen = 1;
  koSound::CloseMidi();
  sent();
  koSound::SetMciListener(nullptr);
  Put("bad.mid", {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 1, 0xE0, 'M', 'T', 'r', 'k', 0, 0});
  Put("zero.mid", midigen::OneNoteSong(0));
  const auto answer = [&](const std::string& command) {
    std::string reply = "x";
    Add(koSound::SendMciString(command, &reply));
    addText(reply);
  };
  for (const char* file : {"none.mid", "bad.mid", "zero.mid"}) answer(OpenCommand(file));
  answer("play midi notify");
  answer("status midi mode");
  plat::Message m;  // a song that could not be opened never ends, so never notifies
  EXPECT_EQ(RenderToNotify(plat::kMixRate, m), -1);
  // More elements than any command has are refused, not cut off; names in any case.
  for (const std::string& c :
       {OpenCommand("SONG.MID") + " type sequencer type sequencer", OpenCommand("SONG.MID"),
        OpenCommand("SONG.MID"), "open \"" + dir_ + "Song.Mid\" type sequencer alias other",
        std::string("STATUS Midi MODE"), std::string("play midi"), std::string("status midi mode"),
        std::string("seek midi to end"), std::string("play midi later"), std::string("close midi"),
        std::string("close midi")})
    answer(c);
  EXPECT_EQ(soundtest::Render(256), std::vector<int16_t>(512, 0));  // closed: exactly silent
  ExpectGolden();
}

// A verb or an open keyword the interpreter does not know is refused, and
// such an open leaves the device closed for the next one.
TEST_F(MidiTest, UnknownVerbsAndOpenKeywordsAreRefusedAndOpenNothing) {
  Put("S.MID", midigen::OneNoteSong(480));
  std::string reply;
  EXPECT_EQ(koSound::SendMciString("pause midi", &reply), koSound::kMciUnrecognizedCommand);
  EXPECT_EQ(koSound::SendMciString(OpenCommand("S.MID") + " shareable yes", &reply),
            koSound::kMciUnrecognizedCommand);
  EXPECT_EQ(koSound::SendMciString("status midi mode", &reply), koSound::kMciInvalidDeviceName);
  EXPECT_EQ(koSound::SendMciString(OpenCommand("S.MID"), &reply), koSound::kMciOk);
  EXPECT_EQ(koSound::SendMciString("close midi", &reply), koSound::kMciOk);
}

// Without a soundfont a song keeps its time in silence and nothing is reported.
TEST_F(MidiTest, OnlyTheCurrentSuccessfulEndOfAnOpenSongIsHandled) {
  plat::SetMidiSoundFonts({dir_ + "missing.sf2"});
  EXPECT_EQ(plat::MidiSoundFont(), "");
  Put("s.mid", midigen::OneNoteSong(480));
  koSound::PlayMidi("s.mid", 1);
  EXPECT_EQ(soundtest::Render(kHalfSecond - kBlock),
            std::vector<int16_t>(plat::kMixRate - 2 * kBlock, 0));
  plat::Message end;
  ASSERT_GE(RenderToNotify(2 * kBlock, end), 0);  // ends on time
  const auto serial = end.lparam;
  gSent.clear();
  koSystem::WndProc(plat::kMsgMidiNotify, koSound::kMciNotifySuperseded, serial);
  gMidiOpen = 0;
  koSystem::WndProc(plat::kMsgMidiNotify, plat::kMidiNotifySuccessful, serial);
  gMidiOpen = 1;
  koSystem::WndProc(plat::kMsgMidiNotify, plat::kMidiNotifySuccessful, serial + 1);
  EXPECT_TRUE(gSent.empty());
  koSystem::WndProc(plat::kMsgMidiNotify, plat::kMidiNotifySuccessful, serial);
  EXPECT_EQ(gSent, std::vector<std::string>(
                       {"status midi mode", "seek midi to start", "play midi notify"}));
  EXPECT_EQ(plat::GetMidiMode(), plat::MidiMode::kPlaying);

  // Without looping the song is closed at its end.
  koSound::PlayMidi("s.mid", 1);
  koSound::ClearMidiLoop();
  ASSERT_GE(RenderToNotify(plat::kMixRate, end), 0);
  gSent.clear();
  koSystem::WndProc(end.id, end.wparam, end.lparam);
  EXPECT_EQ(gSent, std::vector<std::string>({"status midi mode", "stop midi", "close midi"}));
  EXPECT_EQ(gMidiOpen, 0);
  EXPECT_EQ(plat::GetMidiMode(), plat::MidiMode::kClosed);
  EXPECT_TRUE(headless::Boxes().empty());
}

TEST_F(MidiTest, ALoopRestartThroughTheWindowProcedureAllocatesNothing) {
  koSound::SetMciListener(nullptr);  // the recorder keeps copies
  Put("s.mid", midigen::OneNoteSong(480));
  koSound::PlayMidi("s.mid", 1);
  std::vector<int16_t> out(2 * kBlock);
  plat::Message end;
  for (int pass = 0; pass < 2; ++pass) {
    ASSERT_GE(RenderToNotify(plat::kMixRate, end), 0);
    alloc_counter::Start();
    koSystem::WndProc(end.id, end.wparam, end.lparam);
    {
      alloc_counter::Aside audioThread;
      headless::RenderAudio(out.data(), kBlock);
    }
    EXPECT_EQ(alloc_counter::Stop(), 0u) << pass;
    EXPECT_EQ(plat::GetMidiMode(), plat::MidiMode::kPlaying);
    EXPECT_LT(plat::GetMidiPosition(), 480u / 2);
  }
}

}  // namespace

// A song whose ticks take no time (tempo 0) ends at once instead of never.
TEST_F(MidiTest, ASongAtTempoZeroEndsAtOnce) {
  Put("t0.mid", midigen::Track().Tempo(0, 0).NoteOn(0, 0, 60, 100).NoteOff(480, 0, 60).File());
  ASSERT_TRUE(plat::MidiOpen(dir_ + "t0.mid"));
  ASSERT_TRUE(plat::MidiPlay(5));
  plat::Message end;
  EXPECT_EQ(RenderToNotify(kBlock, end), kBlock);
  EXPECT_EQ(end.lparam, 5);
  EXPECT_EQ(plat::GetMidiPosition(), 480u);
}

// A tempo change on the second track times the first; a time-code division
// ignores tempo; running status carries across events.
TEST_F(MidiTest, TheTimelineFollowsTempoOnAnyTrackAndTimeCode) {
  auto file = [](int tracks, uint8_t divHi, uint8_t divLo, std::vector<uint8_t> a,
                 std::vector<uint8_t> b) {
    std::vector<uint8_t> f = {
        'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, static_cast<uint8_t>(tracks), divHi, divLo};
    for (auto* t : {&a, &b}) {
      if (t->empty()) continue;
      f.insert(f.end(), {'M', 'T', 'r', 'k', 0, 0, 0, static_cast<uint8_t>(t->size())});
      f.insert(f.end(), t->begin(), t->end());
    }
    return f;
  };
  const std::vector<uint8_t> notes = {0, 0x90, 60, 100, 0x87, 0x40, 60, 0, 0, 0xFF, 0x2F, 0};
  const auto metric =
      file(2, 0x01, 0xE0, notes, {0x83, 0x60, 0xFF, 0x51, 3, 0x03, 0xD0, 0x90, 0, 0xFF, 0x2F, 0});
  plat::MidiSong song;
  ASSERT_TRUE(plat::ReadMidiSong(metric.data(), metric.size(), plat::kMixRate, song));
  ASSERT_EQ(song.events.size(), 2u);
  EXPECT_EQ(song.events[1].tick, 960u);
  EXPECT_EQ(song.events[1].sample, 33075u);  // half a second, then a quarter
  EXPECT_EQ(song.length, 960u);
  EXPECT_EQ(plat::TickAtSample(song, 22050), 480u);
  std::vector<uint8_t> timed = notes;
  timed.insert(timed.begin(), {0, 0xFF, 0x51, 3, 0, 0, 0});
  timed[12] = 0x68;  // 1000 ticks at 25 frames of 40 ticks a second
  const auto smpte = file(1, 0xE7, 0x28, timed, {});
  ASSERT_TRUE(plat::ReadMidiSong(smpte.data(), smpte.size(), plat::kMixRate, song));
  EXPECT_EQ(song.events[1].sample, uint64_t{plat::kMixRate});
}

// The synthesizer starts no threads: its parallel regions run on the thread
// that loads the soundfont and on the one that renders.
TEST_F(MidiTest, LoadingAndRenderingStartNoThreads) {
  if (std::getenv("OMP_NUM_THREADS")) GTEST_SKIP() << "the environment sets the thread count";
  Put("s.mid", midigen::OneNoteSong(480));
  koSound::PlayMidi("s.mid", 1);
  plat::SetMidiSoundFonts(plat::MidiSoundFonts());  // loads the soundfont again
  soundtest::Render(kHalfSecond);
  const auto tasks = std::filesystem::directory_iterator("/proc/self/task");
  EXPECT_EQ(std::distance(begin(tasks), end(tasks)), 1);
}
