// Debug text: a line in white on navy at a point of the back surface.
#include <cstdarg>
#include <cstdio>

#include "engine/draw/ko_draw.h"
#include "engine/draw/utf8.h"

namespace koDraw {

void DebugText(int x, int y, const char* text) {
  SelectTextFont(1, 12, 0, 0, 0, 0);
  SetTextColors(0xFFFFFF, 0x800000, 0);
  DrawTextAt(x, y, text);
  RestoreTextFont();
}

void DebugPrint(int x, int y, const char* format, ...) {
  char line[256];
  va_list args;
  va_start(args, format);
  const int wanted = std::vsnprintf(line, sizeof line, format ? format : "", args);
  va_end(args);
  if (wanted < 0) return;
  if (static_cast<size_t>(wanted) >= sizeof line)  // cut short: no half character at the end
    line[utf8::WithoutCutTail(line, sizeof line - 1)] = '\0';
  DebugText(x, y, line);
}

}  // namespace koDraw
