// Playing sound objects: start with the turn of voices and the echo's
// arming, stop, pause and position.
#include "engine/sound/sound_internal.h"
#include "engine/system/ko_system.h"

namespace {

using koSound::detail::DeviceReady;
using koSound::detail::ForVoices;
using koSound::detail::UsedObject;
using koSound::detail::VoiceOf;

// Every start begins at the top of the sound, cutting off what was playing.
// A stream starts from its first sample and always runs round its buffer;
// one that cannot be rewound stays silent rather than replay stale bytes.
void StartVoice(int object, const SoundObject& o, plat::VoiceHandle h, bool looping) {
  plat::StopVoice(h);
  if (o.stream.dataSize != 0) {
    if (!koSound::ResetStream(object)) return;
    looping = true;
  }
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
    StartVoice(object, *o, h, looping);
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
    if (h != plat::kNoVoice) StartVoice(object, *o, h, looping);
    if (++o->nextVoice >= o->voiceCount) o->nextVoice = 0;
  }
  o->loop = looping ? 1 : 0;
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
      // Also a voice that ended by itself resumes at its saved position. A
      // stream runs round its buffer however it was started.
      plat::SetVoicePosition(h, o.pausedPosition[v]);
      plat::PlayVoice(h, o.loop == 1 || o.stream.dataSize != 0);
    }
  });
}

uint32_t GetPosition(int object) {
  if (!DeviceReady()) return 0;
  const SoundObject* o = UsedObject(object);
  const plat::VoiceHandle h = o ? VoiceOf(*o, 0) : plat::kNoVoice;
  return h == plat::kNoVoice ? 0 : plat::GetVoicePosition(h);
}

}  // namespace koSound
