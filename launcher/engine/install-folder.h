// The folder of an installation: how a copy is written into it and made to
// count. The entries are written by names relative to the folder, from the
// writing thread's own working directory; and the copy's version file, written
// under a name of its own, is renamed to INFO only once the whole copy is
// checked and on disk.
#pragma once

#include <vector>

#include "unique-fd.h"
#include "ustring.h"

// The version file is the commit record of an installation: it is written
// under this name and renamed to INFO once everything else is on disk.
inline constexpr char kInfoName[] = "INFO";
inline constexpr char kPendingInfoName[] = ".INFO.partial";

// Makes the target folder the working directory of the calling thread
// alone, for as long as the object lives, so that entries are written by
// names relative to it: every path the disk writer opens, stats and checks
// for symbolic links is then walked from the target down instead of from
// the root, which on a deep home folder is most of the writer's system
// calls. The working directory of the process's other threads is not
// touched, and the thread's own is restored afterwards. Where a sandbox
// refuses a thread its own working directory, nothing changes and the
// caller writes by absolute names.
class WorkingDirectoryOfThread {
 public:
  // dir: a descriptor of the folder named `name`.
  WorkingDirectoryOfThread(int dir, const ustring& name);
  ~WorkingDirectoryOfThread();
  WorkingDirectoryOfThread(const WorkingDirectoryOfThread&) = delete;
  WorkingDirectoryOfThread& operator=(const WorkingDirectoryOfThread&) = delete;

  bool entered() const { return static_cast<bool>(previous_); }

 private:
  static void Fallback(const char* why, int error);

  UniqueFd previous_;
};

// Checks the new copy, flushes it to disk and only then puts its INFO in
// place, so that after a crash or power loss the copy either holds INFO and
// is complete or has no INFO and is installed again by the next launch. dir
// is the folder the entries were written into, opened before the first;
// dest is its resolved name and target the name the caller gave. Each of
// the required files (relative to dir) must be a regular file, reached
// without symbolic links and executable by its owner. 0, or -1 on failure.
int CommitInstallation(int dir, const ustring& target, const ustring& dest,
                       const std::vector<ustring>& required, bool info_written);
