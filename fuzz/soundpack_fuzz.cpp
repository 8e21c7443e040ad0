// Fuzz target of the sound pack reader: walks every entry of the bytes as a
// pack file, finds each by its name, and plays what a readable one holds.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <vector>

#include "engine/sound/ko_sound.h"
#include "engine/sound/pack_file.h"
#include "platform/headless/headless.h"

namespace {

using namespace koSound::detail;

void PlayEntry(const PackFile& pack, const PackEntry& e) {
  if (e.formatSize < 16) return;
  std::vector<uint8_t> format(e.formatSize), data(e.dataSize);
  if (!ReadPackBytes(pack, e.formatOffset, format.data(), format.size()) ||
      !ReadPackBytes(pack, e.dataOffset, data.data(), data.size()))
    __builtin_trap();  // the entry was reported whole
  if (!plat::OpenAudio()) return;
  const plat::VoiceHandle h = plat::CreateVoiceFrom(koSound::PcmFormatOf(format), data);
  if (h == plat::kNoVoice) return;
  plat::PlayVoice(h, true);
  int16_t out[2 * 128];
  headless::RenderAudio(out, 128);
  plat::DestroyVoice(h);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  const int fd = memfd_create("soundpack", MFD_CLOEXEC);
  if (fd < 0) return 0;
  if (size == 0 || write(fd, bytes, size) == static_cast<ssize_t>(size)) {
    PackFile pack;
    if (OpenPack("/proc/self/fd/" + std::to_string(fd), pack)) {
      PackEntry e, found;
      for (uint64_t at = 0; ReadPackEntry(pack, at, e); at = e.next) {
        if (e.next > pack.length || e.dataOffset + e.dataSize != e.next) __builtin_trap();
        if (e.nameFits && (!FindPackEntry(pack, e.name, found) || found.next > e.next))
          __builtin_trap();  // an earlier entry of the same name may win, never a later one
        PlayEntry(pack, e);
      }
      ClosePack(pack);
    }
  }
  close(fd);
  return 0;
}
