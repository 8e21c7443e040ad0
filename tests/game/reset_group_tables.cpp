#include "tests/game/reset_group_tables.h"

#include "tests/game/reset_order.h"

const std::vector<const char*>& ResetGroupTables(const std::string& owner) {
  for (const ResetGroup& g : kResetOrder)
    if (owner == g.owner) return g.tables;
  static const std::vector<const char*> none;
  return none;
}
