// BackgroundFlush: while a tree is written, flushes its file system on a
// thread of its own each time another share of work has been written, so
// that the disk writes the data back and the journal commits while the next
// entries are written, and the flush that makes the tree durable at the end
// has little left to do. Left to itself the kernel writes dirty data back
// only after half a minute or once a tenth of the memory is dirty, so an
// installation of a few hundred megabytes would otherwise reach the disk
// all at once, in the final flush.
//
// The background flushes are only a head start: their failures are the
// final flush's to report, on the caller's own descriptor.
#pragma once

#include <cstdint>

#include "task_thread.h"
#include "unique-fd.h"

class BackgroundFlush {
 public:
  // dir: an open folder of the file system being written. The flushes use a
  // descriptor of their own, so that a write-back error they meet is still
  // reported to a later syncfs() on dir. Without a thread nothing is
  // flushed early.
  explicit BackgroundFlush(int dir);
  // Waits for a flush under way.
  ~BackgroundFlush();
  BackgroundFlush(const BackgroundFlush&) = delete;
  BackgroundFlush& operator=(const BackgroundFlush&) = delete;

  // One entry written, with `data_bytes` of file data: a flush is started
  // once enough has been written since the last one began, unless one is
  // still under way.
  void EntryWritten(int64_t data_bytes);
  // Flushes started so far.
  int started() const { return started_; }

 private:
  struct Orders {
    bool due = false;
    bool stopping = false;
  };

  void Run();

  UniqueFd fd_;
  // Written since the last flush began; the writing thread's alone.
  int64_t pending_ = 0;
  int started_ = 0;
  Shared<Orders> orders_;
  TaskThread thread_;
};
