// Helpers shared by the sound object files.
#pragma once
#include "engine/sound/ko_sound.h"

namespace koSound::detail {

// Sound is available and its device exists (it does not after Release).
bool DeviceReady();
// The object numbered `object` when it is in range and used, else null.
SoundObject* UsedObject(int object);
// The voice `voice` of an object, or plat::kNoVoice when out of range or not created.
plat::VoiceHandle VoiceOf(const SoundObject& o, int voice);
// Shows a loader's error box; returns -1, what a failed load returns.
int LoadError(const char* method, const char* message);
// The checks a loader makes before it reads anything: the voice count, the
// name's length (`longName` is that error's message) and a free object, or
// the reload target while reloading. The object number, or -1 after an error.
int TakeObject(const char* method, const std::string& name, int count, const char* longName);
// Makes `count` voices holding the samples; all or none.
bool MakeVoices(const plat::PcmFormat& format, const std::vector<uint8_t>& data, int count,
                plat::VoiceHandle* out);
// Puts the voices made for a load into object `index`: a new load reads
// their frequency and centres them, a reload gives them back their stored
// controls. A signed `count` of 2 or more gives the object an echo.
int InstallVoices(int index, const std::string& name, int count, const plat::VoiceHandle* made,
                  int fromPack);
// Stops and destroys every voice of an object.
void DestroyVoices(SoundObject& o);

// Calls f(object, voice index, handle) for the voices a voice argument
// chooses: one voice, -2 the next voice, any other negative value all.
template <typename F>
void ForVoices(int object, int voice, F f) {
  if (!DeviceReady()) return;
  SoundObject* o = UsedObject(object);
  if (!o) return;
  const int first = voice >= 0 ? voice : voice == -2 ? o->nextVoice : 0;
  const int last = voice >= 0 || voice == -2 ? first : o->voiceCount - 1;
  for (int v = first; v <= last; ++v)
    if (const plat::VoiceHandle h = VoiceOf(*o, v); h != plat::kNoVoice) f(*o, v, h);
}

}  // namespace koSound::detail
