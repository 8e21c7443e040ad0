#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/draw/ko_draw.h"
#include "engine/sound/ko_sound.h"
#include "game/assets.h"
#include "game/game_state.h"
#include "game/high_score.h"
#include "game/score.h"
#include "platform/keys.h"
#include "tests/game/game_fixture.h"

namespace {

// A copy of the generated files without `missing`, as the program directory.
std::string AssetsWithout(const std::filesystem::path& dir, const char* missing) {
  std::filesystem::create_directories(dir);
  for (const auto& e : std::filesystem::directory_iterator(VORENDALITE_ASSET_DIR)) {
    const std::string name = e.path().filename().string();
    const std::string ext = e.path().extension().string();
    if (name == missing || (ext != ".BMP" && ext != ".WAV" && ext != ".MID")) continue;
    std::filesystem::copy_file(e.path(), dir / name);
  }
  return dir.string() + "/";
}

TEST_F(GameTest, AMissingPictureKeepsTheNumbersAfterIt) {
  headless::SetProgramDir(AssetsWithout(dir_ / "assets", "ZAK5.BMP"));
  headless::Close(1);
  EXPECT_EQ(Run(), 0);
  ASSERT_EQ(headless::Boxes().size(), 1u);
  EXPECT_EQ(headless::Boxes()[0].caption, "エラー発生");
  EXPECT_EQ(gPicZak5, 0);
  EXPECT_EQ(gPicZak7, 27);
  EXPECT_EQ(gPicContinu1, 79);
}

TEST_F(GameTest, TheTitlePictureIsTheFirstFrameAndEscapeSavesTheHighScore) {
  std::vector<uint16_t> shown, title;
  headless::OnFrame([&](int f) {
    if (f != 1) return;
    shown = headless::LastFrame();
    title = koDraw::ObjectSurface(gPicTitle)->pixels;
  });
  headless::TapKey(3, plat::kVkEscape);
  EXPECT_EQ(Run(), 0);
  ASSERT_FALSE(title.empty()) << "frame 1 never came";
  EXPECT_EQ(shown, title);                 // the whole screen is the title picture
  EXPECT_TRUE(headless::Boxes().empty());  // every generated picture and sound loaded
  EXPECT_EQ(std::filesystem::file_size("score.dat"), 255u);
}

TEST_F(GameTest, HudShowsItsFieldsWithTheirLabels) {
  auto sameAs = [](int x, int y, int object, int left, int top, int w, int h) {
    const Surface* pic = koDraw::ObjectSurface(object);
    for (int j = 0; j < h; ++j)
      for (int i = 0; i < w; ++i)
        if (gBackSurface->Row(y + j)[x + i] != pic->Row(top + j)[left + i]) return false;
    return true;
  };
  auto blank = [](int x, int y, int w, int h) {
    for (int j = 0; j < h; ++j)
      for (int i = 0; i < w; ++i)
        if (gBackSurface->Row(y + j)[x + i] != 0) return false;
    return true;
  };
  bool drawn = false;
  headless::OnFrame([&](int f) {
    if (f != 2) return;
    drawn = true;
    gScore = -1997;
    gHighScore = 12345;
    gLives = -1;
    gBombStock = 7;
    koDraw::ClearScreen();
    DrawHud();
    EXPECT_TRUE(blank(70, 0, 20, 25));                        // the "-" of "-00001997" is not drawn
    EXPECT_TRUE(sameAs(90, 0, gPicSuji09, 0, 0, 20, 25));     // 0
    EXPECT_TRUE(sameAs(170, 0, gPicSuji09, 20, 0, 20, 25));   // 1
    EXPECT_TRUE(sameAs(190, 0, gPicSuji09, 180, 0, 20, 25));  // 9
    EXPECT_TRUE(blank(440, 6, 30, 10));                       // no lives field below 0
    EXPECT_TRUE(sameAs(410, 6, gPicMymy, 200, 70, 24, 10));   // but both labels
    EXPECT_TRUE(sameAs(490, 6, gPicMymy, 170, 70, 24, 10));
    EXPECT_TRUE(sameAs(530, 6, gPicMymy, 8 + 7 * 7, 70, 7, 10));  // the 7 of "07" bombs
    gLives = 0;  // fields of zero lives and zero bombs still show
    gBombStock = 0;
    koDraw::ClearScreen();
    DrawHud();
    EXPECT_TRUE(sameAs(440, 6, gPicMymy, 8, 70, 7, 10));
    EXPECT_TRUE(blank(470, 6, 10, 10));
    EXPECT_TRUE(sameAs(520, 6, gPicMymy, 8, 70, 7, 10));
    EXPECT_TRUE(sameAs(530, 6, gPicMymy, 8, 70, 7, 10));
    gBombStock = -1;
    koDraw::ClearScreen();
    DrawHud();
    EXPECT_TRUE(blank(520, 6, 20, 10));  // no bombs field below 0
  });
  headless::Close(3);
  Run();
  EXPECT_TRUE(drawn);  // the checks above ran
}

}  // namespace
