// A scratch file for targets whose input has to come from a file.
#pragma once

#include <fcntl.h>
#include <ftw.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace fuzz {

inline std::string scratch_dir() {
  static std::string dir = [] {
    // Memory-backed when possible: the extractor target writes every input.
    std::string tmpl =
        access("/dev/shm", W_OK) == 0 ? "/dev/shm/nimbora-fuzz-XXXXXX" : "/tmp/nimbora-fuzz-XXXXXX";
    const char* d = mkdtemp(&tmpl[0]);
    if (!d) abort();
    return std::string(d);
  }();
  return dir;
}

inline void write_all(const std::string& path, const uint8_t* data, size_t size) {
  int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) abort();
  while (size > 0) {
    ssize_t n = write(fd, data, size);
    if (n <= 0) abort();
    data += n;
    size -= static_cast<size_t>(n);
  }
  close(fd);
}

// Removes a tree without following links.
inline void remove_tree(const std::string& path) {
  nftw(
      path.c_str(), [](const char* p, const struct stat*, int, struct FTW*) { return ::remove(p), 0; }, 32,
      FTW_DEPTH | FTW_PHYS);
}

}  // namespace fuzz
