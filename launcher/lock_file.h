// A kernel-held lock (flock) on a file of the user's own. The kernel drops
// the lock when its holder dies, so a crashed launcher never blocks the next
// start; the descriptor is close-on-exec, so the client that the start
// script launches never inherits (and keeps holding) it; and it is opened
// read-only, since flock needs no write access, so a lock file the user made
// read-only still serves. The path is used byte for byte.
#pragma once

#include "unique-fd.h"
#include "ustring.h"

class LockFile {
 public:
  enum Result {
    kHeld,     // this object holds the lock
    kBusy,     // another process holds it
    kUnusable  // the file cannot be opened or locked (logged)
  };

  explicit LockFile(const ustring& path) : path_(path) {}

  // Opens the file (creating it and its folder if needed) and tries once.
  Result TryLock();
  // Tries until the lock is held, or kBusy once bound_ms have passed.
  Result WaitLock(int bound_ms);
  const ustring& Path() const { return path_; }

 private:
  bool Open();

  ustring path_;
  UniqueFd fd_;  // open for the life of the object; closing it releases the lock
  bool held_ = false;
};
