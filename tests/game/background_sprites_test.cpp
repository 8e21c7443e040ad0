#include "game/background_sprites.h"

#include <vector>

#include "engine/draw/ko_draw.h"
#include "game/game_state.h"
#include "tests/game/game_fixture.h"

namespace {

// Pixels of the back surface that are not black.
int CountLit() {
  int n = 0;
  for (int y = 0; y < gBackSurface->height; ++y)
    for (int x = 0; x < gBackSurface->width; ++x) n += gBackSurface->Row(y)[x] != 0;
  return n;
}

TEST_F(GameTest, BackgroundSpritesStartOnTheirCycleFrameAndFall) {
  ResetBackgroundSprites();
  gFrameScale = 0.5f;
  for (int i = 0; i < 9; ++i) UpdateBackgroundSprites();
  EXPECT_EQ(gBackgroundSprites[0].active, 0);
  UpdateBackgroundSprites();  // the tenth frame
  EXPECT_EQ(gBackgroundSprites[0].active, 1);
  EXPECT_EQ(gBackgroundSprites[0].x, 100.0f);
  EXPECT_EQ(gBackgroundSprites[0].y, -360.0f);
  MoveBackgroundSprites();  // stands still once: the reset left its speed at 0
  EXPECT_EQ(gBackgroundSprites[0].y, -360.0f);
  MoveBackgroundSprites();
  EXPECT_EQ(gBackgroundSprites[0].y, -271.0f);
  // Still falling when its frame comes round again: not restarted.
  for (int i = 10; i < 3210; ++i) UpdateBackgroundSprites();
  EXPECT_EQ(gBackgroundSprites[0].y, -271.0f);
  EXPECT_EQ(gBackgroundSprites[1].active, 1);  // started at frame 400 of the cycle
  for (int i = 0; i < 10; ++i) MoveBackgroundSprites();
  EXPECT_EQ(gBackgroundSprites[0].active, 0);  // past the bottom: parked
  EXPECT_EQ(gBackgroundSprites[0].x, -500.0f);
  EXPECT_EQ(gBackgroundSprites[0].y, 500.0f);
}

}  // namespace

namespace {

TEST_F(GameTest, AnActiveSpriteDrawsEveryPictureAtItsOwnSpritesPlace) {
  std::vector<int> lit;
  headless::OnFrame([&](int f) {
    if (f != 2) return;
    ResetBackgroundSprites();
    gBackgroundSprites[1].x = 100.0f;  // on the screen, but not started
    gBackgroundSprites[1].y = 50.0f;
    koDraw::ClearScreen();
    DrawBackgroundSprites();
    lit.push_back(CountLit());
    gBackgroundSprites[0].active = 1;  // off the screen, but started
    DrawBackgroundSprites();
    lit.push_back(CountLit());
  });
  headless::Close(3);
  Run();
  ASSERT_EQ(lit.size(), 2u);
  EXPECT_EQ(lit[0], 0);     // nothing is active: nothing is drawn
  EXPECT_GT(lit[1], 1000);  // the second boss picture appears where its sprite stands
}

}  // namespace
