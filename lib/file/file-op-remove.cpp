// The removal of trees behind FSRemove and FSRemoveOwnTree. Every call works
// from the descriptor of the folder above, so it takes one path component
// however deep the tree, and the walk holds exactly one directory stream per
// level.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <string>
#include <utility>
#include <vector>

#include "file-op-internal.h"
#include "file-op.h"
#include "log.h"
#include "task_thread.h"
#include "unique-fd.h"
#include "usable_cores.h"

namespace fileop_detail {

namespace {

const int kDirOpenFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

// The name under which the kernel reopens or changes the object behind an
// open descriptor, whatever has been renamed or swapped in at its old path.
std::string fd_path(int fd) { return "/proc/self/fd/" + std::to_string(fd); }

// Gives the folder open as fd (O_PATH or not) u+rwx when it is this user's and
// lacks any of them: true when it has been changed, so that a refused step is
// worth one more try.
bool grant_owner_rights(int fd) {
  struct stat st;
  if (fd < 0 || fstat(fd, &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != geteuid()) return false;
  if ((st.st_mode & S_IRWXU) == S_IRWXU) return false;
  // fchmod refuses O_PATH descriptors; the descriptor's own name does not.
  if (chmod(fd_path(fd).c_str(), (st.st_mode & 07777) | S_IRWXU) == 0) return true;
  const int e = errno;
  LOG_MSG(L_WARNING, kLogComp, "[WARNING] file-op(%d): cannot give the owner rights to a folder: %s\n",
          err_text(e).c_str());
  return false;
}

// Opens the folder `name` of `parent` for listing. When granting, a folder
// that cannot be searched or read for lack of the owner's rights gets them:
// first the parent (searching it may be what failed), then the folder itself,
// reached through a descriptor that pins it, so a link swapped in meanwhile
// is never followed.
UniqueFd open_dir_at(int parent, const char* name, bool grant) {
  UniqueFd fd(openat(parent, name, kDirOpenFlags));
  if (fd || errno != EACCES || !grant) return fd;
  if (grant_owner_rights(parent)) {
    fd.reset(openat(parent, name, kDirOpenFlags));
    if (fd || errno != EACCES) return fd;
  }
  UniqueFd pinned(openat(parent, name, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
  if (!pinned || !grant_owner_rights(pinned.get())) {
    errno = EACCES;
    return UniqueFd();
  }
  return UniqueFd(open(fd_path(pinned.get()).c_str(), kDirOpenFlags & ~O_NOFOLLOW));
}

// unlinkat, tried once more after giving parent the owner's rights when it
// refused for lack of them.
int unlink_at(int parent, const char* name, int flags, bool grant) {
  if (unlinkat(parent, name, flags) == 0) return 0;
  if (errno != EACCES || !grant || !grant_owner_rights(parent)) return -1;
  return unlinkat(parent, name, flags);
}

int remove_dir_at(int parent, const char* name, bool grant);

// Removes the entry `name` of the open folder `parent`, a whole tree when it
// is a folder: 0, -1 when it cannot be examined, -3 when it or something
// below it stays. A name that is already gone counts as removed. Working
// from the folder's descriptor keeps every call to one path component,
// however deep the tree.
int remove_entry_at(int parent, const char* name, unsigned char d_type, bool grant) {
  bool is_dir = d_type == DT_DIR;
  if (d_type == DT_UNKNOWN) {
    struct stat st;
    if (fstatat(parent, name, &st, AT_SYMLINK_NOFOLLOW) != 0) return errno == ENOENT ? 0 : -1;
    is_dir = S_ISDIR(st.st_mode);
  }
  if (!is_dir) {
    if (unlink_at(parent, name, 0, grant) == 0 || errno == ENOENT) return 0;
    // Replaced by a folder since the listing: removed as one.
    if (errno != EISDIR) return -3;
  }
  return remove_dir_at(parent, name, grant);
}

// Empties the folder `name` of `parent` and removes it. Links are never
// followed: a link inside goes, whatever it points to stays.
int remove_dir_at(int parent, const char* name, bool grant) {
  {
    UniqueFd fd = open_dir_at(parent, name, grant);
    if (!fd) return -3;
    UniqueDir dir(fdopendir(fd.get()));
    if (!dir) return -3;
    fd.release();  // the stream closes it now
    struct dirent* de;
    // A read error ends the listing like its end; the removal below then
    // reports whatever was left behind.
    while ((de = next_entry(dir.get())) != nullptr) {
      if (is_dot_entry(de->d_name)) continue;
      if (remove_entry_at(dirfd(dir.get()), de->d_name, de->d_type, grant) != 0) return -3;
    }
  }
  return unlink_at(parent, name, AT_REMOVEDIR, grant) == 0 || errno == ENOENT ? 0 : -3;
}

// A tree is removed by several threads at once: unlinking is the kernel's
// work, on the calling thread's core, and a copy of the client holds
// thousands of files. The tree's entries down to kSplitDepth levels are
// shared out as items; each thread removes whole items as above, and the
// folders that held them go afterwards, deepest first.
constexpr int kSplitDepth = 4;
// Folders held open while their items are removed.
constexpr size_t kMaxSplitFolders = 64;
constexpr unsigned kMaxThreads = 4;

class SplitTree {
 public:
  explicit SplitTree(bool grant) : grant_(grant) {}

  // Opens the folder `name` of `parent` and shares out what it holds; false
  // when it cannot be opened or listed.
  bool Split(int parent, const char* name, int depth) {
    UniqueFd fd = open_dir_at(parent, name, grant_);
    if (!fd) return false;
    UniqueFd listing(dup(fd.get()));
    UniqueDir dir(listing ? fdopendir(listing.get()) : nullptr);
    if (!dir) return false;
    listing.release();  // the stream closes it now
    const int here = fd.get();
    folders_.push_back({parent, name, std::move(fd)});
    struct dirent* de;
    while ((de = next_entry(dir.get())) != nullptr) {
      if (is_dot_entry(de->d_name)) continue;
      const bool split = de->d_type == DT_DIR && depth < kSplitDepth && folders_.size() < kMaxSplitFolders;
      if (!split || !Split(here, de->d_name, depth + 1)) items_.push_back({here, de->d_name, de->d_type});
    }
    return true;
  }

  // Removes the items on up to `threads` threads, then the folders: 0, or
  // -3 when anything stays.
  int Remove(unsigned threads) {
    // With fewer threads, the items are shared out among those there are.
    std::vector<TaskThread> helpers;
    while (helpers.size() + 1 < threads && helpers.size() + 1 < items_.size()) {
      TaskThread helper([this] { RemoveItems(); });
      if (!helper.started()) break;
      helpers.push_back(std::move(helper));
    }
    RemoveItems();
    helpers.clear();
    if (failed_) return -3;
    for (auto f = folders_.rbegin(); f != folders_.rend(); ++f) {
      f->fd.reset();
      if (unlink_at(f->parent, f->name.c_str(), AT_REMOVEDIR, grant_) != 0 && errno != ENOENT) return -3;
    }
    return 0;
  }

 private:
  struct Folder {
    int parent;
    std::string name;
    UniqueFd fd;
  };
  struct Item {
    int parent;
    std::string name;
    unsigned char type;
  };

  void RemoveItems() {
    for (size_t i; (i = next_.fetch_add(1)) < items_.size();)
      if (remove_entry_at(items_[i].parent, items_[i].name.c_str(), items_[i].type, grant_) != 0)
        failed_ = true;
  }

  const bool grant_;
  // In the order they were opened: every folder after the one holding it.
  std::vector<Folder> folders_;
  std::vector<Item> items_;
  std::atomic<size_t> next_{0};
  std::atomic<bool> failed_{false};
};

int remove_tree(const char* path, bool grant) {
  // One thread per core the process may run on.
  const unsigned threads = std::min(static_cast<unsigned>(UsableCores()), kMaxThreads);
  if (threads == 1) return remove_dir_at(AT_FDCWD, path, grant);
  SplitTree tree(grant);
  if (!tree.Split(AT_FDCWD, path, 1)) return -3;
  return tree.Remove(threads);
}

}  // namespace

int remove_path(const ustring& path, bool grant) {
  if (path.empty()) return -1;
  FILE_INFO info;
  if (GetFileInfo(path, info) != 0) return -1;
  if (!info.isExist) return 0;
  // Links are not followed: a link to a directory goes, the directory stays.
  if (info.type != FT_DIR) return ::unlink(path.c_str()) == 0 ? 0 : -3;
  return remove_tree(path.c_str(), grant);
}

}  // namespace fileop_detail
