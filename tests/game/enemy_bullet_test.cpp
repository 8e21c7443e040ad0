// The aimed shot family on Zak7A's shot and the straight streams on Zak8's:
// the keep area, the bomb and the streams' velocities; each family's look.
#include "enemies/template_kinds.h"
#include "tests/game/enemy_fixture.h"

namespace {

using AimedShotTest = EnemyTest;
using StreamTest = EnemyTest;

// Each edge of the screen keeps a bullet on it and frees one half a pixel
// beyond it; a bomb frees every flying bullet.
TEST_F(AimedShotTest, BulletsStayInsideTheScreenBoundsIncludedAndAllVanishUnderABomb) {
  struct Place {
    float x, y;
    int kept;
  };
  const Place places[] = {{640.0f, 100.0f, 1}, {640.5f, 100.0f, 0}, {-16.0f, 100.0f, 1},
                          {-16.5f, 100.0f, 0}, {100.0f, -16.0f, 1}, {100.0f, -16.5f, 0},
                          {100.0f, 480.0f, 1}, {100.0f, 480.5f, 0}};
  AimedShotRecord& s = gZak7AShot[0];
  for (const Place& p : places) {
    s.alive = 1;
    s.x = p.x;
    s.y = p.y;
    s.speed = 0.0f;
    MoveZak7AShot(0);
    EXPECT_EQ(s.alive, p.kept) << p.x << ", " << p.y;
    EXPECT_EQ(s.x, p.kept ? p.x : -500.0f) << p.x << ", " << p.y;
  }
  for (AimedShotRecord& b : gZak7AShot) {
    b.alive = 1;
    b.x = b.y = 100.0f;
    b.speed = 0.0f;
  }
  gBombActive = 1;
  MoveZak7AShot(0);
  for (const AimedShotRecord& b : gZak7AShot) EXPECT_EQ(b.alive, 0);
}

TEST_F(StreamTest, Zak8FiresItsThreeStreamsFromEachSlotWithTheirVelocities) {
  gZak8[1].alive = 1;
  gZak8[1].x = 400.0f;
  gZak8[1].y = 100.0f;
  const std::vector<int> r = NextRands(3);
  FireZak8Stream1(0);
  FireZak8Stream2(0);
  FireZak8Stream3(0);
  EXPECT_EQ(gZak8Stream1[1].x, 422.0f);
  EXPECT_EQ(gZak8Stream1[1].y, 130.0f);
  EXPECT_EQ(gZak8Stream1[1].vx, static_cast<float>(r[1] % 70 + 140));
  EXPECT_EQ(gZak8Stream1[1].vy, 0.0f);
  EXPECT_EQ(gZak8Stream2[1].vx, 150.0f);
  EXPECT_EQ(gZak8Stream3[1].vy, 20.0f);
  EXPECT_EQ(gZak8Stream3[0].x, -478.0f);  // a free enemy slot fires from its parked place
  gPlayerAlive = 0;
  gFrameScale = 1.0f;
  MoveZak8Stream1(0);
  MoveZak8Stream2(0);
  MoveZak8Stream3(0);
  EXPECT_EQ(gZak8Stream1[1].x, 422.0f - gZak8Stream1[1].vx);
  EXPECT_EQ(gZak8Stream2[1].y, 150.0f);
  EXPECT_EQ(gZak8Stream3[0].alive, 0);  // the parked bullet is removed on its first move
}

using BulletLookTest = EnemyTest;

// A live bullet on cell 5 at (x + 0.5, y).
template <typename Bullet>
void Live(Bullet& b, int x, int y) {
  b.alive = 1;
  b.x = static_cast<float>(x) + 0.5f;  // truncated
  b.y = static_cast<float>(y);
  b.frame = 5;
}

// A live bullet of each family on cell 5, at a place of its own: each Draw
// shows that cell of its own strip, or the first cell of a strip that does not
// animate. The fixture's strips differ in every pixel, so another family's
// strip shows.
TEST_F(BulletLookTest, EachFamilyShowsItsOwnStripsCell) {
  const struct {
    const char* name;
    void (*place)(int x, int y);
    void (*draw)(int);
    const int& picture;
    bool animates;
  } families[] = {
      {"Zak7AShot", [](int x, int y) { Live(gZak7AShot[1], x, y); }, DrawZak7AShot, gPicVal1624,
       true},
      {"Zak2BShot", [](int x, int y) { Live(gZak2BShot[1], x, y); }, DrawZak2BShot, gPicVal1624,
       true},
      {"Zak8Stream1", [](int x, int y) { Live(gZak8Stream1[1], x, y); }, DrawZak8Stream1, gPicVal13,
       false},
      {"Zak9Stream1", [](int x, int y) { Live(gZak9Stream1[1], x, y); }, DrawZak9Stream1, gPicVal2,
       true},
      {"Strafer3Stream1", [](int x, int y) { Live(gStrafer3Stream1[1], x, y); },
       DrawStrafer3Stream1, gPicVal13, false},
      {"Strafer5Stream1", [](int x, int y) { Live(gStrafer5Stream1[1], x, y); },
       DrawStrafer5Stream1, gPicVal1, true},
      {"Convoy90Stream1", [](int x, int y) { Live(gConvoy90Stream1[1], x, y); },
       DrawConvoy90Stream1, gPicVal13, false},
  };
  int n = 0;
  for (const auto& f : families) {
    const int x = 40 + 70 * n, y = 100 + 30 * n++;
    f.place(x, y);
    const int left = f.animates ? 5 * 16 : 0;
    EXPECT_EQ(Render([&] { f.draw(0); }),
              Render([&] { koDraw::Blit(x, y, f.picture, left, 0, left + 16, 16); }))
        << f.name;
  }
}

}  // namespace
