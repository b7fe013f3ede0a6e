// ThreadsLeftBehind: how the process ends once a thread was given up. The
// watchdog gives up an extraction whose libarchive call never returns (a
// stalled network mount, a FIFO, a looping reader) and leaves the extracting
// thread behind. That thread may wake up at any time, also while the main
// thread runs the exit-time destructors, and would then log through the
// logger's already destroyed tables, or touch Qt's, libarchive's or the C++
// library's global state as it is torn down. Making everything it can reach
// immortal is not possible for the libraries' own globals, so the process
// instead ends without running any exit-time destructor once a thread was
// left behind: after the launch is done and the client started, standard
// output and error (the log is flushed line by line) are flushed and the
// process exits at once.
#pragma once

class ThreadsLeftBehind {
 public:
  // A thread was given up and may still run; from any thread.
  static void Note();
  static bool Any();
  // At the end of main, with main's status: returns when no thread was left
  // behind (the process ends normally), else ends the process with `status`
  // without running exit-time destructors or atexit handlers.
  static void EndProcessIfAny(int status);

 private:
  ThreadsLeftBehind() = delete;
};
