// A program running in the background with a bounded wait.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>
#include <string>
#include <vector>

#include "barrier.h"
#include "testutil.h"

namespace testutil {

// Every wait for the launcher ends after this (a minute on a quiet machine
// with a plain build, scaled for this run); only a hung launcher gets near
// it, and the case then fails instead of hanging the suite.
constexpr int kQuietBoundMillis = 60000;
inline const int kBoundMillis = hang_bound_millis(kQuietBoundMillis);

// Interval of the waits that can only be polled (a thread's system call, a
// FIFO reader appearing): a condition is re-checked, nothing is timed.
constexpr int kPollMicros = 1000;

// A program running in the background, its output going to a file. Without
// a barrier the constructor returns once the program runs (its exec done),
// so that its process already shows the program; with a barrier it waits,
// already forked, until the barrier is released.
class Child {
 public:
  Child(const std::vector<std::string>& argv, const std::vector<std::string>& env, const std::string& out,
        const Barrier* barrier = nullptr)
      : out_(out) {
    int exec_seen[2] = {-1, -1};
    if (!barrier && pipe2(exec_seen, O_CLOEXEC) != 0) throw std::runtime_error("pipe");
    pid_ = fork();
    if (pid_ < 0) throw std::runtime_error("fork");
    if (pid_ == 0) {
      int fd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_APPEND, 0644);
      if (fd >= 0) {
        dup2(fd, 1);
        dup2(fd, 2);
      }
      int null = open("/dev/null", O_RDONLY);
      if (null >= 0) dup2(null, 0);
      if (barrier) barrier->wait_in_child();
      apply_env(env);
      std::vector<char*> args;
      for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
      args.push_back(nullptr);
      execvp(args[0], args.data());
      _exit(127);
    }
    pidfd_ = static_cast<int>(syscall(SYS_pidfd_open, pid_, 0));
    if (!barrier) wait_for_exec(exec_seen);
  }
  ~Child() {
    if (!reaped_) {
      ::kill(pid_, SIGKILL);
      reap(-1);
    }
    if (pidfd_ >= 0) close(pidfd_);
  }
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  pid_t pid() const { return pid_; }
  // Readable once the process has exited (-1 where the kernel has no pidfd).
  int pidfd() const { return pidfd_; }
  std::string output() const { return read_file(out_); }

  bool exited() const {
    if (reaped_) return true;
    if (pidfd_ >= 0) {
      pollfd p{pidfd_, POLLIN, 0};
      return poll(&p, 1, 0) > 0;
    }
    return false;
  }

  void kill9() { ::kill(pid_, SIGKILL); }

  // Exit status (128 + signal number when killed by one); -1 when it had not
  // ended within the bound, in which case it is killed.
  int wait(int millis = kBoundMillis) {
    if (reaped_) return status_;
    if (pidfd_ >= 0) {
      pollfd p{pidfd_, POLLIN, 0};
      if (poll(&p, 1, millis) <= 0) {
        ::kill(pid_, SIGKILL);
        reap(-1);
        return -1;
      }
    }
    return reap(0);
  }

 private:
  // The pipe's write end closes with the exec (or the exit) of the child.
  static void wait_for_exec(int (&exec_seen)[2]) {
    close(exec_seen[1]);
    char c;
    while (read(exec_seen[0], &c, 1) < 0 && errno == EINTR) {
    }
    close(exec_seen[0]);
  }

  int reap(int hung) {
    int st = 0;
    while (waitpid(pid_, &st, 0) < 0 && errno == EINTR) {
    }
    reaped_ = true;
    status_ = hung < 0 ? -1 : (WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st));
    return status_;
  }

  std::string out_;
  pid_t pid_ = -1;
  int pidfd_ = -1;
  bool reaped_ = false;
  int status_ = -1;
};

}  // namespace testutil
