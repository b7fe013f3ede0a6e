// bench-loading-*: the cost of starting a process with a given set of
// shared libraries and doing nothing. Prints the milliseconds from the exec
// (BENCH_EXEC_NS, CLOCK_MONOTONIC nanoseconds taken just before it) to main.
#include <time.h>

#include <cstdio>
#include <cstdlib>

int main() {
  timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  const long long now = static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
  if (const char* exec_ns = getenv("BENCH_EXEC_NS")) printf("%.3f\n", (now - atoll(exec_ns)) / 1e6);
  return 0;
}
