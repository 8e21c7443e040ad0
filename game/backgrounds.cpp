#include "game/backgrounds.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/draw/ko_draw.h"
#include "engine/system/ko_system.h"
#include "game/assets.h"
#include "game/game_state.h"

BackgroundStrip gBack1Strips[kStripRecords], gBack1uStrips[kStripRecords];
BackgroundStrip gUnusedStripsA[kStripRecords], gUnusedStripsB[kStripRecords];
BackgroundStrip gStage5Strips[kStripRecords], gStage6Strips[kStripRecords];
BackgroundStrip gStage7Strips[kStripRecords], gStage8Strips[kStripRecords];
int gPicUnusedBackA, gPicUnusedBackB, gPicStage5Back, gPicStage6Back;
int gPicStage7Back, gPicStage8Back, gPicSideFrame;
BackgroundParticle gBackgroundParticles[kParticleCount];

namespace {

constexpr int kScreenW = 640, kScreenH = 480;

// Every strip of a table lies one screen apart from the next, so all of their
// positions follow from one offset. Keeping that offset in double precision
// means the strips never drift apart, however long the game runs.
struct HorizontalScroller {
  BackgroundStrip* strips;
  const int* picture;
  int sourceHeight;
  float speed;
  float yAfterDraw;  // y stored after every draw
  double offset;     // strip i lies at x = 640 i - offset
};

HorizontalScroller gBack1{gBack1Strips, &gPicBack1, 478, 140.0f, 1.0f, 0.0};
HorizontalScroller gBack1u{gBack1uStrips, &gPicBack1u, 480, 100.0f, 0.0f, 0.0};

void Scroll(HorizontalScroller& s) {
  BackgroundStrip* strip = s.strips;
  const float y = strip[0].y;
  // Only the strips that overlap the screen can draw anything.
  const int first = std::max(0, static_cast<int>(s.offset / kScreenW) - 1);
  for (int i = first; i < std::min(kStripCount, first + 3); ++i) {
    const int x = static_cast<int>(strip[i].x);
    if (x > -kScreenW && x < kScreenW)
      koDraw::Blit(x, static_cast<int>(y), *s.picture, 0, 0, kScreenW, s.sourceHeight);
  }
  s.offset += static_cast<double>(s.speed * gFrameScale);
  const bool relayout = static_cast<float>(kScreenW * (kStripCount - 1) - s.offset) <= 0.0f;
  if (relayout) s.offset = 0.0;
  for (int i = 0; i < kStripCount; ++i) {
    strip[i].x = static_cast<float>(kScreenW * i - s.offset);
    strip[i].y = relayout ? 0.0f : s.yAfterDraw;
  }
}

struct SpeedWindow {
  float from, to, speed;  // both bounds inclusive
};
constexpr float kForever = 1e30f;

// The usual window bounds with a scroller's own speeds.
constexpr std::array<SpeedWindow, 9> Windows(const std::array<float, 9>& speeds) {
  constexpr float kBounds[10] = {0, 500, 530, 560, 590, 620, 650, 1000, 1150, kForever};
  std::array<SpeedWindow, 9> w{};
  for (size_t i = 0; i < 9; ++i) w[i] = {kBounds[i], kBounds[i + 1], speeds[i]};
  return w;
}

enum class Sideways { kCentred, kDrift };

struct VerticalScroller {
  BackgroundStrip* strips;
  const int* picture;
  int sourceWidth;
  Sideways sideways;
  std::array<SpeedWindow, 9> windows;
  double offset;  // strip i lies at y = spacing i + offset
  bool laidOutUpwards;
};

VerticalScroller gUnusedA{gUnusedStripsA,
                          &gPicUnusedBackA,
                          440,
                          Sideways::kCentred,
                          Windows({120, 150, 250, 350, 450, 550, 650, 300, 130}),
                          0,
                          false};
VerticalScroller gUnusedB{gUnusedStripsB,
                          &gPicUnusedBackB,
                          640,
                          Sideways::kDrift,
                          {{{0, 400, 140},
                            {400, 450, 200},
                            {450, 500, 250},
                            {500, 550, 320},
                            {550, 600, 390},
                            {600, 650, 450},
                            {650, 1000, 400},
                            {1000, 1150, 360},
                            {1150, kForever, 140}}},
                          0,
                          false};
VerticalScroller gStage5{gStage5Strips,
                         &gPicStage5Back,
                         640,
                         Sideways::kDrift,
                         Windows({150, 150, 250, 350, 450, 500, 600, 500, 400}),
                         0,
                         false};
VerticalScroller gStage6{gStage6Strips,
                         &gPicStage6Back,
                         640,
                         Sideways::kDrift,
                         {{{0, 600, 140},
                           {600, 650, 200},
                           {650, 700, 250},
                           {700, 750, 300},
                           {750, 800, 370},
                           {800, 850, 430},
                           {850, 900, 530},
                           {900, 1150, 320},
                           {1150, kForever, 140}}},
                         0,
                         false};
VerticalScroller gStage7{gStage7Strips,
                         &gPicStage7Back,
                         640,
                         Sideways::kDrift,
                         Windows({150, 200, 300, 400, 500, 600, 640, 360, 200}),
                         0,
                         false};
VerticalScroller gStage8{gStage8Strips,
                         &gPicStage8Back,
                         440,
                         Sideways::kCentred,
                         Windows({150, 200, 300, 400, 500, 600, 450, 300, 140}),
                         0,
                         false};

double StripY(const VerticalScroller& s, int i) {
  return (s.laidOutUpwards ? -kScreenH * i : kScreenW * i) + s.offset;
}

void Scroll(VerticalScroller& s) {
  BackgroundStrip* strip = s.strips;
  for (int i = 0; i < kStripCount; ++i) {
    const int y = static_cast<int>(strip[i].y);
    if (y > -kScreenH && y < kScreenH)
      koDraw::Blit(static_cast<int>(strip[i].x), y, *s.picture, 0, 0, s.sourceWidth, kScreenH);
  }
  // Every strip takes the same steps; a clock on a shared bound takes both.
  float step = 0.0f;
  for (const SpeedWindow& w : s.windows)
    if (gStageClock >= w.from && gStageClock <= w.to) step += w.speed * gFrameScale;
  s.offset += static_cast<double>(step);
  for (int i = 0; i < kStripCount; ++i) {
    BackgroundStrip& r = strip[i];
    if (s.sideways == Sideways::kCentred) {
      r.x = 100.0f;
    } else {
      r.x = std::clamp(r.x + r.driftX * gFrameScale, -100.0f, 100.0f);
      r.driftX = 0.0f;
    }
  }
  const bool relayout = StripY(s, kStripCount - 1) >= 0.0;
  if (relayout) {
    s.laidOutUpwards = true;
    s.offset = 0.0;
  }
  for (int i = 0; i < kStripCount; ++i) strip[i].y = static_cast<float>(StripY(s, i));
}

void LayOut(VerticalScroller& s, float x) {
  s.offset = 0.0;
  s.laidOutUpwards = false;
  for (int i = 0; i < kStripCount; ++i) {
    s.strips[i].x = x;
    s.strips[i].y = static_cast<float>(StripY(s, i));
  }
}

void SeedParticle(BackgroundParticle& p) {
  p.type = koSystem::Rand() % 7;
  p.x = static_cast<float>(koSystem::Rand() % 640);
  p.y = static_cast<float>(koSystem::Rand() % 480);
  p.speed = static_cast<float>(koSystem::Rand() % 100 + 100);
  p.ySpeed = 0.0f;
}

}  // namespace

