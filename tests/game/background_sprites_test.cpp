#include "game/background_sprites.h"

#include "game/game_state.h"
#include "tests/game/game_fixture.h"

namespace {

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
