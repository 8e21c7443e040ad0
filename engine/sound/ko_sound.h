// Sound effects and music: the table of sound objects, each one sound in
// several voices of the platform mixer, and MIDI songs driven through MCI
// command strings.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/audio.h"

constexpr int kSoundObjectCount = 70;
constexpr int kMaxSoundVoices = 10;
constexpr int kSoundNameMax = 30;  // characters of a stored name

// The streaming state of an object that plays a long pack entry through a
// looping buffer of four seconds, refilled two seconds at a time. Offsets
// named "pack" are in the pack file, the others in the buffer.
struct SoundStream {
  uint32_t start;         // pack: the entry's first sample byte
  uint32_t loopPoint;     // pack: where a looping stream goes on after the end
  uint32_t readPosition;  // pack: the next byte to read
  uint32_t dataSize;      // the entry's sample bytes; not 0 marks a streamed object
  uint32_t queued;        // bytes of the entry read into the buffer, from start
  uint32_t mark;          // where the last refill began
  uint32_t writePosition;
  uint32_t chunkSize;   // two seconds
  uint32_t bufferSize;  // four seconds
  int32_t wrapCursor;   // the play cursor when the last refill began below the mark, else -1
  uint32_t lastCursor;
  uint8_t endCountdown;  // 2, then 1, after the data of a stream played once has run out
  uint32_t blockAlign;   // bytes of one frame; refills keep to whole frames
  std::string packPath;
};

struct SoundObject {
  int32_t used;
  int32_t voiceCount;  // 1..10
  int32_t fromPack;    // 1: loaded from the sound pack
  std::string name;    // the name it was loaded by; what a reload reads again
  plat::VoiceHandle voices[kMaxSoundVoices];  // plat::kNoVoice when not created
  int32_t nextVoice;                          // the voice that voice -1 plays next
  uint32_t baseFrequency;
  uint32_t frequency[kMaxSoundVoices];
  int32_t volume[kMaxSoundVoices];
  int32_t pan[kMaxSoundVoices];
  int32_t loop;       // 1: last started by PlayLoop
  int32_t echoState;  // -1 no echo, 0 idle, 1.. the next echo repeat
  float echoTimer;
  int32_t echoLoops;
  float echoPan;
  int32_t echoPanDirection;
  uint32_t pausedPosition[kMaxSoundVoices];
  SoundStream stream;
};

extern SoundObject gSoundObjects[kSoundObjectCount];
extern int gSoundAvailable;  // 1 once Init made the device
extern int gSoundReloading;  // a reload refills gSoundReloadTarget instead of taking a free object
extern int gSoundReloadTarget;
extern std::string
    gSoundPackPath;    // the program directory and the pack's name; empty until SetPack
extern int gMidiOpen;  // a song is open under the alias "midi"
extern int gMidiLoop;  // the song starts again when it ends

namespace koSound {

// Device.
int Init();
void Release();
void Restore();
int SelectFormat(int channels, int rate, int bits);
// Empties the whole object table; the screen set-up calls it after Init.
void ResetObjects();

// Objects.
int LoadObject(const std::string& name, int count);
void ReleaseObject(int object);
// Reads a RIFF/WAVE file: the format block (WAVEFORMATEX bytes and any extra
// format bytes) and the samples of its "data" chunk. 0 on success, 1 on
// failure with everything emptied.
int ReadWaveFile(const std::string& path, std::vector<uint8_t>& format, uint32_t& formatSize,
                 std::vector<uint8_t>& data, uint32_t& dataSize);
// The same on a file already in memory.
int ParseWave(const uint8_t* bytes, size_t size, std::vector<uint8_t>& format, uint32_t& formatSize,
              std::vector<uint8_t>& data, uint32_t& dataSize);
// The PCM format described by a format block of at least 16 bytes.
plat::PcmFormat PcmFormatOf(const std::vector<uint8_t>& format);

// Playing. Voice -1 plays the next voice in turn; -2 does too and arms the echo.
void Play(int object, int voice);
void PlayLoop(int object, int voice);
void Stop(int object, int voice);
void TogglePause(int object, int voice);
uint32_t GetPosition(int object);

// Shifters: steps and values in hundreds of Hz or of hundredths of a
// decibel, held to the voice's limits. Voice -2 means the next voice, any
// other negative value every voice.
void ShiftFrequency(int object, int step, int voice);
void SetFrequencyOffset(int object, int step, int voice);  // from the base frequency
void RestoreFrequency(int object, int voice);
void ShiftPan(int object, int step, int voice);
void SetPan(int object, int value, int voice);
void RestorePan(int object, int voice);
void PanLeft(int object, int voice);
void PanRight(int object, int voice);
void ShiftVolume(int object, int step, int voice);
void SetVolume(int object, int value, int voice);
void RestoreVolume(int object, int voice);

// The echo armed by a play with voice -2, advanced once a frame: a repeat
// every `interval` ms, `repeats` of them, each `volumeStep` dB quieter; the
// sweep also swings the repeats' pan at `panSpeed`.
void Echo(int object, int interval, int repeats, int volumeStep);
void EchoSweep(int object, int interval, int repeats, int volumeStep, int panSpeed);

// Sound packs: wave files joined into one file of named entries (no header,
// no index), each entry loaded as an object or played as a stream.
void SetPack(const std::string& name);
int BuildPack(const std::string& pack, const std::string& folder, int recreate);
void AppendPack(const std::string& pack, const std::string& file);
int LoadPack(const std::string& name, int count);
// Short entries (under five seconds) are loaded whole instead.
int LoadStream(const std::string& name, uint32_t loopOffset);
// Refills every playing stream whose buffer half has been played; call it
// once a frame. 1, or 0 without sound or after an error.
int Streaming();
// Rewinds a stream to its first sample. 1, or 0 after an error.
int ResetStream(int object);

// System sounds.
void Beep();
void PlaySystemSound(const std::string& file);

// MIDI music.
int InitMidi();
void PlayMidi(const std::string& file, int loop);
void OnMidiNotify();
void StopMidi();
void CloseMidi();
void ClearMidiLoop();

// The MCI command strings the music sends, interpreted by our own sequencer
// front end without touching the heap, except "open". Returns kMciOk or an
// error; `reply` receives the answer text.
enum MciError : int {
  kMciOk = 0,
  kMciUnrecognizedCommand = 261,
  kMciInvalidDeviceName = 263,
  kMciDeviceOpen = 265,
  kMciMissingParameter = 273,
  kMciFileNotFound = 275,
  kMciDuplicateAlias = 289,
};
int SendMciString(std::string_view command, std::string* reply = nullptr);
constexpr uint64_t kMciNotifySuccessful = 1;
constexpr uint64_t kMciNotifySuperseded = 2;
// The notification code of a sequencer end-of-song message: successful only
// for the play notification still pending, superseded for a stale one.
uint64_t MciNotifyCode(uint64_t wparam, int64_t lparam);
// Sees every command string sent (tests and tracing); null to stop.
using MciListener = void (*)(std::string_view command);
void SetMciListener(MciListener listener);

}  // namespace koSound
