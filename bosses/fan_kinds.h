// The fan-volley kinds as rows of the grouped-kind design: waves of five
// laid out around the boss, flying one way while four members drift apart;
// the five-way kinds of bosses 6 and 7 are rows of it too.
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
  Boss4FanVolley1,
  Boss4FanVolley2,
  Boss4FanVolley3,
  Boss4FanVolley4,
  Boss4FanVolley5,
  Boss4FanVolley6,
  Boss4FanVolley7,
  Boss5FanVolley1,
  Boss5FanVolley2,
  Boss5FanVolley3,
  Boss5FanVolley4,
  Boss5FanVolley5,
  Boss5FanVolley6,
  Boss5FanVolley7,
  Boss6FanVolley1,
  Boss6FanVolley2,
  Boss6FanVolley3,
  Boss6FanVolley4,
  Boss6FanVolley5,
  Boss6FiveWay1,
  Boss6FiveWay2,
  Boss7FanVolley1,
  Boss7FanVolley2,
  Boss7FanVolley3,
  Boss7FanVolley4,
  Boss7FanVolley5,
  Boss7FiveWay1,
  Boss7FiveWay2,
  Boss8FanVolley1,
  Boss8FanVolley2,
  Boss8FanVolley3,
  Boss8FanVolley4,
  Boss8FanVolley5,
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
