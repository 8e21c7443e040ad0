// The MIDI sequencer on FluidSynth: its file player drives a synthesizer
// with a General MIDI soundfont, rendered into the mixer's music bus.
//
// The player runs on the synthesizer's sample clock, so the song advances
// exactly as fast as music is rendered. Each start from a position, also the
// restart of a looping song, makes a fresh player, which loads and parses the
// song in its first block: that block is rendered ahead on the calling
// thread, so the audio thread never parses. It is done under the sequencer
// lock, so the audio callback may wait for it: a bounded time, about half a
// millisecond for the largest game song against a device buffer of 23 ms
// (bench/mixer_bench.cpp measures it). The end of a song is the moment the
// player's tick reaches the song's last tick; the player's own "done" state
// comes seconds later, after the last voices and effects have died away.
#include <fluidsynth.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <string>
#include <vector>

#include "platform/audio.h"
#include "platform/messages.h"
#include "platform/midi.h"
#include "platform/window.h"

namespace {

constexpr int kBlock = 64;  // the synthesizer's own block size
constexpr int kChannels = 16;
constexpr uint64_t kMaxSongBytes = 16u << 20;

struct Sequencer {
  std::mutex lock;  // guards the synthesizer, the player and the song state
  fluid_settings_t* settings = nullptr;
  fluid_synth_t* synth = nullptr;
  // A silent synthesizer that measures songs at open, used by the game thread only.
  fluid_settings_t* probeSettings = nullptr;
  fluid_synth_t* probe = nullptr;
  fluid_player_t* player = nullptr;  // null while stopped from a position
  std::vector<uint8_t> song;
  plat::MidiMode mode = plat::MidiMode::kClosed;
  uint32_t length = 0;                    // ticks
  uint32_t position = 0;                  // ticks, while no player runs
  uint32_t serial = 0;                    // notification of the current play, 0 for none
  std::array<float, 2 * kBlock> ahead{};  // the block rendered last, and how much is delivered
  int aheadFrames = 0, aheadUsed = 0;
  // The General MIDI soundfonts from Debian, the fuller one first.
  std::vector<std::string> fonts = {"/usr/share/sounds/sf2/FluidR3_GM.sf2",
                                    "/usr/share/sounds/sf2/TimGM6mb.sf2"};
  std::string font;  // the one loaded, empty for none
};

// Lives until the process ends, like the mixer that calls into it.
Sequencer& S() {
  static auto* s = new Sequencer;
  return *s;
}

void Write(fluid_synth_t* synth, float* out, int frames) {
  fluid_synth_write_float(synth, frames, out, 0, 2, out, 1, 2);
}

// Makes the synthesizer anew, so that nothing of the old one's sound lingers,
// with the first soundfont of the list that loads; keeps the old one when no
// synthesizer can be made. Caller holds the lock; no player exists.
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

// The song's end: the player has reached its last tick. Caller holds the lock.
void CheckEnd(Sequencer& s) {
  if (s.mode != plat::MidiMode::kPlaying || !s.player) return;
  if (static_cast<uint32_t>(std::max(0, fluid_player_get_current_tick(s.player))) < s.length)
    return;
  s.mode = plat::MidiMode::kStopped;
  s.position = s.length;
  if (s.serial != 0)
    plat::PostMessage({plat::kMsgMidiNotify, plat::kMidiNotifySuccessful, s.serial});
  s.serial = 0;
}

uint32_t CurrentTick(const Sequencer& s) {
  if (s.mode != plat::MidiMode::kPlaying || !s.player) return s.position;
  const int tick = std::max(0, fluid_player_get_current_tick(s.player));
  return std::min(static_cast<uint32_t>(tick), s.length);
}

void DropPlayer(Sequencer& s) {
  if (!s.player) return;
  delete_fluid_player(s.player);
  s.player = nullptr;
  s.aheadFrames = s.aheadUsed = 0;
}

// Releases every sounding note, as a sequencer does when it stops.
void ReleaseNotes(Sequencer& s) {
  for (int ch = 0; ch < kChannels; ++ch) {
    fluid_synth_cc(s.synth, ch, 64, 0);  // sustain pedal up
    fluid_synth_cc(s.synth, ch, 66, 0);  // sostenuto pedal up
  }
  fluid_synth_all_notes_off(s.synth, -1);
}

// Starts a fresh player at the stored position and renders its first block
// ahead, which loads the song. Caller holds the lock.
bool StartPlayer(Sequencer& s) {
  DropPlayer(s);
  s.player = new_fluid_player(s.synth);
  if (!s.player) return false;
  if (fluid_player_add_mem(s.player, s.song.data(), s.song.size()) != FLUID_OK ||
      (s.position > 0 && fluid_player_seek(s.player, static_cast<int>(s.position)) != FLUID_OK) ||
      fluid_player_play(s.player) != FLUID_OK) {
    DropPlayer(s);
    return false;
  }
  Write(s.synth, s.ahead.data(), kBlock);
  s.aheadFrames = kBlock;
  s.aheadUsed = 0;
  return true;
}

// The length in ticks of a song, 0 when the player cannot read it.
uint32_t MeasureSong(Sequencer& s, const std::vector<uint8_t>& bytes) {
  fluid_player_t* p = new_fluid_player(s.probe);
  if (!p) return 0;
  int ticks = 0;
  if (fluid_player_add_mem(p, bytes.data(), bytes.size()) == FLUID_OK &&
      fluid_player_play(p) == FLUID_OK) {
    std::array<float, 2 * kBlock> scratch;
    for (int i = 0; i < 2 && ticks <= 0; ++i) {
      Write(s.probe, scratch.data(), kBlock);
      ticks = fluid_player_get_total_ticks(p);
    }
  }
  delete_fluid_player(p);
  return static_cast<uint32_t>(std::max(0, ticks));
}

bool ReadSong(const std::string& path, std::vector<uint8_t>& out) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  if (ec || size == 0 || size > kMaxSongBytes) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return out.size() == size;
}

