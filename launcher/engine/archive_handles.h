// Owners of libarchive's reader and writer handles, and the keeper of a disk
// writer whose extraction has been given up.
#pragma once

#include <memory>

#include "libarchive_loader.h"

class ExtractionWatch;

struct ReadFree {
  void operator()(archive* a) const { Lib().archive_read_free(a); }
};
struct WriteFree {
  void operator()(archive* a) const { Lib().archive_write_free(a); }
};
using ReadHandle = std::unique_ptr<archive, ReadFree>;
using WriteHandle = std::unique_ptr<archive, WriteFree>;

// A disk writer of an extraction that has been given up is never closed:
// closing sets the modes and times of the folders it made, by name, and
// those names may by then be the old copy put back in place. Such a writer
// is taken from its handle when this object ends and kept, reachable, for
// the life of the process.
class KeptIfAbandoned {
 public:
  KeptIfAbandoned(WriteHandle& writer, const ExtractionWatch& watch) : writer_(writer), watch_(watch) {}
  ~KeptIfAbandoned();
  KeptIfAbandoned(const KeptIfAbandoned&) = delete;
  KeptIfAbandoned& operator=(const KeptIfAbandoned&) = delete;

 private:
  WriteHandle& writer_;
  const ExtractionWatch& watch_;
};
