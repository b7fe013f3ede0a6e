/* An LD_PRELOAD shim for the fault tests: when the program opens a file for
 * writing whose last name is $NIMBORA_SHIM_ENTRY (the disk writer creating
 * that entry of a package), it acts as $NIMBORA_SHIM_ACTION says:
 *   segv  the process dies of SIGSEGV there, as with a reader that crashes
 *         on that entry;
 *   hold  "shim: holding <name>" goes to standard error and the thread waits
 *         for ever, so that the test can deliver a real signal at that point.
 * Every other open goes through untouched. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <stdarg.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

static void act_on(const char* path, int flags) {
  const char* entry = getenv("NIMBORA_SHIM_ENTRY");
  if (!entry || !path || (flags & (O_WRONLY | O_RDWR | O_CREAT)) == 0) return;
  const char* base = strrchr(path, '/');
  if (strcmp(base ? base + 1 : path, entry) != 0) return;
  const char* action = getenv("NIMBORA_SHIM_ACTION");
  if (action && strcmp(action, "hold") == 0) {
    /* Standard error was open before any confinement of the thread. */
    static const char held[] = "shim: holding ";
    if (write(2, held, sizeof held - 1) < 0 || write(2, entry, strlen(entry)) < 0 || write(2, "\n", 1) < 0)
      _exit(99);
    for (;;) pause();
  }
  /* A handler of the program's (or of a sanitizer) would turn the crash into
   * an exit of its own choosing. */
  signal(SIGSEGV, SIG_DFL);
  raise(SIGSEGV);
}

static mode_t mode_of(int flags, va_list ap) {
  return (flags & (O_CREAT | O_TMPFILE)) ? (mode_t)va_arg(ap, int) : 0;
}

#define NEXT(name, type) ((type)dlsym(RTLD_NEXT, name))

typedef int (*open_fn)(const char*, int, ...);
typedef int (*openat_fn)(int, const char*, int, ...);

#define DEFINE_OPEN(name)                           \
  int name(const char* path, int flags, ...) {      \
    va_list ap;                                     \
    va_start(ap, flags);                            \
    const mode_t mode = mode_of(flags, ap);         \
    va_end(ap);                                     \
    act_on(path, flags);                            \
    return NEXT(#name, open_fn)(path, flags, mode); \
  }

#define DEFINE_OPENAT(name)                                \
  int name(int dir, const char* path, int flags, ...) {    \
    va_list ap;                                            \
    va_start(ap, flags);                                   \
    const mode_t mode = mode_of(flags, ap);                \
    va_end(ap);                                            \
    act_on(path, flags);                                   \
    return NEXT(#name, openat_fn)(dir, path, flags, mode); \
  }

DEFINE_OPEN(open)
DEFINE_OPEN(open64)
DEFINE_OPENAT(openat)
DEFINE_OPENAT(openat64)

/* The fortified forms take no mode. */
int __open_2(const char* path, int flags) {
  act_on(path, flags);
  return NEXT("__open_2", int (*)(const char*, int))(path, flags);
}
int __open64_2(const char* path, int flags) {
  act_on(path, flags);
  return NEXT("__open64_2", int (*)(const char*, int))(path, flags);
}
int __openat_2(int dir, const char* path, int flags) {
  act_on(path, flags);
  return NEXT("__openat_2", int (*)(int, const char*, int))(dir, path, flags);
}
int __openat64_2(int dir, const char* path, int flags) {
  act_on(path, flags);
  return NEXT("__openat64_2", int (*)(int, const char*, int))(dir, path, flags);
}
