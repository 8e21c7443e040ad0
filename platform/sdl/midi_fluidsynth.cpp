// The MIDI sequencer on FluidSynth: our own player walks a song's timeline
// (platform/midi_song.h) and hands its events to a synthesizer with a General
// MIDI soundfont, rendered into the mixer's music bus.
//
// The timeline runs on the mix's sample clock, so the song advances exactly
// as fast as music is rendered. Songs are read once: those of the program are
// read at start-up (MidiLoad) and opening one later only points the player at
// it, and a loop restarts by moving the clock back, so neither an open of a
// loaded song nor a loop allocates. The end of a song is the moment its clock
// reaches the song's last tick.
#include <fluidsynth.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/audio.h"
#include "platform/messages.h"
#include "platform/midi.h"
#include "platform/midi_song.h"
#include "platform/system.h"
#include "platform/window.h"

namespace {

constexpr int kBlock = 64;  // the synthesizer's own block size
constexpr int kChannels = 16;
constexpr uint64_t kMaxSongBytes = 16u << 20;

struct Loaded {
  std::string path;
  plat::MidiSong song;
};

struct Sequencer {
  std::mutex lock;  // guards the synthesizer and the song state
  fluid_settings_t* settings = nullptr;
  fluid_synth_t* synth = nullptr;
  std::vector<std::unique_ptr<Loaded>> loaded;  // read at start-up, kept for good
  std::unique_ptr<plat::MidiSong> other;        // the last song read at its open
  const plat::MidiSong* song = nullptr;         // the open one
  plat::MidiMode mode = plat::MidiMode::kClosed;
  uint32_t position = 0;                  // ticks, while not playing
  uint64_t clock = 0;                     // samples of the song rendered, while playing
  size_t next = 0;                        // the next event to send, while playing
  uint32_t serial = 0;                    // notification of the current play, 0 for none
  std::array<float, 2 * kBlock> ahead{};  // the block rendered last, and how much is delivered
  int aheadFrames = 0, aheadUsed = 0;
  // The General MIDI soundfonts from Debian, the fuller one first.
  std::vector<std::string> fonts = {"/usr/share/sounds/sf2/FluidR3_GM.sf2",
                                    "/usr/share/sounds/sf2/TimGM6mb.sf2"};
  std::string font;  // the one loaded, empty for none
};

// Debian's FluidSynth loads samples and renders each block in OpenMP
// parallel regions, whose worker threads spin between regions: hundreds of
// milliseconds of processor time at start-up and between blocks, for no gain
// with a game's few voices. Each thread that calls into the synthesizer runs
// its regions alone, unless the environment sets the thread count.
extern "C" __attribute__((weak)) void omp_set_num_threads(int);

void RegionsOnThisThreadAlone() {
  thread_local bool done = false;
  if (done) return;
  done = true;
  if (omp_set_num_threads && !std::getenv("OMP_NUM_THREADS")) omp_set_num_threads(1);
}

// Lives until the process ends, like the mixer that calls into it.
Sequencer& S() {
  static auto* s = new Sequencer;
  return *s;
}

// Makes the synthesizer anew, so that nothing of the old one's sound lingers,
// with the first soundfont of the list that loads; keeps the old one when no
// synthesizer can be made. Caller holds the lock.
bool MakeSynth(Sequencer& s) {
  fluid_synth_t* fresh = new_fluid_synth(s.settings);
  if (!fresh) return false;
  if (s.synth) delete_fluid_synth(s.synth);
  s.synth = fresh;
  s.font.clear();
  for (const std::string& path : s.fonts) {
    if (fluid_synth_sfload(s.synth, path.c_str(), 1) == FLUID_FAILED) continue;
    s.font = path;
    break;
  }
  return true;
}

void Send(Sequencer& s, const plat::MidiEvent& e) {
  const int ch = e.status & 0x0F;
  switch (e.status & 0xF0) {
    case 0x80:
      fluid_synth_noteoff(s.synth, ch, e.data1);
      break;
    case 0x90:
      fluid_synth_noteon(s.synth, ch, e.data1, e.data2);
      break;
    case 0xA0:
      fluid_synth_key_pressure(s.synth, ch, e.data1, e.data2);
      break;
    case 0xB0:
      fluid_synth_cc(s.synth, ch, e.data1, e.data2);
      break;
    case 0xC0:
      fluid_synth_program_change(s.synth, ch, e.data1);
      break;
    case 0xD0:
      fluid_synth_channel_pressure(s.synth, ch, e.data1);
      break;
    case 0xE0:
      fluid_synth_pitch_bend(s.synth, ch, e.data1 | e.data2 << 7);
      break;
    default:
      fluid_synth_sysex(s.synth, reinterpret_cast<const char*>(&s.song->sysex[e.sysexAt]),
                        static_cast<int>(e.sysexSize), nullptr, nullptr, nullptr, 0);
  }
}

bool IsNote(const plat::MidiEvent& e) {
  return (e.status & 0xF0) == 0x80 || (e.status & 0xF0) == 0x90 || (e.status & 0xF0) == 0xA0;
}

// Starts the timeline at the stored position; the controllers, programs and
// bends set before it are sent first, so that the song sounds as it would
// have there. Caller holds the lock.
void Start(Sequencer& s) {
  const std::vector<plat::MidiEvent>& events = s.song->events;
  s.next = 0;
  for (; s.next < events.size() && events[s.next].tick < s.position; ++s.next)
    if (!IsNote(events[s.next])) Send(s, events[s.next]);
  s.clock = plat::SampleOfTick(*s.song, s.position);
  s.mode = plat::MidiMode::kPlaying;
}

// The song's end: its clock has reached its last tick. Caller holds the lock.
void CheckEnd(Sequencer& s) {
  if (s.mode != plat::MidiMode::kPlaying || s.clock < s.song->endSample) return;
  s.mode = plat::MidiMode::kStopped;
  s.position = s.song->length;
  if (s.serial != 0)
    plat::PostMessage({plat::kMsgMidiNotify, plat::kMidiNotifySuccessful, s.serial});
  s.serial = 0;
}

uint32_t CurrentTick(const Sequencer& s) {
  return s.mode == plat::MidiMode::kPlaying ? plat::TickAtSample(*s.song, s.clock) : s.position;
}

// Forgets the rest of the block rendered ahead.
void DropAhead(Sequencer& s) { s.aheadFrames = s.aheadUsed = 0; }

// Releases every sounding note, as a sequencer does when it stops.
void ReleaseNotes(Sequencer& s) {
  for (int ch = 0; ch < kChannels; ++ch) {
    fluid_synth_cc(s.synth, ch, 64, 0);  // sustain pedal up
    fluid_synth_cc(s.synth, ch, 66, 0);  // sostenuto pedal up
  }
  fluid_synth_all_notes_off(s.synth, -1);
}

// Points the sequencer at `song`, stopped at its start. Caller holds the lock.
void Begin(Sequencer& s, const plat::MidiSong* song) {
  DropAhead(s);
  // Controllers and programs back to their defaults, then silence: the reset
  // alone would sound the old song's cut notes again in their release.
  fluid_synth_system_reset(s.synth);
  fluid_synth_all_sounds_off(s.synth, -1);
  s.song = song;
  s.position = 0;
  s.serial = 0;
  s.mode = plat::MidiMode::kStopped;
}

bool ReadSong(const std::string& path, plat::MidiSong& out) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  if (ec || size == 0 || size > kMaxSongBytes) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                   std::istreambuf_iterator<char>()};
  return bytes.size() == size &&
         plat::ReadMidiSong(bytes.data(), bytes.size(), plat::kMixRate, out);
}

