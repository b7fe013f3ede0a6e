// The progress reports of an extraction pass, against the entry total known
// before the pass starts.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

class ExtractionWatch;

// The progress bar's value after `steps` of `total` entries: the truncated
// percentage (7 of 13 gives 53), in 64 bits so that a huge entry count
// cannot overflow; none while total is not positive. The dialog shows it,
// and the held reports are sent when it changes.
std::optional<int64_t> ProgressPercent(int steps, int total);

// The sink receives exactly (total, 1) ... (total, done), each after its
// entry is on disk. Sent from the extracting thread only, and no more once
// the extraction has been given up.
//
// A report that leaves the bar's percentage where it is waits for the next
// one that moves it (or for the end) and is sent just before it: the dialog
// shows the same values at the same entries, but the main thread is woken
// once per step of the bar instead of once per entry, which on an archive of
// many small files cost more than writing them.
class EntryProgress {
 public:
  using Sink = std::function<void(int total, int steps)>;

  // total: positive. An empty sink receives nothing.
  EntryProgress(int total, ExtractionWatch& watch, Sink sink);

  void EntryDone();
  // Sends what is held.
  void Finish();
  // Whether the extraction wrote as many entries as the total. A package
  // read as a stream (a FIFO) is read twice, and the two reads need not see
  // the same bytes.
  bool MatchesTotal() const { return done_ == total_; }
  int done() const { return done_; }
  int total() const { return total_; }

 private:
  void Send();
  // Whether the reports held so far take the bar to another value.
  bool MovesBar() const;

  const int total_;
  ExtractionWatch& watch_;
  const Sink sink_;
  int done_ = 0;
  int sent_ = 0;
};
