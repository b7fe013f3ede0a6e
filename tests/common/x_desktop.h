// A real X desktop for the suites that show the launcher's dialog: Xvfb on a
// display it picks itself, and openbox on it; both stopped by their pids
// when the object goes. Extra Xvfb arguments (a screen size, a dpi) may be
// given.
#pragma once

#include <unistd.h>

#include <memory>
#include <string>
#include <vector>

#include "faults_util.h"
#include "xvfb.h"

namespace testutil {

inline bool installed(const std::string& tool) {
  return sh("command -v " + tool + " >/dev/null").status == 0;
}

class XDesktop {
 public:
  // Title of the launcher's dialog, as the window manager lists it.
  static constexpr const char* kTitle = "Nimbora Backup";

  explicit XDesktop(const std::string& dir,
                    const std::vector<std::string>& screen = {"-screen", "0", "1024x768x24"}) {
    for (const char* tool : {"openbox", "wmctrl", "xdotool"})
      if (!installed(tool)) {
        why_ = std::string(tool) + " is not installed";
        return;
      }
    xvfb_ = std::make_unique<Xvfb>(dir + "/xvfb.out", screen);
    if (!xvfb_->unavailable().empty()) {
      why_ = xvfb_->unavailable();
      return;
    }
    display_ = xvfb_->display();
    wm_ = std::make_unique<Child>(std::vector<std::string>{"openbox", "--sm-disable"},
                                  std::vector<std::string>{"DISPLAY=" + display_}, dir + "/openbox.out");
    if (!wait_until([&] { return wm_->exited() || x("wmctrl -m").status == 0; }) || wm_->exited())
      why_ = "openbox did not start on " + display_ + ": " + wm_->output() +
             "\nXvfb: " + read_file(dir + "/xvfb.out");
  }

  const std::string& unavailable() const { return why_; }
  const std::string& display() const { return display_; }
  // The X server's process, for a case that ends or stops it itself.
  pid_t server_pid() const { return xvfb_ ? xvfb_->pid() : -1; }

  RunResult x(const std::string& command) const { return sh(command, {"DISPLAY=" + display_}); }
  bool window_listed() const { return x("wmctrl -l").out.find(kTitle) != std::string::npos; }

  // What the desktop shows, for a failure message: the window manager's
  // list, the windows the server has by the dialog's title, openbox's output.
  std::string describe() const {
    return "wmctrl -l:\n" + x("wmctrl -l").out + "windows titled '" + kTitle +
           "': " + x(std::string("xdotool search --name '") + kTitle + "'").out + "openbox:\n" +
           (wm_ ? wm_->output() : std::string());
  }

  // "instance.class" of the dialog's window (WM_CLASS), empty when none.
  std::string window_class() const {
    const std::string list = x("wmctrl -l -x").out;
    const size_t at = list.find(kTitle);
    if (at == std::string::npos) return "";
    const size_t line = list.rfind('\n', at) + 1;  // npos + 1 is 0
    std::vector<std::string> fields;
    size_t i = line;
    while (fields.size() < 3 && i < at) {
      const size_t end = list.find(' ', i);
      if (end != i) fields.push_back(list.substr(i, end - i));
      i = end + 1;
    }
    return fields.size() == 3 ? fields[2] : "";
  }

  template <class F>
  static bool wait_until(F done) {
    const long long end = now_millis() + kBoundMillis;
    while (!done()) {
      if (now_millis() > end) return false;
      usleep(kLookMicros);
    }
    return true;
  }

 private:
  // Pause between two looks at the window list while waiting for a window.
  static constexpr int kLookMicros = 20000;

  std::string why_;
  std::string display_;
  std::unique_ptr<Xvfb> xvfb_;
  std::unique_ptr<Child> wm_;  // declared last: stopped before the server
};

}  // namespace testutil
