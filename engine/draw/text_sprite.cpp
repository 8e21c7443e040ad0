// Wrapped text rendered into ObjectFont as a keyed sprite, one rectangle
// remembered per character, and the typewriter that reveals it.
#include <algorithm>
#include <climits>
#include <cstring>

#include "engine/draw/text_internal.h"
#include "engine/draw/utf8.h"
#include "engine/system/ko_system.h"

DrawRect gCharRects[kCharRectCount];
int gCharRectCount = 1;
int gRevealCount;
float gRevealTimer;
const char* const gLineBreakTable[kLineBreakCount] = {"、", "。", "，", "．", "・", "…",  "‥", "”",
                                                      "’",  "（", "」", ",",  ".",  "　", " "};

namespace koDraw {
namespace text {

bool InLineBreakTable(const char* c, size_t length) {
  for (const char* entry : gLineBreakTable)
    if (std::strlen(entry) == length && std::memcmp(entry, c, length) == 0) return true;
  return false;
}

void LiftColoursOffKey() {
  for (uint32_t* colour : {&gTextColor, &gTextShadowColor})
    if ((*colour & 0xFF) < 0x10 && ((*colour >> 8) & 0xFF) < 0x10 &&
        ((*colour >> 16) & 0xFF) < 0x10)
      *colour = 0x101010;
}

void DrawStyled(const Paint& ink, const Paint& shade, const OpenedFont& font, int64_t x, int64_t y,
                const char* c, size_t length, int flags, int shadow) {
  const bool across = flags & kWiderXFlag, down = flags & kWiderYFlag;
  if (flags & kShadowFlag)
    PaintText(shade, font, x + shadow + across, y + shadow + down, c, length);
  PaintText(ink, font, x, y, c, length);
  if (across) PaintText(ink, font, x + 1, y, c, length);
  if (across && down) PaintText(ink, font, x + 1, y + 1, c, length);
  if (down) PaintText(ink, font, x, y + 1, c, length);
}

int64_t Near(int v) { return std::clamp<int64_t>(v, -(int64_t{1} << 24), int64_t{1} << 24); }

int Saturate(int64_t v) { return static_cast<int>(std::clamp<int64_t>(v, INT_MIN, INT_MAX)); }

void BlitCharBox(int entry) {
  const DrawRect& r = gCharRects[entry];
  Blit(r.left, r.top, kObjectFont, r.left, r.top, r.right, r.bottom);
}

void FinishRendering() {
  if (gTextBlitNow == 1) BlitCharBox(0);
  gRevealCount = 0;
  gRevealTimer = 0;
  gTextBlitNow = 1;
}

}  // namespace text

namespace {

using namespace text;

// One rendering: the pen runs along each line from the left bound; a
// character that passes the right bound starts the next line, or hangs when
// it is one of gLineBreakTable.
struct SpriteRun {
  const OpenedFont& font;
  Paint ink, shade;
  int flags;
  int64_t left, right, bottom;

  // Draws the character that the pen, now at px, has just passed.
  void Draw(int64_t px, int64_t py, const Extent& e, const char* c, size_t n) {
    DrawStyled(ink, shade, font, px - e.cx, py, c, n, flags, 1);
    DrawRect& box = gCharRects[0];
    // The box reaches one character width past the character, as the pen does.
    box.right = std::max<int>(box.right, Saturate(px + e.cx));
    box.bottom = std::max<int>(box.bottom, Saturate(py + e.cy));
  }

  Extent Measure(char32_t c) const {
    Extent e = CharExtent(font, c);
    if (flags & kShadowFlag) ++e.cx, ++e.cy;
    if (flags & kWiderXFlag) ++e.cx;
    if (flags & kWiderYFlag) ++e.cy;
    return e;
  }
};

void Render(int left, int top, int right, int bottom, const char* text, int flags) {
  Surface* sprite = ObjectSurface(kObjectFont);
  if (!sprite) {
    gTextBlitNow = 1;
    return;
  }
  ClearObject(kObjectFont);
  const OpenedFont font = Open(gTextLogFont);
  LiftColoursOffKey();
  const Paint ink{sprite, Bounds(*sprite), ColorRefTo565(gTextColor), false, 0};
  Paint shade = ink;
  shade.colour = ColorRefTo565(gTextShadowColor);
  SpriteRun run{font, ink, shade, flags, Near(left), Near(right), Near(bottom)};

  int64_t px = run.left, py = Near(top), lh = (flags & 0xFF) + int64_t{gTextHeight};
  gCharRects[0].left = static_cast<int>(run.left);
  gCharRects[0].top = static_cast<int>(py);
  gCharRectCount = 1;
  const size_t n = text ? std::strlen(text) : 0;
  bool lineEmpty = true;
  for (size_t i = 0; i < n && gCharRectCount < kCharRectCount;) {
    const utf8::Char ch = utf8::Decode(text + i, n - i);
    const size_t bytes = static_cast<size_t>(ch.length);
    const bool newline = ch.code == '\n';
    const Extent e = newline ? Extent{0, 0} : run.Measure(ch.code);
    const int entry = gCharRectCount++;
    gCharRects[entry] = {Saturate(px), Saturate(py), Saturate(px + e.cx), Saturate(py + e.cy)};
    px += e.cx;
    lh = std::max<int64_t>(lh, e.cy);
    if (px <= run.right && !newline) {
      run.Draw(px, py, e, text + i, bytes);
      lineEmpty = false;
      i += bytes;
      continue;
    }
    gCharRectCount = entry;
    const bool hangs = px > run.right && InLineBreakTable(text + i, bytes);
    if (hangs) run.Draw(px, py, e, text + i, bytes);
    const bool retry = !newline && !hangs;
    // A character too wide for an empty line would only move down line by
    // line to the bottom bound without ever being drawn.
    if (retry && lineEmpty) break;
    px = run.left;
    py += lh;
    lineEmpty = true;
    if (run.bottom <= py + lh) break;
    if (!retry) i += bytes;
  }
  // The font goes back into a freshly taken context, as a selection leaves it.
  Take(kTextToBack);
  FinishRendering();
}

}  // namespace

void RenderTextSprite(int left, int top, int right, int bottom, const char* text, int flags) {
  Render(left, top, right, bottom, text, flags);
}

void RenderTextSpriteDeferred(int left, int top, int right, int bottom, const char* text,
                              int flags) {
  gTextBlitNow = 0;
  Render(left, top, right, bottom, text, flags);
}

int RevealText(float interval) {
  const int count = std::clamp(gCharRectCount, 1, kCharRectCount);
  if (interval == 0 || gRevealCount > count) {
    BlitCharBox(0);
    gRevealCount = count + 1;
  } else {
    for (int k = 1; k < std::min(gRevealCount, count); ++k) BlitCharBox(k);
  }
  if (count < gRevealCount) return 1;
  gRevealTimer += gFrameScale;
  if (gRevealTimer >= interval) {
    if (gRevealCount <= count) ++gRevealCount;
    gRevealTimer = 0;
  }
  return 0;
}

}  // namespace koDraw
