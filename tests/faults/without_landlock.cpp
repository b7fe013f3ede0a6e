// without_landlock PROGRAM [ARG...]
//
// Runs PROGRAM with Landlock's system calls failing with ENOSYS, as on a
// kernel without Landlock: the launcher then extracts unconfined.
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "seccomp_refuse.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    fprintf(stderr, "usage: without_landlock PROGRAM [ARG...]\n");
    return 2;
  }
  if (!testutil::refuse_syscalls(
          {__NR_landlock_create_ruleset, __NR_landlock_add_rule, __NR_landlock_restrict_self}, ENOSYS)) {
    fprintf(stderr, "cannot install the filter: %s\n", strerror(errno));
    return 2;
  }
  execv(argv[1], argv + 1);
  fprintf(stderr, "cannot run %s: %s\n", argv[1], strerror(errno));
  return 127;
}
