// The eight boss pictures that can fall through the background one after another.
#pragma once

struct BackgroundSprite {
  int cycle;
  int spare1;
  float x, y;
  int spare2;
  float fallSpeed;  // pixels per second
  int spare3;
  int active;
};
constexpr int kBackgroundSpriteCount = 8;
constexpr int kBackgroundSpriteCycle = 3200;
extern BackgroundSprite gBackgroundSprites[kBackgroundSpriteCount];

// Body pictures of the bosses of stages 4 to 8; nothing loads them.
extern int gPicBoss4Body, gPicBoss5Body, gPicBoss6Body, gPicBoss7Body, gPicBoss8Body;

void UpdateBackgroundSprites();
void MoveBackgroundSprites();
void DrawBackgroundSprites();

void ResetBackgroundSprites();
bool BackgroundSpritesAtStart();
