#include "job_guard.h"

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

#include "log.h"
#include "upgrade_attempt.h"

namespace {

// Once the client is started, the main thread hides the dialog, joins the
// worker and tears the process down in well under a second; a display that
// stopped reading holds it in a write for ever, and the user's locks with
// it. Past this bound the process ends without it.
constexpr std::chrono::milliseconds kLeaveAfterDone{3000};

// The signals a session sends as it ends: TERM from the session manager or
// logind, HUP from a closed terminal or a dropped remote connection.
constexpr int kSessionSignals[] = {SIGTERM, SIGHUP};

// Sent through the signals' pipe by Done; no signal has the number 0.
constexpr unsigned char kDoneByte = 0;

using Clock = std::chrono::steady_clock;

struct State {
  std::mutex mutex;
  std::condition_variable done_changed;
  bool expecting = false;
  pthread_t main_thread{};
  bool armed = false;
  bool done = false;
  bool disarmed = false;
};

// Never destroyed: read by threads that may outlive main.
State& TheState() {
  static State* const state = new State;
  return *state;
}

std::atomic<int> g_cause{static_cast<int>(SessionCause::kNone)};

thread_local bool t_runs_the_job = false;

[[noreturn]] void EndNow() {
  // The start script wrote to the same streams; the log is flushed after
  // every line already.
  fflush(stdout);
  fflush(stderr);
  _Exit(0);
}

// Ends the process as `sig` would have, had it not been caught.
[[noreturn]] void EndBySignal(int sig) {
  signal(sig, SIG_DFL);
  fflush(stdout);
  raise(sig);
  _Exit(128 + sig);
}

// The session's signals reach the thread that waits for them through this
// pipe: a handler may do no more than write. Caught rather than blocked, so
// that the programs the libraries start (a D-Bus session bus, for one) do not
// inherit them blocked.
int g_signal_pipe[2] = {-1, -1};
// The launcher's process, set first thing in main. A child forked by a
// library (libdbus forks a helper that ends with _exit) has a copy of the
// state but not the job, nor perhaps a usable copy of the mutex: it is never
// held, and the session's signals are its own.
pid_t g_watching_pid = 0;

void ForwardSignal(int sig) {
  if (getpid() != g_watching_pid) {
    // A child forked by a library, before its exec: the signal is its own.
    signal(sig, SIG_DFL);
    raise(sig);
    return;
  }
  const int saved = errno;
  const unsigned char byte = static_cast<unsigned char>(sig);
  if (write(g_signal_pipe[1], &byte, 1) < 0) {
    // Nothing a handler can do about it.
  }
  errno = saved;
}

int MillisUntil(Clock::time_point t) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(t - Clock::now()).count();
  return static_cast<int>(std::max<decltype(left)>(0, left));
}

[[noreturn]] void LeaveHeldMainThread() {
  State& s = TheState();
  std::lock_guard<std::mutex> lock(s.mutex);
  // Past Disarm the logger may already be torn down.
  if (!s.disarmed)
    LOG_MSG(L_WARNING, "launcher_debug",
            "[WARNING] launcher(%d): the client is started but the main thread is held (a display that does "
            "not answer?): ending\n");
  EndNow();
}

}  // namespace

void JobGuard::WatchSessionSignals() {
  g_watching_pid = getpid();
  if (pipe2(g_signal_pipe, O_CLOEXEC) != 0) return;
  struct sigaction action = {};
  action.sa_handler = ForwardSignal;
  action.sa_flags = SA_RESTART;
  sigemptyset(&action.sa_mask);
  for (int sig : kSessionSignals) {
    struct sigaction old;
    if (sigaction(sig, nullptr, &old) == 0 && old.sa_handler != SIG_IGN) sigaction(sig, &action, nullptr);
  }
  std::thread(WatchPipe).detach();
}

