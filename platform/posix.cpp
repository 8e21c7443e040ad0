#include "platform/posix.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/statvfs.h>
#include <sys/sysinfo.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/system.h"

namespace plat::posix {

int LockFile(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return kLockUnavailable;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const bool held = errno == EWOULDBLOCK;
    ::close(fd);
    return held ? kLockHeld : kLockUnavailable;
  }
  char pid[32];
  int n = std::snprintf(pid, sizeof pid, "%d\n", static_cast<int>(::getpid()));
  if (::ftruncate(fd, 0) == 0) {
    ssize_t written = ::pwrite(fd, pid, static_cast<size_t>(n), 0);
    (void)written;  // the pid is only a courtesy for a second instance
  }
  return fd;
}

void UnlockFile(int fd) {
  if (fd < 0) return;
  ::flock(fd, LOCK_UN);
  ::close(fd);
}

int LockOwner(const std::string& path) {
  FILE* f = std::fopen(path.c_str(), "r");
  if (!f) return 0;
  int pid = 0;
  if (std::fscanf(f, "%d", &pid) != 1) pid = 0;
  std::fclose(f);
  return pid;
}

std::string LockFileName(std::string_view name) {
  std::string out(name);
  for (char& c : out)
    if (c == '/') c = '_';
  return out + ".lock";
}

std::string DirOf(std::string_view path) {
  size_t slash = path.rfind('/');
  if (slash == std::string_view::npos) return "./";
  return std::string(path.substr(0, slash + 1));
}

}  // namespace plat::posix

namespace plat {

bool SameNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (x >= 'a' && x <= 'z') x = static_cast<unsigned char>(x - 32);
    if (y >= 'a' && y <= 'z') y = static_cast<unsigned char>(y - 32);
    if (x != y) return false;
  }
  return true;
}

std::string FindFileNoCase(std::string_view dir, std::string_view name) {
  std::string exact = std::string(dir) + std::string(name);
  if (::access(exact.c_str(), F_OK) == 0) return exact;
  if (name.find('/') != std::string_view::npos) return exact;
  std::string dirPath(dir.empty() ? "." : dir);
  DIR* d = ::opendir(dirPath.c_str());
  if (!d) return exact;
  std::string found = exact;
  while (dirent* e = ::readdir(d)) {
    if (SameNoCase(name, e->d_name)) {
      found = std::string(dir) + e->d_name;
      break;
    }
  }
  ::closedir(d);
  return found;
}

uint64_t FreeDiskBytes(std::string_view path) {
  struct statvfs s {};
  if (::statvfs(std::string(path).c_str(), &s) != 0) return 0;
  return static_cast<uint64_t>(s.f_bavail) * s.f_frsize;
}

uint64_t FreeMemoryBytes() {
  struct sysinfo s {};
  if (::sysinfo(&s) != 0) return 0;
  return static_cast<uint64_t>(s.freeram) * s.mem_unit;
}

}  // namespace plat

#include <ctime>

#include "platform/clock.h"

namespace plat {

LocalDateTime LocalNow() {
  const time_t t = static_cast<time_t>(TimeSeconds());
  struct tm tmv {};
  localtime_r(&t, &tmv);
  return {tmv.tm_year + 1900, tmv.tm_mon + 1, tmv.tm_mday, tmv.tm_wday,
          tmv.tm_hour,        tmv.tm_min,     tmv.tm_sec};
}

}  // namespace plat
