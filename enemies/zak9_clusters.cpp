// Zak9's falling clusters: each enemy slot drops a block of five bullets from
// one muzzle that fall at five speeds, so the column stretches as it falls;
// four of the five clusters also drift sideways.
#include "enemies/zak9_clusters.h"

#include "enemies/bullets.h"
#include "enemies/template_kinds.h"

ClusterRecord gZak9Cluster1[3], gZak9Cluster2[3], gZak9Cluster3[3], gZak9Cluster4[3],
    gZak9Cluster5[3];

namespace {

using namespace enemy;

struct ClusterDesign {
  ClusterRecord* blocks;   // block i belongs to gZak9 slot i
  float muzzleX, muzzleY;  // added to the enemy slot's position
  float drift;             // vx given at firing, pixels per second
  bool drifts;             // the move adds vx to x (cluster 1 has no x term)
};

// Bullet j of a block falls at 140 + 20 j pixels per second.
constexpr float kFallSpeeds[5] = {140, 160, 180, 200, 220};
constexpr KeepArea kKeep{-kNoBound, kNoBound, -16, 480, true};
constexpr ShipBox kShipBox{10, 30, 20, 30};
constexpr BulletLook kLook{&gPicBullet20, 20, 0, false};

constexpr ClusterDesign kClusters[5] = {
    {gZak9Cluster1, 30, 70, 0, false}, {gZak9Cluster2, 30, 67, -8, true},
    {gZak9Cluster3, 30, 67, 8, true},  {gZak9Cluster4, 30, 63, -17, true},
    {gZak9Cluster5, 30, 63, 17, true},
};

// Starts the free bullets of every block at the muzzle; a bullet of the block
// still falling stays where it is. Each start sets the fall speeds of the
// whole block again.
void Fire(const ClusterDesign& c) {
  for (int i = 0; i < 3; ++i) {
    ShotRecord* shots = c.blocks[i].shots;
    for (int j = 0; j < 5; ++j) {
      ShotRecord& s = shots[j];
      if (s.alive != 0) continue;
      s.alive = 1;
      s.x = gZak9[i].x + c.muzzleX;
      s.y = gZak9[i].y + c.muzzleY;
      for (int k = 0; k < 5; ++k) shots[k].vy = kFallSpeeds[k];
      s.vx = c.drift;
    }
  }
}

void Move(const ClusterDesign& c) {
  for (int i = 0; i < 3; ++i)
    for (ShotRecord& s : c.blocks[i].shots) {
      if (s.alive != 0) {
        s.y += s.vy * FrameScale();
        if (c.drifts) s.x += s.vx * FrameScale();
      }
      if (!Keeps(kKeep, s.x, s.y)) {
        s.alive = 0;
        Park(s);
      }
      TestShip(kShipBox, s.x, s.y);
    }
}

void Draw(const ClusterDesign& c) {
  for (int i = 0; i < 3; ++i) DrawBullets(kLook, std::span<ShotRecord>(c.blocks[i].shots));
}

}  // namespace

void FireZak9Cluster1(int, int) { Fire(kClusters[0]); }
void MoveZak9Cluster1(int, int) { Move(kClusters[0]); }
void DrawZak9Cluster1(int, int) { Draw(kClusters[0]); }
void FireZak9Cluster2(int, int) { Fire(kClusters[1]); }
void MoveZak9Cluster2(int, int) { Move(kClusters[1]); }
void DrawZak9Cluster2(int, int) { Draw(kClusters[1]); }
void FireZak9Cluster3(int, int) { Fire(kClusters[2]); }
void MoveZak9Cluster3(int, int) { Move(kClusters[2]); }
void DrawZak9Cluster3(int, int) { Draw(kClusters[2]); }
void FireZak9Cluster4(int, int) { Fire(kClusters[3]); }
void MoveZak9Cluster4(int, int) { Move(kClusters[3]); }
void DrawZak9Cluster4(int, int) { Draw(kClusters[3]); }
void FireZak9Cluster5(int, int) { Fire(kClusters[4]); }
void MoveZak9Cluster5(int, int) { Move(kClusters[4]); }
void DrawZak9Cluster5(int, int) { Draw(kClusters[4]); }
