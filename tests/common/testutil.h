// Helpers shared by the test suites: temporary folders, whole-file I/O and
// running a child program. Everything here is plain POSIX so that it works
// for the foundation tests (no Qt) as well as for the launcher tests.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
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

// Defined in a program linked with a sanitizer's runtime.
extern "C" void __asan_init() __attribute__((weak));
extern "C" void __tsan_init() __attribute__((weak));

namespace testutil {

// How many times slower than a plain build the code under test runs in this
// build: sanitizers instrument every access and allocation. Read from the
// runtime the program is linked with, so that a suite's code compiles alike
// in every build.
inline double build_time_factor() {
  if (&__tsan_init) return 8;
  if (&__asan_init) return 4;
  return 1;
}

// A bound on a wait only catches a hang: it must lie far beyond what a
// correct run takes, however slow the build and however busy the machine.
// Bounds are written for a plain build on a quiet machine and scaled by the
// build's factor times NIMBORA_TEST_TIME_FACTOR (tools/run-tests sets it per
// stage; raise it on a loaded or slow machine).
inline double time_factor() {
  static const double factor = [] {
    const char* s = getenv("NIMBORA_TEST_TIME_FACTOR");
    const double machine = s && *s ? atof(s) : 1.0;
    return build_time_factor() * (machine >= 1.0 ? machine : 1.0);
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

// This process's environment with "NAME=value" and "-NAME" entries applied.
// Programs get a session bus address, as in a desktop session, unless the
// suite's own environment has one: without it, Qt's D-Bus client in a
// launcher given a display forks a helper to start a bus, and that fork of
// an instrumented process with threads can hang in the sanitizer's allocator.
inline std::vector<std::string> environment_with(const std::vector<std::string>& env) {
  std::vector<std::string> out;
  if (!getenv("DBUS_SESSION_BUS_ADDRESS"))
    out.emplace_back("DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent/nimbora-test-session-bus");
  for (char** e = environ; *e; ++e) out.emplace_back(*e);
  const auto drop = [&out](const std::string& name) {
    out.erase(
        std::remove_if(out.begin(), out.end(),
                       [&](const std::string& v) { return v.compare(0, name.size() + 1, name + "=") == 0; }),
        out.end());
  };
  for (const auto& e : env) {
    if (!e.empty() && e[0] == '-') {
      drop(e.substr(1));
    } else if (e.find('=') != std::string::npos) {
      drop(e.substr(0, e.find('=')));
      out.push_back(e);
    }
  }
  return out;
}

// The program execvp would run for NAME, searched in the PATH of ENVIRONMENT.
inline std::string program_path(const std::string& name, const std::vector<std::string>& environment) {
  if (name.find('/') != std::string::npos) return name;
  std::string path = "/bin:/usr/bin";
  for (const auto& v : environment)
    if (v.compare(0, 5, "PATH=") == 0) path = v.substr(5);
  for (size_t start = 0; start <= path.size();) {
    const size_t end = std::min(path.find(':', start), path.size());
    const std::string candidate = (end > start ? path.substr(start, end - start) : ".") + "/" + name;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
    start = end + 1;
  }
  return name;
}

inline std::vector<char*> c_strings(const std::vector<std::string>& v) {
  std::vector<char*> out;
  for (const auto& s : v) out.push_back(const_cast<char*>(s.c_str()));
  out.push_back(nullptr);
  return out;
}

// Starts argv with ENV applied to this process's environment, after the
// file ACTIONS; -1 when it could not be started. Spawned rather than forked:
// a sanitized test program's fork copies its whole shadow memory's mappings.
inline pid_t spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                   const posix_spawn_file_actions_t& actions) {
  const std::vector<std::string> environment = environment_with(env);
  std::vector<char*> args = c_strings(argv), envp = c_strings(environment);
  // glibc 2.36's spawn leaves its own two signals below SIGRTMIN ignored in
  // the program; they are reset, so that the program starts with exactly
  // the dispositions a fork and exec would give it. sigaddset refuses those
  // two, so their bits are set directly.
  posix_spawnattr_t attr;
  posix_spawnattr_init(&attr);
  sigset_t own;
  sigemptyset(&own);
  constexpr int kBits = 8 * sizeof own.__val[0];
  for (int sig = SIGSYS + 1; sig < SIGRTMIN; ++sig)
    own.__val[(sig - 1) / kBits] |= 1UL << ((sig - 1) % kBits);
  posix_spawnattr_setsigdefault(&attr, &own);
  posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGDEF);
  pid_t pid = -1;
  const int rc = posix_spawn(&pid, program_path(argv[0], environment).c_str(), &actions, &attr, args.data(),
                             envp.data());
  posix_spawnattr_destroy(&attr);
  return rc == 0 ? pid : -1;
}

// Runs argv with extra environment entries ("NAME=value"; "NAME=" with an
// empty value unsets nothing, use "-NAME" to unset) and only its standard
// streams open, and collects its output.
inline RunResult run(const std::vector<std::string>& argv, const std::vector<std::string>& env = {},
                     const std::string& cwd = "") {
  int fds[2];
  if (pipe(fds) != 0) throw std::runtime_error("pipe");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
  posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
  // Nothing of the test runner's reaches the program but the three
  // streams, so that what the program hands on is its own.
  posix_spawn_file_actions_addclosefrom_np(&actions, 3);
  if (!cwd.empty()) posix_spawn_file_actions_addchdir_np(&actions, cwd.c_str());
  const pid_t pid = spawn(argv, env, actions);
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  RunResult r;
  if (pid < 0) {
    close(fds[0]);
    r.status = 127;
    return r;
  }
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

// Where the source tree is (compiled in by tests/CMakeLists.txt).
inline std::string source_dir() { return NIMBORA_SOURCE_DIR; }
// The build is found from the suite's program (BUILD/tests/SUITE/PROGRAM),
// so that a suite's code compiles alike in every build folder.
inline std::string build_dir() {
  static const std::string dir = [] {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().parent_path().parent_path().string();
  }();
  return dir;
}
inline std::string installed_root() { return build_dir() + "/test-root"; }
// A file of the build, by its path relative to the build folder.
inline std::string in_build(const std::string& relative) { return build_dir() + "/" + relative; }

}  // namespace testutil
