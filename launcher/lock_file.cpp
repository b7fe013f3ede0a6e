#include "lock_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

#include "file-op.h"
#include "log.h"

namespace {

// Only the user's own launchers may read or take the lock.
constexpr mode_t kLockFileMode = 0600;

// A waiting launcher looks this often whether the lock is free: soon enough
// that nobody notices the wait, rarely enough to cost nothing.
constexpr useconds_t kRetryMicros = 100000;

}  // namespace

bool LockFile::Open() {
  // The folder is there already unless the home is unusable; then the open
  // fails too and says why.
  FSMKDirP(FSParentPath(path_));
  // O_NONBLOCK: a FIFO planted under this name must not hang the start.
  fd_.reset(open(path_.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, kLockFileMode));
  if (!fd_) {
    LOG_MSG(L_ERR, "launcher_debug", "[ERROR] lock_file(%d): cannot open lock file '%s': %s\n", path_.c_str(),
            strerror(errno));
    return false;
  }
  struct stat st;
  if (fstat(fd_.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != geteuid()) {
    LOG_MSG(L_ERR, "launcher_debug",
            "[ERROR] lock_file(%d): lock file '%s' is not a regular file of this user\n", path_.c_str());
    fd_.reset();
    return false;
  }
  return true;
}

LockFile::Result LockFile::TryLock() {
  if (held_) return kHeld;
  if (!fd_ && !Open()) return kUnusable;
  if (flock(fd_.get(), LOCK_EX | LOCK_NB) == 0) {
    held_ = true;
    return kHeld;
  }
  if (errno == EWOULDBLOCK) return kBusy;
  LOG_MSG(L_ERR, "launcher_debug", "[ERROR] lock_file(%d): cannot lock '%s': %s\n", path_.c_str(),
          strerror(errno));
  fd_.reset();
  return kUnusable;
}

LockFile::Result LockFile::WaitLock(int bound_ms) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(bound_ms);
  Result r = TryLock();
  while (r == kBusy && std::chrono::steady_clock::now() < end) {
    usleep(kRetryMicros);
    r = TryLock();
  }
  return r;
}
