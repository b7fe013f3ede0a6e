// File operations over the POSIX file system. Every descriptor and directory
// stream opened here is owned by an RAII holder, so no early return leaks one.
// The move between file systems is in file-op-move.cpp, the removal of trees
// in file-op-remove.cpp.
#include "file-op.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <utility>

#include "file-op-internal.h"
#include "log.h"
#include "small-file.h"
#include "tmp_name_gen.h"
#include "unique-fd.h"

namespace {

// Large blocks keep the number of system calls low for the package-sized
// files the installer copies, while staying well below any memory limit.
const int kCopyBlockSize = 33554432;
// The "<prefix>/XXXXXX" template of FSMktemp; one page, like PATH_MAX.
const size_t kTempTemplateSize = 4096;
// realpath needs at least PATH_MAX bytes; twice that leaves room to spare.
const size_t kRealPathBufferSize = 8192;
// A link target on Linux is shorter than PATH_MAX; a read that fills the
// whole buffer may have been cut and is refused.
const size_t kLinkBufferSize = 4096;
// Room for the longest message strerror_r produces.
const size_t kErrTextSize = 256;

}  // namespace

namespace fileop_detail {

std::string err_text(int e) {
  char buf[kErrTextSize];
  return std::string(strerror_r(e, buf, sizeof buf));
}

FILE_TYPE type_from_mode(mode_t mode) {
  if (S_ISREG(mode)) return FT_FILE;
  if (S_ISDIR(mode)) return FT_DIR;
  if (S_ISLNK(mode)) return FT_SLINK;
  if (S_ISCHR(mode) || S_ISBLK(mode)) return FT_DEV;
  if (S_ISFIFO(mode)) return FT_FIFO;
  if (S_ISSOCK(mode)) return FT_SOCK;
  return FT_ERR;
}

bool is_dot_entry(const char* name) { return strcmp(name, ".") == 0 || strcmp(name, "..") == 0; }

struct dirent* next_entry(DIR* dp) {
  errno = 0;
  return readdir(dp);
}

int read_link_text(const char* path, std::string& target) {
  char buf[kLinkBufferSize] = {0};
  const ssize_t n = readlink(path, buf, sizeof buf);
  if (n < 0) return -1;
  if (static_cast<size_t>(n) >= sizeof buf) {
    errno = ENAMETOOLONG;
    return -1;
  }
  target.assign(buf, static_cast<size_t>(n));
  return 0;
}

}  // namespace fileop_detail

using namespace fileop_detail;

namespace {

// ---- FSMKDirP helpers ------------------------------------------------------

// Sets the umask to 0 for the lifetime of the guard when asked to.
class UmaskGuard {
 public:
  explicit UmaskGuard(bool clear) : active_(clear), saved_(clear ? umask(0) : 0) {}
  ~UmaskGuard() {
    if (active_) umask(saved_);
  }
  UmaskGuard(const UmaskGuard&) = delete;
  UmaskGuard& operator=(const UmaskGuard&) = delete;

