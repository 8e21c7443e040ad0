// The scene table: scene numbers 1..12 and their frame functions.
#include <array>
#include <cstddef>

#include "engine/game_hooks.h"

namespace {

using SceneFrame = void (*)();
// Filled in as the scenes exist; an empty entry runs nothing.
constexpr std::array<SceneFrame, 13> kSceneFrames{};

}  // namespace

void RunSceneFrame(int scene) {
  if (scene < 1 || scene > 12 || !kSceneFrames[static_cast<size_t>(scene)]) return;
  kSceneFrames[static_cast<size_t>(scene)]();
}
