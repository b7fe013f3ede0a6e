// File operations: a flat library of free functions over the POSIX file
// system. Paths are ustring values whose UTF-8 bytes go unchanged to the
// operating system. Results are 0 for success and fixed negative codes per
// kind of failure, or bool for predicates. The functions keep no state.
#pragma once

#include <dirent.h>
#include <sys/types.h>

#include <cstdint>
#include <ctime>
#include <string>

#include "ustring.h"

typedef enum _FILE_TYPE_tag {
  FT_ERR = 0,
  FT_FILE = 1,
  FT_DIR = 2,
  FT_SLINK = 3,
  FT_HLINK = 4,  // never produced
  FT_DEV = 5,
  FT_FIFO = 6,
  FT_SOCK = 7
} FILE_TYPE;

typedef struct _FILE_INFO_tag {
  ustring path;
  ustring name;
  FILE_TYPE type = FT_ERR;  // of the object itself: links are not followed
  uint32_t mtime = 0;       // seconds since the epoch, cut to 32 bits
  uint64_t size = 0;
  bool isExist = false;
  uint32_t uid = 0;
  uint32_t gid = 0;
  uint32_t mode = 0;  // type bits and permission bits
  uint64_t dev_id = 0;

  // Compares isExist, size, mtime, type, path and name; owner, mode and
  // device are not part of a record's identity.
  bool operator==(const _FILE_INFO_tag& other) const;
  bool operator!=(const _FILE_INFO_tag& other) const { return !(*this == other); }
} FILE_INFO;

// Bit 0 of DIR_HANDLE::flag: FSReadDir fills mtime and size of every entry.
const int FS_READDIR_STAT = 1;

// Owns its directory stream from FSOpenDir to FSCloseDir. A handle that goes
// out of scope still open closes its stream, so it cannot be copied.
struct DIR_HANDLE {
  ustring path;
  int flag = 0;
  DIR* dp = nullptr;

  DIR_HANDLE() = default;
  DIR_HANDLE(const DIR_HANDLE&) = delete;
  DIR_HANDLE& operator=(const DIR_HANDLE&) = delete;
  DIR_HANDLE(DIR_HANDLE&& other) noexcept;
  DIR_HANDLE& operator=(DIR_HANDLE&& other) noexcept;
  ~DIR_HANDLE();
};

struct DIR_ENTRY {
  ustring name;
  FILE_TYPE type = FT_ERR;
  uint32_t mtime = 0;
  uint64_t size = 0;
};

// Information about path itself (lstat). 0 also for a missing path (isExist
// false); -1 when the query fails for another reason (record untouched) or
// the object is of no known kind.
int GetFileInfo(const ustring& path, FILE_INFO& info);
// 0, -1 empty path, -2 query failed.
int FSStat(const ustring& path, FILE_INFO& info, bool do_case_check = false);
bool IsFileExist(const ustring& path, bool do_case_check = false);

ustring FSParentPath(const ustring& path);
ustring FSBaseName(const ustring& path);

// mode value that stands for "0777 under the process umask".
const mode_t FS_MKDIR_DEFAULT_MODE = static_cast<mode_t>(-1);

// Creates path with all missing parents. 0, or -1 with errno set. endptr, when
// given, points into path's text where the walk stopped.
int FSMKDirP(const ustring& path, char** endptr = nullptr, bool blForceCreate = false,
             mode_t mode = FS_MKDIR_DEFAULT_MODE);
// 0 the directory exists now, -1 empty path / query failed / a non-directory
// is in the way, -2 creating failed.
int FSMKDir(const ustring& path, bool isCreateParent = false);
// Creates the levels of path below the root from, one at a time. 0, -1.
int FSMKDirFromRoot(const ustring& path, const ustring& from);
bool FSIsParentFolder(const ustring& parent, const ustring& child);

// 0, -1 failure, -2 out of space or quota.
int FSCopy(const ustring& src, const ustring& dst, bool isDelOrigin = false);
// 0, -1 empty path, -2 source missing, -3 move failed, -100 name too long.
int FSRename(const ustring& from, const ustring& to, bool do_case_check = false);
// 0 removed or nothing there, -1 empty path or query failed, -3 removing failed.
int FSRemove(const ustring& path, bool allowundo = false);
// As FSRemove, for a tree of the process's own that may hold folders without
// the owner's write or search right (a read-only folder of a package): where
// the kernel refuses a folder of this user, the folder is given u+rwx through
// its descriptor and the step is tried once more. Links are never followed, so
// no folder outside the tree gets a right.
int FSRemoveOwnTree(const ustring& path);

// Reads a small regular file whole (a pid file, a level file, a version
// file): 0 with its bytes; -1 empty path; -2 nothing there; -3 refused or
// failed, logged: not a regular file (a FIFO, a device, a folder, a link),
// larger than limit, unreadable. The open never blocks and never follows a
// link, so no planted object can hang the caller. bytes is emptied first.
int FSReadSmallFile(const ustring& path, size_t limit, std::string& bytes);

int FSOpenDir(const ustring& path, int flag, DIR_HANDLE& dh);
// 1 entry read, 0 end of listing, -1 error. "." and ".." are returned too.
int FSReadDir(DIR_HANDLE& dh, DIR_ENTRY& entry);
void FSCloseDir(DIR_HANDLE& dh);

// Creates an empty file "<prefix>/XXXXXX" (mode 0644) and returns its name.
int FSMktemp(const ustring& prefix, ustring& path);
// path = prefix + "/" + eight random characters; nothing is created.
int FSCreateTempPath(const ustring& prefix, ustring& path);

int FSUTime(const ustring& path, time_t atime, time_t mtime);
bool FSTimeEqual(time_t a, time_t b);

// flag is an access mode (R_OK 4, W_OK 2, X_OK 1, F_OK 0). Locked means the
// check failed for lack of permission; a missing file is not locked.
bool isFileLocked(const ustring& path, int flag);
bool hasFilePermission(const ustring& path, int flag);
// True when path lies on a network file system (NFS or CIFS).
bool isMountPoint(const ustring& path);
// True when path lies on a FAT file system.
bool IsMSDOS(const ustring& path);

// The absolute path of path with every link, "." and ".." resolved: 0, or
// -1 with errno set (real untouched; ENAMETOOLONG past PATH_MAX). Quiet, for
// callers that report a failure themselves; real may be path itself.
int FSRealPath(const ustring& path, ustring& real);
int FSCreateSymbolicLink(const ustring& target_path, const ustring& link_path);
int FSReadSymbolicLink(const ustring& link_path, ustring& target_path);
int FSChown(const ustring& path, uid_t owner, gid_t group);
