// The fan-volley kinds as rows of the grouped-kind design: waves of five
// laid out around the boss, flying one way while four members drift apart.
#pragma once
#include "bosses/group_kind.h"

enum class FanKindId {
  Boss1FanVolley1,
  Boss1FanVolley2,
  Boss2FanVolley1,
  Boss2FanVolley2,
  Boss2FanVolley3,
  Boss2FanVolley4,
  Boss2FanVolley5,
  Boss3FanVolley1,
  Boss3FanVolley2,
  Boss3FanVolley3,
  Boss3FanVolley4,
  Boss3FanVolley5,
  Count
};

constexpr int kFanWave = 5;
constexpr int kFanVolleySlots = 50;

const GroupKind& Fan(FanKindId id);

template <FanKindId id>
void ResetFanTable() {
  ResetGroup(Fan(id));
}
template <FanKindId id>
bool FanTableAtStart() {
  return GroupAtStart(Fan(id));
}
