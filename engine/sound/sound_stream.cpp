// Streamed objects: a long pack entry played through one looping buffer of
// four seconds, refilled two seconds at a time as the play cursor leaves a
// half. The refill reads straight from the pack into a buffer made at load,
// so a frame's refill does not touch the heap.
#include <algorithm>
#include <cstring>

#include "engine/sound/pack_file.h"
#include "engine/sound/sound_internal.h"
#include "engine/system/ko_system.h"

namespace {

using koSound::detail::PackFile;

constexpr const char* kNoPack = "パックファイル名が指定されていません";
constexpr const char* kCannotStream = "ストリーミング再生できません";
constexpr uint32_t kShortestStreamSeconds = 5;

// The bytes of one refill; grown by a load, never in a frame.
std::vector<uint8_t> gChunk;

// Copies `bytes` bytes into the voice at `offset`, or silence when `from` is null.
void Fill(plat::VoiceHandle h, uint32_t offset, const uint8_t* from, uint32_t bytes) {
  plat::VoiceRegion r;
  if (!plat::LockVoice(h, offset, bytes, r)) return;
  if (from) {
    std::memcpy(r.part1, from, r.bytes1);
    if (r.bytes2) std::memcpy(r.part2, from + r.bytes1, r.bytes2);
  } else {
    std::memset(r.part1, 0, r.bytes1);
    if (r.bytes2) std::memset(r.part2, 0, r.bytes2);
  }
  plat::UnlockVoice(h);
}

// Reads the stream's first chunk into gChunk and sets the record back to it.
bool Rewind(const char* method, SoundStream& s) {
  PackFile pack;
  if (!koSound::detail::OpenPack(s.packPath, pack)) {
    koSystem::Error(method, kNoPack);
    return false;
  }
  const bool read = s.chunkSize <= gChunk.size() &&
                    koSound::detail::ReadPackBytes(pack, s.start, gChunk.data(), s.chunkSize);
  koSound::detail::ClosePack(pack);
  if (!read) {
    koSystem::Error(method, kCannotStream);
    return false;
  }
  s.mark = 0;
  s.writePosition = s.chunkSize;
  s.readPosition = s.start + s.chunkSize;
  s.queued = s.chunkSize;
  s.wrapCursor = -1;
  s.lastCursor = 0;
  s.endCountdown = 0;
  return true;
}

// A refill is due once the cursor has moved past the last mark, telling a
// cursor that has wrapped round the buffer from one that has not.
bool RefillDue(const SoundStream& s, uint32_t cursor) {
  if (s.wrapCursor == -1) return cursor >= s.mark || cursor < s.lastCursor;
  if (static_cast<uint32_t>(s.wrapCursor) > s.mark)
    return cursor >= s.mark && cursor < static_cast<uint32_t>(s.wrapCursor);
  return cursor >= s.mark;
}

// Bytes of the next refill: a chunk, the rest when less is left, and half
// the rest (whole frames) when a full chunk would leave a shorter one behind.
uint32_t NextLength(const SoundStream& s) {
  const uint32_t left = s.dataSize - s.queued;
  if (s.chunkSize > left) return left;
  if (left - s.chunkSize < s.chunkSize) return left / 2 / s.blockAlign * s.blockAlign;
  return s.chunkSize;
}

// One refill of a playing stream; false after an error.
bool Refill(int object, SoundObject& o, uint32_t cursor) {
  SoundStream& s = o.stream;
  s.lastCursor = cursor;
  if (s.endCountdown == 1) {
    s.endCountdown = 0;
    koSound::Stop(object, -1);
    return true;
  }
  if (s.endCountdown == 2) s.endCountdown = 1;
  PackFile pack;
  if (!koSound::detail::OpenPack(s.packPath, pack)) {
    koSystem::Error("koSound::Streaming", kNoPack);
    return false;
  }
  const uint32_t n = NextLength(s);
  const bool read =
      n <= gChunk.size() && koSound::detail::ReadPackBytes(pack, s.readPosition, gChunk.data(), n);
  koSound::detail::ClosePack(pack);
  if (!read) {
    koSystem::Error("koSound::Streaming", kCannotStream);
    return false;
  }
  s.readPosition += n;
  s.queued += n;
  if (s.queued >= s.dataSize) {
    s.readPosition = s.loopPoint;
    s.queued = s.loopPoint - s.start;
    if (o.loop == 0) s.endCountdown = 2;
  }
  Fill(o.voices[0], s.writePosition, s.endCountdown == 1 ? nullptr : gChunk.data(), n);
  s.wrapCursor = s.writePosition < s.mark ? static_cast<int32_t>(cursor) : -1;
  s.mark = s.writePosition;
  s.writePosition += n;
  if (s.writePosition >= s.bufferSize) s.writePosition -= s.bufferSize;
  return true;
}

}  // namespace

