// A machine without any font: every text operation runs and draws nothing.
// Runs only under the empty font configuration that its test entry sets.
#include <climits>
#include <cstdlib>

#include "tests/engine/text_fixture.h"

namespace {

using TextWithoutFonts = TextTest;

TEST_F(TextWithoutFonts, TextOperationsRunAndDrawNothing) {
  if (!std::getenv("VORENDALITE_NO_FONTS")) GTEST_SKIP() << "needs the empty font configuration";
  EXPECT_EQ(gFontListCount, 0);
  koDraw::SelectTextFont(1, 24, 30, 1, 1, 1);
  koDraw::SetTextColors(0xFFFFFF, 0x0000FF, 0);
  koDraw::DrawTextAt(10, 10, "漢字 text");
  EXPECT_EQ(koDraw::DrawTextInRect(10, 10, 300, 300, "漢字 text\nmore", 1), 0);
  koDraw::RenderTextSprite(10, 10, 300, 300, "漢字", 0x7FF);
  EXPECT_EQ(gCharRectCount, 3);  // characters without size
  EXPECT_EQ(koDraw::RevealText(0), 1);
  koDraw::SelectBufferFont(0, 12);
  koDraw::RenderTextSpriteSmooth(300, 10, 10, INT_MAX, "漢字\n\n", 0);
  koDraw::RestoreBufferFont();
  koDraw::DebugPrint(0, 20, "%d", 42);
  EXPECT_TRUE(Empty(BackInk()));
}

}  // namespace
