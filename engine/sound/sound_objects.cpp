// The sound device and the table of sound objects: start, release, rebuild,
// and loading a sound into an object's voices.
#include <cstdlib>
#include <utility>

#include "engine/sound/sound_internal.h"
#include "engine/system/ko_system.h"
#include "platform/system.h"

SoundObject gSoundObjects[kSoundObjectCount];
int gSoundAvailable, gSoundReloading, gSoundReloadTarget;
std::string gSoundPackPath;

namespace {

bool gDevice = false;  // made by Init, forgotten by Release

size_t CodePoints(const std::string& s) {
  size_t n = 0;
  for (const char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

int FirstFreeObject() {
  for (int i = 0; i < kSoundObjectCount; ++i)
    if (!gSoundObjects[i].used) return i;
  return -1;
}

void DestroyAllVoices() {
  for (SoundObject& o : gSoundObjects) koSound::detail::DestroyVoices(o);
}

void ReloadUsedObjects() {
  gSoundReloading = 1;
  for (int i = 0; i < kSoundObjectCount; ++i) {
    if (!gSoundObjects[i].used) continue;
    gSoundReloadTarget = i;
    const SoundObject& o = gSoundObjects[i];
    if (o.stream.dataSize != 0) {
      // A stream reads the pack it was loaded from again; the pack chosen
      // for the other objects stays chosen.
      const std::string chosen = std::exchange(gSoundPackPath, o.stream.packPath);
      koSound::LoadStream(o.name, o.stream.loopPoint - o.stream.start);
      gSoundPackPath = chosen;
    } else if (o.fromPack) {
      koSound::LoadPack(o.name, o.voiceCount);
    } else {
      koSound::LoadObject(o.name, o.voiceCount);
    }
  }
  gSoundReloading = 0;
}

}  // namespace

namespace koSound::detail {

bool DeviceReady() { return gSoundAvailable && gDevice; }

SoundObject* UsedObject(int object) {
  if (object < 0 || object >= kSoundObjectCount || !gSoundObjects[object].used) return nullptr;
  return &gSoundObjects[object];
}

plat::VoiceHandle VoiceOf(const SoundObject& o, int voice) {
  if (voice < 0 || voice >= o.voiceCount || voice >= kMaxSoundVoices) return plat::kNoVoice;
  return o.voices[voice];
}

int LoadError(const char* method, const char* message) {
  koSystem::Error(method, message);
  return -1;
}

int TakeObject(const char* method, const std::string& name, int count, const char* longName) {
  if (std::abs(count) > kMaxSoundVoices) return LoadError(method, "ミックス数が多過ぎます");
  const bool reload = gSoundReloading != 0;
  // Refused before an object is taken, so a name too long costs no object.
  if (!reload && CodePoints(name) > kSoundNameMax) return LoadError(method, longName);
  const int index = reload ? gSoundReloadTarget : FirstFreeObject();
  if (index < 0 || index >= kSoundObjectCount)
    return LoadError(method, "オブジェクト数が多過ぎます");
  return index;
}

bool MakeVoices(const plat::PcmFormat& format, const std::vector<uint8_t>& data, int count,
                plat::VoiceHandle* out) {
  for (int v = 0; v < count; ++v) {
    out[v] = plat::CreateVoiceFrom(format, data);
    if (out[v] != plat::kNoVoice) continue;
    // A voice that cannot be made undoes the ones before it.
    for (int made = 0; made < v; ++made) plat::DestroyVoice(out[made]);
    return false;
  }
  return true;
}

int InstallVoices(int index, const std::string& name, int count, const plat::VoiceHandle* made,
                  int fromPack) {
  const bool reload = gSoundReloading != 0;
  SoundObject& o = gSoundObjects[index];
  const int voices = std::max(1, std::abs(count));
  o.voiceCount = voices;
  o.echoState = count >= 2 ? 0 : -1;
  if (!reload) o.nextVoice = 0;
  for (int v = 0; v < voices; ++v) {
    const plat::VoiceHandle h = o.voices[v] = made[v];
    if (!reload) {
      o.frequency[v] = o.baseFrequency = plat::GetVoiceFrequency(h);
      o.volume[v] = o.pan[v] = 0;
    } else {
      plat::SetVoiceVolume(h, o.volume[v]);
      plat::SetVoiceFrequency(h, o.frequency[v]);
      plat::SetVoicePan(h, o.pan[v]);
    }
  }
  o.used = 1;
  o.fromPack = fromPack;
  o.stream.dataSize = 0;
  if (!reload) o.name = name;
  return index;
}

void DestroyVoices(SoundObject& o) {
  for (plat::VoiceHandle& h : o.voices) {
    if (h == plat::kNoVoice) continue;
    plat::StopVoice(h);
    plat::DestroyVoice(h);
    h = plat::kNoVoice;
  }
}

}  // namespace koSound::detail

namespace koSound {

int Init() {
  DestroyAllVoices();
  if (!plat::OpenAudio()) {
    gSoundAvailable = 0;
    gDevice = false;
    return 0;
  }
  gSoundReloading = 0;
  gDevice = true;
  gSoundAvailable = 1;
  return 1;
}

void Release() {
  if (!detail::DeviceReady()) return;
  // Names, counts and used flags stay, so that Restore can rebuild the table.
  DestroyAllVoices();
  gDevice = false;
}

void ResetObjects() {
  for (SoundObject& o : gSoundObjects) {
    detail::DestroyVoices(o);
    o = SoundObject{};
    o.voiceCount = 1;
    o.echoState = -1;
    for (plat::VoiceHandle& h : o.voices) h = plat::kNoVoice;
  }
}

int LoadObject(const std::string& name, int count) {
  if (!detail::DeviceReady()) return -1;
  constexpr const char* kMethod = "koSound::LoadObject";
  const int index =
      detail::TakeObject(kMethod, name, count, "ファイル名またはリソース名が長すぎます");
  if (index < 0) return -1;
  std::vector<uint8_t> format, data;
  uint32_t formatSize = 0, dataSize = 0;
  const std::string path = plat::FindFileNoCase(koSystem::GetProgramDir(0), name);
  if (ReadWaveFile(path, format, formatSize, data, dataSize) != 0)
    return detail::LoadError(kMethod, "WAVEリソースが見つかりません");
  // A count of 0 would leave the turn of voice -1 without an end: one voice.
  plat::VoiceHandle made[kMaxSoundVoices];
  if (!detail::MakeVoices(PcmFormatOf(format), data, std::max(1, std::abs(count)), made))
    return detail::LoadError(kMethod, "サウンドバッファが生成できません");
  return detail::InstallVoices(index, name, count, made, 0);
}

void ReleaseObject(int object) {
  if (!detail::DeviceReady()) return;
  SoundObject* o = detail::UsedObject(object);
  if (!o) return;
  o->used = 0;
  o->baseFrequency = 0;
  o->name.clear();
  o->fromPack = 0;
  o->stream.dataSize = 0;
  for (int v = 0; v < kMaxSoundVoices; ++v) o->volume[v] = o->pan[v] = o->frequency[v] = 0;
  detail::DestroyVoices(*o);
  o->voiceCount = 1;
}

void Restore() {
  if (!gSoundAvailable) return;
  Release();  // the old device goes before a new one is made
  if (!Init()) return;
  ReloadUsedObjects();
}

int SelectFormat(int channels, int rate, int bits) {
  if (!detail::DeviceReady()) return 1;
  const int hz = rate == 8    ? 8000
                 : rate == 11 ? 11025
                 : rate == 22 ? 22050
                 : rate == 44 ? 44100
                              : rate;
  // Checked before any voice is released, so a refusal leaves every object playable.
  const bool valid = (channels == 1 || channels == 2) && (bits == 8 || bits == 16) &&
                     hz >= static_cast<int>(plat::kMinFrequency) &&
                     hz <= static_cast<int>(plat::kMaxFrequency);
  plat::PcmFormat format;
  if (valid) {
    format.channels = static_cast<uint16_t>(channels);
    format.rate = static_cast<uint32_t>(hz);
    format.bitsPerSample = static_cast<uint16_t>(bits);
    format.blockAlign = static_cast<uint16_t>(bits / 8 * channels);
    format.avgBytesPerSec = format.blockAlign * format.rate;
  }
  if (!valid || !plat::SetPrimaryFormat(format)) {
    koSystem::Error("koSound::SelectFormat", "再生フォーマットを変更できません");
    return 0;
  }
  DestroyAllVoices();
  ReloadUsedObjects();
  return 1;
}

}  // namespace koSound
