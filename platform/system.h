// Process services: single instance, program directory, files, machine queries.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace plat {

// Takes the instance lock named `name`. False when another process holds it;
// that process is then asked to bring its window to the front.
bool AcquireInstanceLock(std::string_view name);
void ReleaseInstanceLock();

// Directory of the executable, with a trailing '/'.
const std::string& ProgramDir();
// Machine-wide settings directory, with a trailing '/'.
std::string SettingsDir();
// Path of `name` inside `dir`: the exact name when it exists, else the first
// entry whose name matches ignoring ASCII case, else the exact name.
std::string FindFileNoCase(std::string_view dir, std::string_view name);
// The two texts are equal ignoring ASCII case.
bool SameNoCase(std::string_view a, std::string_view b);

uint64_t FreeDiskBytes(std::string_view path);
uint64_t FreeMemoryBytes();

struct OsVersion {
  int platform;  // 0 none of the classic desktop families
  int major, minor;
};
OsVersion GetOsVersion();

}  // namespace plat
