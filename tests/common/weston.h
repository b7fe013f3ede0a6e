// A Wayland compositor of the tests' own, for the cases that need Qt's
// wayland platform: Debian's weston on its headless back end, drawing with
// pixman so that its screen can be photographed, on a socket in a private
// runtime folder (mode 0700, as a session's); stopped by its pid. Extra
// weston arguments (--scale=2, a screen size) may be given.
#pragma once

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "child.h"
#include "testutil.h"

namespace testutil {

class Weston {
 public:
  explicit Weston(const std::string& log, const std::vector<std::string>& extra = {}) {
    if (sh("command -v weston >/dev/null").status != 0) {
      why_ = "weston is not installed";
      return;
    }
    // A socket path has room for 107 bytes: the folder is short, in /tmp.
    char tmpl[] = "/tmp/nimbora-xdg-XXXXXX";
    if (!mkdtemp(tmpl)) {
      why_ = "mkdtemp";
      return;
    }
    runtime_dir_ = tmpl;
    chmod(runtime_dir_.c_str(), 0700);
    std::vector<std::string> argv{"weston", "--backend=headless-backend.so", "--socket=" + kSocket,
                                  "--use-pixman"};
    // Lets weston-screenshooter take its picture.
    argv.push_back("--debug");
    argv.insert(argv.end(), extra.begin(), extra.end());
    child_ = std::make_unique<Child>(argv, std::vector<std::string>{"XDG_RUNTIME_DIR=" + runtime_dir_}, log);
    const long long end = now_millis() + kBoundMillis;
    while (!exists(runtime_dir_ + "/" + kSocket) && !child_->exited() && now_millis() < end)
      usleep(kPollMicros);
    if (!exists(runtime_dir_ + "/" + kSocket) || child_->exited())
      why_ = "weston did not start: " + child_->output();
  }
  ~Weston() {
    if (child_ && !child_->exited()) {
      kill(child_->pid(), SIGTERM);
      child_->wait();
    }
    child_.reset();
    if (!runtime_dir_.empty()) remove_tree(runtime_dir_);
  }
  Weston(const Weston&) = delete;
  Weston& operator=(const Weston&) = delete;

  // Why there is no compositor, or "".
  const std::string& unavailable() const { return why_; }
  // The compositor's process, for a case that ends or stops it itself.
  pid_t pid() const { return child_ ? child_->pid() : -1; }
  // What a client needs to reach it (and nothing of an X server's).
  std::vector<std::string> env() const {
    return {"XDG_RUNTIME_DIR=" + runtime_dir_, "WAYLAND_DISPLAY=" + kSocket, "-DISPLAY"};
  }

  // Saves the whole screen as a PNG in DIR and returns its path ("" when
  // weston-screenshooter could not); an earlier picture there is replaced.
  std::string screenshot(const std::string& dir) const {
    const std::string shots = dir + "/screenshots";
    remove_tree(shots);
    make_dirs(shots);
    if (run({"weston-screenshooter"}, env(), shots).status != 0) return "";
    for (const auto& name : list_files(shots))
      if (name.size() > 4 && name.compare(name.size() - 4, 4, ".png") == 0) return shots + "/" + name;
    return "";
  }

 private:
  inline static const std::string kSocket = "nimbora-test";

  static std::vector<std::string> list_files(const std::string& dir) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(dir, ec)) names.push_back(e.path().filename().string());
    return names;
  }

  std::string why_;
  std::string runtime_dir_;
  std::unique_ptr<Child> child_;
};

}  // namespace testutil
