// The signal dispositions the process was started with, for the programs it
// starts: they get every signal at its default disposition but those that
// whoever started the launcher had ignored, whatever the launcher, Qt or the
// C library changed since (glibc's posix_spawn, for one, hands its own
// internal signals, 32 and 33, on as ignored).
#pragma once

#include <signal.h>

class StartSignals {
 public:
  // The signals that a program started by the launcher must get at their
  // default disposition, for posix_spawnattr_setsigdefault: every signal
  // that was not ignored when the process started. Holds signals that
  // sigaddset refuses to add (the C library's internal ones).
  static sigset_t Defaults();

 private:
  StartSignals() = delete;
};