 private:
  bool active_;
  mode_t saved_;
};

// mkdir that also accepts a directory created by someone else in the
// moment between our query and our mkdir.
int make_dir(const char* path, mode_t mode) {
  if (mkdir(path, mode) == 0) return 0;
  const int e = errno;
  struct stat st;
  if (e == EEXIST && stat(path, &st) == 0 && S_ISDIR(st.st_mode)) return 0;
  errno = e;
  return -1;
}

// Makes sure the directory prefix exists (links followed). 0, or -1 with errno.
int make_level(const char* prefix, bool last, bool force, mode_t mode) {
  struct stat st;
  if (stat(prefix, &st) != 0) return make_dir(prefix, mode);
  if (S_ISDIR(st.st_mode)) return 0;
  if (!force) {
    errno = last ? EEXIST : ENOTDIR;
    return -1;
  }
  ::remove(prefix);  // a failure shows as EEXIST from the mkdir below
  return make_dir(prefix, mode);
}

// Walks text (a private, writable copy), cutting it at every '/' and at the
// end. Returns 0 or -1 with errno; *stop is the offset where the walk ended.
int mkdir_walk(char* text, bool force, mode_t mode, size_t* stop) {
  size_t k = text[0] == '/' ? 1 : 0;
  int rc = 0;
  for (;; ++k) {
    if (text[k] != '/' && text[k] != '\0') continue;
    const bool last = text[k] == '\0' || text[k + 1] == '\0';
    const char saved = text[k];
    text[k] = '\0';
    rc = make_level(text, last, force, mode);
    text[k] = saved;
    if (rc != 0 || last) break;
  }
  *stop = k;
  return rc;
}

// ---- FSCopy helpers ----------------------------------------------------------

bool is_out_of_space(int e) { return e == ENOSPC || e == EDQUOT; }

// Moves the bytes of in to out. 0, -1, or -2 for lack of space or quota.
int copy_bytes(int in, int out) {
  const int rc = FSCopyBytes(in, out, static_cast<size_t>(kCopyBlockSize));
  const int e = errno;
  if (rc == -3) {
    LOG_MSG(L_ERR, kLogComp, "[ERROR] file-op(%d): FSCopy: malloc(%d): %s (%d)\n", kCopyBlockSize,
            err_text(e).c_str(), e);
  } else if (rc == -1) {
    LOG_MSG(L_ERR, kLogComp, "[ERROR] file-op(%d): CopyFile: read: %s (%d)\n", err_text(e).c_str(), e);
  } else if (rc == -2) {
    LOG_MSG(L_ERR, kLogComp, "[ERROR] file-op(%d): CopyFile: write: %s (%d)\n", err_text(e).c_str(), e);
    return is_out_of_space(e) ? -2 : -1;
  }
  return rc == 0 ? 0 : -1;
}

// Flushes dst to disk and closes it. Write errors that the file system only
// reports now (delayed allocation, network file systems) count like failed
// writes; special files that cannot be synchronised (EINVAL) are fine.
int finish_output(UniqueFd& out, const ustring& dst) {
  int rc = fsync(out.get());
  if (rc != 0 && (errno == EINVAL || errno == EROFS)) rc = 0;
  int e = errno;
  if (out.reset() != 0 && rc == 0) {
    rc = -1;
    e = errno;
  }
  if (rc == 0) return 0;
  LOG_MSG(L_ERR, kLogComp, "[ERROR] file-op(%d): CopyFile: fsync(%s): %s (%d)\n", dst.c_str(),
          err_text(e).c_str(), e);
  return is_out_of_space(e) ? -2 : -1;
}

// Opens dst for writing without truncating it yet, so that a copy of a file
// onto itself (same path, a hard link, a link to it) is refused before it
// destroys the only copy of the data. 0, or -1 (logged).
int open_output(const ustring& src, const struct stat& src_st, const ustring& dst, UniqueFd& out) {
  out.reset(open(dst.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666));
  struct stat st;
  if (out && fstat(out.get(), &st) == 0) {
    if (st.st_dev == src_st.st_dev && st.st_ino == src_st.st_ino) {
      LOG_MSG(L_ERR, kLogComp, "[ERROR] file-op(%d): CopyFile: '%s' and '%s' are the same file\n",
              src.c_str(), dst.c_str());
      out.reset();
      return -1;
    }
    if (S_ISREG(st.st_mode) && ftruncate(out.get(), 0) != 0) {
      const int e = errno;
      out.reset();
      errno = e;
    }
  }
  if (!out) {
    const int e = errno;
    LOG_MSG(L_ERR, kLogComp, "[ERROR] file-op(%d): CopyFile: open(%s): %s (%d)\n", dst.c_str(),
            err_text(e).c_str(), e);
    return -1;
  }
  return 0;
}

// The magic number of the file system that holds path; 0 when the query
// fails, logged under the caller's name.
uint32_t fs_magic(const ustring& path, const char* caller) {
  struct statfs fs;
  if (statfs(path.c_str(), &fs) == 0) return static_cast<uint32_t>(fs.f_type);
  const int e = errno;
  LOG_MSG(L_ERR, kLogComp, "[ERROR] file-op(%d): %s: Failed to get file system info '%s'. %s\n", caller,
          path.c_str(), err_text(e).c_str());
  return 0;
}

}  // namespace

// ---- Records -----------------------------------------------------------------

bool FILE_INFO::operator==(const FILE_INFO& other) const {
  return isExist == other.isExist && size == other.size && mtime == other.mtime && type == other.type &&
         path == other.path && name == other.name;
}

DIR_HANDLE::DIR_HANDLE(DIR_HANDLE&& other) noexcept { *this = std::move(other); }

DIR_HANDLE& DIR_HANDLE::operator=(DIR_HANDLE&& other) noexcept {
  if (this != &other) {
    FSCloseDir(*this);
    path.swap(other.path);
    flag = other.flag;
    std::swap(dp, other.dp);
    other.path.clear();
  }
  return *this;
}

