// What the player's shots and the bomb can strike: every slot of every enemy
// kind and every boss, in the fixed order the hit passes test them.
#pragma once
#include <cstddef>
#include <cstdint>

enum TargetId : uint8_t {
  kTZak1,
  kTZak2,
  kTZak3,
  kTZak7A,
  kTZak7B,
  kTZak1B,
  kTZak2B,
  kTZak3B,
  kTZak8,
  kTDiver80L,
  kTDiver80R,
  kTZak9,
  kTGunner80L,
  kTGunner80R,
  kTStrafer3,
  kTStrafer5,
  kTZak51L,
  kTZak51R,
  kTShotPassTargets,  // slots that no kind owns
  kTBig90A,
  kTBig90B,
  kTConvoy90,
  kTVolleyZakA,
  kTVolleyZakB,
  kTVolleyZakC,
  kTTwinGunZakA,
  kTTwinGunZakB,
  kTTwinGunZakC,
  kTTwinGunZakD,
  kTGunZakA,
  kTGunZakB,
  kTGunZakC,
  kTGunZakD,
  kTZak4A,
  kTZak4B,
  kTZak4C,
  kTZak4D,
  kTZak50A,
  kTZak50B,
  kTZak51A,
  kTZak51B,
  kTZak52,
  kTZak54A,
  kTZak54B,
  kTZak54C,
  kTZak50C,
  kTZak60A,
  kTZak60B,
  kTZak60C,
  kTBoss1,
  kTBoss2,
  kTBoss3,
  kTBoss4,
  kTBoss5,
  kTBoss6,
  kTBoss7,
  kTBoss8,
  kTargetCount
};

// Where a target's slots keep the words the passes read and write. Slot i's
// fields lie i * stride bytes after slot 0's.
struct TargetRef {
  float* x;
  float* y;
  int32_t* hitSkip;
  std::ptrdiff_t stride;
  int slots;
  void (*hitSlot)(int);  // enemy kinds with slot tables
  void (*hit)();         // single kinds and bosses
  float* hp;             // kinds and bosses with hit points
  int32_t* frame;        // the explosion frame counter a bomb strike on Zak3 resets
};

extern const TargetRef kTargets[kTargetCount];

template <typename T>
T& SlotField(T* first, std::ptrdiff_t stride, int slot) {
  return *reinterpret_cast<T*>(reinterpret_cast<std::byte*>(first) + stride * slot);
}
