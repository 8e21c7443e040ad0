// Plain text on the device context: a string at a point, and word-wrapped
// text in a rectangle.
//
// Wrapping: a line may end before a word that follows spaces (the spaces are
// not drawn) and beside any wide character (kana, kanji, full-width forms;
// half-width katakana join words), but never before closing punctuation
// (gLineBreakTable less its opening bracket): punctuation that does not fit
// takes the character before it along to the next line. A word wider than
// the rectangle keeps a line to itself. CR, LF and CR LF end a line.
#include <algorithm>
#include <climits>
#include <cstring>

#include "engine/draw/text_internal.h"
#include "engine/draw/utf8.h"

namespace koDraw {
namespace {

using text::OpenedFont;

bool Wide(char32_t c) {
  const bool halfWidthForm = (c >= 0xFF61 && c <= 0xFFDC) || (c >= 0xFFE8 && c <= 0xFFEE);
  return c >= 0x2E80 && !halfWidthForm;
}

// Closing punctuation stays with the character before it.
bool NeverStartsALine(const char* c, size_t length) {
  constexpr char kOpeningBracket[] = "（";
  const bool opening =
      length == sizeof kOpeningBracket - 1 && std::memcmp(c, kOpeningBracket, length) == 0;
  return !opening && text::InLineBreakTable(c, length);
}

// Calls onLine(begin, end, width, index) for each line of the wrapped text,
// width leaving out spaces at the line's end; returns the number of lines.
template <typename OnLine>
int64_t Wrap(const OpenedFont& font, const char* s, size_t n, int64_t width, OnLine onLine) {
  int64_t lines = 0;
  for (size_t pos = 0; pos < n;) {
    size_t i = pos, end = n, next = n, cut = pos;
    int64_t x = 0, inked = 0, cutWidth = 0;
    bool afterSpace = false, afterWide = false;
    while (i < n) {
      const utf8::Char ch = utf8::Decode(s + i, n - i);
      if (ch.code == '\n' || ch.code == '\r') {
        end = i;
        next = i + 1 + (ch.code == '\r' && i + 1 < n && s[i + 1] == '\n');
        break;
      }
      const int advance = text::CharExtent(font, ch.code).cx;
      if (ch.code == ' ') {
        x += advance;
        afterSpace = true;
        afterWide = false;
        ++i;
        continue;
      }
      const bool mayStart = !NeverStartsALine(s + i, static_cast<size_t>(ch.length));
      if (i > pos && mayStart && (afterSpace || Wide(ch.code) || afterWide)) {
        cut = i;
        cutWidth = inked;
      }
      if (cut > pos && x + advance > width) {
        end = next = cut;
        inked = cutWidth;
        break;
      }
      x += advance;
      inked = x;
      afterSpace = false;
      afterWide = Wide(ch.code);
      i += static_cast<size_t>(ch.length);
    }
    onLine(pos, end, inked, lines++);
    pos = next;
  }
  return lines;
}

int Height(int64_t lines, const OpenedFont& font) {
  return static_cast<int>(std::min<int64_t>(lines * font.CellHeight(), INT_MAX));
}

DrawRect Intersect(const DrawRect& a, const DrawRect& b) {
  DrawRect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
             std::min(a.bottom, b.bottom)};
  r.right = std::max(r.right, r.left);
  r.bottom = std::max(r.bottom, r.top);
  return r;
}

text::Paint DcPaint(Surface& s, const DrawRect& clip) {
  return {&s, clip, ColorRefTo565(gTextDC.color), gTextDC.opaque != 0,
          ColorRefTo565(gTextDC.background)};
}

}  // namespace

void DrawTextAt(int x, int y, const char* text) {
  Surface* s = text::TargetSurface(gTextDC.target);
  if (!s || !text) return;
  text::PaintText(DcPaint(*s, text::Bounds(*s)), text::Open(gTextDC.font), x, y, text,
                  std::strlen(text));
}

int DrawTextInRect(int left, int top, int right, int bottom, const char* text, int alignment) {
  if (alignment < 0 || alignment > 2) return alignment;
  Surface* s = text::TargetSurface(gTextDC.target);
  if (!s || !text) return 0;
  const OpenedFont font = text::Open(gTextDC.font);
  const text::Paint paint = DcPaint(*s, Intersect({left, top, right, bottom}, text::Bounds(*s)));
  const int64_t cell = font.CellHeight(), width = int64_t{right} - left;
  const int64_t lines = Wrap(
      font, text, std::strlen(text), width, [&](size_t begin, size_t end, int64_t w, int64_t k) {
        const int64_t y = top + k * cell;
        // Lines of an upright font that lie wholly outside the rectangle are skipped.
        if (font.sine == 0 && (y >= paint.clip.bottom || y + cell <= paint.clip.top)) return;
        const int64_t x = alignment == 0   ? left
                          : alignment == 1 ? left + (width - w) / 2
                                           : right - w;
        text::PaintText(paint, font, x, y, text + begin, end - begin);
      });
  return Height(lines, font);
}

int MeasureTextInRect(int left, int, int right, int, const char* text) {
  if (!text::TargetSurface(gTextDC.target) || !text) return 0;
  const OpenedFont font = text::Open(gTextDC.font);
  const int64_t lines = Wrap(font, text, std::strlen(text), int64_t{right} - left,
                             [](size_t, size_t, int64_t, int64_t) {});
  return Height(lines, font);
}

}  // namespace koDraw
