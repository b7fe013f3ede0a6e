// A system tree and a home folder in a temporary folder, for tests that run
// the real launcher binary: the installed launcher (from the tree that
// "cmake --install" laid out for the tests), a package built from a client
// folder with tools/mkpackage, and the per-user tree below the home.
#pragma once

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "testutil.h"

namespace testutil {

// Writes a small client folder: INFO with the given build number, a client
// executable that records its pid in ~/.NimboraBackup/ui.pid and runs until
// SIGTERM, and a start script that appends "start" to <home>/started and runs
// the client in the background.
inline void write_client(const std::string& dir, const std::string& build, const std::string& marker = "") {
  make_dirs(dir + "/bin");
  make_dirs(dir + "/package");
  write_file(dir + "/INFO", "[Version]\nmajor_version=1\nminor_version=0\nbuild_version=" + build +
                                "\nicon_overlay_version=1\n");
  write_file(dir + "/bin/nimbora-backup-ui",
             "#!/bin/sh\n"
             "mkdir -p \"$HOME/.NimboraBackup\"\n"
             "printf 'pid=%s\\n' \"$$\" > \"$HOME/.NimboraBackup/ui.pid\"\n"
             "trap 'exit 0' TERM\n"
             "while :; do sleep 1 & wait $!; done\n",
             0755);
  // Like a real start script, it starts no second client while one of this
  // copy runs (a pid file naming any other process starts one).
  const char* start_stop =
      "echo \"$1 $build\" >> \"$HOME/started\"\n"
      "[ \"$1\" = start ] || exit 0\n"
      "client=$(readlink -f \"$(dirname \"$0\")/../bin/nimbora-backup-ui\")\n"
      "pid=$(sed -n 's/^pid=\\([0-9][0-9]*\\)$/\\1/p' \"$HOME/.NimboraBackup/ui.pid\" 2>/dev/null)\n"
      "arg=$(tr '\\0' '\\n' < \"/proc/$pid/cmdline\" 2>/dev/null | sed -n 2p)\n"
      "[ -n \"$pid\" ] && [ \"$(readlink -f \"$arg\" 2>/dev/null)\" = \"$client\" ] && exit 0\n"
      "nohup \"$(dirname \"$0\")/../bin/nimbora-backup-ui\" >/dev/null 2>&1 </dev/null &\n"
      "exit 0\n";
  write_file(dir + "/package/start-stop", "#!/bin/sh\nbuild=" + build + "\n" + start_stop, 0755);
  if (!marker.empty()) write_file(dir + "/" + marker, marker + " of build " + build + "\n");
}

// The default bound on the wait for a started client (30 s on a quiet
// machine: a shell script started in the background), and the pause between
// two looks at its pid file.
constexpr int kClientStartTenths = 300;
constexpr useconds_t kClientLookMicros = 20000;

// Kills every process whose command line names a path below dir: the
// clients that start scripts put in the background, which may not have
// written their pid file yet when a case ends.
inline void kill_processes_below(const std::string& dir) {
  // Stepped with an error code: a sweep runs in destructors and must not throw.
  std::error_code ec;
  for (std::filesystem::directory_iterator it("/proc", ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    const pid_t pid = static_cast<pid_t>(atol(name.c_str()));
    if (pid <= 1 || pid == getpid()) continue;
    if (read_file("/proc/" + name + "/cmdline").find(dir + "/") != std::string::npos) kill(pid, SIGKILL);
  }
}

// The clients running from below dir: processes of the client executable
// whose parent is none (a client's own forks, between fork and exec, look
// like it for a moment).
inline std::vector<pid_t> clients_below(const std::string& dir) {
  const auto is_client = [&](const std::string& pid) {
    const std::string cmd = read_file("/proc/" + pid + "/cmdline");
    return cmd.find(dir + "/") != std::string::npos && cmd.find("bin/nimbora-backup-ui") != std::string::npos;
  };
  std::vector<pid_t> found;
  std::error_code ec;
  for (std::filesystem::directory_iterator it("/proc", ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename();
    if (name.find_first_not_of("0123456789") != std::string::npos || !is_client(name)) continue;
    const std::string stat = read_file("/proc/" + name + "/stat");
    const size_t close = stat.rfind(')');
    const std::string ppid = close == std::string::npos ? "" : std::to_string(atol(stat.c_str() + close + 4));
    if (!is_client(ppid)) found.push_back(static_cast<pid_t>(atol(name.c_str())));
  }
  return found;
}

class LaunchTree {
 public:
  LaunchTree() : root_(tmp_ / "opt/Zorvane/Nimbora"), home_(tmp_ / "home/user") {
    make_dirs(root_ + "/bin");
    make_dirs(root_ + "/images");
    make_dirs(root_ + "/log");
    make_dirs(home_);
    const std::string inst = installed_root();
    // The system root is found from the executable's real location, so the
    // binary is copied; the plug-ins are copied too, so that a launcher run
    // as another user can read them wherever the build folder lives.
    sh("cp '" + inst + "/bin/launcher' '" + root_ + "/bin/launcher' && cp -r '" + inst + "/images/.' '" +
       root_ + "/images/' && cp -r '" + inst + "/lib' '" + root_ + "/lib'");
  }
  ~LaunchTree() { stop_client(); }
  LaunchTree(const LaunchTree&) = delete;
  LaunchTree& operator=(const LaunchTree&) = delete;

  const std::string& tmp() const { return tmp_.path(); }
  const std::string& root() const { return root_; }
  const std::string& home() const { return home_; }
  std::string user_dir() const { return home_ + "/.NimboraBackup"; }
  std::string app_dir() const { return user_dir() + "/Nimbora.app"; }
  std::string launcher() const { return root_ + "/bin/launcher"; }
  std::string log() const { return read_file(user_dir() + "/log/launcher.log"); }
  std::string started() const { return read_file(home_ + "/started"); }

  // Packages a client folder into the system tree (INFO and nimbora.nbpk).
  RunResult package(const std::string& client_dir) const {
    return run({source_dir() + "/tools/mkpackage", client_dir, root_});
  }

  // Writes a fresh client of the given build and packages it.
  void package_client(const std::string& build, const std::string& marker = "") const {
    std::string dir = tmp_ / ("client-" + build);
    write_client(dir, build, marker);
    package(dir);
  }

  void set_levels(const std::string& lines = "launcher_debug=7\nservice_debug=7\nextractor_debug=7\n") const {
    write_file(root_ + "/log/launcher.debug", lines);
  }

  RunResult launch(const std::vector<std::string>& env = {}) const {
    std::vector<std::string> e = {"HOME=" + home_, "QT_QPA_PLATFORM=offscreen"};
    e.insert(e.end(), env.begin(), env.end());
    return run({launcher()}, e);
  }

  // The pid the client wrote, or 0.
  pid_t client_pid() const {
    std::string s = read_file(user_dir() + "/ui.pid");
    auto p = s.find("pid=");
    return p == std::string::npos ? 0 : static_cast<pid_t>(atol(s.c_str() + p + 4));
  }

  // Waits until the client has written its pid file; the bound, in tenths
  // of a second on a quiet machine, is scaled for this run.
  pid_t wait_client(int tenths = kClientStartTenths) const {
    const long long end = now_millis() + hang_bound_millis(tenths * 100);
    for (;;) {
      pid_t p = client_pid();
      if (p > 0 && kill(p, 0) == 0) return p;
      if (now_millis() > end) return 0;
      usleep(kClientLookMicros);
    }
  }

  // Waits until the log holds text; the bound, in milliseconds on a quiet
  // machine, is scaled for this run.
  bool wait_log(const std::string& text, int millis) const {
    const long long end = now_millis() + hang_bound_millis(millis);
    while (log().find(text) == std::string::npos) {
      if (now_millis() > end) return false;
      usleep(kClientLookMicros);
    }
    return true;
  }

  // Kills every process started from this tree (clients and anything they
  // left behind), never a process that merely reused a recorded pid.
  void stop_client() const { kill_processes_below(tmp_.path()); }

 private:
  TempDir tmp_;
  std::string root_;
  std::string home_;
};

}  // namespace testutil
