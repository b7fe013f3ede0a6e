#include "usable_cores.h"

#include <sched.h>

int UsableCores() {
  cpu_set_t cpus;
  CPU_ZERO(&cpus);
  if (sched_getaffinity(0, sizeof cpus, &cpus) != 0) return 1;
  const int n = CPU_COUNT(&cpus);
  return n > 0 ? n : 1;
}
