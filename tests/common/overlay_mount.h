// An overlay file system mounted over a folder for the lifetime of the
// object (root only): what the folder held becomes the read-only lower
// layer, and every change goes to an upper layer beside it, as on a live
// system with persistence, a kiosk image or a container. Mounted without
// redirects, as such homes often are: a folder of the lower layer cannot be
// renamed (EXDEV). unavailable() says why when the mount failed.
#pragma once

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "scoped_mount.h"
#include "testutil.h"

namespace testutil {

class OverlayMount : public ScopedMount {
 public:
  // layers: an empty folder on the same file system as dir, for the layers.
  OverlayMount(const std::string& dir, const std::string& layers) : ScopedMount(dir) {
    const std::string lower = layers + "/lower", upper = layers + "/upper", work = layers + "/work";
    make_dirs(upper);
    make_dirs(work);
    struct stat st;
    if (stat(dir.c_str(), &st) != 0 || rename(dir.c_str(), lower.c_str()) != 0 ||
        mkdir(dir.c_str(), st.st_mode & 07777) != 0) {
      fail("cannot make " + dir + " the lower layer: " + strerror(errno));
      return;
    }
    mount("overlay", "lowerdir=" + lower + ",upperdir=" + upper + ",workdir=" + work + ",redirect_dir=off");
  }
};

}  // namespace testutil
