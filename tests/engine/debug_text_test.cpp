// Debug text and the frames-per-second line.
#include <cstring>
#include <tuple>
#include <vector>

#include "tests/engine/text_fixture.h"
#include "tests/support/alloc_counter.h"

namespace {

constexpr uint16_t kWhite = 0xFFFF;
constexpr uint16_t kNavy = 0x0010;  // COLORREF 0x800000

class DebugTextTest : public TextTest {
 protected:
  static std::vector<uint16_t> Frame() { return gBackSurface->pixels; }
  static void Clear() { koDraw::FillRect(0, 0, 640, 480, kBg); }
  // The back surface after DebugText of `text` at (x, y) on a clear screen.
  static std::vector<uint16_t> DebugFrame(int x, int y, const std::string& text) {
    Clear();
    koDraw::DebugText(x, y, text.c_str());
    return Frame();
  }
};

// The fps line is debug text at the top left; once its font and glyphs are
// there, the meter allocates nothing.
TEST_F(DebugTextTest, WhiteOnNavyInTheTwelvePixelGothicAndTheFpsLine) {
  koDraw::DebugText(20, 30, "debug 12");
  koDraw::SelectTextFont(1, 12, 0, 0, 0, 0);
  const DrawRect box{20, 30, 20 + Width("debug 12"), 42};
  koDraw::RestoreTextFont();
  EXPECT_EQ(BackInk(), box);
  const int white = Count(*gBackSurface, box, kWhite);
  EXPECT_GT(white, 20);
  EXPECT_EQ(white + Count(*gBackSurface, box, kNavy), (box.right - box.left) * 12);
  Clear();
  koDraw::ShowFps();
  const std::vector<uint16_t> shown = Frame();
  EXPECT_EQ(DebugFrame(0, 0, gFpsText), shown);
  EXPECT_NE(shown[0], kBg);
  alloc_counter::Start();
  for (int i = 0; i < 100; ++i) koDraw::ShowFps();
  EXPECT_EQ(alloc_counter::Stop(), 0u);
}

TEST_F(DebugTextTest, PrintFormatsAndCutsOnACharacterBoundary) {
  Clear();
  koDraw::DebugPrint(10, 10, "%d fps %s", 42, "ok");
  EXPECT_EQ(Frame(), DebugFrame(10, 10, "42 fps ok"));
  // Formatted text is cut after 255 bytes; a character the cut would split goes whole.
  koDraw::SelectTextFont(1, 12, 0, 0, 0, 0);
  const int x = 600 - Width(std::string(254, 'a'));
  koDraw::RestoreTextFont();
  const std::string tail = std::string(254, 'a') + "漢漢";
  Clear();
  koDraw::DebugPrint(x, 10, "%s", tail.c_str());
  const std::vector<uint16_t> printed = Frame();
  EXPECT_EQ(printed, DebugFrame(x, 10, std::string(254, 'a')));
  EXPECT_NE(printed, DebugFrame(x, 10, std::string(254, 'a') + "\xE6"));
  Clear();
  koDraw::DebugPrint(x, 10, "%s", std::string(300, 'a').c_str());
  EXPECT_EQ(Frame(), DebugFrame(x, 10, std::string(255, 'a')));
}

// The caller's selection is over after debug text: its text draws nothing
// any more.
TEST_F(DebugTextTest, LeavesItsOwnFontAndColoursAndNoSelection) {
  const auto state = [] {
    const auto& f = gTextLogFont;
    return std::make_tuple(std::string(f.faceName), f.height, f.escapement, f.weight, f.italic,
                           f.charset, gTextHeight, gTextColor, gTextShadowColor, gTextDC.target);
  };
  const auto want = std::make_tuple(std::string("標準ゴシック"), 12, 0, 400, 0, kJapaneseCharset,
                                    12, 0xFFFFFFu, 0x800000u, kTextToNone);
  const std::function<void()> calls[] = {[] { koDraw::DebugText(0, 0, "debug"); },
                                         [] { koDraw::ShowFps(); },
                                         [] { koDraw::DebugText(0, 0, nullptr); }};
  for (const auto& call : calls) {
    koDraw::SelectTextFontByName("IPAMincho", 30, 15, 1, 1, 1);
    koDraw::SetTextColors(0x0000FF, 0x00FF00, 1);
    call();
    EXPECT_TRUE(state() == want);
    Clear();
    koDraw::DrawTextAt(100, 100, "after");
    EXPECT_TRUE(Empty(BackInk()));
  }
}

}  // namespace
