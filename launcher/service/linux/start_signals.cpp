#include "start_signals.h"

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "unique-file.h"

namespace {

// The kernel's signals are 1 to 64; the status line holds one bit for each.
constexpr int kSignalCount = 64;
constexpr char kStatusPath[] = "/proc/self/status";
constexpr char kIgnoredLine[] = "SigIgn:";
// A status line is far shorter.
constexpr size_t kLineSize = 256;

// Bit n-1 is set for every signal n that is ignored now. The kernel's view
// covers the internal signals too, which the C library hides from
// sigaction; without /proc, sigaction answers for the others.
uint64_t IgnoredNow() {
  UniqueFile status(fopen(kStatusPath, "re"));
  char line[kLineSize];
  while (status && fgets(line, sizeof line, status.get())) {
    if (strncmp(line, kIgnoredLine, sizeof kIgnoredLine - 1) == 0)
      return strtoull(line + sizeof kIgnoredLine - 1, nullptr, 16);
  }
  uint64_t mask = 0;
  for (int sig = 1; sig <= kSignalCount; ++sig) {
    struct sigaction old;
    if (sigaction(sig, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) mask |= uint64_t{1} << (sig - 1);
  }
  return mask;
}

// Taken while the program loads, before main, Qt or any thread can change a
// disposition.
const uint64_t kIgnoredAtStart = IgnoredNow();

// glibc's sigset_t is an array of unsigned long, signal n at bit n-1;
// sigaddset refuses the internal signals, so the bits are set directly.
constexpr int kWordBits = static_cast<int>(sizeof(unsigned long) * CHAR_BIT);

}  // namespace

sigset_t StartSignals::Defaults() {
  sigset_t set;
  sigemptyset(&set);
  for (int sig = 1; sig <= kSignalCount; ++sig) {
    if (kIgnoredAtStart & (uint64_t{1} << (sig - 1))) continue;
    set.__val[(sig - 1) / kWordBits] |= 1UL << ((sig - 1) % kWordBits);
  }
  return set;
}
