// The bosses' hazard blocks: armoured cubes around a glowing core, with no up or down, so the
// same picture drifts either way.
#include "tools/assetgen/art.h"
#include "tools/assetgen/kit.h"

namespace assetgen {
namespace {

struct BlockLook {
  Color shell, core;
  bool studs;  // corner studs
};

constexpr BlockLook kBlz1{{190, 70, 60}, {255, 200, 80}, true};
constexpr BlockLook kBlz2{{210, 130, 60}, {255, 90, 120}, false};
constexpr BlockLook kBlz3{{160, 70, 130}, {255, 180, 90}, true};
constexpr BlockLook kBslz2{{200, 90, 70}, {255, 150, 220}, true};
constexpr BlockLook kBslz2_1{{180, 110, 80}, {255, 220, 100}, false};
constexpr BlockLook kBslz2_2{{150, 80, 110}, {120, 240, 255}, true};

void DrawBlock(Canvas& c, Vec2 center, const BlockLook& b) {
  const Shape shell = Rect(center, {25, 25}, 7);
  PaintSolid(c, shell, Metal(b.shell, 6, 0.7f));
  PaintSolid(c, Rect(center, {15, 15}, 4), Metal(b.shell * 0.7f, 3, 0.4f));
  PaintGlow(c, Circle(center, 7), b.core, 4, 0.9f);
  PaintFlat(c, Circle(center, 8), b.core);
  PaintFlat(c, Circle(center, 4), kWhite);
  if (b.studs)
    for (float dx : {-17.f, 17.f})
      for (float dy : {-17.f, 17.f}) PaintLight(c, {center.x + dx, center.y + dy}, 2.2f, b.core);
}

// Two blocks stacked apart; the top half alone is a whole block too.
void DrawBlockPair(Canvas& c, const BlockLook& b) {
  DrawBlock(c, {30, 30}, b);
  DrawBlock(c, {30, 90}, b);
}

}  // namespace

void DrawBlz1(Canvas& c) { DrawBlock(c, {30, 30}, kBlz1); }
void DrawBlz2(Canvas& c) { DrawBlock(c, {30, 30}, kBlz2); }
void DrawBlz3(Canvas& c) { DrawBlock(c, {30, 30}, kBlz3); }
void DrawBslz2(Canvas& c) { DrawBlockPair(c, kBslz2); }
void DrawBslz2_1(Canvas& c) { DrawBlockPair(c, kBslz2_1); }
void DrawBslz2_2(Canvas& c) { DrawBlockPair(c, kBslz2_2); }

}  // namespace assetgen
