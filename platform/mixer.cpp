// The software mixer: a fixed table of voices, mixed with linear-interpolation
// resampling into a float sum, plus the music bus, limited to 16 bits.
#include "platform/mixer.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstring>
#include <memory>
#include <mutex>
#include <numbers>
#include <utility>

#include "platform/audio.h"
#include "platform/limiter.h"

namespace {

constexpr int kMaxVoices = 1024;
constexpr int32_t kGenerations = 1 << 20;  // handle = generation * kMaxVoices + slot
constexpr double kFracScale = 4294967296.0;
// The standard beep: 150 ms of 880 Hz at a quarter of full scale, faded in
// and out over 5 ms so that it does not click.
constexpr int kBeepFrames = plat::kMixRate * 3 / 20;
constexpr int kBeepFadeFrames = plat::kMixRate / 200;
constexpr double kBeepHz = 880.0;
constexpr double kBeepLevel = 8192.0;

struct Voice {
  std::unique_ptr<uint8_t[]> data;  // null: the slot is free
  uint32_t bytes = 0;
  uint32_t frames = 0;
  uint16_t channels = 1, bits = 16, blockAlign = 2;
  uint32_t ownRate = plat::kMixRate;
  uint32_t frequency = plat::kMixRate;
  int32_t volume = 0, pan = 0;
  float gainLeft = 1.0f, gainRight = 1.0f;
  bool playing = false, looping = false;
  uint64_t pos = 0;   // frames, 32.32 fixed point
  uint64_t step = 0;  // frames advanced per output frame, 32.32 fixed point
  int32_t generation = 0;
};

struct Mixer {
  std::mutex lock;
  std::array<Voice, kMaxVoices> voices;
  plat::PcmFormat primary;
  std::atomic<plat::MusicSource> music{nullptr};
  plat::VoiceHandle locked = plat::kNoVoice;
  Voice beep;  // outside the table: no handle reaches it and no reset destroys it
  std::atomic<bool> limiterReset{false};  // set by Reset, served by the next render
  // State and scratch of the render, used by one rendering thread at a time.
  plat::mixer::Limiter limiter;
  std::array<float, 2 * plat::mixer::kChunkFrames> sum{};
  std::array<float, 2 * plat::mixer::kChunkFrames> musicBus{};
};

plat::PcmFormat DefaultPrimary() { return {1, 2, plat::kMixRate, plat::kMixRate * 4, 4, 16}; }

void SetRate(Voice& v, uint32_t hz) {
  v.frequency = hz;
  v.step = (static_cast<uint64_t>(hz) << 32) / plat::kMixRate;
}

// The beep's tone, made once, so that an error never allocates to sound it.
void MakeBeep(Voice& v) {
  v.frames = kBeepFrames;
  v.bytes = 2 * kBeepFrames;
  v.data.reset(new uint8_t[v.bytes]);
  SetRate(v, plat::kMixRate);
  for (int i = 0; i < kBeepFrames; ++i) {
    const double fade = std::min({1.0, static_cast<double>(i) / kBeepFadeFrames,
                                  static_cast<double>(kBeepFrames - 1 - i) / kBeepFadeFrames});
    const double phase = 2.0 * std::numbers::pi * kBeepHz * i / plat::kMixRate;
    const auto sample = static_cast<uint16_t>(std::lrint(kBeepLevel * fade * std::sin(phase)));
    v.data[2 * static_cast<size_t>(i)] = static_cast<uint8_t>(sample);
    v.data[2 * static_cast<size_t>(i) + 1] = static_cast<uint8_t>(sample >> 8);
  }
}

// Lives until the process ends: the audio thread may still render while
// static objects are destroyed at exit.
Mixer& M() {
  static Mixer* m = [] {
    auto* fresh = new Mixer;
    fresh->primary = DefaultPrimary();
    MakeBeep(fresh->beep);
    return fresh;
  }();
  return *m;
}

// The voice of a handle, or null; the caller holds the lock.
Voice* Find(plat::VoiceHandle h) {
  if (h < 0) return nullptr;
  Voice& v = M().voices[static_cast<size_t>(h % kMaxVoices)];
  return v.data && v.generation == h / kMaxVoices ? &v : nullptr;
}

float GainOf(int32_t attenuation) {
  if (attenuation <= plat::kSilentVolume) return 0.0f;
  return static_cast<float>(std::pow(10.0, attenuation / 2000.0));
}

// Volume and pan add in decibels; the pan lowers only the far channel.
void UpdateGains(Voice& v) {
  v.gainLeft = GainOf(v.volume + std::min(0, -v.pan));
  v.gainRight = GainOf(v.volume + std::min(0, v.pan));
}

bool Playable(const plat::PcmFormat& f) {
  return f.formatTag == 1 && (f.channels == 1 || f.channels == 2) &&
         (f.bitsPerSample == 8 || f.bitsPerSample == 16) && f.rate >= plat::kMinFrequency &&
         f.rate <= plat::kMaxFrequency && f.blockAlign == f.channels * f.bitsPerSample / 8;
}

template <int Bits>
float SampleAt(const uint8_t* data, uint32_t index) {
  if constexpr (Bits == 8) {
    return static_cast<float>((static_cast<int>(data[index]) - 128) * 256);
  } else {
    const uint8_t* p = data + 2 * static_cast<size_t>(index);
    return static_cast<float>(static_cast<int16_t>(static_cast<uint16_t>(p[0] | (p[1] << 8))));
  }
}

// Adds `frames` output frames of one voice to `sum`; stops a voice that plays
// once at its end.
template <int Channels, int Bits>
void MixVoice(Voice& v, float* sum, int frames) {
  const uint8_t* data = v.data.get();
  const uint64_t end = static_cast<uint64_t>(v.frames) << 32;
  for (int i = 0; i < frames; ++i) {
    const auto index = static_cast<uint32_t>(v.pos >> 32);
    const float frac = static_cast<float>(static_cast<uint32_t>(v.pos) / kFracScale);
    uint32_t next = index + 1;
    if (next == v.frames) next = v.looping ? 0 : index;
    float left, right;
    if constexpr (Channels == 1) {
      const float a = SampleAt<Bits>(data, index), b = SampleAt<Bits>(data, next);
      left = right = a + (b - a) * frac;
    } else {
      const float al = SampleAt<Bits>(data, 2 * index), bl = SampleAt<Bits>(data, 2 * next);
      const float ar = SampleAt<Bits>(data, 2 * index + 1);
      const float br = SampleAt<Bits>(data, 2 * next + 1);
      left = al + (bl - al) * frac;
      right = ar + (br - ar) * frac;
    }
    sum[2 * i] += left * v.gainLeft;
    sum[2 * i + 1] += right * v.gainRight;
    v.pos += v.step;
    if (v.pos >= end) {
      if (!v.looping) {
        v.playing = false;
        v.pos = 0;
        return;
      }
      v.pos %= end;
    }
  }
}

void MixPlaying(Voice& v, float* sum, int frames) {
  if (!v.data || !v.playing) return;
  const int kind = (v.channels == 2 ? 2 : 0) + (v.bits == 16 ? 1 : 0);
  switch (kind) {
    case 0:
      MixVoice<1, 8>(v, sum, frames);
      break;
    case 1:
      MixVoice<1, 16>(v, sum, frames);
      break;
    case 2:
      MixVoice<2, 8>(v, sum, frames);
      break;
    default:
      MixVoice<2, 16>(v, sum, frames);
      break;
  }
}

void MixVoices(float* sum, int frames) {
  for (Voice& v : M().voices) MixPlaying(v, sum, frames);
  MixPlaying(M().beep, sum, frames);
}

// Runs `f` on the voice of `h` under the lock; returns `fallback` for a bad handle.
template <typename F, typename R>
R WithVoice(plat::VoiceHandle h, R fallback, F f) {
  std::lock_guard<std::mutex> g(M().lock);
  Voice* v = Find(h);
  return v ? f(*v) : fallback;
}

bool Creatable(const plat::PcmFormat& format, uint32_t bytes) {
  return plat::AudioOpen() && Playable(format) && bytes <= plat::kMaxVoiceBytes &&
         bytes >= format.blockAlign;
}

// Puts a voice of `bytes` bytes of `data`, allocated and filled before taking
// the lock so that the audio thread never waits for it, into a free slot.
plat::VoiceHandle Insert(const plat::PcmFormat& format, std::unique_ptr<uint8_t[]> data,
                         uint32_t bytes) {
  std::lock_guard<std::mutex> g(M().lock);
  for (size_t i = 0; i < M().voices.size(); ++i) {
    Voice& v = M().voices[i];
    if (v.data) continue;
    const int32_t generation = v.generation % (kGenerations - 1) + 1;
    v = Voice{};
    v.data = std::move(data);
    v.generation = generation;
    v.bytes = bytes;
    v.channels = format.channels;
    v.bits = format.bitsPerSample;
    v.blockAlign = format.blockAlign;
    v.frames = bytes / format.blockAlign;
    v.ownRate = format.rate;
    SetRate(v, format.rate);
    return generation * kMaxVoices + static_cast<plat::VoiceHandle>(i);
  }
  return plat::kNoVoice;
}

}  // namespace

