// The boss pictures that fall through the background on a 3200-frame cycle:
// when each starts and where, its fall and parking, and what the draw shows.
#include "game/background_sprites.h"

#include <algorithm>
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

// Each sprite in turn on the screen, at a place of its own where its right and
// bottom edges show: its own boss picture at its own size, from its place
// truncated towards zero (-181.5 starts on row -181). The others are active
// too, on the screen's rows but wholly left of it, so that a picture drawn at
// another sprite's x shows.
TEST_F(BackgroundSpriteTest, DrawShowsEachActiveSpriteAsItsBossPictureAtItsTruncatedPlace) {
  struct Row {
    int* picture;
    int width, height;
    float x, y;
    int left, top;
  };
  const Row rows[kBackgroundSpriteCount] = {{&gPicBoss1, 440, 360, 100.0f, -181.5f, 100, -181},
                                            {&gPicBoss2, 440, 380, 60.9f, -200.2f, 60, -200},
                                            {&gPicBoss3, 460, 380, 90.5f, -0.5f, 90, 0},
                                            {&gPicBoss4Body, 440, 380, 150.3f, 99.7f, 150, 99},
                                            {&gPicBoss5Body, 380, 460, 130.7f, 10.6f, 130, 10},
                                            {&gPicBoss6Body, 440, 400, 100.2f, -300.9f, 100, -300},
                                            {&gPicBoss7Body, 500, 400, 70.4f, -50.5f, 70, -50},
                                            {&gPicBoss8Body, 480, 380, 80.8f, -1.5f, 80, -1}};
  // A colour of its own for each picture, so that another sprite's picture shows.
  const auto colour = [](int k) { return static_cast<uint16_t>(0x1000 * (k + 1) + 0x21); };
  int saved[kBackgroundSpriteCount];
  for (int k = 0; k < kBackgroundSpriteCount; ++k) {
    saved[k] = *rows[k].picture;
    *rows[k].picture = MakeObject(640, 480, [c = colour(k)](int, int) { return c; });
  }
  for (int k = 0; k < kBackgroundSpriteCount; ++k) {
    SCOPED_TRACE(k);
    const Row& r = rows[k];
    for (BackgroundSprite& other : gBackgroundSprites)
      other = {0, 0, -1000.0f, 0.0f, 0, 0.0f, 0, 1};
    gBackgroundSprites[k].x = r.x, gBackgroundSprites[k].y = r.y;
    std::fill(gBackSurface->pixels.begin(), gBackSurface->pixels.end(), uint16_t{0});
    DrawBackgroundSprites();
    std::map<uint16_t, int> shown;
    for (uint16_t p : gBackSurface->pixels) ++shown[p];
    // The rows on the screen; the area and two opposite corners pin the rectangle.
    const int top = std::max(r.top, 0), bottom = r.top + r.height, area = r.width * (bottom - top);
    EXPECT_EQ(shown, (std::map<uint16_t, int>{{0, 640 * 480 - area}, {colour(k), area}}));
    EXPECT_EQ(Back(r.left, top), colour(k));
    EXPECT_EQ(Back(r.left + r.width - 1, bottom - 1), colour(k));
  }
  for (int k = 0; k < kBackgroundSpriteCount; ++k) *rows[k].picture = saved[k];
}

}  // namespace
