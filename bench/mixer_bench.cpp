// Cost of the sound: one second of mix with the game's 11 voices busy
// (SHOT.WAV's 4 and BOM.WAV's 7, resampled from 22050 Hz) and a MIDI song on
// the synthesizer. "core_share_%" is the time per iteration as a percentage
// of one core, since each iteration renders one second of audio. Beside it,
// SDL2's own mixing of 11 ready-made 44.1 kHz streams, which neither
// resamples nor pans.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/audio.h"
#include "platform/headless/headless.h"
#include "platform/limiter.h"
#include "platform/midi.h"
#include "tests/support/midi_builder.h"

namespace {

constexpr int kBlock = 1024;

// A mono 16-bit voice of `frames` frames of a decaying noisy tone.
plat::VoiceHandle MakeVoice(uint32_t rate, int frames, int seed) {
  std::vector<int16_t> s(static_cast<size_t>(frames));
  uint32_t noise = static_cast<uint32_t>(seed);
  for (int i = 0; i < frames; ++i) {
    noise = noise * 1103515245u + 12345u;
    const double decay = 1.0 - static_cast<double>(i) / frames;
    s[static_cast<size_t>(i)] = static_cast<int16_t>(
        decay * (6000 * std::sin(i * 0.05 * seed) + static_cast<int>(noise >> 20) - 2048));
  }
  const plat::PcmFormat format{1, 1, rate, rate * 2, 2, 16};
  return plat::CreateVoiceFrom(format, {reinterpret_cast<const uint8_t*>(s.data()), 2 * s.size()});
}

// Chords on six instruments over a drum beat, half a second a beat.
std::vector<uint8_t> BusySong(int beats) {
  midigen::Track t;
  t.Tempo(0, 500000);
  for (int ch = 0; ch < 6; ++ch) t.Program(0, ch, ch * 8);
  for (int beat = 0; beat < beats; ++beat) {
    for (int ch = 0; ch < 6; ++ch) t.NoteOn(0, ch, 48 + ch * 5 + beat % 4, 0x60);
    t.NoteOn(0, 9, 36, 0x70).NoteOn(0, 9, 42, 0x50);
    t.NoteOff(480, 9, 36).NoteOff(0, 9, 42);
    for (int ch = 0; ch < 6; ++ch) t.NoteOff(0, ch, 48 + ch * 5 + beat % 4);
  }
  return t.File();
}

void StartSong(int beats) {
  const std::string path = std::filesystem::temp_directory_path() / "vorendalite-bench.mid";
  const std::vector<uint8_t> song = BusySong(beats);
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(song.data()), static_cast<std::streamsize>(song.size()));
  plat::MidiInit();
  plat::MidiOpen(path);
  plat::MidiPlay(0);
}

void StartVoices() {
  for (int i = 0; i < 11; ++i) {
    const plat::VoiceHandle h = MakeVoice(22050, i < 4 ? 4000 : 22050, i + 1);
    plat::SetVoiceVolume(h, -300 * (i % 3));
    plat::SetVoicePan(h, 1000 * (i % 5) - 2000);
    plat::PlayVoice(h, true);
  }
}

using Clock = std::chrono::steady_clock;

void ReportShare(benchmark::State& state, Clock::time_point start) {
  const std::chrono::duration<double> spent = Clock::now() - start;
  state.counters["core_share_%"] = 100.0 * spent.count() / static_cast<double>(state.iterations());
}

void RenderSeconds(benchmark::State& state) {
  std::vector<int16_t> out(2 * kBlock);
  const Clock::time_point start = Clock::now();
  for (auto _ : state) {
    for (int done = 0; done < plat::kMixRate; done += kBlock) {
      headless::RenderAudio(out.data(), kBlock);
      if (plat::GetMidiMode() == plat::MidiMode::kStopped) {  // keep the song going
        plat::MidiSeek(0);
        plat::MidiPlay(0);
      }
    }
    benchmark::DoNotOptimize(out.data());
  }
  ReportShare(state, start);
}