namespace plat::mixer {

void Render(int16_t* out, int frames) {
  Mixer& m = M();
  if (m.limiterReset.exchange(false)) m.limiter.Reset();
  while (frames > 0) {
    const int n = std::min(frames, kChunkFrames);
    float* sum = m.sum.data();
    std::fill_n(sum, 2 * n, 0.0f);
    {
      std::lock_guard<std::mutex> g(m.lock);
      MixVoices(sum, n);
    }
    if (const MusicSource music = m.music.load()) {
      music(m.musicBus.data(), n);
      for (int i = 0; i < 2 * n; ++i) sum[i] += m.musicBus[static_cast<size_t>(i)] * 32768.0f;
    }
    m.limiter.Process(sum, out, n);
    out += 2 * n;
    frames -= n;
  }
}

void Reset() {
  std::array<std::unique_ptr<uint8_t[]>, kMaxVoices> freed;
  {
    std::lock_guard<std::mutex> g(M().lock);
    for (size_t i = 0; i < M().voices.size(); ++i) {
      freed[i] = std::move(M().voices[i].data);
      M().voices[i].playing = false;
    }
    M().primary = DefaultPrimary();
    M().beep.playing = false;
  }
  M().limiterReset = true;
}

bool PlayBeep() {
  if (!AudioOpen()) return false;
  std::lock_guard<std::mutex> g(M().lock);
  M().beep.pos = 0;
  M().beep.playing = true;
  return true;
}

}  // namespace plat::mixer

