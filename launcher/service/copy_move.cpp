#include "copy_move.h"

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "file-op.h"
#include "install-folder.h"
#include "log.h"
#include "small-file.h"
#include "unique-dir.h"
#include "unique-fd.h"

namespace {

// Bytes handed to the kernel per copy call, and the buffer of the copy
// through this process where the kernel cannot copy.
constexpr size_t kCopyBlock = size_t{1} << 20;
// Permission bits a copy keeps: set-user and set-group bits are dropped,
// the copy belongs to whoever made it.
constexpr mode_t kKeptPermBits = 01777;
// The unit of st_blocks.
constexpr uint64_t kStatBlock = 512;

constexpr int kOpenDir = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

// The errors by which a file system refuses to rename a folder it holds
// (EXDEV: an overlay without redirects, for a folder of its lower layer).
bool RenameRefused(int e) { return e == EXDEV || e == EOPNOTSUPP || e == ENOSYS; }

int Failed(const std::string& what, const std::string& path) {
  const int e = errno;
  LOG_MSG(L_ERR, "service_debug", "[ERROR] copy-move(%d): %s '%s': %s\n", what.c_str(), path.c_str(),
          strerror(e));
  return -1;
}

void KeepModeAndTimes(int fd, const struct stat& st) {
  fchmod(fd, st.st_mode & kKeptPermBits);
  const struct timespec times[2] = {st.st_atim, st.st_mtim};
  futimens(fd, times);
}

// The entry `from_name` of the folder open as from_dir, copied as `to_name`
// of to_dir; `path` names it for the log.
struct Entry {
  int from_dir;
  const char* from_name;
  int to_dir;
  const char* to_name;
  std::string path;
};

int CopyFile(const Entry& e, const struct stat& st) {
  UniqueFd in(openat(e.from_dir, e.from_name, O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
  if (!in) return Failed("cannot open", e.path);
  UniqueFd out(openat(e.to_dir, e.to_name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
  if (!out) return Failed("cannot create the copy of", e.path);
  if (FSCopyBytes(in.get(), out.get(), kCopyBlock) != 0) return Failed("cannot copy", e.path);
  KeepModeAndTimes(out.get(), st);
  if (out.reset() != 0) return Failed("cannot write the copy of", e.path);
  return 0;
}

int CopyLink(const Entry& e, const struct stat& st) {
  std::vector<char> target(static_cast<size_t>(st.st_size) + 2);
  const ssize_t n = readlinkat(e.from_dir, e.from_name, target.data(), target.size());
  if (n < 0 || static_cast<size_t>(n) >= target.size()) return Failed("cannot read the link", e.path);
  target[static_cast<size_t>(n)] = '\0';
  if (symlinkat(target.data(), e.to_dir, e.to_name) != 0) return Failed("cannot create the copy of", e.path);
  const struct timespec times[2] = {st.st_atim, st.st_mtim};
  utimensat(e.to_dir, e.to_name, times, AT_SYMLINK_NOFOLLOW);
  return 0;
}

int CopyFolder(int from, int to, const std::string& path, bool top);

// A listing of the folder open as `dir`, which stays open on its own.
UniqueDir ListingOf(int dir) {
  UniqueFd fd(fcntl(dir, F_DUPFD_CLOEXEC, 0));
  UniqueDir listing(fd ? fdopendir(fd.get()) : nullptr);
  if (listing) fd.release();
  return listing;
}

int CopySubfolder(const Entry& e, const struct stat& st) {
  if (mkdirat(e.to_dir, e.to_name, 0700) != 0) return Failed("cannot create the copy of", e.path);
  UniqueFd from(openat(e.from_dir, e.from_name, kOpenDir));
  UniqueFd to(openat(e.to_dir, e.to_name, kOpenDir));
  if (!from || !to) return Failed("cannot open", e.path);
  if (CopyFolder(from.get(), to.get(), e.path, false) != 0) return -1;
  // Last: the folder's own mode may refuse the entries just written.
  KeepModeAndTimes(to.get(), st);
  return 0;
}

// Sockets and devices have no copy: a copy of the client holds none, and
// they are left out, logged.
int CopyEntry(const Entry& e) {
  struct stat st;
  if (fstatat(e.from_dir, e.from_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
    return Failed("cannot look at", e.path);
  if (S_ISDIR(st.st_mode)) return CopySubfolder(e, st);
  if (S_ISREG(st.st_mode)) return CopyFile(e, st);
  if (S_ISLNK(st.st_mode)) return CopyLink(e, st);
  LOG_MSG(L_WARNING, "service_debug", "[WARNING] copy-move(%d): '%s' is no file, folder or link, left out\n",
          e.path.c_str());
  return 0;
}

// Copies the entries of `from` into `to`, INFO of the top folder aside.
int CopyFolder(int from, int to, const std::string& path, bool top) {
  UniqueDir dir = ListingOf(from);
  if (!dir) return Failed("cannot list", path);
  for (;;) {
    errno = 0;
    const struct dirent* e = readdir(dir.get());
    if (!e) return errno == 0 ? 0 : Failed("cannot list", path);
    const char* name = e->d_name;
    if (!strcmp(name, ".") || !strcmp(name, "..") || (top && !strcmp(name, kInfoName))) continue;
    if (CopyEntry({from, name, to, name, path + "/" + name}) != 0) return -1;
  }
}

// The copy's INFO, once everything else is on disk: written under a name of
// its own, flushed, and renamed into place.
int CommitInfo(int from, int to, const std::string& path) {
  struct stat st;
  if (fstatat(from, kInfoName, &st, AT_SYMLINK_NOFOLLOW) != 0) return Failed("cannot look at", path);
  if (syncfs(to) != 0) return Failed("cannot flush the copy of", path);
  const std::string info = path + "/" + kInfoName;
  {
    UniqueFd in(openat(from, kInfoName, O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    UniqueFd out(openat(to, kPendingInfoName, O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!in || !out || FSCopyBytes(in.get(), out.get(), kCopyBlock) != 0) return Failed("cannot copy", info);
    KeepModeAndTimes(out.get(), st);
    if (fsync(out.get()) != 0 || out.reset() != 0) return Failed("cannot write the copy of", info);
  }
  if (renameat(to, kPendingInfoName, to, kInfoName) != 0 || fsync(to) != 0)
    return Failed("cannot put in place the copy of", info);
  return 0;
}

// A copy, its INFO first, so that what a cut-short removal leaves is never
// taken for a whole copy.
int TakeApart(const ustring& dir) {
  {
    UniqueFd fd(open(dir.c_str(), kOpenDir));
    if (!fd || unlinkat(fd.get(), kInfoName, 0) != 0)
      return Failed("cannot remove the version file of", dir.c_str());
    fsync(fd.get());
  }
  if (FSRemoveOwnTree(dir) != 0) {
    LOG_MSG(L_ERR, "service_debug", "[ERROR] copy-move(%d): '%s' could not be removed whole\n", dir.c_str());
    return -1;
  }
  return 0;
}

// The copy at `from` made anew at `to`, and only then the original taken
// apart.
CopyMoved MoveByCopying(const ustring& from, const ustring& to) {
  UniqueFd src(open(from.c_str(), kOpenDir));
  struct stat st, info;
  if (!src || fstat(src.get(), &st) != 0) {
    Failed("cannot open", from.c_str());
    return CopyMoved::kNotMoved;
  }
  // Only a whole copy is moved: one without INFO would be taken apart for
  // a copy that is no more whole than it.
  if (fstatat(src.get(), kInfoName, &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(info.st_mode)) {
    Failed("no version file in", from.c_str());
    return CopyMoved::kNotMoved;
  }
  // An empty folder in the way is replaced, as rename() would replace it.
  if (rmdir(to.c_str()) != 0 && errno != ENOENT) {
    Failed("cannot copy into", to.c_str());
    return CopyMoved::kNotMoved;
  }
  if (mkdir(to.c_str(), 0700) != 0) {
    Failed("cannot create", to.c_str());
    return CopyMoved::kNotMoved;
  }
  UniqueFd dst(open(to.c_str(), kOpenDir));
  if (!dst || CopyFolder(src.get(), dst.get(), from.c_str(), true) != 0 ||
      CommitInfo(src.get(), dst.get(), from.c_str()) != 0) {
    dst.reset();
    FSRemoveOwnTree(to);
    return CopyMoved::kNotMoved;
  }
  KeepModeAndTimes(dst.get(), st);
  src.reset();
  if (TakeApart(from) == 0) return CopyMoved::kDone;
  if (!IsFileExist(from + "/" + kInfoName, false)) return CopyMoved::kOriginalLeft;
  // The original still holds its INFO: the copy goes again, the same way.
  TakeApart(to);
  return CopyMoved::kNotMoved;
}

// What the entries below the folder `dir` take on disk; links not followed.
uint64_t BytesBelow(int dir) {
  uint64_t bytes = 0;
  UniqueDir d = ListingOf(dir);
  if (!d) return 0;
  while (const struct dirent* e = readdir(d.get())) {
    struct stat st;
    if (!strcmp(e->d_name, ".") || !strcmp(e->d_name, "..") ||
        fstatat(dir, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
      continue;
    bytes += static_cast<uint64_t>(st.st_blocks) * kStatBlock;
    if (!S_ISDIR(st.st_mode)) continue;
    UniqueFd sub(openat(dir, e->d_name, kOpenDir));
    if (sub) bytes += BytesBelow(sub.get());
  }
  return bytes;
}

}  // namespace

CopyMoved MoveCopy(const ustring& from, const ustring& to) {
  if (rename(from.c_str(), to.c_str()) == 0) return CopyMoved::kDone;
  const int e = errno;
  struct stat st;
  if (!RenameRefused(e) || lstat(from.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
    errno = e;
    return CopyMoved::kNotMoved;
  }
  LOG_MSG(L_INFO, "service_debug",
          "[INFO] copy-move(%d): '%s' cannot be renamed to '%s' (%s): copying it whole, then removing the "
          "original\n",
          from.c_str(), to.c_str(), strerror(e));
  return MoveByCopying(from, to);
}

uint64_t BytesToCopyAside(const ustring& dir) {
  struct statfs fs;
  if (statfs(dir.c_str(), &fs) != 0 || fs.f_type != OVERLAYFS_SUPER_MAGIC) return 0;
  UniqueFd fd(open(dir.c_str(), kOpenDir));
  return fd ? BytesBelow(fd.get()) : 0;
}
