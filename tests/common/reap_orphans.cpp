// Runs a suite's program as a child and reaps, at once, every process
// orphaned below it, as a desktop session's init does.
//
// Start scripts put the client in the background and return, so the client
// is orphaned; when it is stopped, the launcher waits until it has been
// reaped. Whatever reaps orphans where the suites run may take seconds to do
// so; this program makes itself their reaper instead. Exits as the child
// did: with its status, or by its signal.
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <initializer_list>

namespace {

pid_t g_child = 0;

// A termination asked of this program is meant for the suite. A signal
// this program was started ignoring stays ignored, for the suite too; the
// handlers themselves are reset by exec.
void Forward(int sig) {
  if (g_child > 0) kill(g_child, sig);
}

void ForwardTerminations() {
  struct sigaction sa = {};
  sa.sa_handler = Forward;
  sigemptyset(&sa.sa_mask);
  for (int sig : {SIGTERM, SIGINT, SIGHUP, SIGQUIT}) {
    struct sigaction old = {};
    if (sigaction(sig, nullptr, &old) == 0 && old.sa_handler != SIG_IGN) sigaction(sig, &sa, nullptr);
  }
}

// Reaps every child, orphans included, until the suite's program ends.
int WaitForChild() {
  for (;;) {
    int status = 0;
    const pid_t pid = waitpid(-1, &status, 0);
    if (pid < 0 && errno == EINTR) continue;
    if (pid < 0) return 127;
    if (pid != g_child) continue;
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    const int sig = WTERMSIG(status);
    signal(sig, SIG_DFL);
    raise(sig);
    return 128 + sig;
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    fprintf(stderr, "usage: %s program [argument...]\n", argv[0]);
    return 2;
  }
  if (prctl(PR_SET_CHILD_SUBREAPER, 1) != 0) perror("reap_orphans: PR_SET_CHILD_SUBREAPER");
  ForwardTerminations();
  g_child = fork();
  if (g_child < 0) {
    perror("reap_orphans: fork");
    return 127;
  }
  if (g_child == 0) {
    execv(argv[1], argv + 1);
    fprintf(stderr, "reap_orphans: cannot run %s: %s\n", argv[1], strerror(errno));
    _exit(127);
  }
  return WaitForChild();
}
