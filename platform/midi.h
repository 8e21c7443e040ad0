// The MIDI sequencer: plays one Standard MIDI File at a time with a General
// MIDI synthesizer that renders into the mixer's music bus (audio.h).
// Positions are in ticks of the song. Safe to call from the game thread while
// the audio thread renders.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace plat {

// Starts the synthesizer once and attaches it to the music bus. A missing
// soundfont is not a failure: songs then play, end and notify in silence.
// False only when no synthesizer could be made.
bool MidiInit();

// The General MIDI soundfonts the synthesizer tries in order; it uses the
// first that loads. Setting the list makes the synthesizer anew at once if
// it exists (the audio thread waits meanwhile); a playing song goes on. The
// soundfont in use is empty when none of the list loads.
std::vector<std::string> MidiSoundFonts();
void SetMidiSoundFonts(const std::vector<std::string>& paths);
std::string MidiSoundFont();

// Reads the song in file `path` once, for opens to come (at start-up: it
// allocates). False for a file that cannot be read or holds no song.
bool MidiLoad(const std::string& path);
// Opens the song loaded from `path` (its file name in any case), stopped at
// its start, in place of the open one, without allocating. False when no
// song was loaded from there.
bool MidiOpenLoaded(std::string_view path);
// Reads and opens the song in file `path`, stopped at its start, in place of
// the open one. False, with nothing open, for a file that cannot be read or
// holds no song of any length.
bool MidiOpen(const std::string& path);
// Stops and forgets the open song.
void MidiClose();

enum class MidiMode { kClosed, kStopped, kPlaying };
MidiMode GetMidiMode();

// Plays from the current position. When the position reaches the song's last
// tick, the song stops there and, if `notifySerial` is not 0, a kMsgMidiNotify
// message with wparam kMidiNotifySuccessful and lparam `notifySerial` is
// posted. Playing an already playing song only replaces the serial. False
// when no song is open.
bool MidiPlay(uint32_t notifySerial);
// Stops and keeps the position.
void MidiStop();
// Stops and moves to `tick` (held to the song's length). False when closed.
bool MidiSeek(uint32_t tick);
uint32_t GetMidiPosition();
uint32_t GetMidiLength();

}  // namespace plat
