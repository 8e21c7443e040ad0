// Frequency, pan and volume of an object's voices: shifted by steps, set,
// and put back, each kept per voice and handed to the voice at once.
#include <algorithm>

#include "engine/sound/sound_internal.h"

namespace {

// Steps and values come in hundreds of a control's unit.
constexpr int64_t kStepUnit = 100;

enum Control { kFrequency, kPan, kVolume };
struct Range {
  int64_t lowest, highest;
};
constexpr Range kRanges[] = {
    {plat::kMinFrequency, plat::kMaxFrequency},
    {plat::kPanLeft, plat::kPanRight},
    {plat::kSilentVolume, 0},
};

// What a new value is counted from.
enum Origin { kCurrent, kBase, kNeutral };

int64_t Stored(const SoundObject& o, int v, Control c) {
  return c == kFrequency ? int64_t{o.frequency[v]} : c == kPan ? o.pan[v] : o.volume[v];
}

void Store(SoundObject& o, int v, plat::VoiceHandle h, Control c, int64_t value) {
  switch (c) {
    case kFrequency:
      o.frequency[v] = static_cast<uint32_t>(value);
      plat::SetVoiceFrequency(h, o.frequency[v]);
      break;
    case kPan:
      o.pan[v] = static_cast<int32_t>(value);
      plat::SetVoicePan(h, o.pan[v]);
      break;
    case kVolume:
      o.volume[v] = static_cast<int32_t>(value);
      plat::SetVoiceVolume(h, o.volume[v]);
      break;
  }
}

// The one routine behind every shifter. Counted in 64 bits, so that no step
// wraps a value around before it is held to its range.
void Change(int object, int voice, Control c, Origin origin, int64_t offset) {
  koSound::detail::ForVoices(object, voice, [&](SoundObject& o, int v, plat::VoiceHandle h) {
    const int64_t from = origin == kCurrent ? Stored(o, v, c)
                         : origin == kBase  ? int64_t{o.baseFrequency}
                                            : 0;
    Store(o, v, h, c, std::clamp(from + offset, kRanges[c].lowest, kRanges[c].highest));
  });
}

}  // namespace

namespace koSound {

void ShiftFrequency(int object, int step, int voice) {
  Change(object, voice, kFrequency, kCurrent, step * kStepUnit);
}
void SetFrequencyOffset(int object, int step, int voice) {
  Change(object, voice, kFrequency, kBase, step * kStepUnit);
}
void RestoreFrequency(int object, int voice) { Change(object, voice, kFrequency, kBase, 0); }

void ShiftPan(int object, int step, int voice) {
  Change(object, voice, kPan, kCurrent, step * kStepUnit);
}
void SetPan(int object, int value, int voice) {
  Change(object, voice, kPan, kNeutral, value * kStepUnit);
}
void RestorePan(int object, int voice) { Change(object, voice, kPan, kNeutral, 0); }
void PanLeft(int object, int voice) { Change(object, voice, kPan, kNeutral, plat::kPanLeft); }
void PanRight(int object, int voice) { Change(object, voice, kPan, kNeutral, plat::kPanRight); }

void ShiftVolume(int object, int step, int voice) {
  Change(object, voice, kVolume, kCurrent, step * kStepUnit);
}
void SetVolume(int object, int value, int voice) {
  Change(object, voice, kVolume, kNeutral, value * kStepUnit);
}
void RestoreVolume(int object, int voice) { Change(object, voice, kVolume, kNeutral, 0); }

}  // namespace koSound
