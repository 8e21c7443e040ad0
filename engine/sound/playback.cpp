// Playing sound objects: start with the turn of voices and the echo's
// arming, stop, pause, position, and the resets of the shifted controls.
#include "engine/sound/sound_internal.h"
#include "engine/system/ko_system.h"

namespace {

using koSound::detail::DeviceReady;
using koSound::detail::UsedObject;
using koSound::detail::VoiceOf;

// Every start begins at the top of the sound, cutting off what was playing.
void StartVoice(plat::VoiceHandle h, bool looping) {
  plat::StopVoice(h);
  plat::SetVoicePosition(h, 0);
  plat::PlayVoice(h, looping);
}

void Start(int object, int voice, bool looping) {
  if (!DeviceReady()) return;
  SoundObject* o = UsedObject(object);
  if (!o) return;
  if (voice >= 0) {
    const plat::VoiceHandle h = VoiceOf(*o, voice);
    if (h == plat::kNoVoice) return;
    StartVoice(h, looping);
  } else {
    if (voice == -2 && o->echoState >= 0) {
      koSound::RestoreFrequency(object, -1);
      koSound::RestorePan(object, -1);
      koSound::RestoreVolume(object, -1);
      o->echoState = 1;
      o->echoTimer = 0.0f;
      o->echoLoops = looping ? 1 : 0;
      o->echoPan = static_cast<float>(o->pan[o->nextVoice]);
      o->echoPanDirection = koSystem::Rand() % 2 != 0 ? 1 : -1;
    }
    const plat::VoiceHandle h = VoiceOf(*o, o->nextVoice);
    if (h != plat::kNoVoice) StartVoice(h, looping);
    if (++o->nextVoice >= o->voiceCount) o->nextVoice = 0;
  }
  o->loop = looping ? 1 : 0;
}

// Calls f(object, voice index, handle) for the voices a shifter's voice
// argument chooses: one voice, -2 the next voice, other negatives all.
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

}  // namespace

namespace koSound {

void Play(int object, int voice) { Start(object, voice, false); }
void PlayLoop(int object, int voice) { Start(object, voice, true); }

void Stop(int object, int voice) {
  if (!DeviceReady()) return;
  SoundObject* o = UsedObject(object);
  if (!o) return;
  if (voice < 0 && o->echoState >= 0) o->echoState = 0;
  ForVoices(object, voice < 0 ? -1 : voice, [](SoundObject&, int, plat::VoiceHandle h) {
    plat::StopVoice(h);
    plat::SetVoicePosition(h, 0);
  });
}

void TogglePause(int object, int voice) {
  ForVoices(object, voice < 0 ? -1 : voice, [](SoundObject& o, int v, plat::VoiceHandle h) {
    if (plat::GetVoiceStatus(h) & plat::kVoicePlaying) {
      o.pausedPosition[v] = plat::GetVoicePosition(h);
      plat::StopVoice(h);
    } else {
      // Also a voice that ended by itself resumes at its saved position.
      plat::SetVoicePosition(h, o.pausedPosition[v]);
      plat::PlayVoice(h, o.loop == 1);
    }
  });
}

uint32_t GetPosition(int object) {
  if (!DeviceReady()) return 0;
  const SoundObject* o = UsedObject(object);
  const plat::VoiceHandle h = o ? VoiceOf(*o, 0) : plat::kNoVoice;
  return h == plat::kNoVoice ? 0 : plat::GetVoicePosition(h);
}

void RestoreFrequency(int object, int voice) {
  ForVoices(object, voice, [](SoundObject& o, int v, plat::VoiceHandle h) {
    o.frequency[v] = o.baseFrequency;
    plat::SetVoiceFrequency(h, o.baseFrequency);
  });
}

void RestorePan(int object, int voice) {
  ForVoices(object, voice, [](SoundObject& o, int v, plat::VoiceHandle h) {
    o.pan[v] = 0;
    plat::SetVoicePan(h, 0);
  });
}

void RestoreVolume(int object, int voice) {
  ForVoices(object, voice, [](SoundObject& o, int v, plat::VoiceHandle h) {
    o.volume[v] = 0;
    plat::SetVoiceVolume(h, 0);
  });
}

}  // namespace koSound
