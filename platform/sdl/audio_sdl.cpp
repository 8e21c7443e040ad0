// SDL backend: the audio device, whose callback renders the mixer.
#include <SDL.h>

#include <cstdlib>

#include "platform/audio.h"
#include "platform/mixer.h"
#include "platform/sdl/sdl_backend.h"

namespace {

SDL_AudioDeviceID gDevice = 0;

void Fill(void*, Uint8* stream, int len) {
  plat::mixer::Render(reinterpret_cast<int16_t*>(stream), len / 4);
}

// Stops the audio thread before the program's static objects go away.
void CloseAtExit() {
  if (gDevice != 0) SDL_CloseAudioDevice(gDevice);
  gDevice = 0;
}

}  // namespace

namespace plat {

bool OpenAudio() {
  if (gDevice != 0) return true;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  SDL_AudioSpec want{};
  want.freq = kMixRate;
  want.format = AUDIO_S16SYS;
  want.channels = 2;
  want.samples = 1024;
  want.callback = Fill;
  // No changes allowed: SDL converts our format to the device's if it must.
  gDevice = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
  if (gDevice == 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  static const int atExit = std::atexit(CloseAtExit);  // registered once
  (void)atExit;
  SDL_PauseAudioDevice(gDevice, 0);
  return true;
}

bool AudioOpen() { return gDevice != 0; }

}  // namespace plat
