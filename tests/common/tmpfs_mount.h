// A tmpfs of a given size mounted over a folder for the lifetime of the
// object (root only); unavailable() says why when the mount failed.
#pragma once

#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace testutil {

class TmpfsMount {
 public:
  TmpfsMount(const std::string& dir, const std::string& size, const std::string& mode = "0755") : dir_(dir) {
    const std::string options = "size=" + size + ",mode=" + mode;
    if (::mount("tmpfs", dir_.c_str(), "tmpfs", 0, options.c_str()) == 0) {
      mounted_ = true;
    } else {
      why_ = "cannot mount a tmpfs on " + dir_ + ": " + strerror(errno);
    }
  }
  ~TmpfsMount() {
    if (mounted_) umount2(dir_.c_str(), MNT_DETACH);
  }
  TmpfsMount(const TmpfsMount&) = delete;
  TmpfsMount& operator=(const TmpfsMount&) = delete;

  bool mounted() const { return mounted_; }
  const std::string& unavailable() const { return why_; }

 private:
  std::string dir_;
  bool mounted_ = false;
  std::string why_;
};

}  // namespace testutil
