// A disk as slow as a test asks, for the lifetime of the object (root only):
// an ext4 on a loop device of its own over a file, mounted over a folder,
// whose writes the block layer throttles (the blkio controller's limit in
// the root cgroup, which holds the kernel's write-back threads too, so that
// the flushes of the file system wait on it). unavailable() says why where
// the kernel offers none of this.
#pragma once

#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "child.h"
#include "testutil.h"

namespace testutil {

class SlowDisk {
 public:
  // image: the backing file to create; dir: the folder to mount it over.
  SlowDisk(const std::string& image, const std::string& dir, const std::string& size) : dir_(dir) {
    if (access(kThrottle, W_OK) != 0) {
      why_ = std::string("no blkio write throttle (") + kThrottle + ": " + strerror(errno) + ")";
      return;
    }
    const RunResult loop = sh("truncate -s " + size + " '" + image + "' && mkfs.ext4 -q -F '" + image +
                              "' && losetup -f --show '" + image + "'");
    if (loop.status != 0 || loop.out.empty()) {
      why_ = "no loop device with an ext4 on it: " + loop.out;
      return;
    }
    device_ = loop.out.substr(0, loop.out.find('\n'));
    struct stat st;
    if (stat(device_.c_str(), &st) != 0 || ::mount(device_.c_str(), dir_.c_str(), "ext4", 0, nullptr) != 0) {
      why_ = "cannot mount " + device_ + " on " + dir_ + ": " + strerror(errno);
      return;
    }
    mounted_ = true;
    rule_ = std::to_string(major(st.st_rdev)) + ":" + std::to_string(minor(st.st_rdev)) + " ";
  }
  ~SlowDisk() {
    Throttle(0);
    // A thread of the code under test may still hold a folder on it for a
    // moment after the limit is lifted.
    if (mounted_) {
      const long long end = now_millis() + kBoundMillis;
      while (::umount(dir_.c_str()) != 0 && now_millis() < end) usleep(kPollMicros);
      ::umount2(dir_.c_str(), MNT_DETACH);
    }
    if (!device_.empty()) sh("losetup -d '" + device_ + "'");
  }
  SlowDisk(const SlowDisk&) = delete;
  SlowDisk& operator=(const SlowDisk&) = delete;

  const std::string& unavailable() const { return why_; }
  // Limits the disk's writes to this many bytes a second; 0 lifts the limit.
  bool Throttle(long long bytes_per_second) const {
    if (rule_.empty()) return false;
    return sh("echo '" + rule_ + std::to_string(bytes_per_second) + "' > " + kThrottle).status == 0;
  }

 private:
  static constexpr const char* kThrottle = "/sys/fs/cgroup/blkio/blkio.throttle.write_bps_device";

  std::string dir_;
  std::string device_;
  std::string rule_;
  bool mounted_ = false;
  std::string why_;
};

}  // namespace testutil