DIR_HANDLE::~DIR_HANDLE() {
  if (dp) closedir(dp);
}

// ---- Information -------------------------------------------------------------

int GetFileInfo(const ustring& path, FILE_INFO& info) {
  struct stat st;
  if (lstat(path.c_str(), &st) != 0) {
    // Only ENOENT says the path is absent; anything else (a component that is
    // not a directory, a parent we may not search) says nothing about it.
    if (errno != ENOENT) return -1;
    st = {};  // absent: every field 0, no type
  }
  info.isExist = st.st_mode != 0;
  info.mtime = static_cast<uint32_t>(st.st_mtime);
  info.name = FSBaseName(path);
  info.path = path;
  info.size = static_cast<uint64_t>(st.st_size);
  info.dev_id = static_cast<uint64_t>(st.st_dev);
  info.uid = st.st_uid;
  info.gid = st.st_gid;
  info.mode = st.st_mode;
  info.type = type_from_mode(st.st_mode);
  return info.isExist && info.type == FT_ERR ? -1 : 0;
}

int FSStat(const ustring& path, FILE_INFO& info, bool) {
  if (path.empty()) return -1;
  return GetFileInfo(path, info) == 0 ? 0 : -2;
}

bool IsFileExist(const ustring& path, bool) {
  if (path.empty()) return false;
  FILE_INFO info;
  if (GetFileInfo(path, info) != 0) return false;
  return info.isExist;
}

// ---- Path text ---------------------------------------------------------------

ustring FSParentPath(const ustring& path) {
  const size_t pos = path.rfind('/');
  if (pos == ustring::npos || pos == 0) return ustring("/");
  return path.substr(0, pos);
}

ustring FSBaseName(const ustring& path) {
  const size_t pos = path.rfind('/');
  if (pos == ustring::npos) return path;
  return path.substr(pos + 1);
}

bool FSIsParentFolder(const ustring& parent, const ustring& child) {
  const size_t n = parent.length();
  if (child.length() < n) return false;
  if (child.length() > n && child[n] != '/') return false;
  return child.compare(parent, n) == 0;
}

// ---- Directories -------------------------------------------------------------

int FSMKDirP(const ustring& path, char** endptr, bool blForceCreate, mode_t mode) {
  if (path.empty()) {
    errno = ENOENT;
    return -1;
  }
  int rc;
  int err;
  size_t stop = 0;
  {
    std::unique_ptr<char, decltype(&free)> copy(strdup(path.c_str()), &free);
    if (!copy) return -1;
    const bool explicit_mode = mode != FS_MKDIR_DEFAULT_MODE;
    UmaskGuard umask_guard(explicit_mode);
    rc = mkdir_walk(copy.get(), blForceCreate, explicit_mode ? mode : 0777, &stop);
    err = errno;
  }
  if (endptr) *endptr = const_cast<char*>(path.c_str()) + stop;
  errno = err;
  return rc;
}

int FSMKDir(const ustring& path, bool isCreateParent) {
  if (path.empty()) return -1;
  FILE_INFO info;
  if (GetFileInfo(path, info) != 0) {
    LOG_MSG(L_ERR, kLogComp, "[ERROR] file-op(%d): FSMKDir: Failed to to file info '%s'\n", path.c_str());
    return -1;
  }
  if (info.isExist) {
    if (info.type == FT_DIR) return 0;
    LOG_MSG(
        L_ERR, kLogComp,
        "[ERROR] file-op(%d): FSMKDir: Create a folder but local file system is not directory '%s' (%d)\n",
        path.c_str(), static_cast<int>(info.type));
    return -1;
  }
  const int rc =
      isCreateParent ? FSMKDirP(path, nullptr, false, FS_MKDIR_DEFAULT_MODE) : mkdir(path.c_str(), 0777);
  return rc == 0 ? 0 : -2;
}

