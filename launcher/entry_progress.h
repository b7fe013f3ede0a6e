// The progress of an extraction: the count of the archive's entries, run on
// a thread of its own while the entries are written, and the reports of the
// written entries, held until that count is known.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>

#include "task_thread.h"
#include "ustring.h"

class ExtractionWatch;

// The progress bar's value after `steps` of `total` entries: the truncated
// percentage (7 of 13 gives 53), in 64 bits so that a huge entry count
// cannot overflow; none while total is not positive. The dialog shows it,
// and the held reports are sent when it changes.
std::optional<int64_t> ProgressPercent(int steps, int total);

// Counts the archive's entries, on a thread of its own when asked to, while
// the caller extracts them. The thread is joined on every path out, by the
// destructor at the latest.
class EntryCounter {
 public:
  // The count itself: the number of entries (or -1), calling on_first once
  // the first one has been seen and ending early once stop is set.
  using Count = std::function<int(const std::function<void()>& on_first, const std::atomic<bool>& stop)>;

  // concurrent: count on a thread of its own, which runs `prepare` first;
  // else, or when no thread can be started, on the calling thread, before
  // the constructor returns.
  EntryCounter(bool concurrent, std::function<void()> prepare, Count count);
  ~EntryCounter();
  EntryCounter(const EntryCounter&) = delete;
  EntryCounter& operator=(const EntryCounter&) = delete;

  // Blocks until the count has seen its first entry or has ended; the total
  // when it has ended, else none.
  std::optional<int> WaitForFirstEntry();
  // The total, or none while the count runs.
  std::optional<int> TotalSoFar() const;
  // Blocks until the count has ended; its total.
  int Total();
  // Nothing will ask for the total any more: the count may stop early.
  void Abandon() { stop_.store(true, std::memory_order_relaxed); }

 private:
  struct Seen {
    bool first = false;
    bool ended = false;
  };

  void Run();

  const std::function<void()> prepare_;
  const Count count_;
  std::atomic<bool> stop_{false};
  // Set, with release, once total_ holds the count's result.
  std::atomic<bool> counted_{false};
  int total_ = 0;
  Shared<Seen> seen_;
  TaskThread thread_;
};

// The progress reports of the extraction pass, held back until the count
// knows the total and then sent in order, so that the sink receives exactly
// (total, 1) ... (total, total), each after its entry is on disk. Sent from
// the extracting thread only, and no more once the extraction has been
// given up.
//
// Once the total is known, a report that leaves the bar's percentage where
// it is waits for the next one that moves it (or for the end) and is sent
// just before it: the dialog shows the same values at the same entries, but
// the main thread is woken once per step of the bar instead of once per
// entry, which on an archive of many small files cost more than writing them.
class HeldProgress {
 public:
  using Sink = std::function<void(int total, int steps)>;

  // total: the count's result when it has already ended, else none.
  HeldProgress(EntryCounter& counter, ExtractionWatch& watch, const ustring& source, std::optional<int> total,
               Sink sink);

  void EntryDone();
  // Waits for the total and sends what is held; with nothing to report,
  // lets the count stop instead.
  void Finish();
  // After Finish: whether the extraction wrote as many entries as the count
  // found. A package read as a stream (a FIFO) is read twice, and the two
  // reads need not see the same bytes.
  bool MatchesCount() const { return done_ > 0 && total_ == done_; }
  int done() const { return done_; }
  // None when the count was let stop before it ended.
  std::optional<int> total() const { return total_; }

 private:
  void Learn(std::optional<int> total);
  void LogTotal() const;
  void Send();
  // Whether the reports held so far take the bar to another value.
  bool MovesBar() const;

  EntryCounter& counter_;
  ExtractionWatch& watch_;
  const ustring& source_;
  const Sink sink_;
  std::optional<int> total_;
  int done_ = 0;
  int sent_ = 0;
};
