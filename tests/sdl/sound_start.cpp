// Starts the program on the SDL backend the way the screen set-up starts the
// sound, plays a sound and a song for half a second and quits. Passes when
// the sound came up, the audio thread ran the mix and no error box appeared.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "engine/game_hooks.h"
#include "engine/sound/ko_sound.h"
#include "engine/system/ko_system.h"
#include "platform/midi.h"
#include "platform/system.h"
#include "platform/window.h"
#include "tests/support/midi_builder.h"

namespace {

int gFrames;
int gInit;
uint32_t gSongTicks;

void Write(const std::string& name, const std::vector<uint8_t>& bytes) {
  std::ofstream(plat::ProgramDir() + name, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

// Half a second of a 22050 Hz tone, and a two-second song of one note.
void WriteAssets() {
  std::vector<uint8_t> wave = {'R', 'I', 'F',  'F',  0x46, 0x56, 0,    0,    'W',  'A', 'V',
                               'E', 'f', 'm',  't',  ' ',  16,   0,    0,    0,    1,   0,
                               1,   0,   0x22, 0x56, 0,    0,    0x44, 0xAC, 0,    0,   2,
                               0,   16,  0,    'd',  'a',  't',  'a',  0x22, 0x56, 0,   0};
  for (int i = 0; i < 11025; ++i) {
    const int16_t s = static_cast<int16_t>(i % 50 < 25 ? 4000 : -4000);
    wave.push_back(static_cast<uint8_t>(s));
    wave.push_back(static_cast<uint8_t>(s >> 8));
  }
  Write("sound_start.wav", wave);
  Write("sound_start.mid", midigen::OneNoteSong(1920));
}

}  // namespace

void LoadGameAssets() {
  gInit = koSound::Init();
  koSound::ResetObjects();
  koSound::InitMidi();
  koSound::Play(koSound::LoadObject("sound_start.wav", 4), -1);
  koSound::PlayMidi("sound_start.mid", 1);
  gScene = 1;
}

void RunSceneFrame(int) {
  if (++gFrames == 30) {
    gSongTicks = plat::GetMidiPosition();
    plat::PostMessage({plat::kMsgClose, 0, 0});
  }
}
void SaveHighScore() {}
void OnPauseKey() {}

int main() {
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  WriteAssets();
  const int result = WinMain("");
  std::printf("result %d, sound %d, available %d, error flag %d, song at tick %u\n", result, gInit,
              gSoundAvailable, gErrorFlag, gSongTicks);
  const bool ok = result == 0 && gInit == 1 && gSoundAvailable == 1 && gErrorFlag == 0 &&
                  gQuitDone == 1 && gSongTicks > 0;
  return ok ? 0 : 1;
}
