// A preload library that makes the file system refuse writes, for the write-failure tests:
//   KINVALE_FAIL_WRITE_AFTER=N   regular-file writes succeed for N bytes in all, then fail
//   KINVALE_FAIL_WRITE_ERRNO=E   the error they fail with (default ENOSPC, a full disk)
//   KINVALE_FAIL_RENAME=1        every rename (rename, renameat2) fails with EIO
//   KINVALE_KILL_AT_CALL=N       the process dies (SIGKILL) at its Nth regular-file write or
//                                rename: a write is cut after half its bytes, a rename is not done
// Writes to pipes and terminals (the program's own output) are never touched.
#include <dlfcn.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace {

long long Setting(const char* name, long long fallback) {
  const char* value = std::getenv(name);
  return value ? std::atoll(value) : fallback;
}

// The byte budget starts again whenever KINVALE_FAIL_WRITE_AFTER changes, so a test process
// that runs with the library preloaded can make one operation fail and let the next succeed.
std::atomic<long long> budget{-1};
const char* budget_setting = nullptr;

void RefreshBudget() {
  const char* setting = std::getenv("KINVALE_FAIL_WRITE_AFTER");
  if (setting == budget_setting) return;
  budget_setting = setting;
  budget = setting ? std::atoll(setting) : -1;
}
const int kErrno = static_cast<int>(Setting("KINVALE_FAIL_WRITE_ERRNO", ENOSPC));

std::atomic<long long> calls_left{Setting("KINVALE_KILL_AT_CALL", 0)};

// True when this call is the one to die at.
bool DiesNow() { return calls_left.load() > 0 && --calls_left == 0; }

void Die() {
  std::raise(SIGKILL);
  std::abort();
}

bool IsRegularFile(int fd) {
  struct stat info;
  return fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

extern "C" ssize_t write(int fd, const void* buffer, size_t count) {
  using WriteFunction = ssize_t (*)(int, const void*, size_t);
  static const auto real_write = reinterpret_cast<WriteFunction>(dlsym(RTLD_NEXT, "write"));
  const bool regular = IsRegularFile(fd);
  RefreshBudget();
  if (regular && DiesNow()) {
    real_write(fd, buffer, count / 2);
    Die();
  }
  if (budget.load() >= 0 && regular) {
    const long long left = budget.load();
    if (left <= 0) {
      errno = kErrno;
      return -1;
    }
    if (static_cast<long long>(count) > left) count = static_cast<size_t>(left);
    budget -= static_cast<long long>(count);
  }
  return real_write(fd, buffer, count);
}

// True when the rename is to fail (errno set); dies when it is the call to die at.
static bool RenameRefused() {
  if (DiesNow()) Die();
  if (Setting("KINVALE_FAIL_RENAME", 0) == 0) return false;
  errno = EIO;
  return true;
}

extern "C" int rename(const char* from, const char* to) {
  using RenameFunction = int (*)(const char*, const char*);
  static const auto real_rename = reinterpret_cast<RenameFunction>(dlsym(RTLD_NEXT, "rename"));
  return RenameRefused() ? -1 : real_rename(from, to);
}

extern "C" int renameat2(int from_dir, const char* from, int to_dir, const char* to,
                         unsigned flags) {
  using RenameFunction = int (*)(int, const char*, int, const char*, unsigned);
  static const auto real_rename = reinterpret_cast<RenameFunction>(dlsym(RTLD_NEXT, "renameat2"));
  return RenameRefused() ? -1 : real_rename(from_dir, from, to_dir, to, flags);
}
