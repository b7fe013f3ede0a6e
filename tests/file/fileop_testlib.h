// Helpers of the file-operation tests: capturing what the operations log,
// a second file system for moves across file systems, small file builders.
#pragma once

#include <dirent.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <vector>

#include "log_capture.h"
#include "testutil.h"
#include "tmpfs_mount.h"

namespace fileop_test {

// Every file_op_debug message, debug level included, for the lifetime of
// the object.
class LogCapture : public testutil::LogCapture {
 public:
  LogCapture() : testutil::LogCapture("file_op_debug=7\n") {}
};

// Changes into dir for the lifetime of the object.
class CwdGuard {
 public:
  explicit CwdGuard(const std::string& dir) {
    char buf[4096];
    if (getcwd(buf, sizeof buf)) old_ = buf;
    if (chdir(dir.c_str()) != 0) throw std::runtime_error("chdir " + dir);
  }
  ~CwdGuard() {
    if (!old_.empty() && chdir(old_.c_str()) != 0) perror("chdir back");
  }

 private:
  std::string old_;
};

inline dev_t device_of(const std::string& path) {
  struct stat st;
  return lstat(path.c_str(), &st) == 0 ? st.st_dev : 0;
}

// True when name is exactly n characters of the name alphabet.
inline bool is_tmp_name(const std::string& name, size_t n = 8) {
  static const char kAlphabet[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_";
  return name.size() == n && name.find_first_not_of(kAlphabet) == std::string::npos;
}

// A temporary folder on a file system other than that of the ordinary
// temporary folder: /dev/shm when it is distinct, else a tmpfs mounted for
// the purpose (root only). available() is false, with reason(), when neither
// can be had.
class OtherFileSystem {
 public:
  explicit OtherFileSystem(const testutil::TempDir& local) {
    const dev_t local_dev = device_of(local.path());
    try {
      shm_ = std::make_unique<testutil::TempDir>("/dev/shm");
      if (device_of(shm_->path()) != local_dev) return;
      shm_.reset();
    } catch (const std::exception&) {
    }
    mount_point_ = std::make_unique<testutil::TempDir>();
    // The mode a tmpfs has by default: anyone may create in it.
    tmpfs_ = std::make_unique<testutil::TmpfsMount>(mount_point_->path(), "256m", "1777");
    if (tmpfs_->mounted() && device_of(mount_point_->path()) != local_dev) return;
    reason_ = "no second file system: /dev/shm is missing or on the same file system as " + local.path() +
              ", and " + (tmpfs_->mounted() ? "the tmpfs is on it too" : tmpfs_->unavailable());
    tmpfs_.reset();
  }

  bool available() const { return shm_ || tmpfs_; }
  const std::string& reason() const { return reason_; }
  std::string path() const { return shm_ ? shm_->path() : mount_point_->path(); }
  std::string operator/(const std::string& rel) const { return path() + "/" + rel; }

 private:
  std::unique_ptr<testutil::TempDir> shm_;
  std::unique_ptr<testutil::TempDir> mount_point_;
  // Declared after its mount point, so that it is unmounted first.
  std::unique_ptr<testutil::TmpfsMount> tmpfs_;
  std::string reason_;
};

// A listening Unix socket bound at path; the socket file stays after close.
inline bool make_socket_file(const std::string& path) {
  int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  if (fd < 0) return false;
  struct sockaddr_un addr = {};
  addr.sun_family = AF_UNIX;
  if (path.size() >= sizeof addr.sun_path) return false;
  strcpy(addr.sun_path, path.c_str());
  const bool ok = bind(fd, reinterpret_cast<struct sockaddr*>(&addr), sizeof addr) == 0;
  close(fd);
  return ok;
}

inline mode_t perm_bits(const std::string& path) {
  struct stat st;
  return lstat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

inline std::string link_target(const std::string& path) {
  char buf[8192];
  const ssize_t n = readlink(path.c_str(), buf, sizeof buf);
  return n < 0 ? std::string() : std::string(buf, static_cast<size_t>(n));
}

inline int open_fd_count() {
  int n = 0;
  if (DIR* d = opendir("/proc/self/fd")) {
    while (readdir(d)) ++n;
    closedir(d);
  }
  return n;
}

}  // namespace fileop_test
