// A fanotify permission gate: opens (or reads) of marked paths wait for the
// test's answer, so that the code under test can be held at the very start
// of a step (the first listing of a removal, an open of the start script, a
// read of the package by one thread) and killed or released there.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <sys/fanotify.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "child.h"
#include "testutil.h"

namespace testutil {

class OpenGate {
 public:
  // extra_flags adds fanotify_init flags, e.g. FAN_REPORT_TID to tell the
  // threads of one process apart.
  explicit OpenGate(unsigned extra_flags = 0)
      : fd_(fanotify_init(FAN_CLASS_CONTENT | FAN_CLOEXEC | FAN_NONBLOCK | extra_flags,
                          O_RDONLY | O_CLOEXEC | O_LARGEFILE)),
        init_errno_(fd_ < 0 ? errno : 0) {}
  ~OpenGate() { release(); }
  OpenGate(const OpenGate&) = delete;
  OpenGate& operator=(const OpenGate&) = delete;

  // Why the gate cannot work here, or "".
  std::string unavailable() const {
    return fd_ >= 0 ? "" : std::string("fanotify is not available: ") + strerror(init_errno_);
  }
  // Opens by default; FAN_ACCESS_PERM holds reads instead.
  bool mark(const std::string& path, uint64_t events = FAN_OPEN_PERM | FAN_ONDIR) {
    return fanotify_mark(fd_, FAN_MARK_ADD, events, AT_FDCWD, path.c_str()) == 0;
  }

  // Waits up to millis for an event, or for other_fd to become readable.
  void wait(int millis, int other_fd = -1) const {
    pollfd p[2] = {{fd_, POLLIN, 0}, {other_fd, POLLIN, 0}};
    poll(p, other_fd >= 0 ? 2 : 1, millis);
  }

  // Answers every waiting event: hold(event) true keeps it held, false lets
  // it through at once.
  template <class Hold>
  void take_events(Hold hold) {
    alignas(fanotify_event_metadata) char buf[4096];
    ssize_t n = read(fd_, buf, sizeof buf);
    for (auto* m = reinterpret_cast<fanotify_event_metadata*>(buf); n > 0 && FAN_EVENT_OK(m, n);
         m = FAN_EVENT_NEXT(m, n)) {
      if (m->fd < 0) continue;
      if (hold(*m)) {
        held_.push_back(m->fd);
      } else {
        answer(m->fd);
      }
    }
  }

  // Lets the first `allow` opens through and holds the next one. True when an
  // open is held; false when the child exits first or the bound passes.
  bool hold_after(int allow, const Child& child, int millis = kBoundMillis) {
    const long long end = now_millis() + millis;
    for (;;) {
      take_events([&](const fanotify_event_metadata&) { return seen_++ >= allow; });
      if (holding()) return true;
      if (child.exited()) return false;
      const long long left = end - now_millis();
      if (left <= 0) return false;
      wait(static_cast<int>(left), child.pidfd());
    }
  }

  bool holding() const { return !held_.empty(); }
  // Lets the held events through; later ones are still gated.
  void let_held_through() {
    for (int fd : held_) answer(fd);
    held_.clear();
  }
  // Lets every held and future event through and removes the marks.
  void release() {
    let_held_through();
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
  }

 private:
  void answer(int event_fd) {
    const fanotify_response r = {event_fd, FAN_ALLOW};
    if (write(fd_, &r, sizeof r) != sizeof r) perror("fanotify response");
    close(event_fd);
  }

  int fd_;
  int init_errno_;
  int seen_ = 0;
  std::vector<int> held_;
};

}  // namespace testutil
