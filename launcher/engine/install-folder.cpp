#include "install-folder.h"

#include <fcntl.h>
#include <sched.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "log.h"

WorkingDirectoryOfThread::WorkingDirectoryOfThread(int dir, const ustring& name) {
  if (unshare(CLONE_FS) != 0) {
    Fallback("no working folder of its own for this thread", errno);
    return;
  }
  previous_ = UniqueFd(open(".", O_PATH | O_DIRECTORY | O_CLOEXEC));
  if (!previous_) {
    Fallback("cannot open the working folder", errno);
    return;
  }
  if (fchdir(dir) != 0) {
    Fallback("cannot enter the target folder", errno);
    previous_.reset();
    return;
  }
  LOG_MSG(L_DEBUG, "extractor_debug", "[DEBUG] extractor(%d): writing entries relative to '%s'\n",
          name.c_str());
}

WorkingDirectoryOfThread::~WorkingDirectoryOfThread() {
  if (previous_ && fchdir(previous_.get()) != 0) {
    LOG_MSG(L_WARNING, "extractor_debug",
            "[WARNING] extractor(%d): Failed to return to the working folder: %s\n", strerror(errno));
  }
}

void WorkingDirectoryOfThread::Fallback(const char* why, int error) {
  LOG_MSG(L_DEBUG, "extractor_debug", "[DEBUG] extractor(%d): %s (%s), writing entries by absolute names\n",
          why, strerror(error));
}

namespace {

// Why the file at `path` (relative to dir) cannot serve as an executable of
// the copy, or "" when it can. Every folder on the way is opened without
// following links: a link would let the copy's client be a file elsewhere.
std::string WhyNotExecutable(int dir, const std::string& path) {
  UniqueFd reached;  // the folder of the components walked so far
  int at = dir;
  size_t pos = 0;
  for (size_t slash; (slash = path.find('/', pos)) != std::string::npos; pos = slash + 1) {
    const std::string part = path.substr(pos, slash - pos);
    if (part.empty()) continue;
    const int fd = openat(at, part.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return errno == ENOTDIR ? "'" + part + "' is not a folder" : strerror(errno);
    reached.reset(fd);
    at = fd;
  }
  struct stat st;
  if (fstatat(at, path.c_str() + pos, &st, AT_SYMLINK_NOFOLLOW) != 0) return strerror(errno);
  if (S_ISLNK(st.st_mode)) return "a symbolic link";
  if (!S_ISREG(st.st_mode)) return "not a regular file";
  if ((st.st_mode & S_IXUSR) == 0) return "not executable by its owner";
  return "";
}

// A package may hold anything; one that yields no client must not replace
// a copy that has one.
int CheckRequiredFiles(int dir, const ustring& dest, const std::vector<ustring>& required) {
  for (const ustring& path : required) {
    const std::string why = WhyNotExecutable(dir, path.c_str());
    if (why.empty()) continue;
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): The new copy in '%s' has no usable '%s': %s\n",
            dest.c_str(), path.c_str(), why.c_str());
    return -1;
  }
  return 0;
}

// Whether target still names the folder the entries were written into (dir):
// if the copy was moved aside and another folder put in its place, by
// another launch for instance, that folder's INFO is not this extraction's
// to put in place.
int CheckStillTarget(int dir, const ustring& target) {
  struct stat ours, named;
  if (fstat(dir, &ours) != 0 || stat(target.c_str(), &named) != 0) {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): Failed to check target folder '%s': %s\n",
            target.c_str(), strerror(errno));
    return -1;
  }
  if (ours.st_dev == named.st_dev && ours.st_ino == named.st_ino) return 0;
  LOG_MSG(L_ERR, "extractor_debug",
          "[ERROR] extractor(%d): '%s' no longer names the folder the entries were written into\n",
          target.c_str());
  return -1;
}

// The version file is read by every later launch: a FIFO or a link in its
// place would hang or mislead them. Checked on disk, whatever entry wrote it.
int CheckPendingInfo(int dir, const ustring& dest) {
  struct stat st;
  if (fstatat(dir, kPendingInfoName, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode)) return 0;
  LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): '%s/%s' is not a regular file\n", dest.c_str(),
          kInfoName);
  return -1;
}

}  // namespace

int CommitInstallation(int dir, const ustring& target, const ustring& dest,
                       const std::vector<ustring>& required, bool info_written) {
  if (CheckRequiredFiles(dir, dest, required) != 0) return -1;
  if (syncfs(dir) != 0) {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): Failed to flush '%s' to disk: %s\n",
            dest.c_str(), strerror(errno));
    return -1;
  }
  if (CheckStillTarget(dir, target) != 0) return -1;
  if (!info_written) return 0;
  if (CheckPendingInfo(dir, dest) != 0) return -1;
  if (renameat(dir, kPendingInfoName, dir, kInfoName) != 0 || fsync(dir) != 0) {
    LOG_MSG(L_ERR, "extractor_debug", "[ERROR] extractor(%d): Failed to put '%s/%s' in place: %s\n",
            dest.c_str(), kInfoName, strerror(errno));
    return -1;
  }
  return 0;
}
