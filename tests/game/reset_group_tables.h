// The tables of one reset group by its owner's name, for tests whose headers
// also see the grouped kinds' ResetGroup routine, which hides the group record.
#pragma once
#include <string>
#include <vector>

// Empty when no group has that owner.
const std::vector<const char*>& ResetGroupTables(const std::string& owner);
