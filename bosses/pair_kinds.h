// The pair shots, fall shots, chains and drops as rows of the grouped-kind
// design: pairs side by side, triples in a short column, arcs of seven
// segments, and drops that start every free slot at one point.
#pragma once
#include "bosses/group_kind.h"

enum class PairKindId {
  Boss1PairShot1,
  Boss1PairShot2,
  Boss1FallShot1,
  Boss1FallShot2,
  Boss1FallShot3,
  Boss1FallShot4,
  Boss1Chain,
  Boss1Drop1,
  Boss1Drop2,
  Boss1Drop3,
  Boss2Chain,
  Boss2FallShot1,
  Boss2FallShot2,
  Boss2PairShot1,
  Boss2PairShot2,
  Boss2Drop1,
  Boss2Drop2,
  Boss2Drop3,
  Boss2Drop4,
  Boss2Drop5,
  Boss3PairShot1,
  Boss3PairShot2,
  Boss3Drop1,
  Boss3Drop2,
  Boss3Drop3,
  Boss3Drop4,
  Boss3Drop5,
  Boss3Drop6,
  Boss3Drop7,
  Count
};

constexpr int kPairShotSlots = 20;
constexpr int kFallShotSlots = 30;
constexpr int kChainSlots = 35;

const GroupKind& PairKind(PairKindId id);

template <PairKindId id>
void ResetPairTable() {
  ResetGroup(PairKind(id));
}
template <PairKindId id>
bool PairTableAtStart() {
  return GroupAtStart(PairKind(id));
}
