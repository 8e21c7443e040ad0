// Feeds arbitrary bytes to the sequencer as a song file, through the same
// open and play path as the game's music: a song that opens plays for up to
// two seconds of music, then restarts from its start as a loop does; its
// position never passes its length.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/audio.h"
#include "platform/headless/headless.h"
#include "platform/midi.h"

namespace {

constexpr int kBlock = 1024;

void Render(int blocks) {
  static std::vector<int16_t> out(2 * kBlock);
  for (int i = 0; i < blocks && plat::GetMidiMode() == plat::MidiMode::kPlaying; ++i)
    headless::RenderAudio(out.data(), kBlock);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool ready = plat::OpenAudio() && plat::MidiInit();
  static const std::string path = "/tmp/midi_fuzz_" + std::to_string(::getpid()) + ".mid";
  if (!ready) std::abort();
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return 0;
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  if (plat::MidiOpen(path)) {
    plat::MidiPlay(1);
    Render(2 * plat::kMixRate / kBlock);
    if (plat::GetMidiMode() == plat::MidiMode::kPlaying &&
        plat::GetMidiPosition() > plat::GetMidiLength())
      std::abort();
    plat::MidiSeek(0);
    plat::MidiPlay(2);
    Render(1);
    plat::MidiClose();
  }
  std::remove(path.c_str());
  return 0;
}
