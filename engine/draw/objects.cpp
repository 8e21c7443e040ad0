// The table of picture objects, the loaders and the colour-key rules.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include "engine/draw/bmp.h"
#include "engine/draw/draw_internal.h"
#include "engine/draw/ko_draw.h"
#include "engine/system/ko_system.h"
#include "platform/system.h"

koDrawObject gDrawObjects[kDrawObjectCount];
uint32_t gColorKey;
int gUseCornerKey;

namespace koDraw {
namespace {

constexpr const char* kNameTooLong = "ファイル名またはリソース名が長すぎます";
constexpr const char* kTableFull = "オブジェクト数が多過ぎます";
constexpr const char* kNoBitmap = "BMPファイルを読み込めません";

void SetName(koDrawObject& rec, const char* name) {
  if (rec.name != name) std::memmove(rec.name, name, std::strlen(name) + 1);
}

// The first free record from 4 on, or 0 when every one is taken.
int TakeFreeRecord(const char* name) {
  for (int n = 4; n < kDrawObjectCount; ++n) {
    koDrawObject& rec = gDrawObjects[n];
    if (rec.name[0] != '\0') continue;
    SetName(rec, name);
    rec.fromPack = 0;
    rec.memoryKind = 2;
    return n;
  }
  return 0;
}

}  // namespace

namespace detail {

// Names of 31 code points or more are refused (so are names too long for
// the record in bytes, which only broken UTF-8 can be).
bool NameTooLong(const char* name) {
  const size_t bytes = std::strlen(name);
  if (bytes >= sizeof(koDrawObject::name)) return true;
  size_t points = 0;
  for (size_t i = 0; i < bytes; ++i)
    if ((static_cast<unsigned char>(name[i]) & 0xC0) != 0x80) ++points;
  return points > kObjectNameMax;
}

// A new object's key: the loader setting, or its own top-left pixel.
void GiveColorKey(koDrawObject& rec) {
  rec.colorKey = gUseCornerKey ? kCornerKey : gColorKey;
  SetSurfaceColorKey(*rec.surface, rec.colorKey);
}

}  // namespace detail

using detail::GiveColorKey;
using detail::NameTooLong;

std::unique_ptr<Surface> MakeSurface(int width, int height) {
  auto s = std::make_unique<Surface>();
  s->width = width;
  s->height = height;
  s->pitch = width;
  s->pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
  detail::ReserveKeyRuns(*s);
  return s;
}

std::unique_ptr<Surface> LoadBitmapSurface(const char* name, uint16_t& width, uint16_t& height) {
  const std::string path = plat::FindFileNoCase(koSystem::GetProgramDir(0), name);
  std::ifstream in(path, std::ios::binary);
  if (!in) return nullptr;
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
  BmpPicture picture;
  if (!DecodeBmp(bytes.data(), bytes.size(), picture)) return nullptr;
  width = static_cast<uint16_t>(picture.width);
  height = static_cast<uint16_t>(picture.height);
  auto s = MakeSurface(picture.width, picture.height);
  CopyBitmap(s.get(), &picture, 0, 0, 0, 0);  // both are there: the copy cannot fail
  return s;
}

int CopyBitmap(Surface* surface, const BmpPicture* bitmap, int x, int y, int dx, int dy) {
  if (!surface || !bitmap) return kCopyBitmapFailed;
  const detail::PixelView src{bitmap->pixels.data(), bitmap->width, bitmap->height, bitmap->width};
  detail::StretchRect(*surface, 0, 0, surface->width, surface->height, src, x, y,
                      dx ? dx : bitmap->width, dy ? dy : bitmap->height, false, 0);
  return kCopyBitmapOk;
}

int LoadObject(const char* name, int) {
  const char* method = "koDraw::LoadObject";
  if (!name || !*name) return koSystem::Error(method, kNoBitmap);
  if (NameTooLong(name)) return koSystem::Error(method, kNameTooLong);
  const int n = TakeFreeRecord(name);
  if (n == 0) return koSystem::Error(method, kTableFull);
  koDrawObject& rec = gDrawObjects[n];
  rec.surface = LoadBitmapSurface(name, rec.width, rec.height);
  if (!rec.surface) return koSystem::Error(method, kNoBitmap);
  GiveColorKey(rec);
  return n;
}

int CreateObject(int width, int height, int) {
  const char* method = "koDraw::CreateObject";
  const int n = TakeFreeRecord("*");
  if (n == 0) return koSystem::Error(method, kTableFull);
  koDrawObject& rec = gDrawObjects[n];
  rec.width = static_cast<uint16_t>(width);
  rec.height = static_cast<uint16_t>(height);
  if (width <= 0 || height <= 0 || width > kBmpMaxSide || height > kBmpMaxSide)
    return koSystem::Error(method, "スプライトを作成できません");
  rec.surface = MakeSurface(width, height);
  GiveColorKey(rec);
  return n;
}

void ReleaseObject(int number) {
  if (!ObjectSurface(number)) return;
  koDrawObject& rec = gDrawObjects[number];
  rec.surface.reset();
  rec.name[0] = '\0';
  rec.colorKey = 0;
  rec.width = rec.height = 0;
}

int SwapObject(const char* name, int number, int) {
  const char* method = "koDraw::SwapObject";
  if (!name || !*name) return koSystem::Error(method, kNoBitmap);
  if (NameTooLong(name)) return koSystem::Error(method, kNameTooLong);
  if (number < 0 || number >= kDrawObjectCount) return koSystem::Error(method, kNoBitmap);
  koDrawObject& rec = gDrawObjects[number];
  rec.surface.reset();
  SetName(rec, name);
  rec.fromPack = 0;
  rec.memoryKind = 2;
  rec.surface = LoadBitmapSurface(rec.name, rec.width, rec.height);
  if (!rec.surface) return koSystem::Error(method, kNoBitmap);
  GiveColorKey(rec);
  return 1;
}

void SetColorKey(uint32_t colour) {
  gColorKey = colour;
  gUseCornerKey = 0;
}

void UseCornerColorKey() { gUseCornerKey = 1; }

void SetObjectColorKey(int number, uint32_t colour) {
  Surface* s = ObjectSurface(number);
  if (!s) return;
  gDrawObjects[number].colorKey = colour;
  SetSurfaceColorKey(*s, colour);
}

void SetObjectCornerKey(int number) { SetObjectColorKey(number, kCornerKey); }

void CopyColorKey(int destination, int source) {
  Surface* d = ObjectSurface(destination);
  const Surface* s = ObjectSurface(source);
  if (d && s) d->colorKey = s->colorKey;
}

uint16_t ColorMatch(const Surface& surface, uint32_t colour) {
  if (colour != kCornerKey) return ColorRefTo565(colour);
  return surface.pixels.empty() ? 0 : surface.pixels[0];
}

void SetSurfaceColorKey(Surface& surface, uint32_t colour) {
  surface.colorKey = ColorMatch(surface, colour);
}

}  // namespace koDraw
