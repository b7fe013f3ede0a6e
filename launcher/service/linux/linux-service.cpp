#include "linux/linux-service.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "config.h"
#include "copy_move.h"
#include "file-op.h"
#include "job_guard.h"
#include "linux/client_identity.h"
#include "linux/start_signals.h"
#include "log.h"
#include "shortened_bound.h"
#include "unique-fd.h"

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

// After an upgrade the previous copy is kept until the new client shows that
// it runs: its pid file written after the commit, naming a process of the
// new copy's client that still runs this long after it wrote the file (a
// client that crashes as it starts, a library missing on this machine, is
// gone by then). Every launch that installed waits this long at least.
constexpr int64_t kClientSettledNanos = 500000000;
// How long a launch that installed looks for that sign after the start
// script returned: a client normally writes its pid file within a second or
// two of its start; one slower than this is judged at the next launch.
// NIMBORA_CLIENT_LOOK_MS may shorten it (tests of clients that never start).
constexpr std::chrono::milliseconds kSignLook{5000};
constexpr useconds_t kSignLookIntervalMicros = 100000;
constexpr int64_t kNanosPerSecond = 1000000000;
// Room an upgrade needs on the home's file system besides the bytes the
// package declares for its copy: the file system's own blocks for the new
// folders and extents, the attempt record, the log, and what the client,
// left running while the launcher decides, writes meanwhile.
constexpr uint64_t kRoomMarginBytes = uint64_t{16} << 20;
constexpr uint64_t kMiB = uint64_t{1} << 20;

constexpr char kPidFileName[] = "/ui.pid";
constexpr char kStartScriptArgument[] = "start";
constexpr char kHomePrefix[] = "HOME=";

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

  // The probe: true once the process has exited, waiting up to `millis`
  // for it (without a pidfd, the whole wait before the probe).
  bool Exited(int millis) const {
    if (pidfd_) {
      // Readable once the process has exited, also while it is not yet reaped.
      struct pollfd p = {pidfd_.get(), POLLIN, 0};
      return poll(&p, 1, millis) > 0;
    }
    usleep(static_cast<useconds_t>(millis) * 1000);
    return kill(pid_, 0) != 0 && errno == ESRCH;
  }

  // Waits, within a bound, until the exited process has been reaped: a start
  // script that looks for a running client (kill -0 on the pid file) would
  // take the unreaped one for it and start none.
  void WaitUntilReaped() const {
    for (int probe = 0; probe < kReapProbes && Signal(0) == 0; ++probe) usleep(kReapProbeMicros);
  }

 private:
  pid_t pid_;
  UniqueFd pidfd_;
  bool gone_ = false;
};

int64_t WallClockNanos() {
  struct timespec ts;
  clock_gettime(CLOCK_REALTIME, &ts);
  return static_cast<int64_t>(ts.tv_sec) * kNanosPerSecond + ts.tv_nsec;
}

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

// The child keeps only standard input, output and error. A descriptor that
// a library of the launcher holds open without close-on-exec (libdbus's pipe
// to the bus it is starting, which the xcb plug-in asks for on the main
// thread while the start script starts) would otherwise stay open in the
// client for as long as it runs, and the launcher, waiting for that pipe's
// end, would never exit.
struct SpawnActions {
  posix_spawn_file_actions_t actions;
  SpawnActions() {
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
  }
  ~SpawnActions() { posix_spawn_file_actions_destroy(&actions); }
  SpawnActions(const SpawnActions&) = delete;
  SpawnActions& operator=(const SpawnActions&) = delete;
};

