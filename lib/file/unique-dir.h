// The owner type for a directory stream: closedir'd when the holder goes
// out of scope.
#pragma once

#include <dirent.h>

#include <memory>

struct DirCloser {
  void operator()(DIR* dp) const { closedir(dp); }
};

using UniqueDir = std::unique_ptr<DIR, DirCloser>;
