// Confines the calling thread with Landlock: from then on, for the rest of
// its life, it may open, create, write and remove only what its rules allow.
// The ruleset cannot be lifted, so only a thread that ends after its task is
// confined. Where the kernel offers no Landlock, or an ABI without a right
// the rules need, nothing is confined and everything works as before.
#pragma once

#include "ustring.h"

// True when the calling thread is confined to reading, creating, writing and
// removing beneath `folder`, and to what every thread of the launcher
// legitimately needs (the C library's character-set modules, the log
// folder). False when it is not, with a debug line naming `who` and the
// reason.
bool ConfineThisThread(const ustring& folder, const char* who);
