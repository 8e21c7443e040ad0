// Shows a test picture through the real backend for a few seconds (argument:
// seconds, default 3), then quits: colour bars, a gradient, a keyed sprite,
// a stretched one, lines and a hatched polygon. tools/screenshot.sh runs it
// under Xvfb and saves what the screen shows.
#include <cstdlib>

#include "engine/draw/ko_draw.h"
#include "engine/game_hooks.h"
#include "engine/system/ko_system.h"

namespace {

int gFrames = 0, gFrameLimit = 180, gSprite = 0;

void DrawTestPicture() {
  const uint16_t bars[8] = {0xFFFF, 0xFFE0, 0x07FF, 0x07E0, 0xF81F, 0xF800, 0x001F, 0x0000};
  for (int i = 0; i < 8; ++i) koDraw::FillRect(i * 80, 0, i * 80 + 80, 240, bars[i]);
  for (int x = 0; x < 640; ++x) {
    const uint32_t v = static_cast<uint32_t>(x * 255 / 639);
    koDraw::FillRect(x, 240, x + 1, 300, koDraw::Rgb565(v, v, v));
  }
  koDraw::FillRect(0, 300, 640, 480, 0x18C3);
  koDraw::Blit(40, 330, gSprite, 0, 0, 64, 64);
  koDraw::BlitStretch(140, 310, gSprite, 0, 0, 64, 64, 160, 160);
  for (int i = 0; i < 12; ++i) koDraw::DrawLine(340, 470, 340 + i * 25, 320, 0x00FFFF, 1 + i % 3);
  const DrawPoint star[5] = {{560, 310}, {600, 470}, {500, 370}, {630, 370}, {520, 470}};
  koDraw::DrawPolygon(star, 5, 0x0000FF, 0xFFFFFF, 2, 1);
  koDraw::DrawFrame(0, 0, 640, 480);
}

}  // namespace

void LoadGameAssets() {
  koDraw::Screen(640, 480, 1);
  // A ring sprite keyed on black.
  gSprite = koDraw::CreateObject(64, 64, 2);
  Surface* s = koDraw::ObjectSurface(gSprite);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      const int dx = x - 32, dy = y - 32, r2 = dx * dx + dy * dy;
      s->Row(y)[x] = (r2 < 30 * 30 && r2 > 14 * 14) ? koDraw::Rgb565(255, x * 4, y * 4) : 0;
    }
  gScene = 1;
}

void RunSceneFrame(int) {
  DrawTestPicture();
  koDraw::Present();
  if (++gFrames == gFrameLimit) koSystem::Quit();
}

void SaveHighScore() {}
void OnPauseKey() {}

int main(int argc, char** argv) {
  if (argc > 1) gFrameLimit = 60 * std::atoi(argv[1]);
  return WinMain("");
}
