// Enemy kinds on the engine's screen without a running stage: every table at
// its reset values, patterned strips of their own for the bodies, explosions
// and bullets, a fixed frame time, the ship at a known place.
#pragma once
#include <functional>
#include <vector>

#include "enemies/kind.h"
#include "game/assets.h"
#include "game/game_state.h"
#include "game/reset.h"
#include "tests/engine/draw_fixture.h"

// One explosion copy as the tests expect it, at its place for the frame drawn.
struct Copy {
  enum Kind { kPlain, kAdd, kHalf } kind;
  int picture, size, x, y;
};

// Draws the copies the test expects for frame f.
inline void DrawCopies(const std::vector<Copy>& copies, int f) {
  for (const Copy& c : copies) {
    const int l = c.size * f;
    if (c.kind == Copy::kPlain) koDraw::Blit(c.x, c.y, c.picture, l, 0, l + c.size, c.size);
    if (c.kind == Copy::kAdd) koDraw::BlitAdd(c.x, c.y, c.picture, l, 0, l + c.size, c.size);
    if (c.kind == Copy::kHalf) koDraw::BlitHalf(c.x, c.y, c.picture, l, 0, l + c.size, c.size);
  }
}

class EnemyTest : public DrawTest {
 protected:
  static constexpr uint16_t kBackground = 0x0841;

  void SetUp() override {
    DrawTest::SetUp();
    for (const ResetTable& t : ResetTables()) t.reset();
    koSystem::SeedRand(7);
    gFrameScale = 0.5f;
    gPlayerX = 300.0f;
    gPlayerY = 200.0f;
    gPlayerAlive = 1;
    gBombActive = 0;
    gExplosionBlitMode = 1;
    // Strips of their own (see Strip), so a wrong picture or a wrong cell shows.
    gPicZbak2b = Strip(80, 8);
    gPicZbak3b = Strip(80, 10);
    gPicZbak6b = Strip(40, 8);
    gPicVal1624 = Strip(16, 24);
    gPicVal1 = Strip(16, 16);
    gPicVal2 = Strip(16, 16);
    gPicVal13 = Strip(16, 1);
    for (int* body : {&gPicZak1, &gPicZak2, &gPicZak3, &gPicZak7, &gPicZak8, &gPicZak9})
      *body = Strip(100, 1);
  }

  void TearDown() override {
    gPicTargetMarker = gPicBullet20 = gPicStrafer3 = gPicStrafer5 = gPicBig90 = kNoPicture;
    DrawTest::TearDown();
  }

  // A strip of `frames` square cells. Red numbers the cell, so the cells of one
  // strip differ in every pixel; green holds the column plus twice a tag of the
  // picture's own, so two pictures differ in every pixel whichever cells are
  // compared, also after a half blend. No pixel is black, the key colour.
  int Strip(int size, int frames) { return Cells(size, size, frames); }
  // One w x h cell of the same pattern, with a tag of its own.
  int Picture(int w, int h) { return Cells(w, h, 1); }

 private:
  int Cells(int w, int h, int frames) {
    const int tag = tags_++;
    EXPECT_LT(tag, 32) << "green repeats its tags";
    EXPECT_LT(frames, 32) << "red repeats its cells";
    return MakeObject(w * frames, h, [w, tag](int x, int y) {
      return static_cast<uint16_t>(((x / w + 1) << 11) | ((x % w + 2 * tag) % 64 << 5) | (y % 32));
    });
  }
  int tags_ = 0;

 public:
  // The back surface after `draw` on a cleared screen.
  static std::vector<uint16_t> Render(const std::function<void()>& draw) {
    koDraw::FillRect(0, 0, 640, 480, kBackground);
    draw();
    return gBackSurface->pixels;
  }
  static bool Blank(const std::vector<uint16_t>& pixels) {
    for (uint16_t p : pixels)
      if (p != kBackground) return false;
    return true;
  }

  // The next `n` values of rand(), leaving the generator as it was.
  static std::vector<int> NextRands(int n) {
    std::vector<int> r;
    koSystem::SeedRand(99);
    for (int i = 0; i < n; ++i) r.push_back(koSystem::Rand());
    koSystem::SeedRand(99);
    return r;
  }
};
