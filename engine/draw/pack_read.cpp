// Reading pictures out of the picture pack into picture objects.
#include <algorithm>
#include <cstring>
#include <vector>

#include "engine/draw/bmp.h"
#include "engine/draw/draw_internal.h"
#include "engine/draw/pack.h"
#include "engine/system/ko_system.h"

std::string gPackPath;

namespace koDraw {
namespace pack {

std::string UpperName(const char* name) {
  std::string s = name ? name : "";
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

bool FindRecord(std::FILE* f, uint64_t fileSize, const char* wanted, Record& out) {
  uint64_t pos = 0;
  char name[kStoredNameMax + 1];
  for (;;) {
    uint8_t head[4];
    if (std::fread(head, 1, 4, f) != 4) return false;
    pos += 4;
    size_t len = 0;
    for (;;) {
      const int c = std::fgetc(f);
      if (c == EOF) return false;  // the file ends inside the name
      ++pos;
      if (c == 0) break;
      if (len == kStoredNameMax) return false;
      name[len++] = static_cast<char>(c);
    }
    name[len] = '\0';
    const uint16_t w = static_cast<uint16_t>(head[0] | head[1] << 8);
    const uint16_t h = static_cast<uint16_t>(head[2] | head[3] << 8);
    const uint64_t bytes = uint64_t{2} * w * h;
    const uint64_t left = fileSize > pos ? fileSize - pos : 0;
    if (std::strcmp(name, wanted) == 0) {
      out = {w, h, std::min(bytes, left)};
      return true;
    }
    // A record cut short ends the scan: nothing after it can be trusted.
    if (bytes > left || std::fseek(f, static_cast<long>(bytes), SEEK_CUR) != 0) return false;
    pos += bytes;
  }
}

void ReadPixels(std::FILE* f, const Record& r, Surface& s) {
  const PixelFormat& pf = gPixelFormat;
  std::vector<uint8_t> row(size_t{2} * r.width);
  uint64_t left = r.pixelBytes;
  for (int y = 0; y < r.height; ++y) {
    const size_t want = static_cast<size_t>(std::min<uint64_t>(row.size(), left));
    const size_t got = std::fread(row.data(), 1, want, f);
    std::fill(row.begin() + static_cast<ptrdiff_t>(got), row.end(), 0);
    left -= got;
    uint16_t* d = s.Row(y);
    for (int x = 0; x < r.width; ++x) {
      const uint32_t p = row[2 * x] | row[2 * x + 1] << 8;
      d[x] =
          static_cast<uint16_t>((((p >> 10) & 31) << pf.red.place) |
                                (((p >> 5) & 31) << pf.green.place) | ((p & 31) << pf.blue.place));
    }
  }
}

}  // namespace pack

namespace {

constexpr const char* kNoPack = "パックファイル名が指定されていません";
constexpr const char* kNoBitmap = "BMPファイルを読み込めません";
constexpr const char* kNoSurface = "スプライトを作成できません";

// The pack file, open for one search and closed on every way out.
struct OpenPack {
  std::FILE* f = nullptr;
  uint64_t size = 0;
  ~OpenPack() {
    if (f) std::fclose(f);
  }
};

// Opens the pack and finds the upper-case `wanted`; reports and returns
// false on every failure. A picture too big for a surface counts as one
// that cannot be made, before anything is taken or released.
bool Find(const char* method, const char* name, OpenPack& pack, std::string& wanted,
          pack::Record& rec) {
  pack.f = gPackPath.empty() ? nullptr : std::fopen(gPackPath.c_str(), "rb");
  if (!pack.f) return koSystem::Error(method, kNoPack);
  if (std::fseek(pack.f, 0, SEEK_END) != 0) return koSystem::Error(method, kNoPack);
  const long end = std::ftell(pack.f);
  std::rewind(pack.f);
  pack.size = end > 0 ? static_cast<uint64_t>(end) : 0;
  wanted = pack::UpperName(name);
  if (detail::NameTooLong(wanted.c_str()))
    return koSystem::Error(method, "ファイル名またはリソース名が長すぎます");
  if (!pack::FindRecord(pack.f, pack.size, wanted.c_str(), rec))
    return koSystem::Error(method, kNoBitmap);
  const int64_t pixels = int64_t{rec.width} * rec.height;
  if (pixels == 0 || rec.width > kBmpMaxSide || rec.height > kBmpMaxSide || pixels > kBmpMaxPixels)
    return koSystem::Error(method, kNoSurface);
  return true;
}

// Fills the record's surface from the pack and marks it as a pack picture.
void FillFromPack(koDrawObject& obj, const std::string& wanted, const OpenPack& pack,
                  const pack::Record& rec) {
  pack::ReadPixels(pack.f, rec, *obj.surface);
  std::memcpy(obj.name, wanted.c_str(), wanted.size() + 1);
  obj.fromPack = 1;
  obj.memoryKind = 2;
  obj.width = rec.width;
  obj.height = rec.height;
  detail::GiveColorKey(obj);
}

}  // namespace

void SetPack(const char* name) { gPackPath = koSystem::GetProgramDir(0) + (name ? name : ""); }

int LoadPack(const char* name, int kind) {
  OpenPack pack;
  std::string wanted;
  pack::Record rec;
  if (!Find("koDraw::LoadPack", name, pack, wanted, rec)) return 0;
  const int n = CreateObject(rec.width, rec.height, kind);
  if (n == 0) return 0;
  FillFromPack(gDrawObjects[n], wanted, pack, rec);
  return n;
}

int SwapPack(const char* name, int number, int) {
  const char* method = "koDraw::SwapPack";
  if (number < 0 || number >= kDrawObjectCount) return koSystem::Error(method, kNoBitmap);
  OpenPack pack;
  std::string wanted;
  pack::Record rec;
  if (!Find(method, name, pack, wanted, rec)) return 0;
  koDrawObject& obj = gDrawObjects[number];
  obj.surface = MakeSurface(rec.width, rec.height);
  FillFromPack(obj, wanted, pack, rec);
  return number;
}

}  // namespace koDraw
