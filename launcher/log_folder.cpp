#include "log_folder.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "file-op.h"
#include "log.h"
#include "tmp_name_gen.h"

namespace {

// Between the blocked name and the random part of the name it is moved to,
// so that the user recognises what it was.
const char kAsideInfix[] = ".moved-aside-";

}  // namespace

bool LogFolder::IsFolder(const ustring& dir) {
  struct stat st;
  return stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Only an object of this user is moved: anything else in the user's tree
// was put there by someone with more rights, and stays.
bool LogFolder::MoveAside(const ustring& dir, ustring& moved_to) {
  struct stat st;
  if (lstat(dir.c_str(), &st) != 0 || S_ISDIR(st.st_mode) || st.st_uid != geteuid()) return false;
  const ustring aside = dir + kAsideInfix + TmpNameGen::getInstance().getTmpName();
  // No replacing: the random name never takes the place of anything.
  if (renameat2(AT_FDCWD, dir.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) != 0) {
    LOG_MSG(L_ERR, "launcher_debug", "[ERROR] log_folder(%d): cannot move '%s' aside to '%s': %s\n",
            dir.c_str(), aside.c_str(), strerror(errno));
    return false;
  }
  moved_to = aside;
  return true;
}

bool LogFolder::Prepare(const ustring& dir, ustring& moved_to) {
  moved_to = ustring();
  if (FSMKDirP(dir) == 0 && IsFolder(dir)) return true;
  if (MoveAside(dir, moved_to) && FSMKDirP(dir) == 0 && IsFolder(dir)) return true;
  const int e = errno;
  LOG_MSG(L_ERR, "launcher_debug",
          "[ERROR] log_folder(%d): cannot make the log folder '%s': %s, no log file\n", dir.c_str(),
          e != 0 ? strerror(e) : "not a folder");
  return false;
}