void Setup(bool voices, bool music, int beats = 16) {
  headless::Reset();
  plat::OpenAudio();
  plat::MidiClose();
  if (voices) StartVoices();
  if (music) StartSong(beats);
}

void BM_GameVoicesAndMidi(benchmark::State& state) {
  Setup(true, true);
  RenderSeconds(state);
}
BENCHMARK(BM_GameVoicesAndMidi)->Unit(benchmark::kMillisecond);

void BM_GameVoicesOnly(benchmark::State& state) {
  Setup(true, false);
  RenderSeconds(state);
}
BENCHMARK(BM_GameVoicesOnly)->Unit(benchmark::kMillisecond);

void BM_MidiOnly(benchmark::State& state) {
  Setup(false, true);
  RenderSeconds(state);
}
BENCHMARK(BM_MidiOnly)->Unit(benchmark::kMillisecond);

// A looping song's restart on the game thread: the clock moves back to the
// start, holding the lock the audio callback takes. Songs of 16 and 512
// beats: about 1 kB, and 33 kB, a little more than the largest game song.
void BM_MidiLoopRestart(benchmark::State& state) {
  Setup(false, true, static_cast<int>(state.range(0)));
  for (auto _ : state) {
    plat::MidiSeek(0);
    plat::MidiPlay(1);
  }
  state.counters["song_bytes"] =
      static_cast<double>(BusySong(static_cast<int>(state.range(0))).size());
}
BENCHMARK(BM_MidiLoopRestart)->Arg(16)->Arg(512)->Unit(benchmark::kMicrosecond);

// The output limiter alone on one second of a 440 Hz sum, quiet (0: passes
// unchanged) or 10 dB over its threshold (1: the gain rides all the time).
void BM_Limiter(benchmark::State& state) {
  const double level = state.range(0) ? 73000.0 : 20000.0;
  std::vector<float> sum(2 * plat::kMixRate);
  for (size_t i = 0; i < sum.size(); ++i)
    sum[i] = static_cast<float>(level * std::sin(static_cast<double>(i / 2) * 0.0627));
  std::vector<int16_t> out(sum.size());
  plat::mixer::Limiter limiter;
  const Clock::time_point start = Clock::now();
  for (auto _ : state) {
    limiter.Process(sum.data(), out.data(), plat::kMixRate);
    benchmark::DoNotOptimize(out.data());
  }
  ReportShare(state, start);
}
BENCHMARK(BM_Limiter)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The peer: SDL_MixAudioFormat adding 11 streams already at the mix format.
void BM_SdlMixAudioElevenStreams(benchmark::State& state) {
  std::vector<std::vector<int16_t>> streams(11, std::vector<int16_t>(2 * plat::kMixRate));
  for (size_t s = 0; s < streams.size(); ++s)
    for (size_t i = 0; i < streams[s].size(); ++i)
      streams[s][i] =
          static_cast<int16_t>(3000 * std::sin(static_cast<double>(i * (s + 1)) * 0.01));
  std::vector<int16_t> out(2 * kBlock);
  const Clock::time_point start = Clock::now();
  for (auto _ : state) {
    for (int done = 0; done + kBlock <= plat::kMixRate; done += kBlock) {
      std::memset(out.data(), 0, out.size() * 2);
      for (const auto& s : streams)
        SDL_MixAudioFormat(reinterpret_cast<Uint8*>(out.data()),
                           reinterpret_cast<const Uint8*>(s.data() + 2 * done), AUDIO_S16SYS,
                           kBlock * 4, SDL_MIX_MAXVOLUME * 3 / 4);
    }
    benchmark::DoNotOptimize(out.data());
  }
  ReportShare(state, start);
}
BENCHMARK(BM_SdlMixAudioElevenStreams)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
