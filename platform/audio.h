// Audio output: one software mixer for the whole process (44.1 kHz, 16-bit
// stereo). Sound effects are voices, each a buffer of PCM samples that plays
// once or looping at its own rate, volume and pan; music is rendered into the
// mixer's music bus by a source such as the MIDI sequencer.
//
// Every function is safe to call from the game thread while the audio thread
// renders. Voice state is guarded by one mutex that is held only briefly.
#pragma once
#include <cstdint>
#include <span>

namespace plat {

constexpr int kMixRate = 44100;

// Opens the process's audio output once; later calls report whether it is
// open (and retry a failed open). False means there is no device: the
// program then runs silently.
bool OpenAudio();
bool AudioOpen();

// PCM sample format of a voice, as a wave file describes it.
struct PcmFormat {
  uint16_t formatTag = 1;  // 1: integer PCM, the only kind a voice plays
  uint16_t channels = 1;
  uint32_t rate = kMixRate;
  uint32_t avgBytesPerSec = 0;
  uint16_t blockAlign = 0;
  uint16_t bitsPerSample = 16;
};

// A voice handle; kNoVoice is the handle of no voice.
using VoiceHandle = int32_t;
constexpr VoiceHandle kNoVoice = -1;

// Voice limits: frequency in Hz, volume and pan in hundredths of a decibel.
constexpr uint32_t kMinFrequency = 100;
constexpr uint32_t kMaxFrequency = 100000;
constexpr int32_t kSilentVolume = -10000;
constexpr int32_t kPanLeft = -10000;
constexpr int32_t kPanRight = 10000;
constexpr uint32_t kMaxVoiceBytes = 0x0FFFFFFF;

// Makes a stopped voice of `bytes` bytes of silence at position 0, volume 0,
// pan 0 and the format's own rate. Plays 8-bit unsigned or 16-bit signed
// integer PCM, mono or stereo, at 100..100000 Hz; kNoVoice for anything else,
// for a size of less than one frame, or when the output is not open.
VoiceHandle CreateVoice(const PcmFormat& format, uint32_t bytes);
// The same holding a copy of `samples` (their size is the voice's size).
VoiceHandle CreateVoiceFrom(const PcmFormat& format, std::span<const uint8_t> samples);
void DestroyVoice(VoiceHandle voice);

// A locked region of a voice: up to two parts, the second when the region
// wraps past the end of the buffer.
struct VoiceRegion {
  uint8_t* part1 = nullptr;
  uint32_t bytes1 = 0;
  uint8_t* part2 = nullptr;
  uint32_t bytes2 = 0;
};
// Locks `bytes` bytes from `offset` for writing. While a region is locked the
// mixer waits, so copy and unlock at once, lock one region at a time and
// call no other audio function in between. False (nothing locked) for a bad
// handle or a region larger than the buffer.
bool LockVoice(VoiceHandle voice, uint32_t offset, uint32_t bytes, VoiceRegion& out);
void UnlockVoice(VoiceHandle voice);

// Starts from the current position; a voice that plays once stops at its end
// and rewinds to 0.
void PlayVoice(VoiceHandle voice, bool looping);
// Stops and keeps the position.
void StopVoice(VoiceHandle voice);

enum VoiceStatus : uint32_t { kVoicePlaying = 1, kVoiceLooping = 4 };
uint32_t GetVoiceStatus(VoiceHandle voice);

// Position in bytes, a whole number of frames; a position past the end is refused.
bool SetVoicePosition(VoiceHandle voice, uint32_t bytes);
uint32_t GetVoicePosition(VoiceHandle voice);

// Playback rate in Hz, resampled to the mix rate; 0 restores the format's own
// rate, other values are held to kMinFrequency..kMaxFrequency.
void SetVoiceFrequency(VoiceHandle voice, uint32_t hz);
uint32_t GetVoiceFrequency(VoiceHandle voice);
// Gain 10^(volume / 2000), held to kSilentVolume..0; kSilentVolume is silence.
void SetVoiceVolume(VoiceHandle voice, int32_t volume);
int32_t GetVoiceVolume(VoiceHandle voice);
// A negative pan attenuates the right channel by -pan, a positive one the
// left by pan, on top of the volume; held to kPanLeft..kPanRight.
void SetVoicePan(VoiceHandle voice, int32_t pan);
int32_t GetVoicePan(VoiceHandle voice);

// The output format the program asked for. It is recorded and reported; the
// mix itself always runs at 44.1 kHz, 16-bit stereo. False (nothing changed)
// for a format no voice could play.
bool SetPrimaryFormat(const PcmFormat& format);
PcmFormat GetPrimaryFormat();

// The music bus: a source renders `frames` interleaved stereo float frames
// (full scale 1.0) into `out`, overwriting it. It runs on the audio thread,
// outside the voice mutex; it must not block for long or allocate.
using MusicSource = void (*)(float* out, int frames);
void SetMusicSource(MusicSource source);

}  // namespace plat
