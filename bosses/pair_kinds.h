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
  Boss4PairShot1,
  Boss4PairShot2,
  Boss4PairShot3,
  Boss6PairShot1,
  Boss6PairShot2,
  Boss7PairShot1,
  Boss7PairShot2,
  Boss4Drop1,
  Boss4Drop2,
  Boss4Drop3,
  Boss4Drop4,
  Boss4Drop5,
  Boss4Drop6,
  Boss4Drop7,
  Boss4Drop8,
  Boss4Drop9,
  Boss5Drop1,
  Boss5Drop2,
  Boss5Drop3,
  Boss5Drop4,
  Boss5Drop5,
  Boss5Drop6,
  Boss5Drop7,
  Boss5Drop8,
  Boss5Drop9,
  Boss6Drop1,
  Boss6Drop2,
  Boss6Drop3,
  Boss6Drop4,
  Boss6Drop5,
  Boss6Drop6,
  Boss6Drop7,
  Boss6Drop8,
  Boss6Drop9,
  Boss7Drop1,
  Boss7Drop2,
  Boss7Drop3,
  Boss7Drop4,
  Boss7Drop5,
  Boss7Drop6,
  Boss7Drop7,
  Boss7Drop8,
  Boss7Drop9,
  Boss8Drop1,
  Boss8Drop2,
  Boss8Drop3,
  Boss8Drop4,
  Boss8Drop5,
  Boss8Drop6,
  Boss8Drop7,
  Boss8Drop8,
  Boss8Drop9,
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
