// A file system mounted over a folder for the lifetime of the object (root
// only); unavailable() says why when the mount failed.
#pragma once

#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <utility>

namespace testutil {

class ScopedMount {
 public:
  ~ScopedMount() {
    if (mounted_) umount2(dir_.c_str(), MNT_DETACH);
  }
  ScopedMount(const ScopedMount&) = delete;
  ScopedMount& operator=(const ScopedMount&) = delete;

  bool mounted() const { return mounted_; }
  const std::string& unavailable() const { return why_; }

 protected:
  explicit ScopedMount(std::string dir) : dir_(std::move(dir)) {}

  void mount(const char* type, const std::string& options) {
    if (::mount(type, dir_.c_str(), type, 0, options.c_str()) == 0) {
      mounted_ = true;
    } else {
      why_ = std::string("cannot mount a ") + type + " on " + dir_ + ": " + strerror(errno);
    }
  }
  void fail(const std::string& why) { why_ = why; }

 private:
  std::string dir_;
  bool mounted_ = false;
  std::string why_;
};

}  // namespace testutil
