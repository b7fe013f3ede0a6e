// Moving a copy of the client (the app folder, a backup) to another name
// beside it. A rename is one step and keeps the copy whole. Where the file
// system refuses to rename the folder (on an overlay home a folder of the
// lower layer answers EXDEV), the copy is never moved entry by entry, which
// a kill would leave split in two halves, either holding INFO: it is copied
// whole, its INFO last and only once the rest is on disk, and only then is
// the original taken apart, its INFO first. Whenever the process dies, every
// folder that holds an INFO is a whole copy.
#pragma once

#include <cstdint>

#include "ustring.h"

enum class CopyMoved {
  kDone,          // `to` holds the copy, `from` is gone
  kNotMoved,      // `from` as it was, nothing new at `to`
  kOriginalLeft,  // `to` holds the whole copy; what is left at `from` has no INFO
};

// Moves the copy at `from` to `to`, which must not hold anything but an empty
// folder. Failures of the copying are logged; a refused rename is left to
// the caller to report.
CopyMoved MoveCopy(const ustring& from, const ustring& to);

// The bytes the copy at `dir` takes on disk when the file system it lies on
// is one where moving it aside copies it (an overlay), as the room check
// must count them beside the new copy; 0 elsewhere, or when there is none.
uint64_t BytesToCopyAside(const ustring& dir);
