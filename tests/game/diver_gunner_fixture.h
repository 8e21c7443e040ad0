// Direct calls of the Diver and Gunner operations with a chosen frame time,
// and draws into the back surface of a running game on the headless backend.
#pragma once
#include <cmath>
#include <functional>
#include <numbers>

#include "engine/draw/ko_draw.h"
#include "engine/system/ko_system.h"
#include "game/game_state.h"
#include "tests/game/game_fixture.h"

class DiverGunnerTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    gFrameScale = 0.0f;
    gBombActive = 0;
    gPlayerAlive = 1;
    gExplosionBlitMode = 0;
  }

  // Runs `draw` on the game's second frame, when the screen and pictures are loaded.
  void WithScreen(std::function<void()> draw) {
    headless::OnFrame([&](int f) {
      if (f == 2) draw();
    });
    headless::Close(3);
    Run();
  }

  // A strip of `cells` square cells of side `size`, cell c filled with Colour(c).
  static int Strip(int size, int cells) {
    const int n = koDraw::CreateObject(size * cells, size, 1);
    Surface* s = koDraw::ObjectSurface(n);
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size * cells; ++x) s->Row(y)[x] = Colour(x / size);
    return n;
  }
  static uint16_t Colour(int cell) { return static_cast<uint16_t>(0x0841 * (cell + 1)); }
  static uint16_t Back(int x, int y) { return gBackSurface->Row(y)[x]; }

  static float Degrees(double d) { return static_cast<float>(d * std::numbers::pi / 180.0); }
};
