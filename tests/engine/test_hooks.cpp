#include "engine/game_hooks.h"
#include "tests/engine/engine_fixture.h"

namespace testgame {
std::function<void()> onLoad;
std::function<void(int)> onScene;
int saves, pauseKeys, sceneCalls;
}  // namespace testgame

void LoadGameAssets() {
  if (testgame::onLoad) testgame::onLoad();
}
void RunSceneFrame(int scene) {
  ++testgame::sceneCalls;
  if (testgame::onScene) testgame::onScene(scene);
}
void SaveHighScore() { ++testgame::saves; }
void OnPauseKey() { ++testgame::pauseKeys; }
