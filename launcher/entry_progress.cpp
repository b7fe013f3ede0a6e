#include "entry_progress.h"

#include <system_error>
#include <utility>

#include "extraction_watch.h"
#include "log.h"

std::optional<int64_t> ProgressPercent(int steps, int total) {
  if (total <= 0) return std::nullopt;
  return static_cast<int64_t>(steps) * 100 / total;
}

EntryCounter::EntryCounter(bool concurrent, std::function<void()> prepare, Count count)
    : prepare_(std::move(prepare)), count_(std::move(count)) {
  if (concurrent) {
    try {
      thread_ = std::thread(&EntryCounter::RunOnOwnThread, this);
      return;
    } catch (const std::system_error&) {
    }
  }
  Run();
}

EntryCounter::~EntryCounter() {
  stop_.store(true, std::memory_order_relaxed);
  Join();
}

std::optional<int> EntryCounter::WaitForFirstEntry() {
  std::unique_lock<std::mutex> lock(mutex_);
  started_.wait(lock, [this] { return first_seen_ || ended_; });
  if (!ended_) return std::nullopt;
  return total_;
}

std::optional<int> EntryCounter::TotalSoFar() const {
  if (!counted_.load(std::memory_order_acquire)) return std::nullopt;
  return total_;
}

int EntryCounter::Total() {
  Join();
  return total_;
}

void EntryCounter::RunOnOwnThread() {
  if (prepare_) prepare_();
  Run();
}

void EntryCounter::Run() {
  total_ = count_([this] { Signal(true, false); }, stop_);
  counted_.store(true, std::memory_order_release);
  Signal(false, true);
}

void EntryCounter::Signal(bool first_seen, bool ended) {
  std::lock_guard<std::mutex> lock(mutex_);
  first_seen_ = first_seen_ || first_seen;
  ended_ = ended_ || ended;
  started_.notify_all();
}

void EntryCounter::Join() {
  if (thread_.joinable()) thread_.join();
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
