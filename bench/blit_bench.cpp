// Our keyed 16-bit blit against SDL2's SDL_BlitSurface with a colour key (its
// plain path and its RLE-accelerated path), on the same sprite-like pictures
// at the same positions, after checking that all three give the same pixels.
// Also a full-frame clear and the present.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "engine/draw/draw_internal.h"
#include "engine/draw/ko_draw.h"
#include "engine/system/ko_system.h"
#include "platform/headless/headless.h"

namespace {

struct Sprite {
  const char* name;
  int object = 0;
  SDL_Surface* plain = nullptr;
  SDL_Surface* rle = nullptr;
};

std::vector<Sprite> gSprites;
std::vector<SDL_Point> gPositions;
SDL_Surface* gSdlScreen = nullptr;

uint32_t gSeed = 12345;
int Next(int n) {
  gSeed = gSeed * 1103515245u + 12345u;
  return static_cast<int>((gSeed >> 8) % static_cast<uint32_t>(n));
}

// A picture in a new object; `pixel` returns 0 for transparent.
int MakePicture(int w, int h, uint16_t (*pixel)(int, int, int, int)) {
  const int n = koDraw::CreateObject(w, h, 2);
  Surface* s = koDraw::ObjectSurface(n);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) s->Row(y)[x] = pixel(x, y, w, h);
  return n;
}

uint16_t Shade(int x, int y) { return static_cast<uint16_t>(0x8000 | ((x * 7 + y * 13) & 0x7FFF)); }

// A ship: an ellipse with a few dark slits.
uint16_t Ship(int x, int y, int w, int h) {
  const double dx = (x + 0.5 - w / 2.0) / (w / 2.0), dy = (y + 0.5 - h / 2.0) / (h / 2.0);
  if (dx * dx + dy * dy > 1.0 || (y % 12 == 6 && x > w / 3)) return 0;
  return Shade(x, y);
}
// A bullet: a small disc.
uint16_t Bullet(int x, int y, int w, int h) { return Ship(x, y, w, h) ? Shade(x, y) : 0; }
// An explosion: ragged blobs, about half transparent.
uint16_t Blast(int x, int y, int w, int h) {
  const double r = std::hypot(x - w / 2.0, y - h / 2.0) / (w / 2.0);
  const double wobble = 0.25 * std::sin(x * 0.7) * std::cos(y * 0.5);
  return r + wobble < 0.8 && ((x / 6 + y / 5) % 4 != 0) ? Shade(x, y) : 0;
}

SDL_Surface* SdlCopy(int object, bool rle) {
  const Surface& s = *koDraw::ObjectSurface(object);
  SDL_Surface* out =
      SDL_CreateRGBSurfaceWithFormat(0, s.width, s.height, 16, SDL_PIXELFORMAT_RGB565);
  for (int y = 0; y < s.height; ++y)
    std::memcpy(static_cast<uint8_t*>(out->pixels) + y * out->pitch, s.Row(y), 2 * s.width);
  SDL_SetColorKey(out, SDL_TRUE, 0);
  SDL_SetSurfaceRLE(out, rle ? 1 : 0);
  return out;
}

void BlitAllOurs(const Sprite& s) {
  const Surface& p = *koDraw::ObjectSurface(s.object);
  for (const SDL_Point& at : gPositions)
    koDraw::Blit(at.x, at.y, s.object, 0, 0, p.width, p.height);
}

void BlitAllSdl(SDL_Surface* sprite) {
  for (const SDL_Point& at : gPositions) {
    SDL_Rect dst{at.x, at.y, 0, 0};
    SDL_BlitSurface(sprite, nullptr, gSdlScreen, &dst);
  }
}

// Fills both screens with the same noise.
void Noise() {
  uint32_t v = 99;
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) {
      v = v * 1664525u + 1013904223u;
      const uint16_t p = static_cast<uint16_t>(v >> 16);
      gBackSurface->Row(y)[x] = p;
      reinterpret_cast<uint16_t*>(static_cast<uint8_t*>(gSdlScreen->pixels) +
                                  y * gSdlScreen->pitch)[x] = p;
    }
}

bool SameScreens() {
  for (int y = 0; y < 480; ++y)
    if (std::memcmp(gBackSurface->Row(y),
                    static_cast<uint8_t*>(gSdlScreen->pixels) + y * gSdlScreen->pitch, 1280) != 0)
      return false;
  return true;
}