// The same file: the same directory, the file name in any case.
bool SamePath(std::string_view a, std::string_view b) {
  const size_t slash = a.rfind('/');
  if (a.size() != b.size() || b.rfind('/') != slash) return false;
  const size_t name = slash == std::string_view::npos ? 0 : slash + 1;
  if (a.substr(0, name) != b.substr(0, name)) return false;
  return plat::SameNoCase(a.substr(name), b.substr(name));
}

// The music bus: runs on the audio thread.
void RenderMusic(float* out, int frames) {
  RegionsOnThisThreadAlone();
  Sequencer& s = S();
  std::lock_guard<std::mutex> g(s.lock);
  if (s.mode == plat::MidiMode::kClosed) {
    std::fill_n(out, 2 * frames, 0.0f);
    return;
  }
  // Whole blocks only, so that the events of a block all start at its start.
  for (int done = 0; done < frames;) {
    if (s.aheadUsed == s.aheadFrames) {
      if (s.mode == plat::MidiMode::kPlaying) {
        const std::vector<plat::MidiEvent>& events = s.song->events;
        for (; s.next < events.size() && events[s.next].sample <= s.clock; ++s.next)
          Send(s, events[s.next]);
      }
      float* block = s.ahead.data();
      fluid_synth_write_float(s.synth, kBlock, block, 0, 2, block, 1, 2);
      s.aheadFrames = kBlock;
      s.aheadUsed = 0;
      s.clock += kBlock;
      CheckEnd(s);
    }
    const int n = std::min(s.aheadFrames - s.aheadUsed, frames - done);
    std::copy_n(s.ahead.data() + 2 * s.aheadUsed, 2 * n, out + 2 * done);
    s.aheadUsed += n;
    done += n;
  }
}

