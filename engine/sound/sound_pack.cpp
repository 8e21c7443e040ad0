// The sound pack: choosing it, writing it from wave files, and loading an
// entry into an object's voices.
#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "engine/sound/pack_file.h"
#include "engine/sound/sound_internal.h"
#include "engine/system/ko_system.h"
#include "platform/system.h"

namespace {

constexpr const char* kMethod = "koSound::LoadPack";

void Put32(std::vector<uint8_t>& b, uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// A path under the program directory, given with backslashes and in any
// case, as it lies on this file system.
std::string ProgramPath(const std::string& relative) {
  std::string path = koSystem::GetProgramDir(0);
  size_t from = 0;
  while (from <= relative.size()) {
    const size_t sep = std::min(relative.find_first_of("\\/", from), relative.size());
    const std::string part = relative.substr(from, sep - from);
    if (!part.empty()) path = plat::FindFileNoCase(path, part) + (sep < relative.size() ? "/" : "");
    from = sep + 1;
  }
  return path;
}

// The wave files of a directory, by name.
std::vector<std::string> WaveFiles(const std::string& dir) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& e : std::filesystem::directory_iterator(dir, ec)) {
    const std::string name = e.path().filename().string();
    if (e.is_regular_file(ec) && name.size() > 4 &&
        koSound::detail::UpperAscii(name.substr(name.size() - 4)) == ".WAV")
      names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

namespace koSound {

void SetPack(const std::string& name) { gSoundPackPath = koSystem::GetProgramDir(0) + name; }

int BuildPack(const std::string& pack, const std::string& folder, int recreate) {
  if (recreate) {
    std::error_code ec;
    std::filesystem::remove(koSystem::GetProgramDir(0) + pack, ec);
  }
  const std::string dir = folder.empty() ? koSystem::GetProgramDir(0) : ProgramPath(folder);
  for (const std::string& found : WaveFiles(dir))
    AppendPack(pack, detail::UpperAscii(folder.empty() ? found : folder + "\\" + found));
  return 1;
}

void AppendPack(const std::string& pack, const std::string& file) {
  std::vector<uint8_t> format, data;
  uint32_t formatSize = 0, dataSize = 0;
  // A file that is no wave gives no entry: the pack holds only whole entries.
  if (ReadWaveFile(ProgramPath(file), format, formatSize, data, dataSize) != 0) return;
  const size_t slash = file.find_last_of("\\/");
  const std::string name = slash == std::string::npos ? file : file.substr(slash + 1);
  if (name.empty() || name.size() > detail::kPackNameMax) return;  // no reader could find it
  std::vector<uint8_t> entry;
  Put32(entry, dataSize);
  entry.insert(entry.end(), name.begin(), name.end());
  entry.push_back(0);
  Put32(entry, formatSize);
  entry.insert(entry.end(), format.begin(), format.end());
  entry.insert(entry.end(), data.begin(), data.end());

  const std::string path = koSystem::GetProgramDir(0) + pack;
  std::error_code ec;
  const uint64_t before =
      std::filesystem::exists(path, ec) ? std::filesystem::file_size(path, ec) : 0;
  std::FILE* out = std::fopen(path.c_str(), "ab");
  if (!out) return;
  const bool written = std::fwrite(entry.data(), 1, entry.size(), out) == entry.size();
  const bool closed = std::fclose(out) == 0;
  // A half-written entry would break every entry behind it: cut it off.
  if (!written || !closed) std::filesystem::resize_file(path, before, ec);
}

int LoadPack(const std::string& name, int count) {
  if (!detail::DeviceReady()) return -1;
  const int index = detail::TakeObject(kMethod, name, count, "ファイル名が長すぎます");
  if (index < 0) return -1;
  detail::PackFile pack;
  if (!detail::OpenPack(gSoundPackPath, pack))
    return detail::LoadError(kMethod, "パックファイル名が指定されていません");
  detail::PackEntry entry;
  const bool found = detail::FindPackEntry(pack, detail::UpperAscii(name), entry);
  std::vector<uint8_t> format(found ? entry.formatSize : 0), data(found ? entry.dataSize : 0);
  const bool read = found && entry.formatSize >= 16 &&
                    detail::ReadPackBytes(pack, entry.formatOffset, format.data(), format.size()) &&
                    detail::ReadPackBytes(pack, entry.dataOffset, data.data(), data.size());
  detail::ClosePack(pack);
  if (!read) return detail::LoadError(kMethod, "WAVEファイルを読み込めません");
  plat::VoiceHandle made[kMaxSoundVoices];
  if (!detail::MakeVoices(PcmFormatOf(format), data, std::max(1, std::abs(count)), made))
    return detail::LoadError(kMethod, "サウンドバッファが生成できません");
  return detail::InstallVoices(index, name, count, made, 1);
}

}  // namespace koSound
