// The high-score file on disk: only a regular file is ever opened, links lead
// to the file they name, and a write replaces the file whole or not at all.
#pragma once
#include <sys/stat.h>

#include <cstddef>
#include <string>

// What reading found: the bytes read, no file at all, or why it was refused.
struct ScoreFileRead {
  size_t size = 0;
  bool missing = false;
  const char* failure = nullptr;
  struct stat info {};
};

// Reads up to `capacity` bytes of `path` (links followed) when it is a regular
// file; a directory, FIFO or device is never opened, so nothing can block.
ScoreFileRead ReadScoreFile(const std::string& path, char* bytes, size_t capacity);

// Follows symbolic links from `path` to the name they finally lead to, which
// need not exist yet. False when a link cannot be read or the links loop.
bool ResolveScoreFileLinks(std::string& path);

// Whether the regular file `path` (described by `info`) may be replaced: the
// system's write permission, and, since root passes every permission, never a
// file whose mode lets no one write it.
bool ScoreFileWritable(const std::string& path, const struct stat& info);

// Puts `bytes` in place of `path` (no link): a new file beside it, created
// exclusively under a name of its own, written, synced and renamed over it,
// then the directory synced. It keeps the permissions of `old` when there was
// a file. Returns nullptr, or why the file was left as it was.
const char* ReplaceScoreFile(const std::string& path, const char* bytes, size_t size,
                             const struct stat* old);
