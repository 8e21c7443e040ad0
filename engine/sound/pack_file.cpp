// Our sound pack reader over POSIX file descriptors.
#include "engine/sound/pack_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace koSound::detail {

namespace {

constexpr size_t kNameBlock = 64;  // bytes of a name scanned per read

uint32_t U32(const uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

}  // namespace

bool OpenPack(const std::string& path, PackFile& out) {
  out = {};
  if (path.empty()) return false;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return false;
  }
  out = {fd, static_cast<uint64_t>(st.st_size)};
  return true;
}

void ClosePack(PackFile& f) {
  if (f.fd >= 0) ::close(f.fd);
  f = {};
}

bool ReadPackBytes(const PackFile& f, uint64_t offset, void* out, size_t bytes) {
  if (offset > f.length || bytes > f.length - offset) return false;
  auto* to = static_cast<uint8_t*>(out);
  while (bytes > 0) {
    const ssize_t got = ::pread(f.fd, to, bytes, static_cast<off_t>(offset));
    if (got <= 0) return false;  // the file shrank under us, or failed
    to += got;
    offset += static_cast<uint64_t>(got);
    bytes -= static_cast<size_t>(got);
  }
  return true;
}

bool ReadPackEntry(const PackFile& f, uint64_t offset, PackEntry& out) {
  out = {};
  uint8_t word[4];
  if (!ReadPackBytes(f, offset, word, 4)) return false;
  out.dataSize = U32(word);
  // The name runs to its NUL, which must lie inside the file.
  uint64_t at = offset + 4;
  size_t length = 0;
  for (bool ended = false; !ended;) {
    uint8_t block[kNameBlock];
    const size_t n =
        static_cast<size_t>(std::min<uint64_t>(kNameBlock, f.length - std::min(at, f.length)));
    if (n == 0 || !ReadPackBytes(f, at, block, n)) return false;
    const auto* nul = static_cast<const uint8_t*>(std::memchr(block, 0, n));
    const size_t used = nul ? static_cast<size_t>(nul - block) : n;
    if (length + used <= kPackNameMax) std::memcpy(out.name + length, block, used);
    length += used;
    at += used;
    ended = nul != nullptr;
  }
  out.nameFits = length <= kPackNameMax;
  if (!out.nameFits) out.name[0] = '\0';
  if (!ReadPackBytes(f, at + 1, word, 4)) return false;
  out.formatSize = U32(word);
  out.formatOffset = at + 5;
  out.dataOffset = out.formatOffset + out.formatSize;
  out.next = out.dataOffset + out.dataSize;
  return out.next <= f.length;
}

bool FindPackEntry(const PackFile& f, std::string_view upperName, PackEntry& out) {
  for (uint64_t at = 0; ReadPackEntry(f, at, out); at = out.next)
    if (out.nameFits && upperName == out.name) return true;
  return false;
}

std::string UpperAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

}  // namespace koSound::detail