// The music bus: runs on the audio thread.
void RenderMusic(float* out, int frames) {
  Sequencer& s = S();
  std::lock_guard<std::mutex> g(s.lock);
  if (s.mode == plat::MidiMode::kClosed) {
    std::fill_n(out, 2 * frames, 0.0f);
    return;
  }
  // Whole blocks only, so that a song dropped with its player leaves no rest
  // of a block inside the synthesizer to sound at the start of the next.
  for (int done = 0; done < frames;) {
    if (s.aheadUsed == s.aheadFrames) {
      Write(s.synth, s.ahead.data(), kBlock);
      s.aheadFrames = kBlock;
      s.aheadUsed = 0;
      CheckEnd(s);
    }
    const int n = std::min(s.aheadFrames - s.aheadUsed, frames - done);
    std::copy_n(s.ahead.data() + 2 * s.aheadUsed, 2 * n, out + 2 * done);
    s.aheadUsed += n;
    done += n;
  }
}

fluid_settings_t* MakeSettings(double gain, int polyphony, bool effects) {
  fluid_settings_t* st = new_fluid_settings();
  if (!st) return nullptr;
  fluid_settings_setnum(st, "synth.sample-rate", plat::kMixRate);
  fluid_settings_setnum(st, "synth.gain", gain);
  fluid_settings_setint(st, "synth.polyphony", polyphony);
  fluid_settings_setint(st, "synth.reverb.active", effects ? 1 : 0);
  fluid_settings_setint(st, "synth.chorus.active", effects ? 1 : 0);
  fluid_settings_setstr(st, "player.timing-source", "sample");
  fluid_settings_setint(st, "player.reset-synth", 0);
  return st;
}

}  // namespace

namespace plat {

bool MidiInit() {
  Sequencer& s = S();
  std::lock_guard<std::mutex> g(s.lock);
  if (s.settings) return s.synth && s.probe;  // made once, whatever came of it
  // The synthesizer's complaints (a song without a soundfont, say) are not ours to show.
  for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
    fluid_set_log_function(level, nullptr, nullptr);
  // Gain 0.25: the loudest game song peaks near -10 dBFS, the same balance
  // with the sound effects as their -12 dBFS peak, with headroom for both.
  s.settings = MakeSettings(0.25, 256, true);
  s.probeSettings = MakeSettings(0.0, 16, false);
  if (!s.settings || !s.probeSettings) return false;
  s.probe = new_fluid_synth(s.probeSettings);
  if (!s.probe || !MakeSynth(s)) return false;
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
  // A playing song goes on from where it is on the new synthesizer.
  const bool playing = s.mode == MidiMode::kPlaying;
  s.position = CurrentTick(s);
  DropPlayer(s);
  MakeSynth(s);
  if (playing && !StartPlayer(s)) s.mode = MidiMode::kStopped;
}

std::string MidiSoundFont() {
  std::lock_guard<std::mutex> g(S().lock);
  return S().font;
}

bool MidiOpen(const std::string& path) {
  Sequencer& s = S();
  std::vector<uint8_t> bytes;
  const bool readable = s.probe && ReadSong(path, bytes);
  const uint32_t length = readable ? MeasureSong(s, bytes) : 0;
  if (length == 0) {
    MidiClose();
    return false;
  }
  std::lock_guard<std::mutex> g(s.lock);
  DropPlayer(s);
  // Controllers and programs back to their defaults, then silence: the reset
  // alone would sound the old song's cut notes again in their release.
  fluid_synth_system_reset(s.synth);
  fluid_synth_all_sounds_off(s.synth, -1);
  s.song.swap(bytes);  // the old song is freed with `bytes`, after the lock
  s.length = length;
  s.position = 0;
  s.serial = 0;
  s.mode = MidiMode::kStopped;
  return true;
}

void MidiClose() {
  Sequencer& s = S();
  std::vector<uint8_t> old;
  std::lock_guard<std::mutex> g(s.lock);
  if (s.mode == MidiMode::kClosed) return;
  DropPlayer(s);
  fluid_synth_all_sounds_off(s.synth, -1);
  s.song.swap(old);
  s.mode = MidiMode::kClosed;
  s.length = s.position = s.serial = 0;
}

MidiMode GetMidiMode() {
  std::lock_guard<std::mutex> g(S().lock);
  return S().mode;
}

bool MidiPlay(uint32_t notifySerial) {
  Sequencer& s = S();
  std::lock_guard<std::mutex> g(s.lock);
  if (s.mode == MidiMode::kClosed) return false;
  if (s.mode != MidiMode::kPlaying) {
    if (!StartPlayer(s)) return false;
    s.mode = MidiMode::kPlaying;
  }
  s.serial = notifySerial;
  CheckEnd(s);  // a song started at its end ends at once
  return true;
}

void MidiStop() {
  Sequencer& s = S();
  std::lock_guard<std::mutex> g(s.lock);
  if (s.mode != MidiMode::kPlaying) return;
  s.position = CurrentTick(s);
  DropPlayer(s);
  ReleaseNotes(s);
  s.mode = MidiMode::kStopped;
  s.serial = 0;
}

bool MidiSeek(uint32_t tick) {
  Sequencer& s = S();
  std::lock_guard<std::mutex> g(s.lock);
  if (s.mode == MidiMode::kClosed) return false;
  if (s.mode == MidiMode::kPlaying) ReleaseNotes(s);
  DropPlayer(s);
  s.position = std::min(tick, s.length);
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
  return S().length;
}

}  // namespace plat
