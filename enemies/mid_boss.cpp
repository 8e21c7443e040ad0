#include "enemies/mid_boss.h"

#include "game/assets.h"

namespace {

using enemy::BlitKind;
using enemy::ExplosionCopy;

constexpr ExplosionCopy Large(const int* strip, int x, int y) {
  return {BlitKind::kPlain, strip, 80, x, 0, y, 0};
}
constexpr ExplosionCopy Small(int bx, int by) {
  return {BlitKind::kPlain, &gPicZbak6b, 40, 75, bx, 55, by};
}

constexpr ExplosionCopy kCopies[] = {Large(&gPicZbak3b, -25, 35),
                                     Large(&gPicZbak3b, 135, 35),
                                     Large(&gPicZbak3b, 55, -45),
                                     Large(&gPicZbak3b, 55, 115),
                                     Large(&gPicZbak2b, -2, -22),
                                     Large(&gPicZbak2b, 112, -22),
                                     Large(&gPicZbak2b, -2, 92),
                                     Large(&gPicZbak3b, 112, 92),
                                     Large(&gPicZbak2b, 55, 35),
                                     Small(4, 6),
                                     Small(-6, -5),
                                     Small(6, -3),
                                     Small(-6, 6),
                                     Small(-5, 5)};

}  // namespace

const std::span<const ExplosionCopy> kMidBossExplosion = kCopies;
