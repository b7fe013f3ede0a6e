// Where the entries of a package land: every name, absolute or not, is put
// below the target folder, and the top-level INFO under its pending name.
#pragma once

#include <string>

#include "ustring.h"

// Judged by the components that name something ("./bin//x" is bin/x, ".",
// "//" and "" are the target folder itself).
enum class EntryPlace { kTargetItself, kInfo, kBelow };

EntryPlace PlaceOf(const std::string& name);

// The on-disk path for an entry name (or a hard-link target) below dest,
// which is the target folder or "." inside it. An absolute name stays below
// it too: "/etc/x" becomes "dest//etc/x".
ustring PathBelow(const ustring& dest, const std::string& name);
