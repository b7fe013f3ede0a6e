// extractor_probe [OPTION...] ARCHIVE TARGET
//
// Extracts ARCHIVE below TARGET in a process of its own and prints
// "result=N" and "disk_stalled=0|1". Options:
//   --refuse-unshare   forbid unshare(2) first (EPERM, as container sandboxes
//                      do); prints "refused=1" when the filter holds
//   --refuse-landlock  make Landlock's calls fail with ENOSYS, as on a kernel
//                      without it
//   --log FILE         log the extractor's messages, debug ones too, to FILE
//   --stall-ms N, --memory-mib N   the watchdog's bounds
//   --allocate         at the first entry, the extracting thread allocates
//                      and touches memory until far past the bound, then waits
//   --try-open PATH    at the first entry, the extracting thread creates PATH
//                      and prints "open=0" or "open=<errno name>"
//   --linger FILE      after the result, wait for FILE to exist before exiting
//   --exit-gate FILE   once the exit-time destructors have run, create FILE
//                      and wait until the threads left behind have ended
// Used by the extractor tests for what needs a process of its own.
#include <dirent.h>
#include <fcntl.h>
#include <sched.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "extraction_watch.h"
#include "extractor.h"
#include "log.h"
#include "seccomp_refuse.h"
#include "threads_left_behind.h"

// The extracting and the watching threads both call into libarchive and the
// C library, whose own locking ThreadSanitizer does not see; only
// instrumented code is checked.
extern "C" const char* __tsan_default_options() { return "ignore_noninstrumented_modules=1"; }

namespace {

// The memory the allocating seam takes, in steps, before it waits forever.
constexpr size_t kAllocateStep = size_t{8} << 20;
constexpr size_t kAllocateMost = size_t{4} << 30;
// Polling interval of the linger file; nothing is timed.
constexpr auto kLingerPoll = std::chrono::milliseconds(5);

// The --exit-gate file; a pointer into argv, which outlives every destructor.
const char* g_exit_gate = nullptr;
// How long the exit gate waits for the threads left behind at most.
constexpr auto kExitGateBound = std::chrono::seconds(30);

size_t ThreadCount() {
  size_t n = 0;
  if (DIR* d = opendir("/proc/self/task")) {
    while (const dirent* e = readdir(d)) n += e->d_name[0] != '.';
    closedir(d);
  }
  return n;
}

// Runs from the executable's own finalizers, after every exit-time
// destructor of the C++ objects: a thread left behind that wakes now meets
// the process as it was torn down.
__attribute__((destructor)) void ExitGate() {
  if (!g_exit_gate) return;
  const int fd = open(g_exit_gate, O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
  if (fd >= 0) close(fd);
  const auto end = std::chrono::steady_clock::now() + kExitGateBound;
  while (ThreadCount() > 1 && std::chrono::steady_clock::now() < end)
    std::this_thread::sleep_for(kLingerPoll);
}

void AllocateForever() {
  std::vector<char*> kept;
  for (size_t taken = 0; taken < kAllocateMost; taken += kAllocateStep) {
    char* p = static_cast<char*>(malloc(kAllocateStep));
    if (!p) break;
    memset(p, 1, kAllocateStep);
    kept.push_back(p);
  }
  for (;;) pause();
}

void TryOpen(const std::string& path) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
  const int error = errno;
  if (fd >= 0) close(fd);
  printf("open=%s\n", fd >= 0 ? "0" : strerrorname_np(error));
  fflush(stdout);
}

int Usage() {
  fprintf(stderr, "usage: extractor_probe [OPTION...] ARCHIVE TARGET\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  WatchdogBounds bounds = CurrentWatchdogBounds();
  bool set_bounds = false;
  std::string linger;
  std::function<void()> hook;
  size_t i = 0;
  for (; i < args.size() && args[i].rfind("--", 0) == 0; ++i) {
    const std::string& o = args[i];
    const bool has_value = i + 1 < args.size();
    if (o == "--refuse-unshare") {
      if (!testutil::refuse_syscalls({__NR_unshare}, EPERM) || unshare(CLONE_FS) == 0 || errno != EPERM) {
        fprintf(stderr, "cannot install the filter: %s\n", strerror(errno));
        return 2;
      }
      printf("refused=1\n");
    } else if (o == "--refuse-landlock") {
      if (!testutil::refuse_syscalls(
              {__NR_landlock_create_ruleset, __NR_landlock_add_rule, __NR_landlock_restrict_self}, ENOSYS)) {
        fprintf(stderr, "cannot install the filter: %s\n", strerror(errno));
        return 2;
      }
    } else if (o == "--log" && has_value) {
      const std::string path = args[++i];
      FILE* levels = fopen((path + ".levels").c_str(), "w");
      if (!levels) return 2;
      fputs("extractor_debug=7\n", levels);
      fclose(levels);
      Logger::Initialize(Logger::FILE_LOGGER, path.c_str(), (path + ".levels").c_str(), 50);
    } else if (o == "--stall-ms" && has_value) {
      bounds.stall = std::chrono::milliseconds(atoll(args[++i].c_str()));
      set_bounds = true;
    } else if (o == "--memory-mib" && has_value) {
      bounds.memory_growth = static_cast<size_t>(atoll(args[++i].c_str())) << 20;
      set_bounds = true;
    } else if (o == "--allocate") {
      hook = AllocateForever;
    } else if (o == "--try-open" && has_value) {
      const std::string path = args[++i];
      hook = [path] { TryOpen(path); };
    } else if (o == "--linger" && has_value) {
      linger = args[++i];
    } else if (o == "--exit-gate" && has_value) {
      g_exit_gate = argv[1 + ++i];
    } else {
      return Usage();
    }
  }
  if (args.size() - i != 2) return Usage();
  if (set_bounds) SetWatchdogBoundsForTest(&bounds);
  if (hook) {
    auto once = std::make_shared<std::atomic<bool>>(false);
    SetEntryHookForTest([hook, once] {
      if (!once->exchange(true)) hook();
    });
  }
  Extractor e;
  e.SetSource(args[i].c_str());
  e.SetTarget(args[i + 1].c_str());
  printf("result=%d\n", e.Extract());
  printf("disk_stalled=%d\n", e.disk_stalled() ? 1 : 0);
  fflush(stdout);
  while (!linger.empty() && access(linger.c_str(), F_OK) != 0) std::this_thread::sleep_for(kLingerPoll);
  // As the launcher ends.
  ThreadsLeftBehind::EndProcessIfAny(0);
  return 0;
}
