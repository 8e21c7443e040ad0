#include "game/background_sprites.h"

#include <algorithm>
#include <iterator>

#include "engine/draw/ko_draw.h"
#include "engine/system/ko_system.h"
#include "game/assets.h"

BackgroundSprite gBackgroundSprites[kBackgroundSpriteCount];
int gPicBoss4Body, gPicBoss5Body, gPicBoss6Body, gPicBoss7Body, gPicBoss8Body;

namespace {

struct SpriteKind {
  int startFrame;
  float startX, startY;
  const int* picture;
  int width, height;
};

constexpr SpriteKind kSprites[kBackgroundSpriteCount] = {
    {10, 100, -360, &gPicBoss1, 440, 360},       {400, 100, -380, &gPicBoss2, 440, 380},
    {800, 90, -380, &gPicBoss3, 460, 380},       {1200, 100, -380, &gPicBoss4Body, 440, 380},
    {1600, 130, -460, &gPicBoss5Body, 380, 460}, {2000, 100, -460, &gPicBoss6Body, 440, 400},
    {2400, 70, -400, &gPicBoss7Body, 500, 400},  {2800, 80, -380, &gPicBoss8Body, 480, 380},
};

constexpr float kFallSpeed = 178.0f;

void Park(BackgroundSprite& s) {
  s.active = 0;
  s.x = -500.0f;
  s.y = 500.0f;
}

}  // namespace

void UpdateBackgroundSprites() {
  for (BackgroundSprite& record : gBackgroundSprites) {
    ++record.cycle;
    // The counters run in step, so each sprite starts once per cycle.
    for (int j = 0; j < kBackgroundSpriteCount; ++j) {
      BackgroundSprite& s = gBackgroundSprites[j];
      if (record.cycle == kSprites[j].startFrame && !s.active) {
        s.x = kSprites[j].startX;
        s.y = kSprites[j].startY;
        s.active = 1;
      }
    }
    if (record.cycle == kBackgroundSpriteCycle) record.cycle = 0;
  }
}

void MoveBackgroundSprites() {
  for (BackgroundSprite& s : gBackgroundSprites) {
    if (s.active) {
      s.y += s.fallSpeed * gFrameScale;
      s.fallSpeed = kFallSpeed;
    }
    if (s.y > 480.0f) Park(s);
  }
}

void DrawBackgroundSprites() {
  for (const BackgroundSprite& active : gBackgroundSprites) {
    if (!active.active) continue;
    // Every picture is drawn at its own sprite's place; parked ones fall outside the screen.
    for (int j = 0; j < kBackgroundSpriteCount; ++j) {
      const SpriteKind& k = kSprites[j];
      koDraw::Blit(static_cast<int>(gBackgroundSprites[j].x),
                   static_cast<int>(gBackgroundSprites[j].y), *k.picture, 0, 0, k.width, k.height);
    }
  }
}

void ResetBackgroundSprites() {
  for (BackgroundSprite& s : gBackgroundSprites) {
    s.cycle = 0;
    s.x = -500.0f;
    s.y = 500.0f;
    s.spare2 = 0;
    s.fallSpeed = 0.0f;
    s.active = 0;
  }
}

bool BackgroundSpritesAtStart() {
  return std::all_of(std::begin(gBackgroundSprites), std::end(gBackgroundSprites),
                     [](const BackgroundSprite& s) {
                       return s.cycle == 0 && s.x == -500.0f && s.y == 500.0f && s.spare2 == 0 &&
                              s.fallSpeed == 0.0f && s.active == 0;
                     });
}
