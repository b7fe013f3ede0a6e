// The one owner type for a file descriptor: closed when the holder goes out
// of scope, movable, never copied.
#pragma once

#include <unistd.h>

#include <utility>

class UniqueFd {
 public:
  UniqueFd() = default;
  explicit UniqueFd(int fd) : fd_(fd) {}
  ~UniqueFd() { reset(); }
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;
  UniqueFd(UniqueFd&& other) noexcept : fd_(other.release()) {}
  UniqueFd& operator=(UniqueFd&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }

  int get() const { return fd_; }
  explicit operator bool() const { return fd_ >= 0; }
  // Closes the held descriptor (reporting close's own result, 0 when
  // nothing was open) and takes fd instead.
  int reset(int fd = -1) {
    int rc = 0;
    if (fd_ >= 0) rc = ::close(fd_);
    fd_ = fd;
    return rc;
  }
  // Gives the descriptor up without closing it.
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_ = -1;
};
