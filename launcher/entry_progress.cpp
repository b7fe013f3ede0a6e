#include "entry_progress.h"

#include <utility>

#include "extraction_watch.h"
#include "log.h"

std::optional<int64_t> ProgressPercent(int steps, int total) {
  if (total <= 0) return std::nullopt;
  return static_cast<int64_t>(steps) * 100 / total;
}

EntryCounter::EntryCounter(bool concurrent, std::function<void()> prepare, Count count)
    : prepare_(std::move(prepare)), count_(std::move(count)) {
  if (concurrent)
    thread_ = TaskThread([this] {
      if (prepare_) prepare_();
      Run();
    });
  if (!thread_.started()) Run();
}

EntryCounter::~EntryCounter() {
  stop_.store(true, std::memory_order_relaxed);
  thread_.Join();
}

std::optional<int> EntryCounter::WaitForFirstEntry() {
  if (!seen_.WaitUntil([](const Seen& s) { return s.first || s.ended; }).ended) return std::nullopt;
  return total_;
}

std::optional<int> EntryCounter::TotalSoFar() const {
  if (!counted_.load(std::memory_order_acquire)) return std::nullopt;
  return total_;
}

int EntryCounter::Total() {
  thread_.Join();
  return total_;
}

void EntryCounter::Run() {
  total_ = count_([this] { seen_.Change([](Seen& s) { s.first = true; }); }, stop_);
  counted_.store(true, std::memory_order_release);
  seen_.Change([](Seen& s) { s.ended = true; });
}

HeldProgress::HeldProgress(EntryCounter& counter, ExtractionWatch& watch, const ustring& source,
                           std::optional<int> total, Sink sink)
    : counter_(counter), watch_(watch), source_(source), sink_(std::move(sink)), total_(total) {
  if (total_) LogTotal();
}

void HeldProgress::EntryDone() {
  ++done_;
  watch_.Advance();
  RunEntryHookForTest();
  if (!total_) Learn(counter_.TotalSoFar());
  if (MovesBar()) Send();
}

void HeldProgress::Finish() {
  if (done_ == 0) {
    counter_.Abandon();
    return;
  }
  if (!total_) Learn(counter_.Total());
  Send();
}

void HeldProgress::Learn(std::optional<int> total) {
  total_ = total;
  if (total_) LogTotal();
}

void HeldProgress::LogTotal() const {
  LOG_MSG(L_DEBUG, "extractor_debug", "[DEBUG] extractor(%d): %d entries in '%s'\n", *total_,
          source_.c_str());
}

void HeldProgress::Send() {
  if (!total_) return;
  watch_.Report([this] {
    while (sent_ < done_) sink_(*total_, ++sent_);
  });
}

bool HeldProgress::MovesBar() const {
  if (!total_) return false;
  const std::optional<int64_t> now = ProgressPercent(done_, *total_);
  return now && now != ProgressPercent(sent_, *total_);
}
