// The owner type for a stdio stream: fclose'd when the holder goes out of
// scope. A deleter type rather than decltype(&fclose): newer C libraries
// declare fclose with a nonnull attribute, which a template argument cannot
// carry, and the compiler warns that it ignores it.
#pragma once

#include <cstdio>
#include <memory>

struct FileCloser {
  void operator()(FILE* f) const { std::fclose(f); }
};

using UniqueFile = std::unique_ptr<FILE, FileCloser>;
