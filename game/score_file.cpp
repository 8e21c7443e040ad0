#include "game/score_file.h"

#include <fcntl.h>
#include <limits.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

constexpr const char* kNotRegular = "it is not a regular file";

// The directory part of `path` with its trailing '/', or "" for a bare name.
std::string DirOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool WriteAll(int fd, const char* bytes, size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, bytes, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

// Makes the rename itself durable. The new file is already in place, so a
// failure here is no reason to call the save failed.
void SyncDirectory(const std::string& dir) {
  const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

ScoreFileRead ReadScoreFile(const std::string& path, char* bytes, size_t capacity) {
  ScoreFileRead r;
  // Looked at before it is opened: opening a FIFO or a device can block or act.
  if (::stat(path.c_str(), &r.info) != 0) {
    r.missing = errno == ENOENT;
    r.failure = r.missing ? nullptr : std::strerror(errno);
    return r;
  }
  if (!S_ISREG(r.info.st_mode)) {
    r.failure = kNotRegular;
    return r;
  }
  // Non-blocking and checked again, in case the name changed in between.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    r.failure = std::strerror(errno);
    return r;
  }
  if (::fstat(fd, &r.info) != 0 || !S_ISREG(r.info.st_mode)) r.failure = kNotRegular;
  while (!r.failure && r.size < capacity) {
    const ssize_t n = ::read(fd, bytes + r.size, capacity - r.size);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) r.failure = std::strerror(errno);
    if (n <= 0) break;
    r.size += static_cast<size_t>(n);
  }
  ::close(fd);
  return r;
}

bool ResolveScoreFileLinks(std::string& path) {
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
    char target[PATH_MAX];
    const ssize_t n = ::readlink(path.c_str(), target, sizeof target - 1);
    if (n < 0) return false;
    target[n] = '\0';
    // A relative target is relative to the directory holding the link.
    path = target[0] == '/' ? std::string(target) : DirOf(path) + target;
  }
  errno = ELOOP;
  return false;
}

bool ScoreFileWritable(const std::string& path, const struct stat& info) {
  return (info.st_mode & 0222) != 0 && ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

const char* ReplaceScoreFile(const std::string& path, const char* bytes, size_t size,
                             const struct stat* old) {
  static unsigned serial;  // with the pid, a name no other save uses
  std::string temp;
  int fd = -1;
  for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
    temp = path + ".new-" + std::to_string(::getpid()) + "-" + std::to_string(serial++);
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) return std::strerror(errno);
  // On the disk before it takes the old file's place, so a crash cannot leave it empty.
  bool ok = WriteAll(fd, bytes, size) && (!old || ::fchmod(fd, old->st_mode & 07777) == 0) &&
            ::fsync(fd) == 0;
  int error = errno;
  if (::close(fd) != 0 && ok) ok = false, error = errno;
  if (ok && ::rename(temp.c_str(), path.c_str()) == 0) {
    SyncDirectory(DirOf(path));
    return nullptr;
  }
  if (ok) error = errno;
  ::unlink(temp.c_str());
  return std::strerror(error);
}
