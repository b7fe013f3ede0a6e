// extractor_probe [--refuse-unshare] ARCHIVE TARGET
//
// Extracts ARCHIVE below TARGET and prints "result=N". With the option, the
// process first forbids itself unshare(2), which then fails with EPERM as it
// does in container sandboxes that filter it, and prints "refused=1" when
// the filter holds. Used by the extractor tests to compare the two ways the
// extractor writes entries.
#include <errno.h>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sched.h>
#include <stddef.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "extractor.h"
#include "strtab.h"

namespace {

#if defined(__x86_64__)
constexpr unsigned kAuditArch = AUDIT_ARCH_X86_64;
#elif defined(__aarch64__)
constexpr unsigned kAuditArch = AUDIT_ARCH_AARCH64;
#else
#error "add this architecture's AUDIT_ARCH value"
#endif

bool RefuseUnshare() {
  sock_filter code[] = {
      BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
      BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, kAuditArch, 1, 0),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
      BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
      BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_unshare, 0, 1),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | EPERM),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
  };
  sock_fprog prog = {static_cast<unsigned short>(sizeof code / sizeof code[0]), code};
  if (prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0) return false;
  if (prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &prog) != 0) return false;
  return unshare(CLONE_FS) != 0 && errno == EPERM;
}

}  // namespace

int main(int argc, char** argv) {
  int arg = 1;
  if (arg < argc && strcmp(argv[arg], "--refuse-unshare") == 0) {
    ++arg;
    if (!RefuseUnshare()) {
      fprintf(stderr, "cannot install the filter: %s\n", strerror(errno));
      return 2;
    }
    printf("refused=1\n");
  }
  if (argc - arg != 2) {
    fprintf(stderr, "usage: extractor_probe [--refuse-unshare] ARCHIVE TARGET\n");
    return 2;
  }
  StrTable::InitStrTable();
  Extractor e;
  e.SetSource(argv[arg]);
  e.SetTarget(argv[arg + 1]);
  printf("result=%d\n", e.Extract());
  return 0;
}