fluid_settings_t* MakeSettings() {
  fluid_settings_t* st = new_fluid_settings();
  if (!st) return nullptr;
  fluid_settings_setnum(st, "synth.sample-rate", plat::kMixRate);
  // Gain 0.25: the loudest game song peaks near -10 dBFS, the same balance
  // with the sound effects as their -12 dBFS peak, with headroom for both.
  fluid_settings_setnum(st, "synth.gain", 0.25);
  fluid_settings_setint(st, "synth.polyphony", 256);
  fluid_settings_setint(st, "synth.cpu-cores", 1);  // no rendering threads of its own
  return st;
}

}  // namespace

namespace plat {

bool MidiInit() {
  Sequencer& s = S();
  std::lock_guard<std::mutex> g(s.lock);
  if (s.settings) return s.synth;  // made once, whatever came of it
  // The synthesizer's complaints (a song without a soundfont, say) are not ours to show.
  for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
    fluid_set_log_function(level, nullptr, nullptr);
  RegionsOnThisThreadAlone();
  s.settings = MakeSettings();
  if (!s.settings || !MakeSynth(s)) return false;
  SetMusicSource(&RenderMusic);
  return true;
}

std::vector<std::string> MidiSoundFonts() {
  std::lock_guard<std::mutex> g(S().lock);
  return S().fonts;
}

void SetMidiSoundFonts(const std::vector<std::string>& paths) {
  Sequencer& s = S();
  std::lock_guard<std::mutex> g(s.lock);
  s.fonts = paths;
  if (!s.synth) return;
  RegionsOnThisThreadAlone();
  // A playing song goes on from where it is on the new synthesizer.
  const bool playing = s.mode == MidiMode::kPlaying;
  s.position = CurrentTick(s);
  DropAhead(s);
  MakeSynth(s);
  if (playing) Start(s);
}

std::string MidiSoundFont() {
  std::lock_guard<std::mutex> g(S().lock);
  return S().font;
}

bool MidiLoad(const std::string& path) {
  Sequencer& s = S();
  for (const auto& l : s.loaded)
    if (l->path == path) return true;
  auto l = std::make_unique<Loaded>();
  if (!ReadSong(path, l->song)) return false;
  l->path = path;
  s.loaded.push_back(std::move(l));
  return true;
}

bool MidiOpenLoaded(std::string_view path) {
  Sequencer& s = S();
  if (!s.synth) return false;
  for (const auto& l : s.loaded) {
    if (!SamePath(l->path, path)) continue;
    std::lock_guard<std::mutex> g(s.lock);
    Begin(s, &l->song);
    return true;
  }
  return false;
}

bool MidiOpen(const std::string& path) {
  Sequencer& s = S();
  auto song = std::make_unique<MidiSong>();
  if (!s.synth || !ReadSong(path, *song)) {
    MidiClose();
    return false;
  }
  std::lock_guard<std::mutex> g(s.lock);
  Begin(s, song.get());
  s.other.swap(song);  // the old song is freed with `song`, after the lock
  return true;
}

void MidiClose() {
  Sequencer& s = S();
  std::lock_guard<std::mutex> g(s.lock);
  if (s.mode == MidiMode::kClosed) return;
  DropAhead(s);
  fluid_synth_all_sounds_off(s.synth, -1);
  s.song = nullptr;
  s.mode = MidiMode::kClosed;
  s.position = s.serial = 0;
}

MidiMode GetMidiMode() {
  std::lock_guard<std::mutex> g(S().lock);
  return S().mode;
}

bool MidiPlay(uint32_t notifySerial) {
  Sequencer& s = S();
  std::lock_guard<std::mutex> g(s.lock);
  if (s.mode == MidiMode::kClosed) return false;
  if (s.mode != MidiMode::kPlaying) Start(s);
  s.serial = notifySerial;
  CheckEnd(s);  // a song started at its end ends at once
  return true;
}

void MidiStop() {
  Sequencer& s = S();
  std::lock_guard<std::mutex> g(s.lock);
  if (s.mode != MidiMode::kPlaying) return;
  s.position = CurrentTick(s);
  DropAhead(s);
  ReleaseNotes(s);
  s.mode = MidiMode::kStopped;
  s.serial = 0;
}

bool MidiSeek(uint32_t tick) {
  Sequencer& s = S();
  std::lock_guard<std::mutex> g(s.lock);
  if (s.mode == MidiMode::kClosed) return false;
  if (s.mode == MidiMode::kPlaying) ReleaseNotes(s);
  DropAhead(s);
  s.position = std::min(tick, s.song->length);
  s.mode = MidiMode::kStopped;
  s.serial = 0;
  return true;
}

uint32_t GetMidiPosition() {
  std::lock_guard<std::mutex> g(S().lock);
  return CurrentTick(S());
}

uint32_t GetMidiLength() {
  std::lock_guard<std::mutex> g(S().lock);
  const Sequencer& s = S();
  return s.song ? s.song->length : 0;
}

}  // namespace plat
