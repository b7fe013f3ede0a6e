// Running a helper program as an unprivileged user, for permission cases:
// root is not stopped by permission bits, so as root the program is started
// through setpriv as nobody; a test run by an ordinary user runs it directly.
#pragma once

#include <unistd.h>

#include <string>
#include <vector>

#include "testutil.h"

namespace testutil {

// The user and group permission cases run as when the tests run as root.
const uid_t kNobodyId = 65534;

inline std::vector<std::string> as_nobody_argv(const std::vector<std::string>& argv) {
  if (geteuid() != 0) return argv;
  std::vector<std::string> full = {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "--"};
  full.insert(full.end(), argv.begin(), argv.end());
  return full;
}

// Why a program cannot be run unprivileged here, or "" when it can.
inline std::string nobody_unavailable() {
  RunResult r = run(as_nobody_argv({"/bin/sh", "-c", "test \"$(id -u)\" != 0"}));
  if (r.status != 0) return "cannot run a program as an unprivileged user (setpriv failed: " + r.out + ")";
  return "";
}

inline RunResult run_as_nobody(const std::vector<std::string>& argv) { return run(as_nobody_argv(argv)); }

}  // namespace testutil