void ScrollBackground() { Scroll(gBack1); }
void ScrollBackgroundU() { Scroll(gBack1u); }
void ScrollUnusedBackgroundA() { Scroll(gUnusedA); }
void ScrollUnusedBackgroundB() { Scroll(gUnusedB); }
void ScrollStage5Background() { Scroll(gStage5); }
void ScrollStage6Background() { Scroll(gStage6); }
void ScrollStage7Background() { Scroll(gStage7); }
void ScrollStage8Background() { Scroll(gStage8); }

void DrawSideFrames() {
  for (int x : {0, 50, 540, 590})
    for (int y : {0, 120, 240, 360}) koDraw::BlitOpaque(x, y, gPicSideFrame, 0, 0, 50, 120);
}

void UpdateBackgroundParticles(int speedRange, int baseSpeed) {
  const int range = std::max(1, speedRange);
  for (BackgroundParticle& p : gBackgroundParticles) {
    const int left = 139 + 3 * p.type;
    koDraw::Blit(static_cast<int>(p.x), static_cast<int>(p.y), gPicMymy, left, 70, left + 3, 80);
    p.y += p.ySpeed * gFrameScale;
    p.x -= p.speed * gFrameScale;
    p.ySpeed = 0.0f;
    if (p.x < -6.0f) {
      p.type = koSystem::Rand() % 7;
      p.x = 640.0f;
      p.y = static_cast<float>(koSystem::Rand() % 480);
      p.speed = static_cast<float>(baseSpeed + koSystem::Rand() % range);
    }
  }
}

void LayOutBackgroundStrips() {
  gBack1.offset = gBack1u.offset = 0.0;
  for (int i = 0; i < kStripCount; ++i) {
    gBack1Strips[i].x = gBack1uStrips[i].x = static_cast<float>(kScreenW * i);
    gBack1Strips[i].y = 1.0f;
    gBack1uStrips[i].y = 0.0f;
  }
  LayOut(gUnusedA, -500.0f);
  LayOut(gStage8, -500.0f);
  LayOut(gUnusedB, 0.0f);
  LayOut(gStage5, 0.0f);
  LayOut(gStage6, 0.0f);
  LayOut(gStage7, 0.0f);
}

void ResetBackgroundParticles() {
  for (BackgroundParticle& p : gBackgroundParticles) SeedParticle(p);
}

bool BackgroundParticlesAtStart() {
  return std::all_of(std::begin(gBackgroundParticles), std::end(gBackgroundParticles),
                     [](const BackgroundParticle& p) {
                       return p.type >= 0 && p.type < 7 && p.x >= 0 && p.x < 640 && p.y >= 0 &&
                              p.y < 480 && p.speed >= 100 && p.speed < 200 && p.ySpeed == 0 &&
                              p.x == std::floor(p.x) && p.y == std::floor(p.y);
                     });
}