namespace koSound {

int LoadStream(const std::string& name, uint32_t loopOffset) {
  constexpr const char* kMethod = "koSound::LoadStream";
  if (!detail::DeviceReady()) return -1;
  const int index = detail::TakeObject(kMethod, name, 1, "ファイル名が長すぎます");
  if (index < 0) return -1;
  SoundStream s{};
  s.packPath = gSoundPackPath;
  PackFile pack;
  if (!detail::OpenPack(s.packPath, pack)) return detail::LoadError(kMethod, kNoPack);
  detail::PackEntry entry;
  std::vector<uint8_t> format(16);
  const bool found = detail::FindPackEntry(pack, detail::UpperAscii(name), entry) &&
                     entry.formatSize >= format.size() &&
                     detail::ReadPackBytes(pack, entry.formatOffset, format.data(), format.size());
  // Stream offsets are 32-bit: an entry must end within the first 4 GiB.
  if (!found || entry.next > UINT32_MAX) {
    detail::ClosePack(pack);
    return detail::LoadError(kMethod, "WAVEファイルを読み込めません");
  }
  const plat::PcmFormat pcm = PcmFormatOf(format);
  if (pcm.avgBytesPerSec != 0 && entry.dataSize / pcm.avgBytesPerSec < kShortestStreamSeconds) {
    detail::ClosePack(pack);
    return LoadPack(name, 1);
  }
  // Sizes are counted from the rate and frame size, which must agree with
  // the stated byte rate; anything else cannot be streamed in whole frames.
  const uint64_t perSecond = uint64_t{pcm.rate} * pcm.blockAlign;
  if (pcm.blockAlign == 0 || perSecond != pcm.avgBytesPerSec || pcm.rate < plat::kMinFrequency ||
      pcm.rate > plat::kMaxFrequency || pcm.blockAlign > 8) {
    detail::ClosePack(pack);
    return detail::LoadError(kMethod, "サウンドバッファが生成できません");
  }
  s.blockAlign = pcm.blockAlign;
  s.dataSize = entry.dataSize / pcm.blockAlign * pcm.blockAlign;
  s.bufferSize = 4 * pcm.avgBytesPerSec;
  s.chunkSize = 2 * pcm.avgBytesPerSec;
  s.start = static_cast<uint32_t>(entry.dataOffset);
  // A loop point at or past the end would read beyond the entry: loop it whole.
  const uint32_t loop = loopOffset / pcm.blockAlign * pcm.blockAlign;
  s.loopPoint = s.start + (loop < s.dataSize ? loop : 0);
  detail::ClosePack(pack);
  if (gChunk.size() < s.chunkSize) gChunk.resize(s.chunkSize);
  if (!Rewind(kMethod, s)) return -1;
  const plat::VoiceHandle h = plat::CreateVoice(pcm, s.bufferSize);
  if (h == plat::kNoVoice) return detail::LoadError(kMethod, "サウンドバッファが生成できません");
  Fill(h, 0, gChunk.data(), s.chunkSize);
  detail::InstallVoices(index, name, 1, &h, 1);
  gSoundObjects[index].stream = std::move(s);
  return index;
}

int ResetStream(int object) {
  if (!detail::DeviceReady()) return 0;
  SoundObject* o = detail::UsedObject(object);
  const plat::VoiceHandle h = o ? detail::VoiceOf(*o, 0) : plat::kNoVoice;
  if (h == plat::kNoVoice || o->stream.dataSize == 0) return 0;
  if (!Rewind("koSound::ResetStream", o->stream)) return 0;
  Fill(h, 0, gChunk.data(), o->stream.chunkSize);
  return 1;
}

int Streaming() {
  if (!detail::DeviceReady()) return 0;
  for (int i = 0; i < kSoundObjectCount; ++i) {
    SoundObject& o = gSoundObjects[i];
    const plat::VoiceHandle h = o.used ? detail::VoiceOf(o, 0) : plat::kNoVoice;
    if (h == plat::kNoVoice || o.stream.dataSize == 0) continue;
    if (!(plat::GetVoiceStatus(h) & plat::kVoicePlaying)) continue;
    const uint32_t cursor = plat::GetVoicePosition(h);
    if (RefillDue(o.stream, cursor) && !Refill(i, o, cursor)) return 0;
  }
  return 1;
}

}  // namespace koSound
