// MIDI music: one song at a time under the alias "midi", replayed from its
// start each time it ends while looping is on.
#include "engine/sound/ko_sound.h"
#include "engine/system/ko_system.h"
#include "platform/audio.h"
#include "platform/midi.h"

int gMidiOpen, gMidiLoop;

namespace koSound {

int InitMidi() {
  // Music plays through the same output as the sound effects.
  if (plat::OpenAudio()) plat::MidiInit();
  gMidiOpen = 0;
  gMidiLoop = 1;
  return 1;
}

void PlayMidi(const std::string& file, int loop) {
  const std::string open =
      "open \"" + koSystem::GetProgramDir(0) + file + "\" type sequencer alias midi";
  if (gMidiOpen) StopMidi();
  SendMciString(open);
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
