// The smoothed text sprite: each stretch of a line is drawn at double size
// into ObjectFontBuffer, then shrunk into ObjectFont, each output pixel
// mixing its 3 x 3 source neighbourhood with the back surface beneath it.
#include <algorithm>
#include <cstring>

#include "engine/draw/text_internal.h"
#include "engine/draw/utf8.h"

namespace koDraw {
namespace {

using namespace text;

// The 5-bit value of a channel at its place in a pixel.
uint32_t Channel(uint16_t p, const PixelChannel& c) { return (p >> c.place) & 31; }

struct SmoothRun {
  int64_t left, right, bottom;
  int64_t lx, ly;  // where the current stretch starts on screen

  // Grows entry 0 over the stretch of bx x lh buffer pixels at (lx, ly), cut
  // at the bottom bound; returns the cut height.
  int64_t Grow(int64_t bx, int64_t lh) const {
    int64_t h = lh;
    if (lh / 2 + ly > bottom) h -= 2 * ((lh / 2 + ly) - bottom);
    DrawRect& box = gCharRects[0];
    box.right = std::max(box.right, Saturate(lx + bx / 2));
    box.bottom = std::max(box.bottom, Saturate(ly + h / 2));
    return h;
  }

  // Shrinks the stretch to its place on screen, no lower than the bottom bound.
  void Flush(int64_t bx, int64_t lh) const {
    const int64_t h = Grow(bx, lh);
    ShrinkTextLine(Saturate(lx), Saturate(ly), 0, 0, Saturate(bx), Saturate(h));
  }

