#include "linux/linux-service.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "config.h"
#include "file-op.h"
#include "linux/start_signals.h"
#include "log.h"
#include "unique-fd.h"
#include "unique-file.h"

namespace {

// What the service's time-out is set to; nothing reads it (the stop below
// uses fixed waits).
constexpr int kDefaultTimeoutMs = 10000;

// A client gets this many one-second probes to exit after SIGTERM before it
// is killed: about five seconds in all.
constexpr int kStopProbes = 5;
constexpr int kProbeIntervalMs = 1000;
// An exited client stays until its parent reaps it, and answers signal 0
// meanwhile. It gets this many looks, this far apart (about two seconds in
// all), to be gone before the start script runs.
constexpr int kReapProbes = 200;
constexpr useconds_t kReapProbeMicros = 10000;

// Room an upgrade needs on the home's file system besides the bytes the
// package declares for its copy: the file system's own blocks for the new
// folders and extents, the attempt record, the log, and what the client,
// left running while the launcher decides, writes meanwhile.
constexpr uint64_t kRoomMarginBytes = uint64_t{16} << 20;
constexpr uint64_t kMiB = uint64_t{1} << 20;

constexpr char kClientRelPath[] = "/bin/nimbora-backup-ui";
constexpr char kStartScriptRelPath[] = "/package/start-stop";
constexpr char kStartScriptArgument[] = "start";

std::string ReadLink(const std::string& path) {
  std::vector<char> buf(PATH_MAX + 1);
  ssize_t n = readlink(path.c_str(), buf.data(), buf.size() - 1);
  return n > 0 ? std::string(buf.data(), static_cast<size_t>(n)) : std::string();
}

std::string RealPath(const std::string& path) {
  ustring real;
  return FSRealPath(path, real) == 0 ? std::string(real.c_str()) : std::string();
}

// The arguments of a process, split at their NUL bytes.
std::vector<std::string> ReadCmdline(pid_t pid) {
  std::vector<std::string> args;
  UniqueFile f(fopen(("/proc/" + std::to_string(pid) + "/cmdline").c_str(), "re"));
  if (!f) return args;
  std::string cur;
  for (int c; (c = fgetc(f.get())) != EOF;) {
    if (c == '\0') {
      args.push_back(cur);
      cur.clear();
    } else {
      cur += static_cast<char>(c);
    }
  }
  if (!cur.empty()) args.push_back(cur);
  return args;
}

// The longest "#!" line looked at; the kernel itself reads no more than this
// of a script (BINPRM_BUF_SIZE).
constexpr size_t kShebangMax = 256;

// The text after "#!" on the first line of the regular file `script`; ""
// when it starts with no "#!".
std::string ShebangLine(const std::string& script) {
  UniqueFd fd(open(script.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (!fd) return std::string();
  char buf[kShebangMax];
  struct stat st;
  const ssize_t n = fstat(fd.get(), &st) == 0 && S_ISREG(st.st_mode) ? read(fd.get(), buf, sizeof buf) : -1;
  if (n < 2 || buf[0] != '#' || buf[1] != '!') return std::string();
  const std::string line(buf + 2, static_cast<size_t>(n) - 2);
  return line.substr(0, line.find('\n'));
}

// The interpreter that a "#!" line at the start of the regular file `script`
// names, with its real path; "" when the file is none. "#!/usr/bin/env NAME"
// names NAME as found on PATH.
std::string InterpreterOf(const std::string& script) {
  const std::string line = ShebangLine(script);
  std::vector<std::string> words;
  for (size_t p = line.find_first_not_of(" \t"); p != std::string::npos;
       p = line.find_first_not_of(" \t", p)) {
    const size_t e = line.find_first_of(" \t", p);
    words.push_back(line.substr(p, e == std::string::npos ? std::string::npos : e - p));
    p = e;
  }
  if (words.empty()) return std::string();
  std::string interpreter = RealPath(words[0]);
  if (interpreter.size() < 4 || interpreter.compare(interpreter.size() - 4, 4, "/env") != 0)
    return interpreter;
  for (size_t i = 1; i < words.size(); ++i) {
    if (words[i][0] == '-') continue;
    if (words[i].find('/') != std::string::npos) return RealPath(words[i]);
    const char* path = getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    for (size_t p = 0; p <= dirs.size();) {
      size_t e = dirs.find(':', p);
      if (e == std::string::npos) e = dirs.size();
      const std::string found = dirs.substr(p, e - p) + "/" + words[i];
      if (access(found.c_str(), X_OK) == 0) return RealPath(found);
      p = e + 1;
    }
    return std::string();
  }
  return std::string();
}

// Whether pid runs the copy's client executable `client`: its own program,
// or, for a client script, its interpreter with the script as the first
// argument that is no option. A pid file may be stale and its number taken
// since by any program of the user, also one that merely names a file of the
// copy (find, tail, less); those are never the client.
bool IsClientProcess(pid_t pid, const ustring& client) {
  const std::string real = RealPath(client.c_str());
  struct stat st;
  if (real.empty() || stat(real.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  const std::string proc = "/proc/" + std::to_string(pid);
  const std::string exe = ReadLink(proc + "/exe");
  // The client of a copy replaced under it reads as "<path> (deleted)".
  if (exe == real || exe == real + " (deleted)") return true;

  const std::string interpreter = InterpreterOf(real);
  if (interpreter.empty() || exe != interpreter) return false;
  const std::vector<std::string> args = ReadCmdline(pid);
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.empty() || arg[0] == '-') continue;  // interpreter options
    const std::string script = arg[0] == '/' ? arg : ReadLink(proc + "/cwd") + "/" + arg;
    return RealPath(script) == real;
  }
  return false;
}

// The process to stop. Where the kernel offers process file descriptors, one
// is held from the identity check to the last signal, so that every signal
// reaches the process that was checked even if its number is reused.
class ClientProcess {
 public:
  explicit ClientProcess(pid_t pid) : pid_(pid) {
#ifdef SYS_pidfd_open
    pidfd_.reset(static_cast<int>(syscall(SYS_pidfd_open, pid, 0)));
    gone_ = !pidfd_ && errno == ESRCH;
#endif
  }
  ClientProcess(const ClientProcess&) = delete;
  ClientProcess& operator=(const ClientProcess&) = delete;

  // The process had already gone when it was looked up.
  bool Gone() const { return gone_; }

  // 0, or -1 with errno set (ESRCH: no such process).
  int Signal(int sig) const {
#ifdef SYS_pidfd_send_signal
    if (pidfd_) return static_cast<int>(syscall(SYS_pidfd_send_signal, pidfd_.get(), sig, nullptr, 0));
#endif
    return kill(pid_, sig);
  }

  // The probe: true once the process has exited.
  bool Exited() const {
    if (pidfd_) {
      // Readable once the process has exited, also while it is not yet reaped.
      struct pollfd p = {pidfd_.get(), POLLIN, 0};
      return poll(&p, 1, 0) > 0;
    }
    return kill(pid_, 0) != 0 && errno == ESRCH;
  }

  // Waits, within a bound, until the exited process has been reaped: a start
  // script that looks for a running client (kill -0 on the pid file) would
  // take the unreaped one for it and start none.
  void WaitUntilReaped() const {
    for (int probe = 0; probe < kReapProbes && Signal(0) == 0; ++probe) usleep(kReapProbeMicros);
  }

  // Waits one probe interval, returning early when the process exits.
  void Wait() const {
    if (pidfd_) {
      struct pollfd p = {pidfd_.get(), POLLIN, 0};
      poll(&p, 1, kProbeIntervalMs);
      return;
    }
    sleep(kProbeIntervalMs / 1000);
  }

 private:
  pid_t pid_;
  UniqueFd pidfd_;
  bool gone_ = false;
};

// A pid that can be a client's: 0 and -1 would address the launcher's process
// group or every process of the user, 1 is init, and the launcher is never
// its own client.
bool ParseClientPid(const ustring& value, pid_t& pid) {
  errno = 0;
  long n = strtol(value.c_str(), nullptr, 10);
  if (errno != 0 || n <= 1 || n > INT_MAX || n == getpid()) return false;
  pid = static_cast<pid_t>(n);
  return true;
}

struct SpawnAttr {
  posix_spawnattr_t attr;
  SpawnAttr() { posix_spawnattr_init(&attr); }
  ~SpawnAttr() { posix_spawnattr_destroy(&attr); }
  SpawnAttr(const SpawnAttr&) = delete;
  SpawnAttr& operator=(const SpawnAttr&) = delete;
};

// Runs `program` with the one argument `arg` and waits until it ends. The
// child shares the launcher's standard output and error and environment
// (each "NAME=value" of `overrides` replacing the variable of that name),
// starts with no signal blocked and every signal at its default but those
// ignored when the launcher was started (StartSignals), and is
// started without copying the launcher's address space, which a fork of a
// Qt process with its libraries and fonts mapped makes the slowest part of
// starting a short script. The result reads as QProcess::execute's: the
// exit status, -1 when the program was ended by a signal, -2 when it could
// not be started.
int RunAndWait(const ustring& program, const char* arg, std::vector<std::string> overrides) {
  SpawnAttr spawn;
  sigset_t none;
  sigemptyset(&none);
  const sigset_t defaults = StartSignals::Defaults();
  posix_spawnattr_setsigmask(&spawn.attr, &none);
  posix_spawnattr_setsigdefault(&spawn.attr, &defaults);
  posix_spawnattr_setflags(&spawn.attr, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

  std::string path = program.c_str();
  std::string argument = arg;
  char* argv[] = {&path[0], &argument[0], nullptr};
  std::vector<char*> envp;
  for (char** e = environ; *e; ++e) {
    const std::string entry = *e;
    const std::string name = entry.substr(0, entry.find('=') + 1);
    bool replaced = false;
    for (const auto& o : overrides)
      replaced = replaced || (!name.empty() && o.compare(0, name.size(), name) == 0);
    if (!replaced) envp.push_back(*e);
  }
  for (auto& o : overrides) envp.push_back(&o[0]);
  envp.push_back(nullptr);
  pid_t pid = -1;
  if (posix_spawn(&pid, path.c_str(), nullptr, &spawn.attr, argv, envp.data()) != 0) return -2;

  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Bytes the user may write on the file system of `dir`, or of its nearest
// folder that exists (the per-user folder may be missing on a first
// install): false when none can be looked at.
bool FreeBytesNear(std::string dir, uint64_t& free_bytes) {
  struct statvfs vfs;
  while (statvfs(dir.c_str(), &vfs) != 0) {
    const size_t slash = dir.find_last_of('/');
    if (errno != ENOENT || slash == std::string::npos || slash == 0) return false;
    dir.erase(slash);
  }
  // Root may write into the blocks kept back from other users.
  const uint64_t blocks = geteuid() == 0 ? vfs.f_bfree : vfs.f_bavail;
  free_bytes = blocks * vfs.f_frsize;
  return true;
}

}  // namespace

LinuxService::LinuxService() {
  timeout = kDefaultTimeoutMs;
  per_user_install_path = Service::GetUserNimboraAppInstallPath();
}

LinuxService::~LinuxService() {}

LinuxService& LinuxService::GetInstace() {
  static LinuxService instance;
  return instance;
}

// Versions and the decision -------------------------------------------------

void LinuxService::LoadTargetVerInfo() { Service::LoadTargetVersion(); }

void LinuxService::LoadSourceVerInfo() { Service::LoadSourceVersion(); }

void LinuxService::PreUpgrade() {
  LoadTargetVerInfo();
  LoadSourceVerInfo();
  LOG_MSG(L_DEBUG, "service_debug", "[DEBUG] linux/linux-service(%d): Source version: ('%s', '%s')\n",
          source_version.build_version.c_str(), source_version.icon_overlay_version.c_str());
  LOG_MSG(L_DEBUG, "service_debug", "[DEBUG] linux/linux-service(%d): Target version: ('%s', '%s')\n",
          target_version.build_version.c_str(), target_version.icon_overlay_version.c_str());
}

bool LinuxService::IsNeedUpgrade() {
  const int source = source_version.build_version.empty() ? 0 : atoi(source_version.build_version.c_str());
  const int target = target_version.build_version.empty() ? 0 : atoi(target_version.build_version.c_str());
  LOG_MSG(L_DEBUG, "service_debug",
          "[DEBUG] linux/linux-service(%d): source version = %d, target version = %d\n", source, target);
  const bool need = target > source || !PerUserBinPathExist();
  if (need && upgrade_forbidden) {
    LOG_MSG(L_ERR, "service_debug",
            "[ERROR] linux/linux-service(%d): upgrade needed but not made: no single-instance lock\n");
    return false;
  }
  if (upgrade_forbidden) return false;
  UpgradeAttempt attempt(GetUserUpgradeRecordPath());
  if (!need) {
    // The copy is current: an attempt that was killed after its commit is
    // finished after all.
    attempt.Clear();
    return false;
  }
  return !HoldsBack(attempt) && HasRoomForNewCopy();
}

// Before the client is stopped: a home without room for the new copy would
// only fail the upgrade after stopping the client and moving its copy
// aside, at every launch, also where no record of the failure can be
// written. The copy in place is started instead. A package that declares
// no size is tried.
bool LinuxService::HasRoomForNewCopy() {
  const uint64_t size = DeclaredUnpackedSize();
  uint64_t free_bytes = 0;
  if (size == 0 || !FreeBytesNear(GetUserNimboraInstallPath().c_str(), free_bytes)) return true;
  const uint64_t needed = size + kRoomMarginBytes;
  if (free_bytes >= needed) return true;
  PutNewestCompleteCopyInPlace();
  LOG_MSG(L_WARNING, "service_debug",
          "[WARNING] linux/linux-service(%d): no room for build %s of the package in '%s': %llu MiB free, "
          "%llu MiB needed (%llu MiB for the copy and %llu MiB to spare); starting the copy in place\n",
          target_version.build_version.c_str(), GetUserNimboraInstallPath().c_str(),
          static_cast<unsigned long long>(free_bytes / kMiB), static_cast<unsigned long long>(needed / kMiB),
          static_cast<unsigned long long>(size / kMiB),
          static_cast<unsigned long long>(kRoomMarginBytes / kMiB));
  return false;
}

// A held-back launch: the copy the user has is put in place (also when the
// last attempt died before its rollback) and started; the client is not
// stopped, the dialog not shown, the package not read.
bool LinuxService::HoldsBack(const UpgradeAttempt& attempt) {
  std::string why;
  const int64_t now = time(nullptr);
  if (attempt.MayTry(TargetPackage(), now, UpgradeAttempt::FreeBytes(GetUserNimboraInstallPath()), why))
    return false;
  PutNewestCompleteCopyInPlace();
  LOG_MSG(L_WARNING, "service_debug",
          "[WARNING] linux/linux-service(%d): build %s of the package is held back: %s; starting the copy in "
          "place\n",
          target_version.build_version.c_str(), why.c_str());
  return true;
}

bool LinuxService::PerUserBinPathExist() {
  const ustring bin = per_user_install_path + kClientRelPath;
  return access(bin.c_str(), F_OK) == 0;
}

// Stopping and starting the client ------------------------------------------

void LinuxService::StopService() {
  const ustring pid_path = GetUserNimboraInstallPath() + "/ui.pid";
  if (!IsFileExist(pid_path, false)) {
    LOG_MSG(L_DEBUG, "service_debug",
            "[DEBUG] linux/linux-service(%d): pid file '%s' does not exist, no need to terminate\n",
            pid_path.c_str());
    return;
  }
  Config pid_file;
  std::string why;
  if (pid_file.read(pid_path, &why) < 0) {
    if (!why.empty())
      LOG_MSG(L_WARNING, "service_debug", "[WARNING] linux/linux-service(%d): %s, ignored\n", why.c_str());
    LOG_MSG(L_NOTICE, "service_debug",
            "[NOTE] linux/linux-service(%d): Failed to read pid file '%s', not exist ?\n", pid_path.c_str());
    return;
  }
  const ustring value = pid_file["pid"];
  if (value.empty()) return;

  pid_t pid = 0;
  if (!ParseClientPid(value, pid)) {
    LOG_MSG(
        L_NOTICE, "service_debug",
        "[NOTE] linux/linux-service(%d): pid file '%s' holds no client process id ('%s'), nothing stopped\n",
        pid_path.c_str(), value.c_str());
    return;
  }
  ClientProcess client(pid);
  if (client.Gone()) return;
  if (!IsClientProcess(pid, per_user_install_path + kClientRelPath)) {
    LOG_MSG(L_NOTICE, "service_debug",
            "[NOTE] linux/linux-service(%d): process %d is not the client of '%s', nothing stopped\n",
            static_cast<int>(pid), GetUserNimboraInstallPath().c_str());
    return;
  }

  if (client.Signal(SIGTERM) != 0) {
    if (errno == ESRCH) return;
    LOG_MSG(L_ERR, "service_debug", "[ERROR] linux/linux-service(%d): kill: %s (%d)\n", strerror(errno),
            errno);
  }
  for (int probe = 0; probe < kStopProbes && !client.Exited(); ++probe) client.Wait();
  if (!client.Exited()) client.Signal(SIGKILL);
  client.WaitUntilReaped();
}

// The attempt is on record before the client is stopped: a launcher that
// dies from here on leaves the record for the next launch to judge.
int LinuxService::HandlePackageUpgrade() {
  UpgradeAttempt attempt(GetUserUpgradeRecordPath());
  const PackageIdentity package = TargetPackage();
  const uint64_t free_at_start = UpgradeAttempt::FreeBytes(GetUserNimboraInstallPath());
  attempt.Begin(package, time(nullptr));
  if (PerUserBinPathExist()) {
    LOG_MSG(L_DEBUG, "service_debug", "[DEBUG] linux/linux-service(%d): local appdata exist\n");
    StopService();
  }
  const int rc = PrepareUserEnv();
  if (rc == 0) {
    attempt.Clear();
  } else {
    attempt.Fail(package, last_failure, time(nullptr), free_at_start);
  }
  return rc;
}

void LinuxService::PostUpgrade() { LaunchPerUserBin(); }

int LinuxService::LaunchPerUserBin() {
  // Program and argument apart, so that a home folder with a blank works.
  const ustring script = per_user_install_path + kStartScriptRelPath;
  if (!IsFileExist(script, false)) {
    LOG_MSG(L_ERR, "service_debug", "[ERROR] linux/linux-service(%d): start script '%s' does not exist\n",
            script.c_str());
    return 0;
  }
  if (access(script.c_str(), X_OK) != 0) {
    LOG_MSG(L_ERR, "service_debug",
            "[ERROR] linux/linux-service(%d): start script '%s' is not executable: %s\n", script.c_str(),
            strerror(errno));
    return 0;
  }
  // Without HOME the launcher took the home from the password database; the
  // client must work in that same tree (its pid file there, or the next
  // upgrade cannot stop it).
  std::vector<std::string> overrides;
  const char* home = getenv("HOME");
  if (!home || !*home) overrides.push_back(std::string("HOME=") + GetUserInstallPath().c_str());
  const int rc = RunAndWait(script, kStartScriptArgument, overrides);
  if (rc == -2) {
    LOG_MSG(L_ERR, "service_debug",
            "[ERROR] linux/linux-service(%d): start script '%s' could not be started\n", script.c_str());
  } else if (rc == -1) {
    LOG_MSG(L_ERR, "service_debug", "[ERROR] linux/linux-service(%d): start script '%s' crashed\n",
            script.c_str());
  } else if (rc != 0) {
    LOG_MSG(L_ERR, "service_debug",
            "[ERROR] linux/linux-service(%d): start script '%s' exited with status %d\n", script.c_str(), rc);
  }
  return 0;
}
