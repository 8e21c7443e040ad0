// Helpers shared by both backends (POSIX file and process services).
#pragma once
#include <string>
#include <string_view>

namespace plat::posix {

// Opens and locks `path` exclusively without blocking; writes our pid into it.
// Returns the descriptor, kLockHeld when another open file holds the lock, or
// kLockUnavailable when the file cannot be opened at all.
constexpr int kLockHeld = -1;
constexpr int kLockUnavailable = -2;
int LockFile(const std::string& path);
void UnlockFile(int fd);
// The pid written by the holder of the lock file, or 0.
int LockOwner(const std::string& path);
// A file name made from an instance name (path separators replaced).
std::string LockFileName(std::string_view name);

// Directory part of a path, with a trailing '/'.
std::string DirOf(std::string_view path);

}  // namespace plat::posix
