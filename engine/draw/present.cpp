// The frame present with its transition overlays and the engine pause screen,
// the screen capture, the clip-rectangle transition and the fps meter.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "engine/draw/draw_internal.h"
#include "engine/draw/ko_draw.h"
#include "engine/system/ko_system.h"
#include "platform/clock.h"
#include "platform/frame.h"
#include "platform/keys.h"

int gVSync = 1;
int gTransitionTileObject;
int gPausePicture, gPauseTile, gPausePictureHeight;
float gPauseScroll, gPauseTileX, gPauseTileY;
int gClipTransitionState;
DrawRect gClipTransitionSaved;
int gClipTransitionDirection, gClipTransitionPattern, gClipTransitionBand;
float gClipTransitionSpeed;
int gClipTransitionOpened, gClipTransitionClosed;
int gFpsFrames;
float gFps, gFpsMax, gFpsMin = 999.9f;
char gFpsText[64];

namespace koDraw {
namespace {

// Draws a part of the captured screen (object 1) through the clip.
void Old(int x, int y, int left, int top, int right, int bottom) {
  BlitOpaque(x, y, kObjectScreen, left, top, right, bottom);
}

// The random offset of a row of kinds 3 and 4: -(N - s + 1) .. N - s.
bool RandomShift(int n, int s, int& x) {
  const int span = 2 * (n - s) + 2;
  if (span <= 0) return false;
  x = koSystem::Rand() % span - (n - s + 1);
  return true;
}

// One frame of the running transition: s is the count, N the length. Kinds
// that divide by N or step by it draw nothing for N below 1.
void DrawTransition() {
  const int s = gTransitionCount, n = gTransitionLength, w = gScreenWidth, h = gScreenHeight;
  const int k = n - s + 1;
  const int kind = gTransitionKind;
  if (kind == 0) {
    for (int i = 0; i < 10; ++i)
      for (int j = 0; j < 10; ++j)
        Blit(64 * i, 48 * j, gTransitionTileObject, 64 * (s - 1), 0, 64 * (s - 1) + 64, 48);
    return;
  }
  if (kind == 1 || kind == 3) {
    for (int y = 0; y < h; ++y) {
      if (y % s == 0) continue;
      int x = 0;
      if (kind == 3 && !RandomShift(n, s, x)) return;
      Old(x, y, 0, y, w, y + 1);
    }
    return;
  }
  if (n < 1) return;
  switch (kind) {
    case 2:
    case 4:
      for (int y = 0; y < h; y += n) {
        int x = 0;
        if (kind == 4 && !RandomShift(n, s, x)) return;
        Old(x, y, 0, y, w, y + s + 1);
      }
      break;
    case 5:
      Old(0, -(h / n) * k, 0, 0, w, h);
      break;
    case 6:
      Old(0, (h / n) * k, 0, 0, w, h);
      break;
    case 7:
      Old(-(w / n) * k, 0, 0, 0, w, h);
      break;
    case 8:
      Old((w / n) * k, 0, 0, 0, w, h);
      break;
    case 9:
      Old(0, -((h / 2) / n) * k, 0, 0, w, h / 2);
      Old(0, h / 2 + ((h / 2) / n) * k, 0, h / 2, w, h);
      break;
    case 10:
      Old(-((w / 2) / n) * k, 0, 0, 0, w / 2, h);
      Old(w / 2 + ((w / 2) / n) * k, 0, w / 2, 0, w, h);
      break;
    case 11:
      Old(0, 0, 0, 0, (w / n) * s, h);
      break;
    case 12: {
      const int d = (w / n) * k;
      Old(d, 0, d, 0, w, h);
      break;
    }
    default:
      break;  // 13 and others: the count runs without a picture
  }
}

void StepTransition() {
  gTransitionCount += gTransitionState;
  if ((gTransitionState == -1 && gTransitionCount < 1) ||
      (gTransitionState == 1 && gTransitionCount > 10))
    gTransitionCount = gTransitionState = 0;
}

void DrawPauseScreen() {
  for (int i = 0; i < 11; ++i)
    for (int j = 0; j < 11; ++j)
      Blit(64 * i + static_cast<int>(gPauseTileX), 48 * j + static_cast<int>(gPauseTileY),
           gPauseTile, 0, 0, 64, 48);
  gPauseTileX -= 10 * gFrameScale;
  gPauseTileY -= 10 * gFrameScale;
  if (gPauseTileX <= -64) gPauseTileX += 64;
  if (gPauseTileY <= -48) gPauseTileY += 48;
  const DrawRect& c = gClipRect;
  const int scroll = static_cast<int>(gPauseScroll);
  Blit(c.left, c.top, gPausePicture, 0, scroll, c.right - c.left, c.bottom - c.top + scroll);
  if (gPauseScrollKey == plat::kVkUp) gPauseScroll -= 100 * gFrameScale;
  if (gPauseScrollKey == plat::kVkLeft) gPauseScroll -= 300 * gFrameScale;
  if (gPauseScrollKey == plat::kVkDown) gPauseScroll += 100 * gFrameScale;
  if (gPauseScrollKey == plat::kVkRight) gPauseScroll += 300 * gFrameScale;
  if (gPauseScroll < 0) gPauseScroll = 0;
  const int limit = gPausePictureHeight - (c.bottom - c.top);
  if (limit < gPauseScroll) gPauseScroll = static_cast<float>(limit);
}

// Loads a picture of the pause screen into a new number the first time and
// reloads it into its own number after that. Each picture decides by its own
// number: one whose first load failed still holds 0, and a reload there would
// replace ObjectBuffer, which every never-loaded picture draws.
void ReloadInto(int& number, const char* file) {
  if (number == 0)
    number = LoadObject(file, 2);
  else
    SwapObject(file, number, 2);
}

void Opened() {
  gClipTransitionState = 0;
  gClipTransitionOpened = 1;
}
void Closed() {
  gClipTransitionState = -1;
  gClipTransitionClosed = 1;
}

// v + d held inside the int range, so that no speed or rectangle overflows.
int Offset(int v, int64_t d) {
  return static_cast<int>(std::clamp<int64_t>(v + d, INT32_MIN, INT32_MAX));
}

// The middle of the saved rectangle, and the band of patterns 8 and 9 that
// reaches b = band / 2 from it on either side.
struct Middle {
  int mx, my;
  DrawRect band;
};
Middle MiddleOf(const DrawRect& S, int band) {
  const int mx = Offset(S.left, (int64_t{S.right} - S.left) / 2);
  const int my = Offset(S.top, (int64_t{S.bottom} - S.top) / 2);
  const int b = band / 2;
  return {mx, my, {Offset(mx, -b), Offset(my, -b), Offset(mx, b), Offset(my, b)}};
}

// Moves a pair of edges apart by `step` (opening); once either reaches its
// end, both take their ends. True once they have.
bool OpenPair(int& lo, int& hi, int loEnd, int hiEnd, int64_t step) {
  lo = Offset(lo, -step);
  hi = Offset(hi, step);
  if (lo > loEnd && hi < hiEnd) return false;
  lo = loEnd;
  hi = hiEnd;
  return true;
}

// Moves a pair of edges together by `step`; true once they meet or cross.
bool Squeeze(int& lo, int& hi, int64_t step) {
  lo = Offset(lo, step);
  hi = Offset(hi, -step);
  return hi <= lo;
}

// Moves a pair of edges together; when either reaches its stop, both take them.
void ClosePairTo(int& lo, int& hi, int loStop, int hiStop, int64_t step) {
  Squeeze(lo, hi, step);
  if (lo >= loStop || hi <= hiStop) {
    lo = loStop;
    hi = hiStop;
  }
}

void StepOpening(int64_t step) {
  DrawRect& c = gClipRect;
  const DrawRect& S = gClipTransitionSaved;
  auto all = [&] {
    return c.left == S.left && c.top == S.top && c.right == S.right && c.bottom == S.bottom;
  };
  switch (gClipTransitionPattern) {
    case 1:
      c.top = Offset(c.top, -step);
      if (c.top <= S.top) {
        c.top = S.top;
        Opened();
      }
      break;
    case 2:
      c.bottom = Offset(c.bottom, step);
      if (c.bottom >= S.bottom) {
        c.bottom = S.bottom;
        Opened();
      }
      break;
    case 3:
      c.left = Offset(c.left, -step);
      if (c.left <= S.left) {
        c.left = S.left;
        Opened();
      }
      break;
    case 4:
      c.right = Offset(c.right, step);
      if (c.right >= S.right) {
        c.right = S.right;
        Opened();
      }
      break;
    case 5:
      if (OpenPair(c.top, c.bottom, S.top, S.bottom, step)) Opened();
      break;
    case 6:
      if (OpenPair(c.left, c.right, S.left, S.right, step)) Opened();
      break;
    case 7:
      OpenPair(c.left, c.right, S.left, S.right, step);
      OpenPair(c.top, c.bottom, S.top, S.bottom, step);
      if (all()) Opened();
      break;
    case 8:
      if (c.top != S.top || c.bottom != S.bottom)
        OpenPair(c.top, c.bottom, S.top, S.bottom, step);
      else
        OpenPair(c.left, c.right, S.left, S.right, step);
      if (all()) Opened();
      break;
    case 9:
      if (c.left != S.left || c.right != S.right)
        OpenPair(c.left, c.right, S.left, S.right, step);
      else
        OpenPair(c.top, c.bottom, S.top, S.bottom, step);
      if (all()) Opened();
      break;
  }
}

void StepClosing(int64_t step) {
  DrawRect& c = gClipRect;
  const DrawRect& S = gClipTransitionSaved;
  const auto [mx, my, band] = MiddleOf(S, gClipTransitionBand);
  switch (gClipTransitionPattern) {
    case 1:
      c.top = Offset(c.top, step);
      if (c.top >= S.bottom) Closed();
      break;
    case 2:
      c.bottom = Offset(c.bottom, -step);
      if (c.bottom <= S.top) Closed();
      break;
    case 3:
      c.left = Offset(c.left, step);
      if (c.left >= S.right) Closed();
      break;
    case 4:
      c.right = Offset(c.right, -step);
      if (c.right <= S.left) Closed();
      break;
    case 5:
      if (Squeeze(c.top, c.bottom, step)) Closed();
      break;
    case 6:
      if (Squeeze(c.left, c.right, step)) Closed();
      break;
    case 7:  // each pair snaps to the middle once it has met or crossed
      if (Squeeze(c.left, c.right, step)) c.left = c.right = mx;
      if (Squeeze(c.top, c.bottom, step)) c.top = c.bottom = my;
      if (c.right == c.left && c.bottom == c.top) Closed();
      break;
    case 8:
      if (c.left != band.left && c.right != band.right)
        ClosePairTo(c.left, c.right, band.left, band.right, step);
      else if (Squeeze(c.top, c.bottom, step))
        Closed();
      break;
    case 9:
      if (c.top != band.top && c.bottom != band.bottom)
        ClosePairTo(c.top, c.bottom, band.top, band.bottom, step);
      else if (Squeeze(c.left, c.right, step))
        Closed();
      break;
  }
}

}  // namespace

void Present() {
  Surface* back = gBackSurface.get();
  if (!back) return;
  if (gTransitionCount != 0) {
    DrawTransition();
    StepTransition();
  }
  if (gEnginePause) DrawPauseScreen();
  const DrawRect& r = gPresentSource;
  const int left = std::clamp(r.left, 0, back->width), top = std::clamp(r.top, 0, back->height);
  const int right = std::clamp(r.right, left, back->width);
  const int bottom = std::clamp(r.bottom, top, back->height);
  // While gVSync is set the frame waits for the vertical blank; the
  // platform's pacing holds frames to 60 a second either way.
  plat::ShowFrame(back->Row(top) + left, right - left, bottom - top, back->pitch, gVSync != 0);
}

void CaptureScreen(int object, int left, int top, int right, int bottom) {
  Surface* dst = ObjectSurface(object);
  const Surface* src = gBackSurface.get();
  detail::Span s;
  if (dst && src &&
      detail::CutToSurfaces(0, 0, left, top, int64_t{right} - left, int64_t{bottom} - top, *src,
                            *dst, s))
    detail::CopySpan(*dst, *src, s, false);
}

void SetVSync(int flag) { gVSync = flag; }

void StartTransition() {
  gTransitionCount = 1;
  gTransitionState = 1;
}

void StartTransitionBack() {
  gTransitionCount = 10;
  gTransitionState = -1;
}

void SetTransitionTiles(const char* file) {
  SetColorKey(0);
  gTransitionTileObject = LoadObject(file, 2);
}

void SetPausePicture(const char* picture, const char* tile, int height) {
  SetColorKey(0);
  ReloadInto(gPausePicture, picture);
  ReloadInto(gPauseTile, tile);
  gPauseScroll = 0;
  gPausePictureHeight = height;
}

void TogglePause() {
  if (gEnginePause)
    gEnginePause = 0;
  else if (gPausePictureHeight != 0)
    gEnginePause = 1;
}

int StartClipTransition(int direction, int pattern, float speed, int band) {
  if (gClipTransitionState > 0 || pattern < 0 || pattern > 9) return 0;
  if (gClipTransitionState == -1) gClipRect = gClipTransitionSaved;
  gClipTransitionSaved = gClipRect;
  if (pattern == 0) pattern = koSystem::Rand() % 9 + 1;
  gClipTransitionOpened = gClipTransitionClosed = 0;
  gClipTransitionDirection = direction;
  gClipTransitionPattern = pattern;
  gClipTransitionSpeed = speed;
  gClipTransitionBand = band;
  if (direction != 0) {
    gClipTransitionState = 2;
    return 1;
  }
  gClipTransitionState = 1;
  DrawRect& c = gClipRect;
  const DrawRect S = gClipTransitionSaved;
  const Middle m = MiddleOf(S, band);
  switch (pattern) {
    case 1:
      c.top = S.bottom;
      break;
    case 2:
      c.bottom = S.top;
      break;
    case 3:
      c.left = S.right;
      break;
    case 4:
      c.right = S.left;
      break;
    case 5:
      c.top = c.bottom = m.my;
      break;
    case 6:
      c.left = c.right = m.mx;
      break;
    case 7:
      c.left = c.right = m.mx;
      c.top = c.bottom = m.my;
      break;
    case 8:
      c.top = c.bottom = m.my;
      c.left = m.band.left;
      c.right = m.band.right;
      break;
    case 9:
      c.left = c.right = m.mx;
      c.top = m.band.top;
      c.bottom = m.band.bottom;
      break;
  }
  return 1;
}

int StepClipTransition() {
  if (gClipTransitionState <= 0) return 0;
  // trunc(speed x frame scale) + 1, the product held to a range the cast
  // can take (a NaN counts as 0).
  constexpr float kMaxMove = 2147483648.0f;
  const float move = gClipTransitionSpeed * gFrameScale;
  const int64_t step =
      static_cast<int64_t>(std::isnan(move) ? 0.0f : std::clamp(move, -kMaxMove, kMaxMove)) + 1;
  if (gClipTransitionState == 1)
    StepOpening(step);
  else
    StepClosing(step);
  return 1;
}

void EndClipTransition() {
  gClipTransitionSaved = gClipRect;
  gClipRect.right = gClipRect.left;
  gClipRect.bottom = gClipRect.top;
  gClipTransitionState = -1;
}

void ShowFps() {
  const uint32_t now = plat::NowMs();
  if (static_cast<int32_t>(now - gFpsMeterTime) >= 0) {
    gFps = static_cast<float>(gFpsFrames / 2.0);
    if (gFps > gFpsMax) gFpsMax = gFps;
    if (gFps > 0 && gFps < gFpsMin) gFpsMin = gFps;
    gFpsMeterTime = plat::NowMs() + 2000;
    gFpsFrames = 0;
  }
  gFpsFrames = std::min(gFpsFrames + 1, 999);
  std::snprintf(gFpsText, sizeof gFpsText, "%3.1f fps ( max %3.1f / min %3.1f )", gFps, gFpsMax,
                gFpsMin);
  DebugText(0, 0, gFpsText);
}

}  // namespace koDraw