namespace plat {

VoiceHandle CreateVoice(const PcmFormat& format, uint32_t bytes) {
  if (!Creatable(format, bytes)) return kNoVoice;
  std::unique_ptr<uint8_t[]> data(new uint8_t[bytes]);
  std::memset(data.get(), format.bitsPerSample == 8 ? 0x80 : 0, bytes);
  return Insert(format, std::move(data), bytes);
}

VoiceHandle CreateVoiceFrom(const PcmFormat& format, std::span<const uint8_t> samples) {
  if (samples.size() > kMaxVoiceBytes) return kNoVoice;
  const auto bytes = static_cast<uint32_t>(samples.size());
  if (!Creatable(format, bytes)) return kNoVoice;
  std::unique_ptr<uint8_t[]> data(new uint8_t[bytes]);
  std::memcpy(data.get(), samples.data(), bytes);
  return Insert(format, std::move(data), bytes);
}

void DestroyVoice(VoiceHandle h) {
  std::unique_ptr<uint8_t[]> freed;  // released after the lock
  std::lock_guard<std::mutex> g(M().lock);
  if (Voice* v = Find(h)) {
    freed = std::move(v->data);
    v->playing = false;
  }
}

bool LockVoice(VoiceHandle h, uint32_t offset, uint32_t bytes, VoiceRegion& out) {
  out = VoiceRegion{};
  M().lock.lock();
  Voice* v = Find(h);
  if (!v || bytes > v->bytes || offset >= v->bytes) {
    M().lock.unlock();
    return false;
  }
  out.part1 = v->data.get() + offset;
  out.bytes1 = std::min(bytes, v->bytes - offset);
  if (out.bytes1 < bytes) {
    out.part2 = v->data.get();
    out.bytes2 = bytes - out.bytes1;
  }
  M().locked = h;
  return true;
}

void UnlockVoice(VoiceHandle h) {
  if (h == kNoVoice || M().locked != h) return;
  M().locked = kNoVoice;
  M().lock.unlock();
}

void PlayVoice(VoiceHandle h, bool looping) {
  WithVoice(h, 0, [looping](Voice& v) {
    v.playing = true;
    v.looping = looping;
    return 0;
  });
}

void StopVoice(VoiceHandle h) {
  WithVoice(h, 0, [](Voice& v) {
    v.playing = false;
    return 0;
  });
}

uint32_t GetVoiceStatus(VoiceHandle h) {
  return WithVoice(h, 0u, [](Voice& v) {
    if (!v.playing) return 0u;
    return v.looping ? kVoicePlaying | kVoiceLooping : static_cast<uint32_t>(kVoicePlaying);
  });
}

bool SetVoicePosition(VoiceHandle h, uint32_t bytes) {
  return WithVoice(h, false, [bytes](Voice& v) {
    if (bytes / v.blockAlign >= v.frames) return false;
    v.pos = static_cast<uint64_t>(bytes / v.blockAlign) << 32;
    return true;
  });
}

uint32_t GetVoicePosition(VoiceHandle h) {
  return WithVoice(h, 0u, [](Voice& v) {
    return static_cast<uint32_t>(std::min<uint64_t>(v.pos >> 32, v.frames - 1)) * v.blockAlign;
  });
}

void SetVoiceFrequency(VoiceHandle h, uint32_t hz) {
  WithVoice(h, 0, [hz](Voice& v) {
    SetRate(v, hz == 0 ? v.ownRate : std::clamp(hz, kMinFrequency, kMaxFrequency));
    return 0;
  });
}

uint32_t GetVoiceFrequency(VoiceHandle h) {
  return WithVoice(h, 0u, [](Voice& v) { return v.frequency; });
}

void SetVoiceVolume(VoiceHandle h, int32_t volume) {
  WithVoice(h, 0, [volume](Voice& v) {
    v.volume = std::clamp(volume, kSilentVolume, 0);
    UpdateGains(v);
    return 0;
  });
}

int32_t GetVoiceVolume(VoiceHandle h) {
  return WithVoice(h, 0, [](Voice& v) { return v.volume; });
}

void SetVoicePan(VoiceHandle h, int32_t pan) {
  WithVoice(h, 0, [pan](Voice& v) {
    v.pan = std::clamp(pan, kPanLeft, kPanRight);
    UpdateGains(v);
    return 0;
  });
}

int32_t GetVoicePan(VoiceHandle h) {
  return WithVoice(h, 0, [](Voice& v) { return v.pan; });
}

bool SetPrimaryFormat(const PcmFormat& format) {
  if (!Playable(format) || format.avgBytesPerSec != format.blockAlign * format.rate) return false;
  std::lock_guard<std::mutex> g(M().lock);
  M().primary = format;
  return true;
}

PcmFormat GetPrimaryFormat() {
  std::lock_guard<std::mutex> g(M().lock);
  return M().primary;
}

void SetMusicSource(MusicSource source) { M().music.store(source); }

}  // namespace plat