void Setup() {
  headless::Reset(1000);
  koSystem::InitProcessState();
  if (koDraw::Screen(640, 480, 1) != 1) std::abort();
  gSdlScreen = SDL_CreateRGBSurfaceWithFormat(0, 640, 480, 16, SDL_PIXELFORMAT_RGB565);
  gSprites = {{"ship 64x48"}, {"bullet 16x16"}, {"blast 96x96"}};
  gSprites[0].object = MakePicture(64, 48, Ship);
  gSprites[1].object = MakePicture(16, 16, Bullet);
  gSprites[2].object = MakePicture(96, 96, Blast);
  for (Sprite& s : gSprites) {
    s.plain = SdlCopy(s.object, false);
    s.rle = SdlCopy(s.object, true);
  }
  // Positions over the whole screen, some cut by its edges.
  for (int i = 0; i < 256; ++i) gPositions.push_back({Next(640 + 64) - 48, Next(480 + 64) - 48});
  for (const Sprite& s : gSprites)
    for (SDL_Surface* sdl : {s.plain, s.rle}) {
      Noise();
      BlitAllOurs(s);
      BlitAllSdl(sdl);
      if (!SameScreens()) {
        std::fprintf(stderr, "%s: our blit and SDL's differ\n", s.name);
        std::exit(1);
      }
    }
  std::printf(
      "Checked: our keyed blit and SDL_BlitSurface (plain and RLE) give the same pixels.\n");
}

int64_t Pixels(const Sprite& s) {
  const Surface& p = *koDraw::ObjectSurface(s.object);
  return static_cast<int64_t>(p.width) * p.height * static_cast<int64_t>(gPositions.size());
}

void BM_KeyedBlit_Ours(benchmark::State& state) {
  const Sprite& s = gSprites[static_cast<size_t>(state.range(0))];
  for (auto _ : state) {
    BlitAllOurs(s);
    benchmark::ClobberMemory();
  }
  state.SetLabel(s.name);
  state.SetItemsProcessed(state.iterations() * Pixels(s));
}

// The same with the portable row code (what a processor without AVX2 runs).
void BM_KeyedBlit_OursPortable(benchmark::State& state) {
  koDraw::detail::UsePortableKeyedBlit(true);
  BM_KeyedBlit_Ours(state);
  koDraw::detail::UsePortableKeyedBlit(false);
}

void BM_KeyedBlit_SdlPlain(benchmark::State& state) {
  const Sprite& s = gSprites[static_cast<size_t>(state.range(0))];
  for (auto _ : state) {
    BlitAllSdl(s.plain);
    benchmark::ClobberMemory();
  }
  state.SetLabel(s.name);
  state.SetItemsProcessed(state.iterations() * Pixels(s));
}

void BM_KeyedBlit_SdlRle(benchmark::State& state) {
  const Sprite& s = gSprites[static_cast<size_t>(state.range(0))];
  for (auto _ : state) {
    BlitAllSdl(s.rle);
    benchmark::ClobberMemory();
  }
  state.SetLabel(s.name);
  state.SetItemsProcessed(state.iterations() * Pixels(s));
}

void BM_ClearScreen_Ours(benchmark::State& state) {
  for (auto _ : state) {
    koDraw::ClearScreen();
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * 640 * 480);
}

void BM_ClearScreen_SdlFillRect(benchmark::State& state) {
  for (auto _ : state) {
    SDL_FillRect(gSdlScreen, nullptr, 0);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * 640 * 480);
}

// The present as far as the engine goes: overlay checks and the hand-over of
// the back surface (the headless backend copies it into its kept frame).
void BM_Present_Ours(benchmark::State& state) {
  for (auto _ : state) koDraw::Present();
  state.SetItemsProcessed(state.iterations() * 640 * 480);
}

// What the SDL backend does with a presented frame, on SDL's software
// renderer with the offscreen driver: texture upload, copy, present.
void BM_Present_SdlSoftwareRenderer(benchmark::State& state) {
  SDL_Window* window = SDL_CreateWindow("bench", 0, 0, 640, 480, SDL_WINDOW_HIDDEN);
  SDL_Renderer* renderer = window ? SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE) : nullptr;
  SDL_Texture* texture = renderer ? SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB565,
                                                      SDL_TEXTUREACCESS_STREAMING, 640, 480)
                                  : nullptr;
  if (!texture) {
    state.SkipWithError(SDL_GetError());
    return;
  }
  for (auto _ : state) {
    SDL_UpdateTexture(texture, nullptr, gBackSurface->pixels.data(), 1280);
    SDL_RenderCopy(renderer, texture, nullptr, nullptr);
    SDL_RenderPresent(renderer);
  }
  state.SetItemsProcessed(state.iterations() * 640 * 480);
  SDL_DestroyTexture(texture);
  SDL_DestroyRenderer(renderer);
  SDL_DestroyWindow(window);
}

BENCHMARK(BM_KeyedBlit_Ours)->DenseRange(0, 2);
BENCHMARK(BM_KeyedBlit_OursPortable)->DenseRange(0, 2);
BENCHMARK(BM_KeyedBlit_SdlPlain)->DenseRange(0, 2);
BENCHMARK(BM_KeyedBlit_SdlRle)->DenseRange(0, 2);
BENCHMARK(BM_ClearScreen_Ours);
BENCHMARK(BM_ClearScreen_SdlFillRect);
BENCHMARK(BM_Present_Ours);
BENCHMARK(BM_Present_SdlSoftwareRenderer);

}  // namespace

int main(int argc, char** argv) {
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  SDL_Init(SDL_INIT_VIDEO);
  Setup();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  SDL_Quit();
  return 0;
}