  // A character of width cx that can never be drawn would be tried again and
  // again, each try flushing an empty stretch: on this spot for good, or a
  // line lower each time until the bottom bound. Entry 0 grows as those
  // flushes would grow it; the first and the lowest decide.
  void GrowAsRetriesWould(int64_t cx, int64_t lh) {
    Grow(0, lh);
    if (right > lx + cx / 2) return;  // no new line: the same spot forever
    const int64_t step = lh / 2;
    lx = left;
    ly += step;
    if (bottom <= ly) return;
    if (right <= lx + cx / 2 && step > 0) ly += (bottom - 1 - ly) / step * step;
    Grow(0, lh);
  }
};

void Render(int left, int top, int right, int bottom, const char* text, int flags) {
  Surface* buffer = ObjectSurface(kObjectFontBuffer);
  if (!buffer || !ObjectSurface(kObjectFont)) {
    gTextBlitNow = 1;
    return;
  }
  ClearObject(kObjectFont);
  ClearObject(kObjectFontBuffer);
  const OpenedFont font = Open(gTextLogFont);
  LiftColoursOffKey();
  const Paint ink{buffer, Bounds(*buffer), ColorRefTo565(gTextColor), false, 0};
  Paint shade = ink;
  shade.colour = ColorRefTo565(gTextShadowColor);

  SmoothRun run{Near(left), Near(right), Near(bottom), Near(left), Near(top)};
  const int64_t startHeight = (flags & 0xFF) + int64_t{gTextHeight};
  int64_t bx = 0, lh = startHeight;
  gCharRects[0].left = static_cast<int>(run.lx);
  gCharRects[0].top = static_cast<int>(run.ly);
  gCharRectCount = 1;
  const size_t n = text ? std::strlen(text) : 0;
  for (size_t i = 0; i < n && gCharRectCount < kCharRectCount;) {
    const utf8::Char ch = utf8::Decode(text + i, n - i);
    const size_t bytes = static_cast<size_t>(ch.length);
    const bool newline = ch.code == '\n';
    Extent e{0, 0};
    if (!newline) {
      DrawStyled(ink, shade, font, bx, 0, text + i, bytes, flags, 2);
      e = CharExtent(font, ch.code);
      e.cx += e.cx & 1;
      e.cy += e.cy & 1;
      if (flags & kShadowFlag) e.cx += 2, e.cy += 2;
      if (flags & kWiderXFlag) ++e.cx;
      if (flags & kWiderYFlag) ++e.cy;
    }
    const int entry = gCharRectCount++;
    const int64_t x = run.lx + bx / 2;
    gCharRects[entry] = {Saturate(x), Saturate(run.ly), Saturate(x + e.cx / 2),
                         Saturate(run.ly + e.cy / 2)};
    const int64_t stretchStart = bx;
    bx += e.cx;
    lh = std::max<int64_t>(lh, e.cy);
    const bool margin = run.right <= run.lx + bx / 2, full = bx >= buffer->width;
    if (!margin && !full && !newline) {
      i += bytes;
      continue;
    }
    gCharRectCount = entry;
    const bool hangs = margin && InLineBreakTable(text + i, bytes);
    const bool retry = !newline && !hangs;
    if (retry) {
      bx -= e.cx;
      // Alone in a stretch it fills the buffer, or alone on a line it passes
      // the right bound: it would never be drawn, however often tried.
      if (stretchStart == 0 && (full || run.lx == run.left)) {
        run.GrowAsRetriesWould(e.cx, lh);
        break;
      }
    }
    run.Flush(bx, lh);
    ClearObject(kObjectFontBuffer);
    run.lx += bx / 2;
    if (run.right <= run.lx + e.cx / 2 || newline) {
      run.lx = run.left;
      run.ly += lh / 2;
    }
    bx = 0;
    lh = startHeight;
    if (run.bottom <= run.ly) break;
    if (!retry) i += bytes;
  }
  if (bx > 0) run.Flush(bx, lh);
  // The font goes back into a freshly taken context, as a selection leaves it.
  Take(kObjectFontBuffer);
  FinishRendering();
}

}  // namespace

void RenderTextSpriteSmooth(int left, int top, int right, int bottom, const char* text, int flags) {
  Render(left, top, right, bottom, text, flags);
}

void RenderTextSpriteSmoothDeferred(int left, int top, int right, int bottom, const char* text,
                                    int flags) {
  gTextBlitNow = 0;
  Render(left, top, right, bottom, text, flags);
}

int ShrinkTextLine(int x, int y, int left, int top, int right, int bottom) {
  const Surface* src = ObjectSurface(kObjectFontBuffer);
  Surface* dst = ObjectSurface(kObjectFont);
  const Surface* back = gBackSurface.get();
  if (!src || !dst || !back) return 0;
  int64_t w = (int64_t{right} - left) >> 1, h = (int64_t{bottom} - top) >> 1;
  // The whole source area bounds the neighbourhoods, however the clip cuts.
  const int64_t areaLeft = std::max<int64_t>(left, 0), areaTop = std::max<int64_t>(top, 0);
  const int64_t areaRight = std::min<int64_t>(left + 2 * w, src->width);
  const int64_t areaBottom = std::min<int64_t>(top + 2 * h, src->height);
  // Cut to the clip rectangle; the source moves two pixels per output pixel.
  int64_t X = x, Y = y, L = left, T = top;
  const DrawRect& c = gClipRect;
  if (X + w > c.right) w = c.right - X;
  if (Y + h > c.bottom) h = c.bottom - Y;
  if (X < c.left) {
    L += 2 * (c.left - X);
    w -= c.left - X;
    X = c.left;
  }
  if (Y < c.top) {
    T += 2 * (c.top - Y);
    h -= c.top - Y;
    Y = c.top;
  }
  if (w < 0 || h < 0) return 1;
  // Output pixels off ObjectFont or the back surface are left out.
  const int64_t i0 = std::max<int64_t>(0, -X), j0 = std::max<int64_t>(0, -Y);
  const int64_t i1 = std::min({w, int64_t{dst->width} - X, int64_t{back->width} - X});
  const int64_t j1 = std::min({h, int64_t{dst->height} - Y, int64_t{back->height} - Y});
  const PixelChannel &red = gPixelFormat.red, &green = gPixelFormat.green,
                     &blue = gPixelFormat.blue;
  for (int64_t j = j0; j < j1; ++j) {
    uint16_t* out = dst->Row(static_cast<int>(Y + j));
    const uint16_t* under = back->Row(static_cast<int>(Y + j));
    for (int64_t i = i0; i < i1; ++i) {
      const int64_t cx = L + 2 * i, cy = T + 2 * j;
      uint32_t r = 0, g = 0, b = 0, count = 0;
      for (int64_t sy = std::max(cy - 1, areaTop); sy <= std::min(cy + 1, areaBottom - 1); ++sy) {
        const uint16_t* row = src->Row(static_cast<int>(sy));
        for (int64_t sx = std::max(cx - 1, areaLeft); sx <= std::min(cx + 1, areaRight - 1); ++sx) {
          const uint16_t p = row[sx];
          if (!p) continue;
          r += Channel(p, red);
          g += Channel(p, green);
          b += Channel(p, blue);
          ++count;
        }
      }
      if (count == 0) continue;
      r += 31, g += 31, b += 31;
      if (count < 8) {
        const uint16_t p = under[X + i];
        r += (8 - count) * Channel(p, red);
        g += (8 - count) * Channel(p, green);
        b += (8 - count) * Channel(p, blue);
      }
      out[X + i] = static_cast<uint16_t>(std::min<uint32_t>(r >> 3, 31) << red.place |
                                         std::min<uint32_t>(g >> 3, 31) << green.place |
                                         std::min<uint32_t>(b >> 3, 31) << blue.place);
    }
  }
  return 1;
}

}  // namespace koDraw