int FSMKDirFromRoot(const ustring& path, const ustring& from) {
  if (from.length() > path.length()) {
    LOG_MSG(L_ERR, kLogComp,
            "[ERROR] file-op(%d): Giving a root '%s' whose length is larger then target's '%s'.\n",
            from.c_str(), path.c_str());
    return -1;
  }
  if (!FSIsParentFolder(from, path)) {
    LOG_MSG(L_ERR, kLogComp, "[ERROR] file-op(%d): root '%s' is not a parent folder of target '%s'\n",
            from.c_str(), path.c_str());
    return -1;
  }
  const ustring rel = path.substr(from.length());
  ustring cur;
  while (cur != rel) {
    // Each step reaches one '/' further, so the loop ends at rel.
    const size_t p = rel.find_first_of('/', cur.length() + 1);
    cur = p == ustring::npos ? rel : rel.substr(0, p);
    LOG_MSG(L_DEBUG, kLogComp, "[DEBUG] file-op(%d): FSMKDirFromRoot: create %s\n", cur.c_str());
    if (FSMKDir(from + cur, false) < 0) return -1;
  }
  return 0;
}

// ---- Copy, rename, remove ----------------------------------------------------

int FSCopy(const ustring& src, const ustring& dst, bool isDelOrigin) {
  UniqueFd in(open(src.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat src_st;
  if (!in || fstat(in.get(), &src_st) != 0) {
    const int e = errno;
    LOG_MSG(L_ERR, kLogComp, "[ERROR] file-op(%d): CopyFile: open(%s): %s (%d)\n", src.c_str(),
            err_text(e).c_str(), e);
    return -1;
  }
  UniqueFd out(-1);
  if (open_output(src, src_st, dst, out) != 0) return -1;

  int rc = copy_bytes(in.get(), out.get());
  in.reset();
  if (rc != 0) {
    fsync(out.get());  // keep what was written; the failure is already logged
    return rc;
  }
  // The source goes only once its copy is safely on disk.
  rc = finish_output(out, dst);
  if (rc == 0 && isDelOrigin && ::remove(src.c_str()) != 0) rc = -1;
  return rc;
}

int FSRename(const ustring& from, const ustring& to, bool do_case_check) {
  if (from.empty() || to.empty()) return -1;
  FILE_INFO info;
  if (FSStat(from, info, do_case_check) != 0 || !info.isExist) return -2;
  if (rename(from.c_str(), to.c_str()) == 0) return 0;
  if (errno == ENAMETOOLONG) return -100;
  if (errno != EXDEV) return -3;
  return move_across(from, to, do_case_check);
}

int FSRemove(const ustring& path, bool) { return remove_path(path, false); }

int FSRemoveOwnTree(const ustring& path) { return remove_path(path, true); }

// ---- Small files -------------------------------------------------------------

int FSReadSmallFile(const ustring& path, size_t limit, std::string& bytes) {
  std::string why;
  const int rc = FSReadSmallFileQuiet(path, limit, bytes, why);
  if (!why.empty()) LOG_MSG(L_WARNING, kLogComp, "[WARNING] file-op(%d): %s, ignored\n", why.c_str());
  return rc;
}

// ---- Directory listing -------------------------------------------------------

int FSOpenDir(const ustring& path, int flag, DIR_HANDLE& dh) {
  DIR* dp = opendir(path.c_str());
  if (!dp) {
    const int e = errno;
    LOG_MSG(L_ERR, kLogComp, "[ERROR] file-op(%d): FSOpenDir: Failed to open directory '%s'. %s\n",
            path.c_str(), err_text(e).c_str());
    return -1;
  }
  // A handle opened twice without closing would otherwise leak its stream.
  if (dh.dp) closedir(dh.dp);
  dh.dp = dp;
  dh.path = path;
  dh.flag = flag;
  return 0;
}

int FSReadDir(DIR_HANDLE& dh, DIR_ENTRY& entry) {
  // A closed handle is refused rather than dereferenced.
  struct dirent* de = nullptr;
  if (dh.dp)
    de = next_entry(dh.dp);
  else
    errno = EBADF;
  if (!de) {
    if (errno == 0) return 0;
    const int e = errno;
    LOG_MSG(L_ERR, kLogComp, "[ERROR] file-op(%d): FSOpenDir: Failed to read directory '%s'. %s\n",
            dh.path.c_str(), err_text(e).c_str());
    return -1;
  }
  uint32_t mtime = 0;
  uint64_t size = 0;
  if (dh.flag & FS_READDIR_STAT) {
    const ustring full = dh.path + "/" + ustring(de->d_name);
    FILE_INFO info;
    if (FSStat(full, info) != 0) {
      LOG_MSG(L_ERR, kLogComp, "[ERROR] file-op(%d): FSOpenDir: Failed to get info for '%s'\n", full.c_str());
      return -1;
    }
    mtime = info.mtime;
    size = info.size;
  }
  entry.name = de->d_name;
  entry.type = type_from_mode(DTTOIF(de->d_type));
  entry.mtime = mtime;
  entry.size = size;
  return 1;
}

void FSCloseDir(DIR_HANDLE& dh) {
  if (!dh.dp) return;
  closedir(dh.dp);
  dh.dp = nullptr;
  dh.path.clear();
}

// ---- Temporary files ---------------------------------------------------------

int FSMktemp(const ustring& prefix, ustring& path) {
  char tmpl[kTempTemplateSize];
  // A prefix too long for the template cuts off its X's, and mkstemp refuses it.
  snprintf(tmpl, sizeof tmpl, "%s/XXXXXX", prefix.c_str());
  // mkstemp leaves its last attempt in the buffer; the message shows the template.
  const std::string pattern(tmpl);
  UniqueFd fd(mkostemp(tmpl, O_CLOEXEC));
  if (!fd) {
    const int e = errno;
    LOG_MSG(L_ERR, kLogComp, "[ERROR] file-op(%d): mkstemp(%s): %s\n", pattern.c_str(), err_text(e).c_str());
    return -1;
  }
  fchmod(fd.get(), 0644);  // whatever the umask
  path = tmpl;
  return 0;
}

int FSCreateTempPath(const ustring& prefix, ustring& path) {
  path = TmpNameGen::getInstance().getTmpPath(prefix);
  return path.empty() ? -1 : 0;
}

// ---- Times, access, file systems ---------------------------------------------

int FSUTime(const ustring& path, time_t atime, time_t mtime) {
  const struct timeval tv[2] = {{atime, 0}, {mtime, 0}};
  return lutimes(path.c_str(), tv) == 0 ? 0 : -1;
}

bool FSTimeEqual(time_t a, time_t b) { return a == b; }

bool isFileLocked(const ustring& path, int flag) {
  if (access(path.c_str(), flag) == 0) return false;
  return errno == EPERM || errno == EACCES;
}

bool hasFilePermission(const ustring& path, int flag) { return !isFileLocked(path, flag); }

bool isMountPoint(const ustring& path) {
  const uint32_t magic = fs_magic(path, "isMountPoint");
  return magic == NFS_SUPER_MAGIC || magic == CIFS_SUPER_MAGIC;
}

bool IsMSDOS(const ustring& path) {
  if (fs_magic(path, "IsSupportLargeFile") != MSDOS_SUPER_MAGIC) return false;
  LOG_MSG(L_WARNING, kLogComp, "[WARNING] file-op(%d): Detect a MSDOS platform for path '%s'.\n",
          path.c_str());
  return true;
}

// ---- Real path, links, ownership ---------------------------------------------

int FSRealPath(const ustring& path, ustring& real) {
  char buf[kRealPathBufferSize];
  if (!realpath(path.c_str(), buf)) return -1;
  real = buf;
  return 0;
}

int FSCreateSymbolicLink(const ustring& target_path, const ustring& link_path) {
  if (symlink(target_path.c_str(), link_path.c_str()) == 0) return 0;
  const int e = errno;
  LOG_MSG(L_ERR, kLogComp,
          "[ERROR] file-op(%d): FSCreateSymbolicLink: Failed to create symbolic link '%s' -> '%s' (code: %d, "
          "msg: %s)\n",
          target_path.c_str(), link_path.c_str(), e, err_text(e).c_str());
  return -1;
}

int FSReadSymbolicLink(const ustring& link_path, ustring& target_path) {
  std::string target;
  if (read_link_text(link_path.c_str(), target) != 0) {
    const int e = errno;
    LOG_MSG(
        L_ERR, kLogComp,
        "[ERROR] file-op(%d): FSReadSymbolicLink: Failed to read symbolic link '%s' (code: %d, msg: %s)\n",
        link_path.c_str(), e, err_text(e).c_str());
    return -1;
  }
  target_path = target;
  return 0;
}

int FSChown(const ustring& path, uid_t owner, gid_t group) {
  if (fchownat(AT_FDCWD, path.c_str(), owner, group, AT_SYMLINK_NOFOLLOW) == 0) return 0;
  const int e = errno;
  LOG_MSG(L_ERR, kLogComp, "[ERROR] file-op(%d): FSChown: Failed to chown '%s' (code: %d, msg: %s)\n",
          path.c_str(), e, err_text(e).c_str());
  return -1;
}
