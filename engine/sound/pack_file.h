// Reading a sound pack: entries one after another from byte 0, each the
// sample size D (uint32), the NUL-terminated name, the format size F
// (uint32), F bytes of format block and D bytes of samples. Every size and
// offset is checked against the file's length. Reads go straight to the
// file, so a stream's refill does not touch the heap.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace koSound::detail {

constexpr size_t kPackNameMax = 127;  // characters of an entry name the readers match

struct PackFile {
  int fd = -1;
  uint64_t length = 0;
};
bool OpenPack(const std::string& path, PackFile& out);
void ClosePack(PackFile& f);
// Reads exactly `bytes` bytes at `offset`; false when they are not all in the file.
bool ReadPackBytes(const PackFile& f, uint64_t offset, void* out, size_t bytes);

struct PackEntry {
  uint32_t dataSize = 0;
  uint32_t formatSize = 0;
  uint64_t formatOffset = 0;
  uint64_t dataOffset = 0;
  uint64_t next = 0;  // where the next entry begins
  char name[kPackNameMax + 1] = {};
  bool nameFits = false;  // a longer name is kept out and matches nothing
};
// Reads the entry at `offset`. False at the end of the pack and for an entry
// cut short: a missing NUL, or a format or samples running past the end.
bool ReadPackEntry(const PackFile& f, uint64_t offset, PackEntry& out);
// Finds the first entry named `upperName` exactly.
bool FindPackEntry(const PackFile& f, std::string_view upperName, PackEntry& out);

// ASCII letters in upper case; other bytes as they are.
std::string UpperAscii(std::string_view s);

}  // namespace koSound::detail
