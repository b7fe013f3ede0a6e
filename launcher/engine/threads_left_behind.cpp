#include "threads_left_behind.h"

#include <unistd.h>

#include <atomic>
#include <cstdio>

#include "log.h"

namespace {

// Trivially destructible, so that it is never destroyed while read.
std::atomic<bool> g_left_behind{false};

}  // namespace

void ThreadsLeftBehind::Note() { g_left_behind.store(true, std::memory_order_release); }

bool ThreadsLeftBehind::Any() { return g_left_behind.load(std::memory_order_acquire); }

void ThreadsLeftBehind::EndProcessIfAny(int status) {
  if (!Any()) return;
  LOG_MSG(
      L_INFO, "launcher_debug",
      "[INFO] launcher(%d): a thread was given up and may still run: ending without exit-time clean-up\n");
  // The start script wrote to the same streams; what the launcher buffered
  // comes first only if it is flushed now. The log file is flushed after
  // every line already.
  fflush(stdout);
  fflush(stderr);
  _exit(status);
}
