// A pipe on which forked children wait, to release many at the same instant.
#pragma once

#include <unistd.h>

#include <cerrno>
#include <stdexcept>

namespace testutil {

// A pipe on which forked children wait until it is closed, so that many can
// be released at the same instant.
class Barrier {
 public:
  Barrier() {
    if (pipe(fds_) != 0) throw std::runtime_error("pipe");
  }
  ~Barrier() {
    release();
    close(fds_[0]);
  }
  Barrier(const Barrier&) = delete;
  Barrier& operator=(const Barrier&) = delete;

  // In a child: waits for the release. The child's copy of the write end is
  // closed first, or the pipe would never read as closed.
  void wait_in_child() const {
    close(fds_[1]);
    char c;
    while (read(fds_[0], &c, 1) < 0 && errno == EINTR) {
    }
    close(fds_[0]);
  }
  void release() {
    if (fds_[1] >= 0) close(fds_[1]);
    fds_[1] = -1;
  }

 private:
  int fds_[2] = {-1, -1};
};

}  // namespace testutil
