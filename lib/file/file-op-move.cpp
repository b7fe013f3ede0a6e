// FSRename's fallback between file systems: the object is made anew at its
// new place and the original removed, a folder entry by entry. The walk
// holds exactly one directory stream per level.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "file-op-internal.h"
#include "file-op.h"

namespace fileop_detail {

namespace {

// Permission bits a cross-file-system move carries over. Set-user and
// set-group bits are dropped: the new object belongs to whoever moved it.
const mode_t kMovedPermBits = 01777;

// Runs create(); when a non-directory is in the way it is replaced, as
// rename() would replace it. 0, or -1 with errno.
template <typename Create>
int create_replacing(const char* path, Create create) {
  if (create() == 0) return 0;
  struct stat st;
  if (errno != EEXIST || lstat(path, &st) != 0 || S_ISDIR(st.st_mode)) return -1;
  if (unlink(path) != 0) return -1;
  return create();
}

// Gives the moved object the times (and, unless it is a link, the permission
// bits) of the original, as rename() would have kept them. Best effort: the
// data has already arrived.
void keep_metadata(const ustring& to, const struct stat& st) {
  if (!S_ISLNK(st.st_mode)) chmod(to.c_str(), st.st_mode & kMovedPermBits);
  const struct timespec times[2] = {st.st_atim, st.st_mtim};
  utimensat(AT_FDCWD, to.c_str(), times, AT_SYMLINK_NOFOLLOW);
}

int move_file(const ustring& from, const ustring& to, const struct stat& st) {
  if (FSCopy(from, to, true) < 0) return -3;
  keep_metadata(to, st);
  return 0;
}

// A link or a FIFO: made anew by create() at to, then the original unlinked.
template <typename Create>
int move_special(const ustring& from, const ustring& to, const struct stat& st, Create create) {
  if (create_replacing(to.c_str(), create) != 0) return -3;
  keep_metadata(to, st);
  return unlink(from.c_str()) == 0 ? 0 : -3;
}

int move_link(const ustring& from, const ustring& to, const struct stat& st) {
  std::string target;
  if (read_link_text(from.c_str(), target) != 0) return -3;
  return move_special(from, to, st, [&] { return symlink(target.c_str(), to.c_str()); });
}

// Moves the entries one by one (each may cross the boundary again), then
// removes the emptied source. A failure part-way leaves what has moved.
int move_dir(const ustring& from, const ustring& to, const struct stat& st, bool do_case_check) {
  if (FSMKDir(to, true) != 0) return -3;
  {
    UniqueDir dir(opendir(from.c_str()));
    if (!dir) return -3;
    struct dirent* de;
    while ((de = next_entry(dir.get())) != nullptr) {
      if (is_dot_entry(de->d_name)) continue;
      const ustring name(de->d_name);
      if (FSRename(from + "/" + name, to + "/" + name, do_case_check) != 0) return -3;
    }
    if (errno != 0) return -3;
  }
  keep_metadata(to, st);
  return rmdir(from.c_str()) == 0 ? 0 : -3;
}

}  // namespace

// The rename fallback between file systems. Devices and sockets cannot be
// recreated faithfully, so they stay where they are and the move fails.
int move_across(const ustring& from, const ustring& to, bool do_case_check) {
  struct stat st;
  if (lstat(from.c_str(), &st) != 0) return -3;
  switch (type_from_mode(st.st_mode)) {
    case FT_FILE:
      return move_file(from, to, st);
    case FT_DIR:
      return move_dir(from, to, st, do_case_check);
    case FT_SLINK:
      return move_link(from, to, st);
    case FT_FIFO:
      return move_special(from, to, st, [&] { return mkfifo(to.c_str(), st.st_mode & kMovedPermBits); });
    default:
      return -3;
  }
}

}  // namespace fileop_detail
