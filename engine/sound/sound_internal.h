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
// Stops and destroys every voice of an object.
void DestroyVoices(SoundObject& o);

}  // namespace koSound::detail
