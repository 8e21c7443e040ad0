// MIDI music: one song at a time under the alias "midi", replayed from its
// start each time it ends while looping is on.
#include <algorithm>
#include <array>
#include <filesystem>
#include <string_view>

#include "engine/sound/ko_sound.h"
#include "engine/system/ko_system.h"
#include "platform/audio.h"
#include "platform/midi.h"
#include "platform/system.h"

int gMidiOpen, gMidiLoop;

namespace {

// The songs of the program's directory.
void LoadSongs(const std::string& dir) {
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
    const std::string name = entry.path().filename().string();
    if (name.size() >= 4 &&
        plat::SameNoCase(std::string_view(name).substr(name.size() - 4), ".mid"))
      plat::MidiLoad(entry.path().string());
  }
}

// The open command of a song, composed without the heap.
std::string_view OpenCommand(std::string_view dir, std::string_view file) {
  static std::array<char, 8192> text;
  size_t n = 0;
  for (std::string_view part :
       {std::string_view("open \""), dir, file, std::string_view("\" type sequencer alias midi")}) {
    part = part.substr(0, text.size() - n);
    std::copy(part.begin(), part.end(), text.begin() + n);
    n += part.size();
  }
  return {text.data(), n};
}

}  // namespace

namespace koSound {

int InitMidi() {
  // Music plays through the same output as the sound effects. The program's
  // songs are read now, so that starting one later reads nothing.
  if (plat::OpenAudio() && plat::MidiInit()) LoadSongs(koSystem::GetProgramDir(0));
  gMidiOpen = 0;
  gMidiLoop = 1;
  return 1;
}

void PlayMidi(const std::string& file, int loop) {
  if (gMidiOpen) StopMidi();
  SendMciString(OpenCommand(koSystem::GetProgramDir(0), file));
  SendMciString("seek midi to start");
  SendMciString("play midi notify");
  gMidiOpen = 1;
  gMidiLoop = loop;
}

void OnMidiNotify() {
  if (gMidiLoop) {
    SendMciString("seek midi to start");
    SendMciString("play midi notify");
  } else {
    StopMidi();
  }
}

void StopMidi() {
  if (!gMidiOpen) return;
  CloseMidi();
  gMidiOpen = 0;
}

void CloseMidi() {
  SendMciString("stop midi");
  SendMciString("close midi");
}

void ClearMidiLoop() { gMidiLoop = 0; }

}  // namespace koSound