// The session's signals, and once the job is done the bound on the main
// thread's way out: one thread for both, since a thread's start costs a
// launch with nothing to install about a millisecond.
void JobGuard::WatchPipe() {
  bool leaving = false;
  Clock::time_point leave_by;
  for (;;) {
    pollfd ready = {g_signal_pipe[0], POLLIN, 0};
    const int n = poll(&ready, 1, leaving ? MillisUntil(leave_by) : -1);
    if (n == 0) LeaveHeldMainThread();
    if (n < 0 && errno == EINTR) continue;
    unsigned char byte = 0;
    if (n < 0 || read(g_signal_pipe[0], &byte, 1) != 1) return;
    if (byte != kDoneByte) {
      OnSessionSignal(byte);
    } else if (!leaving) {
      leaving = true;
      leave_by = Clock::now() + kLeaveAfterDone;
    }
  }
}

void JobGuard::OnSessionSignal(int sig) {
  State& s = TheState();
  std::lock_guard<std::mutex> lock(s.mutex);
  if (s.disarmed) return;
  // Before the job nothing is changed yet; the logger may not be ready.
  if (!s.armed) EndBySignal(sig);
  OnSessionEnd(sig == SIGHUP ? SessionCause::kHangup : SessionCause::kTerminate);
}

// With the state's mutex held.
void JobGuard::OnSessionEnd(SessionCause cause) {
  int none = static_cast<int>(SessionCause::kNone);
  const bool first = g_cause.compare_exchange_strong(none, static_cast<int>(cause));
  if (TheState().done) return;
  UpgradeAttempt::ExcuseCurrent();
  LOG_MSG(L_WARNING, "launcher_debug",
          "[WARNING] launcher(%d): %s: the session is ending; the launch goes on to its end%s\n",
          CauseName(cause), first ? ", and the upgrade under way does not count against the package" : "");
}

void JobGuard::Expect() {
  State& s = TheState();
  std::lock_guard<std::mutex> lock(s.mutex);
  s.expecting = true;
  s.main_thread = pthread_self();
}

void JobGuard::Arm() {
  State& s = TheState();
  std::lock_guard<std::mutex> lock(s.mutex);
  s.armed = true;
}

void JobGuard::RunsTheJob() { t_runs_the_job = true; }

void JobGuard::Done() {
  State& s = TheState();
  bool armed = false;
  {
    std::lock_guard<std::mutex> lock(s.mutex);
    s.done = true;
    armed = s.armed;
  }
  s.done_changed.notify_all();
  if (!armed) return;
  if (g_signal_pipe[1] >= 0 && write(g_signal_pipe[1], &kDoneByte, 1) == 1) return;
  // Without the watching thread (its pipe could not be made), one of its own.
  std::thread([] {
    std::this_thread::sleep_for(kLeaveAfterDone);
    LeaveHeldMainThread();
  }).detach();
}

void JobGuard::Disarm() {
  State& s = TheState();
  std::lock_guard<std::mutex> lock(s.mutex);
  s.armed = false;
  s.disarmed = true;
}

bool JobGuard::Holds() {
  if (g_watching_pid != getpid()) return false;
  State& s = TheState();
  std::lock_guard<std::mutex> lock(s.mutex);
  if (s.disarmed || t_runs_the_job) return false;
  // Before the job is queued only another thread may wait for it: the main
  // thread is the one that queues it.
  return s.armed || (s.expecting && !pthread_equal(pthread_self(), s.main_thread));
}

void JobGuard::WaitForJobAndEnd(int status) {
  State& s = TheState();
  std::unique_lock<std::mutex> lock(s.mutex);
  if (!s.done) {
    LOG_MSG(L_WARNING, "launcher_debug",
            "[WARNING] launcher(%d): the display's connection broke (exit status %d asked for): going on "
            "without it\n",
            status);
    OnSessionEnd(SessionCause::kDisplayLost);
  }
  s.done_changed.wait(lock, [&] { return s.done; });
  EndNow();
}

SessionCause JobGuard::Cause() { return static_cast<SessionCause>(g_cause.load()); }

const char* JobGuard::CauseName(SessionCause cause) {
  switch (cause) {
    case SessionCause::kDisplayLost:
      return "display lost";
    case SessionCause::kTerminate:
      return "SIGTERM";
    case SessionCause::kHangup:
      return "SIGHUP";
    case SessionCause::kNone:
      break;
  }
  return "none";
}
