// The owner type for a stdio stream: fclose'd when the holder goes out of
// scope. A deleter type rather than decltype(&fclose), whose attributes a
// template argument cannot carry (newer compilers warn about it).
#pragma once

#include <cstdio>
#include <memory>

struct FileCloser {
  void operator()(FILE* f) const { std::fclose(f); }
};

using UniqueFile = std::unique_ptr<FILE, FileCloser>;
