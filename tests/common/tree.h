// Snapshot of a directory tree for comparing what two extractions produced:
// relative path -> kind and content ("d", "f <bytes>", "l <target>", "p" for a
// FIFO, "?" otherwise). Links are not followed.
#pragma once

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "testutil.h"

namespace testutil {

using TreeSnapshot = std::map<std::string, std::string>;

// skip: relative paths of subtrees left out (their contents are never read).
inline void snapshot_into(const std::string& base, const std::string& rel, TreeSnapshot& out,
                          const std::vector<std::string>& skip = {}) {
  std::string dir = rel.empty() ? base : base + "/" + rel;
  DIR* d = opendir(dir.c_str());
  if (!d) return;
  while (dirent* e = readdir(d)) {
    std::string name = e->d_name;
    if (name == "." || name == "..") continue;
    std::string r = rel.empty() ? name : rel + "/" + name;
    if (std::find(skip.begin(), skip.end(), r) != skip.end()) continue;
    std::string full = base + "/" + r;
    struct stat st;
    if (lstat(full.c_str(), &st) != 0) continue;
    if (S_ISDIR(st.st_mode)) {
      out[r] = "d";
      snapshot_into(base, r, out, skip);
    } else if (S_ISREG(st.st_mode)) {
      out[r] = "f " + read_file(full);
    } else if (S_ISLNK(st.st_mode)) {
      char buf[4096];
      ssize_t n = readlink(full.c_str(), buf, sizeof buf);
      out[r] = "l " + std::string(buf, n > 0 ? static_cast<size_t>(n) : 0);
    } else if (S_ISFIFO(st.st_mode)) {
      out[r] = "p";
    } else {
      out[r] = "?";
    }
  }
  closedir(d);
}

inline TreeSnapshot snapshot(const std::string& dir) {
  TreeSnapshot s;
  snapshot_into(dir, "", s);
  return s;
}

// The differences, one line each, for a readable assertion message.
inline std::string tree_diff(const TreeSnapshot& a, const TreeSnapshot& b) {
  std::string out;
  for (const auto& [k, v] : a) {
    auto it = b.find(k);
    if (it == b.end())
      out += "only in first: " + k + "\n";
    else if (it->second != v)
      out += "differs: " + k + "\n";
  }
  for (const auto& [k, v] : b)
    if (!a.count(k)) out += "only in second: " + k + "\n";
  return out;
}

}  // namespace testutil
