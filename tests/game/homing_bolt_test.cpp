// The lightning bolt of a flying homing missile: its seven lines, bent by the
// launch vector for group A and one straight line for group B, the jittered
// start below the ship, the colours and the order of the random numbers.
#include "enemies/template_kinds.h"
#include "enemies/zak4.h"
#include "homing/enemy_homing.h"
#include "tests/game/homing_fixture.h"

namespace {

using HomingBoltTest = HomingTest;

struct Line {
  int x1, y1, x2, y2, width;
};

// A bolt with no launch vector: six lines of zero length at the start point
// (the engine's wide pen leaves a round dot there), then the line to the end.
std::vector<Line> Straight(int sx, int sy, int ex, int ey) {
  std::vector<Line> lines;
  for (int width : {7, 6, 5, 4, 3, 2}) lines.push_back({sx, sy, sx, sy, width});
  lines.push_back({sx, sy, ex, ey, 2});
  return lines;
}

// Red 0; the first line is full blue.
void DrawLines(const std::vector<Line>& lines, int green, int blue) {
  for (size_t i = 0; i < lines.size(); ++i) {
    const Line& l = lines[i];
    const uint32_t colour =
        256u * static_cast<uint32_t>(green) + 65536u * static_cast<uint32_t>(i == 0 ? 255 : blue);
    koDraw::DrawLine(l.x1, l.y1, l.x2, l.y2, colour, l.width);
  }
}

TEST_F(HomingBoltTest, AGroupABoltBendsByNinthsOfItsLaunchVector) {
  gPlayerX = 100.9f;  // truncated to (100, 200)
  gPlayerY = 200.5f;
  gHomingZak2[1] = {400, 300, 1, 0, 0, -90.7f, 45.3f, 0, 700, 0};  // its own place is not drawn
  gZak2Markers[1] = {50, 60, 1, 0};
  const std::vector<int> r = NextRands(5);
  const auto drawn = Render(DrawHomingZak2);
  EXPECT_EQ(koSystem::Rand(), r[4]);  // four numbers for the one flying missile
  const int j = r[0] % 5 - r[1] % 5;
  const std::vector<Line> bolt = {
      {127 + j, 240, 77 + j, 240, 7}, {77 + j, 240, 47 + j, 245, 6}, {47 + j, 245, 37 + j, 250, 5},
      {37 + j, 250, 37 + j, 260, 4},  {37 + j, 260, 47 + j, 270, 3}, {47 + j, 270, 47 + j, 280, 2},
      {47 + j, 280, 79, 89, 2},
  };
  const auto expected = Render([&] { DrawLines(bolt, 155 - r[2] % 100, 255 - r[3] % 100); });
  EXPECT_TRUE(drawn == expected);
  EXPECT_FALSE(Blank(drawn));
}

TEST_F(HomingBoltTest, FlyingMissilesDrawInSlotOrderAtTheShipsPresentPlace) {
  // Missiles 0 and 2 fly, 1 is idle: eight numbers, slot 0's four first.
  gHomingZak4A[0] = {200, 200, 1, 0, 0, 0, 0, 0, 750, 0};
  gHomingZak4A[2] = {200, 200, 1, 0, 0, 0, 0, 0, 750, 0};
  gZak4AMarkers[0] = {100, 20, 1, 0};
  gZak4AMarkers[1] = {300, 20, 1, 0};
  gZak4AMarkers[2] = {500, 20, 1, 0};
  gPlayerX = 260.0f;  // moved since the launch
  gPlayerY = 400.0f;
  const std::vector<int> r = NextRands(9);
  const auto drawn = Render(DrawHomingZak4A);
  EXPECT_EQ(koSystem::Rand(), r[8]);
  const auto expected = Render([&] {
    DrawLines(Straight(287 + r[0] % 5 - r[1] % 5, 440, 129, 49), 155 - r[2] % 100,
              255 - r[3] % 100);
    DrawLines(Straight(287 + r[4] % 5 - r[5] % 5, 440, 529, 49), 155 - r[6] % 100,
              255 - r[7] % 100);
  });
  EXPECT_TRUE(drawn == expected);
}

}  // namespace
