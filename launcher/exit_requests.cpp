// The process's exit and _exit, in place of the C library's for every
// library the launcher loads (the executable exports them; see
// exit_symbols.list). Qt's xcb platform and Xlib call exit, Qt's wayland
// platform _exit, when the connection to the display breaks; while the
// launch job runs, the calling thread instead waits for the job's end
// (JobGuard), and the copy and the client never depend on the display.
// Every other request goes to the C library's function.
#include <dlfcn.h>
#include <unistd.h>

#include <cstdlib>

#include "job_guard.h"

namespace {

using ExitFunction = void (*)(int);

// The next definition after this executable's: the C library's, or a
// sanitizer's in front of it.
ExitFunction Next(const char* name) { return reinterpret_cast<ExitFunction>(dlsym(RTLD_NEXT, name)); }

[[noreturn]] void Forward(const char* name, int status) {
  if (ExitFunction next = Next(name)) next(status);
  _Exit(status);
}

}  // namespace

extern "C" void exit(int status) noexcept {
  if (JobGuard::Holds()) JobGuard::WaitForJobAndEnd(status);
  Forward("exit", status);
}

extern "C" void _exit(int status) {
  if (JobGuard::Holds()) JobGuard::WaitForJobAndEnd(status);
  Forward("_exit", status);
}