// Runs `program` with the one argument `arg` and waits until it ends. The
// child shares the launcher's standard output and error and environment
// (but for HOME, replaced by `home`, a "HOME=..." entry, unless it is ""),
// starts with no signal blocked and every signal at its default but those
// ignored when the launcher was started (StartSignals), and is
// started without copying the launcher's address space, which a fork of a
// Qt process with its libraries and fonts mapped makes the slowest part of
// starting a short script. The result reads as QProcess::execute's: the
// exit status, -1 when the program was ended by a signal, -2 when it could
// not be started.
int RunAndWait(const ustring& program, const char* arg, std::string home) {
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
  for (char** e = environ; *e; ++e)
    if (home.empty() || strncmp(*e, kHomePrefix, sizeof kHomePrefix - 1) != 0) envp.push_back(*e);
  if (!home.empty()) envp.push_back(&home[0]);
  envp.push_back(nullptr);
  SpawnActions actions;
  pid_t pid = -1;
  if (posix_spawn(&pid, path.c_str(), &actions.actions, &spawn.attr, argv, envp.data()) != 0) return -2;

  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

LinuxService::LinuxService() : stop_wait_ms(kStopProbes * kProbeIntervalMs) {
  timeout = kDefaultTimeoutMs;
  per_user_install_path = Service::GetUserNimboraAppInstallPath();
}

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
  const int source = atoi(source_version.build_version.c_str());
  const int target = TargetBuild();
  LOG_MSG(L_DEBUG, "service_debug",
          "[DEBUG] linux/linux-service(%d): source version = %d, target version = %d\n", source, target);
  const bool need = target > source || !PerUserBinPathExist();
  if (upgrade_forbidden) {
    if (need)
      LOG_MSG(L_ERR, "service_debug",
              "[ERROR] linux/linux-service(%d): upgrade needed but not made: no single-instance lock\n");
    return false;
  }
  UpgradeAttempt attempt(GetUserUpgradeRecordPath());
  if (!need) {
    SettleCurrentCopy(attempt);
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
  const std::optional<uint64_t> free_bytes = UpgradeAttempt::FreeBytes(GetUserNimboraInstallPath());
  if (size == 0 || !free_bytes) return true;
  // Where the copy in place cannot be renamed aside, its backup is a copy.
  const uint64_t aside = BytesToCopyAside(per_user_install_path);
  const uint64_t needed = size + aside + kRoomMarginBytes;
  if (*free_bytes >= needed) return true;
  PutNewestCompleteCopyInPlace();
  LOG_MSG(L_WARNING, "service_debug",
          "[WARNING] linux/linux-service(%d): no room for build %s of the package in '%s': %llu MiB free, "
          "%llu MiB needed (%llu MiB for the copy, %llu MiB for copying the copy in place aside and %llu MiB "
          "to spare); starting the copy in place\n",
          target_version.build_version.c_str(), GetUserNimboraInstallPath().c_str(),
          static_cast<unsigned long long>(*free_bytes / kMiB), static_cast<unsigned long long>(needed / kMiB),
          static_cast<unsigned long long>(size / kMiB), static_cast<unsigned long long>(aside / kMiB),
          static_cast<unsigned long long>(kRoomMarginBytes / kMiB));
  return false;
}

// The copy is current. A record for this package says what is still to be
// done: an attempt killed after its commit, or a probation not yet decided,
// leaves the new copy on probation, judged once its client is started; a
// fall back cut short puts the previous copy back. Anything else is over.
void LinuxService::SettleCurrentCopy(UpgradeAttempt& attempt) {
  const std::optional<AttemptRecord> record = attempt.Read();
  const bool committed = record && (record->failure == UpgradeFailure::kUnfinished ||
                                    record->failure == UpgradeFailure::kProbation);
  if (record && record->identity == TargetPackage() && HasPreviousCopy()) {
    if (record->failure == UpgradeFailure::kPackage) {
      LOG_MSG(L_WARNING, "service_debug",
              "[WARNING] linux/linux-service(%d): build %s did not start before; putting the previous copy "
              "back\n",
              target_version.build_version.c_str());
      PutPreviousCopyBack();
      return;
    }
    if (committed) {
      probation_pending = true;
      probation_since = record->time;
      return;
    }
  }
  attempt.Clear();
}

// A held-back launch: the copy the user has is put in place (also when the
// last attempt died before its rollback) and started; the client is not
// stopped, the dialog not shown, the package not read.
bool LinuxService::HoldsBack(const UpgradeAttempt& attempt) {
  std::string why;
  const int64_t now = time(nullptr);
  if (attempt.MayTry(TargetPackage(), now, UpgradeAttempt::FreeBytes(GetUserNimboraInstallPath()).value_or(0),
                     why))
    return false;
  PutNewestCompleteCopyInPlace();
  LOG_MSG(L_WARNING, "service_debug",
          "[WARNING] linux/linux-service(%d): build %s of the package is held back: %s; starting the copy in "
          "place\n",
          target_version.build_version.c_str(), why.c_str());
  return true;
}

bool LinuxService::PerUserBinPathExist() {
  const ustring bin = per_user_install_path + "/" + kClientExecutable;
  return access(bin.c_str(), F_OK) == 0;
}

// Stopping and starting the client ------------------------------------------

void LinuxService::StopService() {
  const ustring pid_path = GetUserNimboraInstallPath() + kPidFileName;
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
  if (!ClientIdentity(per_user_install_path + "/" + kClientExecutable).Runs(pid)) {
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
  bool exited = client.Exited(0);
  for (int waited = 0; waited < stop_wait_ms && !exited; waited += kProbeIntervalMs)
    exited = client.Exited(std::min(kProbeIntervalMs, stop_wait_ms - waited));
  if (!exited) client.Signal(SIGKILL);
  client.WaitUntilReaped();
}

// The attempt is on record before the client is stopped: a launcher that
// dies from here on leaves the record for the next launch to judge.
int LinuxService::HandlePackageUpgrade() {
  UpgradeAttempt attempt(GetUserUpgradeRecordPath());
  const PackageIdentity package = TargetPackage();
  const uint64_t free_at_start = UpgradeAttempt::FreeBytes(GetUserNimboraInstallPath()).value_or(0);
  attempt.Begin(package, time(nullptr));
  if (PerUserBinPathExist()) {
    LOG_MSG(L_DEBUG, "service_debug", "[DEBUG] linux/linux-service(%d): local appdata exist\n");
    StopService();
  }
  keep_previous_copy = true;
  const int rc = PrepareUserEnv();
  const int64_t now = time(nullptr);
  if (rc != 0) {
    attempt.End(package, last_failure, now, free_at_start);
  } else if (previous_copy.empty()) {
    attempt.Clear();
  } else {
    attempt.End(package, UpgradeFailure::kProbation, now, 0);
    probation_pending = true;
    probation_since = now;
  }
  return rc;
}

void LinuxService::PostUpgrade() {
  const int status = LaunchPerUserBin();
  if (probation_pending) JudgeNewCopy(status);
}

// The new copy on probation, after its start script ran: kept once its
// client runs, put back where the script failed or no client of it runs
// when the look ends; a client still starting is judged at the next launch.
void LinuxService::JudgeNewCopy(int start_status) {
  const ClientSign sign = start_status == 0 ? LookForSign() : ClientSign::kNone;
  // A session that ends (a logout, the display gone) takes the client with
  // it: no sign of it then says nothing against the package.
  if (sign == ClientSign::kNone && JobGuard::Cause() != SessionCause::kNone) {
    LOG_MSG(L_INFO, "service_debug",
            "[INFO] linux/linux-service(%d): the session ends; the client of build %s is judged at the next "
            "launch\n",
            target_version.build_version.c_str());
    return;
  }
  if (sign == ClientSign::kStarting) {
    LOG_MSG(L_INFO, "service_debug",
            "[INFO] linux/linux-service(%d): the client of build %s is still starting; the previous copy is "
            "kept until it runs\n",
            target_version.build_version.c_str());
    return;
  }
  UpgradeAttempt attempt(GetUserUpgradeRecordPath());
  if (sign == ClientSign::kRuns) {
    LOG_MSG(L_INFO, "service_debug",
            "[INFO] linux/linux-service(%d): the client of build %s runs, removing the previous copy\n",
            target_version.build_version.c_str());
    attempt.Clear();
    RemovePreviousCopies();
    return;
  }
  // On record first: a launcher that dies while putting the copy back
  // leaves the next launch a held-back package to finish the job with.
  attempt.End(TargetPackage(), UpgradeFailure::kPackage, time(nullptr), 0);
  FallBack(start_status == 0 ? "no client of it runs" : "its start script failed");
}

void LinuxService::FallBack(const char* why) {
  LOG_MSG(
      L_WARNING, "service_debug",
      "[WARNING] linux/linux-service(%d): the new client did not start (%s): build %s is held back and the "
      "previous copy put back\n",
      why, target_version.build_version.c_str());
  StopService();
  if (PutPreviousCopyBack() == 0) LaunchPerUserBin();
}

// Looks until the sign is seen or the bound has passed.
LinuxService::ClientSign LinuxService::LookForSign() const {
  const ClientIdentity client(per_user_install_path + "/" + kClientExecutable);
  const auto end = std::chrono::steady_clock::now() + ShortenedBound("NIMBORA_CLIENT_LOOK_MS", kSignLook);
  for (;;) {
    const ClientSign sign = SignOf(client);
    if (sign == ClientSign::kRuns || std::chrono::steady_clock::now() >= end) return sign;
    usleep(kSignLookIntervalMicros);
  }
}

// The pid file is read quietly: a client may be writing it right now.
LinuxService::ClientSign LinuxService::SignOf(const ClientIdentity& client) const {
  const ustring pid_path = GetUserNimboraInstallPath() + kPidFileName;
  struct stat st;
  Config pid_file;
  pid_t pid = 0;
  if (stat(pid_path.c_str(), &st) == 0 && st.st_mtim.tv_sec >= probation_since &&
      pid_file.read(pid_path) == 0 && ParseClientPid(pid_file["pid"], pid) && client.Runs(pid)) {
    const int64_t written = static_cast<int64_t>(st.st_mtim.tv_sec) * kNanosPerSecond + st.st_mtim.tv_nsec;
    if (WallClockNanos() - written >= kClientSettledNanos) return ClientSign::kRuns;
    return ClientSign::kStarting;
  }
  return client.AnyRuns() ? ClientSign::kStarting : ClientSign::kNone;
}

// The start script's status as RunAndWait gives it (-2 also when the copy
// has none that can be run); every failure is logged.
int LinuxService::LaunchPerUserBin() {
  // Program and argument apart, so that a home folder with a blank works.
  const ustring script = per_user_install_path + "/" + kStartScript;
  if (!IsFileExist(script, false)) {
    LOG_MSG(L_ERR, "service_debug", "[ERROR] linux/linux-service(%d): start script '%s' does not exist\n",
            script.c_str());
    return -2;
  }
  if (access(script.c_str(), X_OK) != 0) {
    LOG_MSG(L_ERR, "service_debug",
            "[ERROR] linux/linux-service(%d): start script '%s' is not executable: %s\n", script.c_str(),
            strerror(errno));
    return -2;
  }
  // Without HOME the launcher took the home from the password database; the
  // client must work in that same tree (its pid file there, or the next
  // upgrade cannot stop it).
  const char* home = getenv("HOME");
  const std::string home_entry = home && *home ? "" : std::string(kHomePrefix) + GetUserInstallPath().c_str();
  const int rc = RunAndWait(script, kStartScriptArgument, home_entry);
  if (rc == 0) return 0;
  if (rc == -2) {
    LOG_MSG(L_ERR, "service_debug",
            "[ERROR] linux/linux-service(%d): start script '%s' could not be started\n", script.c_str());
  } else if (rc == -1) {
    LOG_MSG(L_ERR, "service_debug", "[ERROR] linux/linux-service(%d): start script '%s' crashed\n",
            script.c_str());
  } else {
    LOG_MSG(L_ERR, "service_debug",
            "[ERROR] linux/linux-service(%d): start script '%s' exited with status %d\n", script.c_str(), rc);
  }
  return rc;
}
