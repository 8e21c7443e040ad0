// Screen set-up: the back surface, the four internal objects, the pixel
// format, the tables; the reload of pictures and the shutdown of the display.
#include <cstdio>

#include "engine/draw/bmp.h"
#include "engine/draw/ko_draw.h"
#include "engine/sound/ko_sound.h"
#include "engine/system/ko_system.h"
#include "platform/frame.h"
#include "platform/window.h"

std::unique_ptr<Surface> gBackSurface;
DrawRect gClipRect;
int gScreenWidth, gScreenHeight;
int gCanStretch;
int gDisplayDepth = 16, gFallbackDepth1, gFallbackDepth2;
DrawRect gPresentSource, gPresentTarget;
PixelFormat gPixelFormat;

namespace koDraw {
namespace {

constexpr int kDefaultWidth = 640, kDefaultHeight = 480;

constexpr const char* kInternalNames[4] = {"内部用１", "内部用２", "内部用３", "内部用４"};

void EmptyRecord(koDrawObject& rec) {
  rec.surface.reset();
  rec.name[0] = '\0';
  rec.fromPack = 0;
  rec.memoryKind = 2;
  rec.colorKey = 0;
  rec.width = rec.height = 0;
}

PixelChannel AnalyseChannel(uint32_t mask) {
  PixelChannel c{mask, 0, mask, 0};
  while (!(c.max & 1)) {
    c.max >>= 1;
    ++c.shift;
  }
  c.place = static_cast<int16_t>(c.shift + (c.max == 63 ? 1 : 0));
  return c;
}

// A failure of the start-up: the error box, then an orderly shutdown, so the
// engine is never left half started.
int Fail(const char* message) {
  koSystem::Error("koDraw::Screen", message);
  koSystem::Quit();
  return 0;
}

// The back surface is 5-6-5, so 16 is the one depth that can be set: the
// asked depth is tried, then each fallback that is set; gDisplayDepth keeps
// the last one tried.
bool SetDisplayDepth() {
  if (gDisplayDepth == 16) return true;
  for (int fallback : {gFallbackDepth1, gFallbackDepth2}) {
    if (fallback == 0) continue;
    gDisplayDepth = fallback;
    if (fallback == 16) return true;
  }
  return false;
}

}  // namespace

int AnalysePixelFormat(uint32_t redMask, uint32_t greenMask, uint32_t blueMask) {
  if (redMask == 0 || greenMask == 0 || blueMask == 0) return 0;
  PixelFormat& f = gPixelFormat;
  f.red = AnalyseChannel(redMask);
  f.green = AnalyseChannel(greenMask);
  f.blue = AnalyseChannel(blueMask);
  f.halfMask = f.white = 0;
  for (const PixelChannel* c : {&f.red, &f.green, &f.blue}) {
    f.halfMask += (c->max >> 1) << c->shift;
    f.white += c->max << c->shift;
  }
  return 1;
}

int Screen(int width, int height, int) {
  gErrorFlag = 0;
  if (width == -1) {
    width = kDefaultWidth;
    height = kDefaultHeight;
  }
  gScreenWidth = width;
  gScreenHeight = height;
  SetClip(0, 0, width, height);
  if (!SetDisplayDepth()) return Fail("解像度が変更できません");
  if (width <= 0 || height <= 0 || width > kBmpMaxSide || height > kBmpMaxSide)
    return Fail("裏画面が生成できません");
  if (!plat::FrameOutputReady()) return Fail("表画面が生成できません");
  gBackSurface = MakeSurface(width, height);

  // The internal objects start cleared: object 0 is what every picture
  // that was never loaded draws, so it must draw nothing.
  for (int n = 0; n < 4; ++n) {
    koDrawObject& rec = gDrawObjects[n];
    EmptyRecord(rec);
    rec.surface = MakeSurface(width, height);
    SetSurfaceColorKey(*rec.surface, 0);
    std::snprintf(rec.name, sizeof rec.name, "%s", kInternalNames[n]);
    rec.width = static_cast<uint16_t>(width);
    rec.height = static_cast<uint16_t>(height);
  }
  // Stretched blits go through the path that leaves object 0 alone.
  gCanStretch = 1;
  if (!AnalysePixelFormat(0xF800, 0x07E0, 0x001F)) return Fail("ピクセル情報が取得できません");
  BuildSineTable();
  if (koSystem::GetScreenDepth() == 16) BuildBlendTables();
  for (int n = 4; n < kDrawObjectCount; ++n) EmptyRecord(gDrawObjects[n]);
  gPausePicture = gPauseTile = 0;
  gPresentSource = {0, 0, width, height};
  gPresentTarget = {gClientX, gClientY, gClientX + width, gClientY + height};

  // A machine without sound still gets a screen: the results are not checked.
  koSound::Init();
  koSound::ResetObjects();
  koSound::InitMidi();
  koSystem::InitWaits();
  EnumFontList();
  koSystem::InitJoystick();
  if (gCursorClipMode) koSystem::ClipCursorToWindow();
  return 1;
}

void SetClip(int left, int top, int right, int bottom) { gClipRect = {left, top, right, bottom}; }

void SetDepth(int depth, int fallback1, int fallback2) {
  gDisplayDepth = depth;
  gFallbackDepth1 = fallback1;
  gFallbackDepth2 = fallback2;
}

void Restore() {
  for (int n = 4; n < kDrawObjectCount; ++n) {
    koDrawObject& rec = gDrawObjects[n];
    if (rec.name[0] == '\0' || !rec.surface || rec.name[0] == '*') continue;
    SetColorKey(rec.colorKey);
    if (rec.fromPack)
      SwapPack(rec.name, n, static_cast<int>(rec.memoryKind));
    else
      SwapObject(rec.name, n, static_cast<int>(rec.memoryKind));
  }
}

void Release() {
  for (koDrawObject& rec : gDrawObjects)
    if (rec.surface) EmptyRecord(rec);
  gBackDC = nullptr;
  gBackSurface.reset();
  // A full-screen or pop-up window leaves the desktop free once the display
  // is shut down, also when it never opened.
  if (gFullScreen || gPopupWindow) plat::MinimizeWindow();
}

}  // namespace koDraw
