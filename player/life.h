// The ship between a hit and its return: drawing it, the death explosion of
// five rings of 16 fragments, the respawn period, and the game-over check.
#pragma once

struct ExplosionFragment {
  float x = 0, y = 0;            // top-left corner of its 60 x 60 cell
  float dx = 0, dy = 0;          // from the ship's corner towards the screen point (20, 20)
  float startX = 0, startY = 0;  // the ship's corner at the start
  float angle = 0;               // radians, y downwards
  float speed = 0;               // px/s
  int started = 0;
  int cellColumn = 0, cellRow = 0, animationStep = 0;
  int life = 0;  // frames since the death began; all fragments count together
};

constexpr int kExplosionFragments = 80;
extern ExplosionFragment gExplosionFragments[kExplosionFragments];

// One death costs 16 lives and 160,000 points: each of the 16 fragments of
// the last ring takes its share as it starts.
constexpr int kDeathLives = 16;
constexpr int kDeathScore = 160000;

// Height of the game-over caption; it keeps growing from game over to game over.
extern float gGameOverBarHeight;

void UpdatePlayerLife();
void UpdateShipExplosion(int unused);
void DrawShipExplosion(int unused);
void MoveShipExplosion(int unused);
// Every fragment back at rest, parked (after the respawn period and at every reset).
void ParkExplosionFragments();
bool ExplosionFragmentsAtStart();

// Raises the continue prompt once the lives have run out.
void CheckGameOver();
// The growing game-over caption.
void DrawStretchBar();
