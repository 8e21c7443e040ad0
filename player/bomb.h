// The bomb: 48 frames of volleys of bomb shots from the ship, one bomb from
// the stock at its end; while it runs enemy bullets vanish and the ship holds fire.
#pragma once

struct BombShot {
  int x = 0, y = 0;  // top-left corner of its 80 x 80 picture
  int speed = 0;     // pixels per frame along the angle
  int active = 0;
  float dx = 0, dy = 0;  // always 0: the start rule's direction test sees them
  float angle = 0;       // radians, y downwards
};

constexpr int kBombShots = 80;
extern BombShot gBombShots[kBombShots];

// Every bomb shot free and parked.
void ResetBombShots();
bool BombShotsAtStart();

// Starts a bomb; the bomb input calls it while a bomb is ready.
void StartBomb();
void UpdateBomb(int unused);
void SpawnBombShot(int i);
void DrawBombShots(int unused);
// The bomb shots' pass after the bomb's step: moves every live shot one step
// along its angle, counts the move, parks the shots that leave the play area
// and lets the others strike every enemy and boss they overlap.
void UpdateBombShots(int unused);
