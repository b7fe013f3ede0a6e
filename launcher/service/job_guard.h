// JobGuard: the launch job (the copy and the client) outlives the display
// and the session. Once the job is queued, nothing but its end decides when
// the process ends:
// - a library that ends the process (Qt's xcb and wayland platforms, Xlib,
//   when the connection to the display breaks) instead waits on its thread
//   until the job is done, and the process then ends with status 0 without
//   exit-time clean-up, which would otherwise run under the working threads;
// - SIGTERM and SIGHUP (a logout, a closed terminal) are taken by a thread of
//   their own: before the job they end the process as they would have, once
//   it is queued the job goes on to its end;
// - once the client is started, a main thread that is held by a display
//   that stopped reading cannot keep the process (and the user's locks)
//   beyond a bound.
// A display lost or a TERM or HUP while the job runs is the session's doing,
// not the package's: the upgrade attempt under way is not counted against it.
#pragma once

#include <signal.h>

// What ended the user's session, as far as the launcher could tell.
enum class SessionCause {
  kNone,
  kDisplayLost,  // the display's connection broke
  kTerminate,    // SIGTERM
  kHangup,       // SIGHUP
};

class JobGuard {
 public:
  // First thing in main: SIGTERM and SIGHUP are caught and handed to a
  // thread of their own. A signal ignored when the process started stays
  // ignored.
  static void WatchSessionSignals();

  // The application object is built, and with it the display's connection
  // and the threads that may serve it; main goes on to queue the job or
  // calls Disarm. From here a request to end the process from another thread
  // than main's waits for the job (main thread).
  static void Expect();
  // The job is about to be queued (main thread). Without Expect and Arm (a
  // process that drives a Launcher for a test) the guard holds nothing and
  // ends nothing.
  static void Arm();
  // On the thread that runs the job, before it starts.
  static void RunsTheJob();
  // The client is started: a waiting exit request ends the process now, and
  // a main thread that does not get through to Disarm within a bound does.
  static void Done();
  // main is past its event loop: the process ends normally from here.
  static void Disarm();

  // Whether a request to end the process from the calling thread is held
  // until the job is done.
  static bool Holds();
  // Waits until the job is done, then ends the process with status 0 at
  // once. `status`: the status asked for, logged.
  [[noreturn]] static void WaitForJobAndEnd(int status);

  // The session's end noted so far (kNone when none).
  static SessionCause Cause();
  static const char* CauseName(SessionCause cause);

 private:
  JobGuard() = delete;
  static void OnSessionEnd(SessionCause cause);
  static void OnSessionSignal(int sig);
  static void WatchPipe();
};
