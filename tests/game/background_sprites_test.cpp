// The boss pictures that fall through the background on a 3200-frame cycle:
// when each starts and where, its fall and parking, and what the draw shows.
#include "game/background_sprites.h"

#include <array>
#include <map>
#include <vector>

#include "game/assets.h"
#include "game/game_state.h"
#include "tests/engine/draw_fixture.h"

namespace {

using BackgroundSpriteTest = DrawTest;

struct Start {
  int frame;
  float x, y;
  bool operator==(const Start&) const = default;
};

// One frame of the cycle as a caller runs it.
void Step() {
  UpdateBackgroundSprites();
  MoveBackgroundSprites();
}

TEST_F(BackgroundSpriteTest, EachSpriteStartsAtItsCycleFrameStandsOneFrameFallsAndParks) {
  ResetBackgroundSprites();
  gFrameScale = 1.0f;  // 178 px a frame: each sprite is gone long before the next starts
  std::map<int, std::vector<Start>> starts;
  std::map<int, std::vector<float>> firstFall;  // y after each start's first move
  std::vector<float> fall0;                     // sprite 0's y through its first fall
  std::vector<int> active0;
  for (int frame = 1; frame <= 2 * kBackgroundSpriteCycle; ++frame) {
    std::array<int, kBackgroundSpriteCount> before{};
    for (int k = 0; k < kBackgroundSpriteCount; ++k) before[k] = gBackgroundSprites[k].active;
    UpdateBackgroundSprites();
    for (int k = 0; k < kBackgroundSpriteCount; ++k) {
      const BackgroundSprite& s = gBackgroundSprites[k];
      if (s.active && !before[k]) starts[k].push_back({frame, s.x, s.y});
    }
    MoveBackgroundSprites();
    for (int k = 0; k < kBackgroundSpriteCount; ++k)
      if (gBackgroundSprites[k].active && !before[k])
        firstFall[k].push_back(gBackgroundSprites[k].y);
    if (frame >= 10 && frame <= 15) {
      fall0.push_back(gBackgroundSprites[0].y);
      active0.push_back(gBackgroundSprites[0].active);
    }
  }
  const Start kFirst[kBackgroundSpriteCount] = {
      {10, 100, -360},   {400, 100, -380},  {800, 90, -380},  {1200, 100, -380},
      {1600, 130, -460}, {2000, 100, -460}, {2400, 70, -400}, {2800, 80, -380}};
  for (int k = 0; k < kBackgroundSpriteCount; ++k) {
    Start again = kFirst[k];
    again.frame += kBackgroundSpriteCycle;  // the cycle comes round after 3200 frames
    EXPECT_EQ(starts[k], (std::vector<Start>{kFirst[k], again})) << k;
    // After the reset the first move has no speed yet; the next cycle falls at once.
    EXPECT_EQ(firstFall[k], (std::vector<float>{kFirst[k].y, kFirst[k].y + 178.0f})) << k;
  }
  // Parked on the move that takes it past the bottom edge.
  EXPECT_EQ(fall0, (std::vector<float>{-360.0f, -182.0f, -4.0f, 174.0f, 352.0f, 500.0f}));
  EXPECT_EQ(active0, (std::vector<int>{1, 1, 1, 1, 1, 0}));
  EXPECT_EQ(gBackgroundSprites[0].x, -500.0f);
}

TEST_F(BackgroundSpriteTest, ASpriteStillFallingWhenItsFrameComesRoundIsNotRestarted) {
  ResetBackgroundSprites();
  gFrameScale = 0.001f;  // slow enough to be still on the screen a whole cycle later
  for (int frame = 1; frame < 10 + kBackgroundSpriteCycle; ++frame) Step();
  const BackgroundSprite before = gBackgroundSprites[0];
  Step();
  const BackgroundSprite& s = gBackgroundSprites[0];
  ASSERT_EQ(before.active, 1);
  EXPECT_GT(before.y, 200.0f);
  EXPECT_EQ(s.active, 1);
  EXPECT_EQ(s.x, 100.0f);
  EXPECT_EQ(s.y, before.y + 178.0f * 0.001f);
}

TEST_F(BackgroundSpriteTest, DrawShowsEachActiveSpriteAsItsBossPictureAtItsTruncatedPlace) {
  int* const pictures[kBackgroundSpriteCount] = {&gPicBoss1,     &gPicBoss2,     &gPicBoss3,
                                                 &gPicBoss4Body, &gPicBoss5Body, &gPicBoss6Body,
                                                 &gPicBoss7Body, &gPicBoss8Body};
  int saved[kBackgroundSpriteCount];
  for (int k = 0; k < kBackgroundSpriteCount; ++k) {
    saved[k] = *pictures[k];
    const uint16_t colour = static_cast<uint16_t>(0x1000 * (k + 1) + 0x21);
    *pictures[k] = MakeObject(640, 480, [colour](int, int) { return colour; });
  }
  ResetBackgroundSprites();
  BackgroundSprite& boss1 = gBackgroundSprites[0];
  boss1.active = 1, boss1.x = 100.0f, boss1.y = -181.5f;  // rows from -181 (towards zero)
  BackgroundSprite& boss5 = gBackgroundSprites[4];
  boss5.active = 1, boss5.x = 130.7f, boss5.y = 200.2f;
  std::fill(gBackSurface->pixels.begin(), gBackSurface->pixels.end(), uint16_t{0});
  DrawBackgroundSprites();
  std::map<uint16_t, int> shown;
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) ++shown[Back(x, y)];
  const uint16_t c1 = 0x1021, c5 = 0x5021;
  // Boss 1: 440 x 360 from (100, -181); boss 5: 380 x 460 from (130, 200).
  EXPECT_EQ(shown, (std::map<uint16_t, int>{
                       {0, 640 * 480 - 440 * 179 - 380 * 280}, {c1, 440 * 179}, {c5, 380 * 280}}));
  EXPECT_TRUE(Back(100, 0) == c1 && Back(539, 178) == c1);
  EXPECT_TRUE(Back(130, 200) == c5 && Back(509, 479) == c5);
  for (int k = 0; k < kBackgroundSpriteCount; ++k) *pictures[k] = saved[k];
}

}  // namespace
