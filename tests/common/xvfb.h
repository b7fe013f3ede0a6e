// An X server of the tests' own (Xvfb on a display number it picks itself),
// for the cases that need Qt's xcb platform; stopped by its pid. Extra
// arguments (a screen size, -noreset) may be given.
#pragma once

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "testutil.h"

namespace testutil {

class Xvfb {
 public:
  // Bound on the wait for the server to report its display.
  static int start_millis() { return hang_bound_millis(60000); }

  explicit Xvfb(const std::string& log,
                const std::vector<std::string>& screen = {"-screen", "0", "1024x768x24"}) {
    if (sh("command -v Xvfb >/dev/null").status != 0) {
      why_ = "Xvfb is not installed";
      return;
    }
    int fds[2];
    if (pipe(fds) != 0) {
      why_ = "pipe";
      return;
    }
    pid_ = fork();
    if (pid_ == 0) {
      close(fds[0]);
      const int out = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      if (out >= 0) dup2(out, 2);
      std::vector<std::string> args{"Xvfb", "-displayfd", std::to_string(fds[1]), "-nolisten", "tcp"};
      args.insert(args.end(), screen.begin(), screen.end());
      std::vector<char*> argv;
      for (auto& a : args) argv.push_back(&a[0]);
      argv.push_back(nullptr);
      execvp("Xvfb", argv.data());
      _exit(127);
    }
    close(fds[1]);
    display_ = ":" + read_line(fds[0]);
    close(fds[0]);
    if (display_ == ":") why_ = "Xvfb did not start: " + read_file(log);
  }
  ~Xvfb() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    while (waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
    }
  }
  Xvfb(const Xvfb&) = delete;
  Xvfb& operator=(const Xvfb&) = delete;

  // Why there is no server, or "".
  const std::string& unavailable() const { return why_; }
  const std::string& display() const { return display_; }
  // The server's process, for a case that ends or stops it itself.
  pid_t pid() const { return pid_; }

 private:
  static std::string read_line(int fd) {
    std::string s;
    pollfd p{fd, POLLIN, 0};
    char c;
    while (poll(&p, 1, start_millis()) > 0 && read(fd, &c, 1) == 1 && c != '\n') s += c;
    return s;
  }

  std::string why_;
  std::string display_;
  pid_t pid_ = -1;
};

}  // namespace testutil
