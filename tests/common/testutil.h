// Helpers shared by the test suites: temporary folders, whole-file I/O and
// running a child program. Everything here is plain POSIX so that it works
// for the foundation tests (no Qt) as well as for the launcher tests.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

// How many times slower than a plain build the code under test runs in this
// build: sanitizers instrument every access and allocation (compiled in by
// tests/CMakeLists.txt from SANITIZE).
#ifndef NIMBORA_BUILD_TIME_FACTOR
#define NIMBORA_BUILD_TIME_FACTOR 1
#endif

namespace testutil {

// A bound on a wait only catches a hang: it must lie far beyond what a
// correct run takes, however slow the build and however busy the machine.
// Bounds are written for a plain build on a quiet machine and scaled by the
// build's factor times NIMBORA_TEST_TIME_FACTOR (tools/run-tests sets it per
// stage; raise it on a loaded or slow machine).
inline double time_factor() {
  static const double factor = [] {
    const char* s = getenv("NIMBORA_TEST_TIME_FACTOR");
    const double machine = s && *s ? atof(s) : 1.0;
    return NIMBORA_BUILD_TIME_FACTOR * (machine >= 1.0 ? machine : 1.0);
  }();
  return factor;
}

// A wait bound of quiet_millis on a quiet machine, scaled for this run.
inline int hang_bound_millis(int quiet_millis) {
  const double scaled = quiet_millis * time_factor();
  return scaled < 2e9 ? static_cast<int>(scaled) : 2000000000;
}
inline int hang_bound_seconds(int quiet_seconds) {
  return (hang_bound_millis(quiet_seconds * 1000) + 999) / 1000;
}

inline long long now_millis() {
  struct timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<long long>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

// How many times what stands in text, not overlapping.
inline int count_of(const std::string& text, const std::string& what) {
  int n = 0;
  for (size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + what.size())) ++n;
  return n;
}

namespace fs = std::filesystem;

// Removes a whole tree without following symbolic links; folders the test
// made read-only are given back to their owner first, so nothing stays.
inline void remove_tree(const std::string& path) {
  std::error_code ec;
  if (fs::symlink_status(path, ec).type() == fs::file_type::directory) {
    fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ec);
    const auto options = fs::directory_options::skip_permission_denied;
    for (auto it = fs::recursive_directory_iterator(path, options, ec); !ec && it != fs::end(it);
         it.increment(ec)) {
      if (it->symlink_status(ec).type() == fs::file_type::directory)
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
  }
  fs::remove_all(path, ec);
}

// A fresh folder below $TMPDIR (or /tmp) that is removed with its contents.
class TempDir {
 public:
  // base, when given, is the folder to make it in.
  explicit TempDir(std::string base = "") {
    const char* t = getenv("TMPDIR");
    if (base.empty()) base = t && *t ? t : "/tmp";
    std::string tmpl = base + "/nimbora-test-XXXXXX";
    if (!mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp: " + std::string(strerror(errno)));
    path_ = tmpl;
  }
  ~TempDir() { remove_tree(path_); }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  std::string operator/(const std::string& rel) const { return path_ + "/" + rel; }

 private:
  std::string path_;
};

inline void write_file(const std::string& path, const std::string& content, mode_t mode = 0644) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw std::runtime_error("cannot write " + path);
  out << content;
  out.close();
  chmod(path.c_str(), mode);
}

inline std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

inline bool exists(const std::string& path) {
  struct stat st;
  return lstat(path.c_str(), &st) == 0;
}

inline bool is_dir(const std::string& path) {
  struct stat st;
  return lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// mkdir -p
inline void make_dirs(const std::string& path) {
  std::error_code ec;
  fs::create_directories(path, ec);
}

// Applies "NAME=value" and "-NAME" (unset) entries to the environment.
inline void apply_env(const std::vector<std::string>& env) {
  for (const auto& e : env) {
    if (!e.empty() && e[0] == '-') {
      unsetenv(e.c_str() + 1);
      continue;
    }
    auto eq = e.find('=');
    if (eq != std::string::npos) setenv(e.substr(0, eq).c_str(), e.substr(eq + 1).c_str(), 1);
  }
}

// One variable set for a scope, and the processes started in it; unset
// at its end (empty: nothing set).
class ScopedEnv {
 public:
  ScopedEnv(std::string name, const std::string& value) : name_(std::move(name)) {
    if (!value.empty()) setenv(name_.c_str(), value.c_str(), 1);
  }
  ~ScopedEnv() { unsetenv(name_.c_str()); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::string name_;
};

struct RunResult {
  int status = -1;  // exit status, or 128 + signal number
  std::string out;  // standard output and standard error, interleaved
};

// Runs argv with extra environment entries ("NAME=value"; "NAME=" with an
// empty value unsets nothing, use "-NAME" to unset) and only its standard
// streams open, and collects its output.
inline RunResult run(const std::vector<std::string>& argv, const std::vector<std::string>& env = {},
                     const std::string& cwd = "") {
  int fds[2];
  if (pipe(fds) != 0) throw std::runtime_error("pipe");
  pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork");
  if (pid == 0) {
    dup2(fds[1], 1);
    dup2(fds[1], 2);
    // Nothing of the test runner's reaches the program but the three
    // streams, so that what the program hands on is its own.
    close_range(3, ~0U, 0);
    apply_env(env);
    if (!cwd.empty() && chdir(cwd.c_str()) != 0) _exit(126);
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
  }
  close(fds[1]);
  RunResult r;
  char buf[4096];
  ssize_t n;
  while ((n = read(fds[0], buf, sizeof buf)) > 0 || (n < 0 && errno == EINTR)) {
    if (n > 0) r.out.append(buf, static_cast<size_t>(n));
  }
  close(fds[0]);
  int st = 0;
  while (waitpid(pid, &st, 0) < 0 && errno == EINTR) {
  }
  r.status = WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st);
  return r;
}

// Runs a shell snippet with /bin/sh -c.
inline RunResult sh(const std::string& script, const std::vector<std::string>& env = {}) {
  return run({"/bin/sh", "-c", script}, env);
}

// Where the source tree, the build and the installed test tree are
// (compiled in by tests/CMakeLists.txt).
inline std::string source_dir() { return NIMBORA_SOURCE_DIR; }
inline std::string build_dir() { return NIMBORA_BUILD_DIR; }
inline std::string installed_root() { return NIMBORA_TEST_ROOT; }

}  // namespace testutil
