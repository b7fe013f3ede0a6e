// The installed desktop entry, read the way the suites need it.
#pragma once

#include <sstream>
#include <string>

#include "testutil.h"

namespace testutil {

inline const char* desktop_entry_path() { return "/share/applications/nimbora-backup.desktop"; }

// The value of KEY in the installed entry, "" when absent.
inline std::string desktop_entry_value(const std::string& key) {
  std::istringstream lines(read_file(installed_root() + desktop_entry_path()));
  std::string line;
  while (std::getline(lines, line))
    if (line.rfind(key + "=", 0) == 0) return line.substr(key.size() + 1);
  return "";
}

}  // namespace testutil
