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
    pid_ = barrier ? fork_behind(argv, env, *barrier) : spawn_now(argv, env);
    if (pid_ < 0) throw std::runtime_error("could not start " + argv[0]);
    pidfd_ = static_cast<int>(syscall(SYS_pidfd_open, pid_, 0));
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
  // Output to out_, input from /dev/null. Returns once the program runs.
  pid_t spawn_now(const std::vector<std::string>& argv, const std::vector<std::string>& env) const {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_APPEND,
                                     0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    const pid_t pid = spawn(argv, env, actions);
    posix_spawn_file_actions_destroy(&actions);
    return pid;
  }

  // Forked, waiting on the barrier before it runs the program.
  pid_t fork_behind(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                    const Barrier& barrier) const {
    const std::vector<std::string> environment = environment_with(env);
    const std::string program = program_path(argv[0], environment);
    std::vector<char*> args = c_strings(argv), envp = c_strings(environment);
    const pid_t pid = fork();
    if (pid != 0) return pid;
    int fd = open(out_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_APPEND, 0644);
    if (fd >= 0) {
      dup2(fd, 1);
      dup2(fd, 2);
    }
    int null = open("/dev/null", O_RDONLY);
    if (null >= 0) dup2(null, 0);
    barrier.wait_in_child();
    execve(program.c_str(), args.data(), envp.data());
    _exit(127);
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
