// The echo: once armed by a play with voice -2, each repeat replays the sound
// on the next voice after an interval, quieter by a step each time, its pan
// optionally sweeping from side to side.
#include <algorithm>

#include "engine/sound/sound_internal.h"
#include "engine/system/ko_system.h"

namespace {

constexpr float kSweepLimit = 30.0f;  // decibels either side of the centre
constexpr float kMsPerSecond = 1000.0f;

// Moves the swept pan on, bouncing at the limits, and sets it on the next voice.
void Sweep(int object, SoundObject& o, int panSpeed) {
  o.echoPan += static_cast<float>(o.echoPanDirection * panSpeed) * gFrameScale * 100.0f;
  if (o.echoPan < -kSweepLimit) {
    o.echoPan = -kSweepLimit;
    o.echoPanDirection = -o.echoPanDirection;
  } else if (o.echoPan > kSweepLimit) {
    o.echoPan = kSweepLimit;
    o.echoPanDirection = -o.echoPanDirection;
  }
  koSound::SetPan(object, static_cast<int>(o.echoPan), -2);
}

void RunEcho(int object, int interval, int repeats, int volumeStep, bool sweep, int panSpeed) {
  if (!koSound::detail::DeviceReady()) return;
  SoundObject* o = koSound::detail::UsedObject(object);
  if (!o || o->echoState < 1 || repeats < 1) return;
  o->echoTimer += gFrameScale * kMsPerSecond;
  if (o->echoTimer < static_cast<float>(interval)) return;
  o->echoTimer = 0.0f;
  if (sweep) Sweep(object, *o, panSpeed);
  // Repeat k sounds k steps quieter, held to the volume's range before the
  // product can overflow.
  const int64_t quieter = int64_t{o->echoState} * volumeStep;
  koSound::SetVolume(object, static_cast<int>(std::clamp<int64_t>(-quieter, -100, 0)), -2);
  // Voice -3 plays the next voice without arming the echo again.
  if (o->echoLoops) {
    koSound::PlayLoop(object, -3);
  } else {
    koSound::Play(object, -3);
  }
  if (++o->echoState > repeats) o->echoState = 0;
}

}  // namespace

namespace koSound {

void Echo(int object, int interval, int repeats, int volumeStep) {
  RunEcho(object, interval, repeats, volumeStep, false, 0);
}

void EchoSweep(int object, int interval, int repeats, int volumeStep, int panSpeed) {
  RunEcho(object, interval, repeats, volumeStep, true, panSpeed);
}

}  // namespace koSound
