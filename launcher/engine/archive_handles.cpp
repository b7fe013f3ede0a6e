#include "archive_handles.h"

#include <mutex>
#include <vector>

#include "extraction_watch.h"

namespace {

void KeepForever(archive* writer) {
  static std::mutex mutex;
  static std::vector<archive*>* kept = new std::vector<archive*>;
  std::lock_guard<std::mutex> lock(mutex);
  kept->push_back(writer);
}

}  // namespace

KeptIfAbandoned::~KeptIfAbandoned() {
  if (watch_.abandoned() && writer_) KeepForever(writer_.release());
}
