// Text on the engine's screen: the installed IPA faces, the back surface
// filled with one colour, and helpers that find where ink went.
#pragma once
#include <string>
#include <utility>

#include "engine/draw/text_internal.h"
#include "tests/engine/draw_fixture.h"

class TextTest : public DrawTest {
 protected:
  static constexpr uint16_t kBg = 0x0841;

  void SetUp() override {
    DrawTest::SetUp();
    koDraw::FillRect(0, 0, 640, 480, kBg);
    gFrameScale = 0;
    // The text state as at program start.
    gCharRects[0] = {0, 0, 0, 0};
    gCharRectCount = 1;
    gRevealCount = 0;
    gRevealTimer = 0;
    gTextBlitNow = 1;
    gTextColor = gTextShadowColor = 0;
  }
  void TearDown() override {
    koDraw::RestoreTextFont();
    DrawTest::TearDown();
  }

  // The advances of the text's characters added up.
  static int Width(const std::string& text) {
    const koDraw::text::OpenedFont font = koDraw::text::Open(gTextLogFont);
    return static_cast<int>(koDraw::text::TextWidth(font, text.data(), text.size()));
  }

  // The smallest rectangle holding every pixel of `s` inside `area` that
  // differs from `empty`; right and bottom exclusive; all 0 when none does.
  static DrawRect Ink(const Surface& s, DrawRect area, uint16_t empty) {
    DrawRect box{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x) {
        if (s.Row(y)[x] == empty) continue;
        box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
               std::max(box.bottom, y + 1)};
      }
    return box.left < box.right ? box : DrawRect{0, 0, 0, 0};
  }
  static DrawRect BackInk(DrawRect area = {0, 0, 640, 480}) {
    return Ink(*gBackSurface, area, kBg);
  }
  static int Count(const Surface& s, DrawRect area, uint16_t colour) {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x) n += s.Row(y)[x] == colour;
    return n;
  }
  static bool Empty(DrawRect r) {
    return r.left == 0 && r.top == 0 && r.right == 0 && r.bottom == 0;
  }
};

inline bool operator==(const DrawRect& a, const DrawRect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline std::ostream& operator<<(std::ostream& o, const DrawRect& r) {
  return o << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
