// The service with the protected steps that the worker reaches only through
// the public sequence opened up for the tests.
#pragma once

#include <string>

#include "linux/linux-service.h"

class TestService : public LinuxService {
 public:
  int Prepare() { return PrepareUserEnv(); }
  int CopyPath(const std::string& src, const std::string& dest) {
    return FSCopyPath(ustring(src.c_str()), ustring(dest.c_str()));
  }
  const VersionInfo& Source() const { return source_version; }
  void SetStopWait(int millis) { stop_wait_ms = millis; }
};
