// A system tree with a copy of the scenario program (service_scenario.cpp)
// as its launcher, the client packages the cases install into a home, and
// what a scenario printed.
#pragma once

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "archive_writer.h"
#include "launch_tree.h"
#include "testutil.h"
#include "tree.h"

namespace testutil {

// The client package used by most cases: the three entries the launcher
// needs, a file of its own and a start script that records its arguments and
// starts the client, which writes its pid file and runs until SIGTERM.
inline std::vector<ArchiveEntry> ClientPackage(const std::string& build) {
  std::vector<ArchiveEntry> e = {
      File("INFO", "[Version]\nmajor_version=1\nminor_version=0\nbuild_version=" + build +
                       "\nicon_overlay_version=1\n"),
      Dir("bin"),
      File("bin/nimbora-backup-ui",
           "#!/bin/sh\nprintf 'pid=%s\\n' $$ > \"$HOME/.NimboraBackup/ui.pid\"\ntrap 'exit 0' TERM\n"
           "while :; do sleep 1 & wait $!; done\n",
           0755),
      File("package/start-stop",
           "#!/bin/sh\necho \"$# $*\" >> \"$HOME/started\"\n"
           "nohup \"$(dirname \"$0\")/../bin/nimbora-backup-ui\" >/dev/null 2>&1 </dev/null &\n",
           0755),
      File("new-" + build, "new file of " + build),
  };
  return e;
}

// What extracting plain files and folders gives: every parent a folder.
inline TreeSnapshot ExpectedTree(const std::vector<ArchiveEntry>& entries) {
  TreeSnapshot t;
  for (const auto& e : entries) {
    for (size_t p = e.name.find('/'); p != std::string::npos; p = e.name.find('/', p + 1))
      t[e.name.substr(0, p)] = "d";
    t[e.name] = e.kind == ArchiveEntry::kDir ? "d" : "f " + e.data;
  }
  return t;
}

inline void WriteCopy(const std::string& app, const std::string& build) {
  make_dirs(app + "/bin");
  write_file(app + "/INFO", "[Version]\nbuild_version=" + build + "\n");
  write_file(app + "/bin/nimbora-backup-ui", "#!/bin/sh\n", 0755);
  write_file(app + "/old-" + build, "old file of " + build);
}

class SystemTree {
 public:
  ~SystemTree() { kill_processes_below(tmp.path()); }

  SystemTree() {
    make_dirs(root + "/bin");
    make_dirs(root + "/package");
    make_dirs(root + "/log");
    make_dirs(home);
    if (sh(std::string("cp '") + SERVICE_SCENARIO + "' '" + exe() + "'").status != 0)
      throw std::runtime_error("cannot copy the scenario program");
    write_file(root + "/log/launcher.debug", "service_debug=7\nextractor_debug=7\nfile_op_debug=7\n");
  }

  std::string exe() const { return root + "/bin/service_scenario"; }
  std::string package() const { return root + "/package/nimbora.nbpk"; }
  std::string log() const { return read_file(home + "/service.log"); }

  void Package(const std::string& build) const {
    write_archive(package(), ClientPackage(build), "pax", "gzip");
    write_file(root + "/INFO", "[Version]\nbuild_version=" + build + "\n");
  }
  TreeSnapshot PackageTree(const std::string& build) const { return ExpectedTree(ClientPackage(build)); }

  RunResult Run(const std::string& scenario, const std::string& home_env = "") const {
    return run({exe(), "--scenario", scenario}, {home_env.empty() ? "HOME=" + home : home_env});
  }

  TempDir tmp;
  std::string root = tmp / "opt/Zorvane/Nimbora";
  std::string home = tmp / "home/ann";
  std::string user_dir = home + "/.NimboraBackup";
  std::string app = user_dir + "/Nimbora.app";
};

// Reads the result line "<key>=<n>" a scenario printed.
inline int ResultOf(const RunResult& r, const std::string& key) {
  size_t p = r.out.find(key + "=");
  if (p == std::string::npos) return -999;
  return atoi(r.out.c_str() + p + key.size() + 1);
}

}  // namespace testutil
