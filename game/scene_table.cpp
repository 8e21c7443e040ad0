// The scene table: scene numbers 1..12 and their frame functions.
#include <array>
#include <cstddef>

#include "engine/game_hooks.h"
#include "game/scenes.h"
#include "game/stages.h"

namespace {

using SceneFrame = void (*)();
// Stages 4 to 8 are reached by no scene change; their entries stay empty until they exist.
constexpr std::array<SceneFrame, 13> kSceneFrames{
    nullptr, TitleFrame, Stage1Frame, Stage2Frame, Stage3Frame,      nullptr,        nullptr,
    nullptr, nullptr,    nullptr,     EndingFrame, LevelSelectFrame, ShipSelectFrame};

}  // namespace

void RunSceneFrame(int scene) {
  if (scene < 1 || scene > 12 || !kSceneFrames[static_cast<size_t>(scene)]) return;
  kSceneFrames[static_cast<size_t>(scene)]();
}
