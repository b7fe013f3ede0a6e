// The held progress of an extraction, without an archive: a count on a
// thread of its own that ends when the test lets it, and the reports the
// written entries send once that count is known, one per entry, in order,
// woken only when the bar's percentage moves.
#include <atomic>
#include <chrono>
#include <climits>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

#include "entry_progress.h"
#include "extraction_watch.h"
#include "gtest/gtest.h"

namespace {

// A count that sees its first entry at once and ends with `result` when the
// test releases it, or when the counter tells it to stop.
class ReleasedCount {
 public:
  explicit ReleasedCount(int result) : result_(result) {}

  EntryCounter::Count Function() {
    return [this](const std::function<void()>& on_first, const std::atomic<bool>& stop) {
      on_first();
      std::unique_lock<std::mutex> lock(mutex_);
      while (!released_ && !stop.load()) released_cv_.wait_for(lock, std::chrono::milliseconds(5));
      return released_ ? result_ : 1;
    };
  }
  void Release() {
    std::lock_guard<std::mutex> lock(mutex_);
    released_ = true;
    released_cv_.notify_all();
  }

 private:
  const int result_;
  std::mutex mutex_;
  std::condition_variable released_cv_;
  bool released_ = false;
};

// Count known after this many entries: only when Finish waits for it.
constexpr int kAtFinish = 1 << 20;

}  // namespace

TEST(HeldProgressTest, ReportsWaitForTheCountAndForAStepOfTheBar) {
  struct Row {
    const char* name;
    int count;        // the count's result
    int known_after;  // entries written before the count ends
    int entries;
    std::vector<int> sent;       // reports received after each entry, then after Finish
    std::optional<int64_t> bar;  // the dialog's value after the last report
    bool matches;
  };
  const std::vector<Row> rows = {
      {"known first, every entry moves the bar up to 100", 3, 0, 3, {1, 2, 3, 3}, 100, true},
      {"held while the count runs, then sent at once", 3, 2, 3, {0, 0, 3, 3}, 100, true},
      {"count unknown until the end", 3, kAtFinish, 3, {0, 0, 0, 3}, 100, true},
      {"steps that leave the bar alone wait for one that moves it", 200, 0, 4, {0, 2, 2, 4, 4}, 2, false},
      {"a count of zero never moves the bar", 0, 0, 2, {0, 0, 2}, std::nullopt, false},
      {"more entries than counted", 2, 0, 3, {1, 2, 3, 3}, 150, false},
      {"nothing written: the count is let stop", 3, kAtFinish, 0, {0}, std::nullopt, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ReleasedCount count(row.count);
    EntryCounter counter(true, nullptr, count.Function());
    if (row.known_after == 0) {
      count.Release();
      EXPECT_EQ(counter.Total(), row.count);
    }
    const std::optional<int> early = counter.WaitForFirstEntry();
    EXPECT_EQ(early.has_value(), row.known_after == 0);

    std::vector<std::pair<int, int>> reports;
    std::vector<int> sent;
    ExtractionWatch watch;
    const ustring source("package.tar");
    HeldProgress progress(counter, watch, source, early,
                          [&](int total, int steps) { reports.emplace_back(total, steps); });
    for (int entry = 0; entry < row.entries; ++entry) {
      if (entry > 0 && entry == row.known_after) {
        count.Release();
        counter.Total();
      }
      progress.EntryDone();
      sent.push_back(static_cast<int>(reports.size()));
    }
    if (row.entries > 0 && row.known_after >= row.entries) count.Release();
    progress.Finish();
    sent.push_back(static_cast<int>(reports.size()));

    EXPECT_EQ(sent, row.sent);
    for (size_t i = 0; i < reports.size(); ++i) {
      EXPECT_EQ(reports[i], std::make_pair(row.count, static_cast<int>(i) + 1));
    }
    const std::optional<int64_t> bar =
        reports.empty() ? std::nullopt : ProgressPercent(reports.back().second, reports.back().first);
    EXPECT_EQ(bar, row.bar);
    EXPECT_EQ(progress.MatchesCount(), row.matches);
    EXPECT_EQ(progress.total().has_value(), row.entries > 0);
  }
  // A count too large for the percentage in 32 bits.
  EXPECT_EQ(ProgressPercent(INT_MAX, INT_MAX), 100);
}
