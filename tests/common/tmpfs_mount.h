// A tmpfs of a given size mounted over a folder for the lifetime of the
// object (root only); unavailable() says why when the mount failed.
#pragma once

#include <string>

#include "scoped_mount.h"

namespace testutil {

class TmpfsMount : public ScopedMount {
 public:
  TmpfsMount(const std::string& dir, const std::string& size, const std::string& mode = "0755")
      : ScopedMount(dir) {
    mount("tmpfs", "size=" + size + ",mode=" + mode);
  }
};

}  // namespace testutil
