// Writing picture packs: BMP files turned into named X1R5G5B5 records.
#include <dirent.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "engine/draw/pack.h"
#include "engine/system/ko_system.h"

namespace koDraw {
namespace pack {

uint16_t PackPixel(uint16_t pixel565) {
  // The pixel as a colour of 8-bit channels, as the surface reports it.
  uint32_t r = (pixel565 >> 11) << 3, g = ((pixel565 >> 5) & 63) << 2, b = (pixel565 & 31) << 3;
  if (r | g | b) {
    r >>= 3;
    g >>= 3;
    b >>= 3;
    if (!(r | g | b)) b = 1;  // a near-black colour must not turn into the key
  }
  return static_cast<uint16_t>(r << 10 | g << 5 | b);
}

namespace {

bool IsBmpName(const std::string& name) {
  return name.size() > 4 && UpperName(name.c_str() + name.size() - 4) == ".BMP";
}

// The BMP files of a directory, in name order so packs come out the same
// on every file system.
std::vector<std::string> BmpFilesIn(const std::string& dir) {
  std::vector<std::string> names;
  DIR* d = ::opendir(dir.c_str());
  if (!d) return names;
  while (const dirent* e = ::readdir(d))
    if (e->d_type != DT_DIR && IsBmpName(e->d_name)) names.emplace_back(e->d_name);
  ::closedir(d);
  std::sort(names.begin(), names.end());
  return names;
}

void PutU16(std::FILE* f, uint16_t v) {
  const uint8_t b[2] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)};
  std::fwrite(b, 1, 2, f);
}

}  // namespace

void ConvertFolder(const char* packName, const char* folder) {
  const std::string sub = folder && *folder ? std::string(folder) + "/" : "";
  for (const std::string& file : BmpFilesIn(koSystem::GetProgramDir(0) + sub))
    ConvertOne(packName, (sub + file).c_str());
}

}  // namespace pack

int Convert(const char* packName, const char* folder, int fresh) {
  // On a display of 16 bits the pictures are already cut to 5-6-5, where
  // near-black colours have become black and would turn transparent.
  if (koSystem::GetScreenDepth() <= 16)
    return koSystem::Error("koDraw::Convert", "画面をフルカラーにして下さい");
  if (fresh) std::remove((koSystem::GetProgramDir(0) + packName).c_str());
  pack::ConvertFolder(packName, folder);
  return 1;
}

void ConvertOne(const char* packName, const char* pictureName) {
  const int n = LoadObject(pictureName, 1);
  if (n == 0) return;
  const Surface& s = *gDrawObjects[n].surface;
  if (std::FILE* f = std::fopen((koSystem::GetProgramDir(0) + packName).c_str(), "ab")) {
    // The bare name in upper case, the form the readers look for.
    const char* slash = std::strrchr(pictureName, '/');
    const std::string name = pack::UpperName(slash ? slash + 1 : pictureName);
    pack::PutU16(f, static_cast<uint16_t>(s.width));
    pack::PutU16(f, static_cast<uint16_t>(s.height));
    std::fwrite(name.c_str(), 1, name.size() + 1, f);
    for (int y = 0; y < s.height; ++y)
      for (int x = 0; x < s.width; ++x) pack::PutU16(f, pack::PackPixel(s.Row(y)[x]));
    std::fclose(f);
  }
  ReleaseObject(n);
}

}  // namespace koDraw
