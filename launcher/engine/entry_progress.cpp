#include "entry_progress.h"

#include <utility>

#include "extraction_watch.h"

std::optional<int64_t> ProgressPercent(int steps, int total) {
  if (total <= 0) return std::nullopt;
  return static_cast<int64_t>(steps) * 100 / total;
}

EntryProgress::EntryProgress(int total, ExtractionWatch& watch, Sink sink)
    : total_(total), watch_(watch), sink_(std::move(sink)) {}

void EntryProgress::EntryDone() {
  ++done_;
  watch_.Advance();
  RunEntryHookForTest();
  if (MovesBar()) Send();
}

void EntryProgress::Finish() { Send(); }

void EntryProgress::Send() {
  if (!sink_) return;
  watch_.Report([this] {
    while (sent_ < done_) sink_(total_, ++sent_);
  });
}

bool EntryProgress::MovesBar() const {
  return ProgressPercent(done_, total_) != ProgressPercent(sent_, total_);
}
