#include "game/reset.h"

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "game/backgrounds.h"
#include "game/game_state.h"
#include "tests/game/game_fixture.h"
#include "tests/game/reset_order.h"

namespace {

// Where each table stands in the full reset order, and its group.
struct Place {
  size_t index, group;
};

std::map<std::string, Place> PlacesInOrder() {
  std::map<std::string, Place> places;
  size_t index = 0;
  for (size_t g = 0; g < kResetOrder.size(); ++g)
    for (const char* name : kResetOrder[g].tables) places[name] = {index++, g};
  return places;
}

TEST_F(GameTest, ResetVisitsWholeGroupsOfTablesInTheirOrder) {
  const auto places = PlacesInOrder();
  std::vector<size_t> registeredPerGroup(kResetOrder.size());
  size_t last = 0;
  bool first = true;
  for (const ResetTable& t : ResetTables()) {
    const auto at = places.find(t.name);
    ASSERT_NE(at, places.end()) << t.name << " is not a table the reset knows";
    EXPECT_TRUE(first || at->second.index > last) << t.name << " is out of order";
    last = at->second.index;
    first = false;
    ++registeredPerGroup[at->second.group];
  }
  // Every part of the game registers every one of its tables.
  for (size_t g = 0; g < kResetOrder.size(); ++g) {
    const size_t n = registeredPerGroup[g];
    EXPECT_EQ(n, kResetOrder[g].tables.size())
        << kResetOrder[g].owner << " registers " << n << " of its " << kResetOrder[g].tables.size()
        << " tables";
  }
}

TEST_F(GameTest, ResetRestoresTheStartPatternOfEveryTable) {
  for (const ResetTable& t : ResetTables()) {
    std::memset(t.data, 0xA5, t.bytes);  // garbage in every byte
    EXPECT_FALSE(t.atStart()) << t.name;
  }
  ResetGameState();
  for (const ResetTable& t : ResetTables()) EXPECT_TRUE(t.atStart()) << t.name;
}

TEST_F(GameTest, ResetRestoresThePlayStateButKeepsTheGame) {
  InitNewGame();
  gScore = 4321;
  gLives = 12;
  gBombStock = 2;
  gSideShots = 1;
  gStageClock = 800.0f;
  gStageClock2 = 90.0f;
  gPlayerX = 300.0f;
  gBombActive = 1;
  gFireEnabled = gBombReady = gPlayerAlive = 0;
  gGameOver = gPaused = gContinuePrompt = gGiveUp = gControlLocked = 1;
  koSystem::InitProcessState();
  koSystem::SetWait(1, 9000);
  ResetGameState();
  EXPECT_EQ(gScore + gLives + gBombStock + gSideShots, 4321 + 12 + 2 + 1);
  EXPECT_EQ(gStageClock, 0.0f);
  EXPECT_EQ(gStageClock2, 90.0f);
  EXPECT_EQ(gPlayerX, 300.0f);
  EXPECT_EQ(gBombActive, 0);  // a running bomb ends without costing one
  EXPECT_EQ(gFireEnabled + gBombReady + gPlayerAlive, 3);
  EXPECT_EQ(gGameOver + gPaused + gContinuePrompt + gGiveUp + gControlLocked, 0);
  EXPECT_FALSE(gWaitArmed[0]);  // a running game-over wait is switched off
}

TEST_F(GameTest, ResetsWithinOneSecondRepeatTheirRandomFields) {
  ResetGameState();
  const BackgroundParticle first = gBackgroundParticles[17];
  ResetGameState();
  EXPECT_EQ(gBackgroundParticles[17].x, first.x);
  headless::AdvanceClock(1000);
  ResetGameState();
  EXPECT_FALSE(gBackgroundParticles[17].x == first.x && gBackgroundParticles[17].y == first.y &&
               gBackgroundParticles[17].speed == first.speed);
}

}  // namespace
