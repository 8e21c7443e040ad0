// Our keyed 16-bit blit against SDL2's SDL_BlitSurface with a colour key (its
// plain path and its RLE-accelerated path) on every generated game picture:
// whole, and cut into strips and cells, at unaligned positions cut by each
// screen edge. All paths are first checked to give the same pixels; then the
// cases of each picture run interleaved, and the table gives SDL's time over
// ours (above 1: ours is faster), minimum and median over the rounds, for
// each of our row codes this processor can run. Also a full-frame clear and
// the present.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/draw/draw_internal.h"
#include "engine/draw/ko_draw.h"
#include "engine/system/ko_system.h"
#include "platform/headless/headless.h"

namespace {

struct Cut {
  SDL_Rect src;
  std::vector<SDL_Point> at;
};

struct Picture {
  std::string name;
  int object = 0;
  SDL_Surface* plain = nullptr;
  SDL_Surface* rle = nullptr;
  std::vector<Cut> cuts;
};

std::vector<Picture> gPictures;
SDL_Surface* gSdlScreen = nullptr;

SDL_Surface* SdlCopy(const Surface& s, bool rle) {
  SDL_Surface* out =
      SDL_CreateRGBSurfaceWithFormat(0, s.width, s.height, 16, SDL_PIXELFORMAT_RGB565);
  for (int y = 0; y < s.height; ++y)
    std::memcpy(static_cast<uint8_t*>(out->pixels) + y * out->pitch, s.Row(y), 2 * s.width);
  SDL_SetColorKey(out, SDL_TRUE, s.colorKey);
  SDL_SetSurfaceRLE(out, rle ? 1 : 0);
  return out;
}

// The whole picture, a full-width strip, a column cell and an odd-sized cell,
// each at positions cut by every screen edge and at odd x.
std::vector<Cut> CutsOf(int w, int h) {
  const SDL_Rect rects[] = {{0, 0, w, h},
                            {0, h / 3, w, std::max(1, h / 5)},
                            {w / 3, 0, std::max(1, w / 4), h},
                            {1, 1, w - 1, h / 2}};
  std::vector<Cut> cuts;
  for (const SDL_Rect& r : rects) {
    if (r.w <= 0 || r.h <= 0) continue;
    Cut c{r, {}};
    for (const int x : {-r.w / 2 - 1, 3, 101, 321, 641 - r.w / 2})
      for (const int y : {-r.h / 2 - 1, 7, 201, 481 - r.h / 2}) c.at.push_back({x, y});
    cuts.push_back(c);
  }
  return cuts;
}

void BlitAllOurs(const Picture& p) {
  for (const Cut& c : p.cuts)
    for (const SDL_Point& at : c.at)
      koDraw::Blit(at.x, at.y, p.object, c.src.x, c.src.y, c.src.x + c.src.w, c.src.y + c.src.h);
}

void BlitAllSdl(const Picture& p, SDL_Surface* sprite) {
  for (const Cut& c : p.cuts)
    for (const SDL_Point& at : c.at) {
      SDL_Rect src = c.src, dst{at.x, at.y, 0, 0};
      SDL_BlitSurface(sprite, &src, gSdlScreen, &dst);
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

using koDraw::detail::KeyedPath;

// Our row codes, by name.
struct OurPath {
  const char* name;
  KeyedPath path;
};
constexpr OurPath kAllPaths[] = {{"AVX2", KeyedPath::Avx2},
                                 {"AVX2+libc", KeyedPath::Avx2LibraryCopy},
                                 {"portable", KeyedPath::Portable}};
std::vector<OurPath> gPaths;  // those this processor can run

void CheckSamePixels(const Picture& p) {
  for (const OurPath& path : gPaths)
    for (SDL_Surface* sdl : {p.plain, p.rle}) {
      koDraw::detail::UseKeyedPath(path.path);
      Noise();
      BlitAllOurs(p);  // the first pass builds the runs, the second uses them
      BlitAllOurs(p);
      BlitAllSdl(p, sdl);
      BlitAllSdl(p, sdl);
      koDraw::detail::UseKeyedPath(koDraw::detail::BestKeyedPath());
      if (!SameScreens()) {
        std::fprintf(stderr, "%s: our blit and SDL's differ\n", p.name.c_str());
        std::exit(1);
      }
    }
}

void Setup(const char* assetDir) {
  headless::Reset(1000);
  headless::SetProgramDir(assetDir);
  koSystem::InitProcessState();
  if (koDraw::Screen(640, 480, 1) != 1) std::abort();
  gSdlScreen = SDL_CreateRGBSurfaceWithFormat(0, 640, 480, 16, SDL_PIXELFORMAT_RGB565);
  for (const OurPath& path : kAllPaths)
    if (koDraw::detail::UseKeyedPath(path.path)) gPaths.push_back(path);
  koDraw::detail::UseKeyedPath(koDraw::detail::BestKeyedPath());
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(assetDir))
    if (e.path().extension() == ".BMP") names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  for (const std::string& name : names) {
    Picture p;
    p.name = name;
    p.object = koDraw::LoadObject(name.c_str(), 1);
    const Surface* s = koDraw::ObjectSurface(p.object);
    if (!s) std::abort();
    p.plain = SdlCopy(*s, false);
    p.rle = SdlCopy(*s, true);
    p.cuts = CutsOf(s->width, s->height);
    CheckSamePixels(p);
    gPictures.push_back(std::move(p));
  }
  std::printf(
      "Checked: on %zu pictures our keyed blit (each path) and SDL_BlitSurface (plain "
      "and RLE) give the same pixels.\n",
      gPictures.size());
  for (const OurPath& path : gPaths)
    if (path.path == koDraw::detail::BestKeyedPath())
      std::printf("This processor's keyed blit: %s.\n", path.name);
}

// One timed case: our blit on one path, or SDL's plain or RLE blit.
struct Case {
  const OurPath* ours;  // nullptr: SDL's
  bool rle;
};

void Pass(const Case& c, const Picture& p, int n) {
  if (c.ours) koDraw::detail::UseKeyedPath(c.ours->path);
  for (int i = 0; i < n; ++i) {
    if (c.ours)
      BlitAllOurs(p);
    else
      BlitAllSdl(p, c.rle ? p.rle : p.plain);
  }
  if (c.ours) koDraw::detail::UseKeyedPath(koDraw::detail::BestKeyedPath());
}

// Every case by its benchmark name: SDL's RLE and plain blits first, then our
// paths.
std::vector<std::pair<std::string, Case>> Cases() {
  std::vector<std::pair<std::string, Case>> cases{{"sdl_rle", {nullptr, true}},
                                                  {"sdl_plain", {nullptr, false}}};
  for (const OurPath& path : gPaths) cases.push_back({path.name, {&path, false}});
  return cases;
}

double Seconds(const Case& c, const Picture& p, int repeat) {
  const auto t0 = std::chrono::steady_clock::now();
  Pass(c, p, repeat);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// SDL's time over ours per picture: the cases take turns, in a rotating
// order, for `rounds` rounds of at least 2 ms each. "min" is the ratio of
// the fastest round of each case, "median" the median of the rounds' ratios.
void RatioTable(int rounds, const std::string& only) {
  std::vector<Case> cases;
  for (const auto& [name, c] : Cases()) cases.push_back(c);
  const int n = static_cast<int>(cases.size());
  std::printf("\n%-13s", "picture");
  for (const OurPath& path : gPaths)
    for (const char* sdl : {"RLE", "plain"})
      std::printf(" %15s", (std::string(sdl) + "/" + path.name).c_str());
  std::printf("\n%-13s", "");
  for (size_t c = 0; c < 2 * gPaths.size(); ++c) std::printf(" %15s", "min median");
  std::printf("\n");
  std::vector<std::pair<double, double>> worst(2 * gPaths.size(), {1e9, 1e9});
  for (const Picture& p : gPictures) {
    if (!only.empty() && ("," + only + ",").find("," + p.name + ",") == std::string::npos) continue;
    int repeat = 1;
    while (Seconds(cases[2], p, repeat) < 2e-3) repeat *= 2;
    std::vector<std::vector<double>> t(cases.size());
    for (int k = 0; k < rounds; ++k)
      for (int c = 0; c < n; ++c) {
        const int i = (c + k) % n;
        t[i].push_back(Seconds(cases[i], p, repeat));
      }
    std::printf("%-13s", p.name.c_str());
    for (size_t column = 0; column < worst.size(); ++column) {
      const std::vector<double>&sdl = t[column % 2], &ours = t[2 + column / 2];
      std::vector<double> ratio;
      for (int k = 0; k < rounds; ++k) ratio.push_back(sdl[k] / ours[k]);
      const double best =
          *std::min_element(sdl.begin(), sdl.end()) / *std::min_element(ours.begin(), ours.end());
      const double mid = Median(ratio);
      worst[column].first = std::min(worst[column].first, best);
      worst[column].second = std::min(worst[column].second, mid);
      std::printf("     %5.2f %5.2f", best, mid);
    }
    std::printf("\n");
  }
  std::printf("%-13s", "lowest");
  for (const auto& [best, mid] : worst) std::printf("     %5.2f %5.2f", best, mid);
  std::printf("\n");
}

void BM_KeyedBlit(benchmark::State& state, const Picture* p, Case c) {
  for (auto _ : state) {
    Pass(c, *p, 1);
    benchmark::ClobberMemory();
  }
  state.SetLabel(p->name);
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

BENCHMARK(BM_ClearScreen_Ours);
BENCHMARK(BM_ClearScreen_SdlFillRect);
BENCHMARK(BM_Present_Ours);
BENCHMARK(BM_Present_SdlSoftwareRenderer);

}  // namespace

// Usage: blit_bench [--rounds=N] [--pictures=A.BMP,B.BMP] [Google Benchmark flags]. The ratio table
// is printed first; each picture's cases are also Google Benchmark cases named
// KeyedBlit/<path>/<picture>, for --benchmark_filter.
int main(int argc, char** argv) {
  int rounds = 21;
  std::string only;  // comma-separated picture names; empty: all
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--rounds=", 9) == 0) rounds = std::max(1, std::atoi(argv[i] + 9));
    if (std::strncmp(argv[i], "--pictures=", 11) == 0) only = argv[i] + 11;
  }
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  SDL_Init(SDL_INIT_VIDEO);
  Setup(VORENDALITE_ASSET_DIR);
  RatioTable(rounds, only);
  const std::vector<std::pair<std::string, Case>> cases = Cases();
  for (const Picture& p : gPictures)
    for (const auto& [name, c] : cases)
      benchmark::RegisterBenchmark(("KeyedBlit/" + name + "/" + p.name).c_str(), BM_KeyedBlit, &p,
                                   c);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  SDL_Quit();
  return 0;
}
