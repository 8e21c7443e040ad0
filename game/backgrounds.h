// Scrolling background layers and the stream of background particles.
#pragma once

// One screen-sized strip of a scrolling background (top-left corner on screen).
struct BackgroundStrip {
  float x, y;
  int spare1;
  float driftX;  // pixels per second, written by the ship's controls
  int spare2;
};
constexpr int kStripCount = 5000;
// One record more than the scrollers use: the ship's controls also write index 5000.
constexpr int kStripRecords = kStripCount + 1;

extern BackgroundStrip gBack1Strips[kStripRecords], gBack1uStrips[kStripRecords];
extern BackgroundStrip gUnusedStripsA[kStripRecords], gUnusedStripsB[kStripRecords];
extern BackgroundStrip gStage5Strips[kStripRecords], gStage6Strips[kStripRecords];
extern BackgroundStrip gStage7Strips[kStripRecords], gStage8Strips[kStripRecords];

// Picture variables of the vertical scrollers and side frames; nothing loads them.
extern int gPicUnusedBackA, gPicUnusedBackB, gPicStage5Back, gPicStage6Back;
extern int gPicStage7Back, gPicStage8Back, gPicSideFrame;

struct BackgroundParticle {
  int type;  // 0..6, the colour
  float x, y;
  float speed;   // leftwards, pixels per second
  float ySpeed;  // downwards, pixels per second
};
constexpr int kParticleCount = 300;
extern BackgroundParticle gBackgroundParticles[kParticleCount];

void ScrollBackground();
void ScrollBackgroundU();
void ScrollUnusedBackgroundA();
void ScrollUnusedBackgroundB();
void ScrollStage5Background();
void ScrollStage6Background();
void ScrollStage7Background();
void ScrollStage8Background();
void DrawSideFrames();
void UpdateBackgroundParticles(int speedRange, int baseSpeed);

// New game: every strip table at its first layout.
void LayOutBackgroundStrips();
// Game-state reset: the particles spread at random over the screen.
void ResetBackgroundParticles();
bool BackgroundParticlesAtStart();
