// ExtractionWatch: what the thread that extracts the package shares with the
// thread that waits for it. libarchive loops without end on some damaged
// archives and a package on a network mount can stop answering; the waiting
// thread then gives up on the extraction although the libarchive call never
// returns, and the extracting thread, left behind, can no longer read the
// package nor report progress. Held through shared pointers by both threads,
// so that nothing the left-behind thread touches is destroyed under it.
#pragma once

#include <sys/types.h>

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

#include "task_thread.h"
#include "ustring.h"

struct WatchdogBounds {
  // How long the extraction may read no new byte of the package and finish
  // no entry.
  std::chrono::milliseconds stall;
  // How far the process's resident memory may grow past what it was when
  // the extraction started.
  size_t memory_growth;
};

// The bounds in force: the defaults (the stall bound as NIMBORA_STALL_MS may
// have shortened it) unless a test has set others.
WatchdogBounds CurrentWatchdogBounds();
// Test seams: the bounds, and a function run on the extracting thread after
// each entry (both set before an extraction starts; an empty function or
// nullptr restores the default).
void SetWatchdogBoundsForTest(const WatchdogBounds* bounds);
void SetEntryHookForTest(std::function<void()> hook);
void RunEntryHookForTest();

class ExtractionWatch {
 public:
  // Something moved: a pass read bytes beyond any it had read, or an entry
  // was finished.
  void Advance() { ticks_.fetch_add(1, std::memory_order_relaxed); }
  // Once true, stays true: every read of the package fails from then on.
  bool abandoned() const { return abandoned_.load(std::memory_order_acquire); }
  // The device the entries are written to.
  void WritingTo(dev_t dev) { dev_.store(dev, std::memory_order_relaxed); }
  // The entries are written: what follows is the flush that makes them
  // durable, which reads nothing of the package. From here on what the
  // disk writes back is progress, so that a slow disk makes a slow
  // extraction, never a stalled one.
  void Flushing() { flushing_.store(true, std::memory_order_relaxed); }
  // After a failed Wait: it gave up on a flush during which the disk wrote
  // nothing back, the disk's fault and not the package's.
  bool disk_stalled() const { return disk_stalled_; }

  // Runs `report` unless the extraction has been given up; giving up waits
  // for a report that is running, so none reaches the dialog afterwards.
  template <typename Fn>
  void Report(Fn&& report) {
    state_.Change([&](std::optional<int>&) {
      if (!abandoned()) report();
    });
  }

  // On the extracting thread, at its end: its result.
  void Finish(int result);
  // On the waiting thread: the extraction's result, or -1 when it was given
  // up (the reason logged with `source`).
  int Wait(const ustring& source);

 private:
  bool WaitForFinish(std::chrono::milliseconds timeout, int& result);
  void Abandon();
  int GiveUp(const ustring& source, std::chrono::milliseconds stall);

  std::atomic<uint64_t> ticks_{0};
  std::atomic<dev_t> dev_{0};
  std::atomic<bool> flushing_{false};
  bool disk_stalled_ = false;
  std::atomic<bool> abandoned_{false};
  // The extraction's result once it has finished.
  Shared<std::optional<int>> state_;
};
