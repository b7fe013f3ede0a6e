// The progress reports of an extraction, without an archive: one per entry,
// in order, against the total, the main thread woken only when the bar's
// percentage moves and whatever is held sent at the end.
#include <climits>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "entry_progress.h"
#include "extraction_watch.h"
#include "gtest/gtest.h"

TEST(EntryProgressTest, ReportsComeInOrderOncePerStepOfTheBar) {
  struct Row {
    const char* name;
    int total;
    int entries;
    std::vector<int> sent;       // reports received after each entry, then after Finish
    std::optional<int64_t> bar;  // the dialog's value after the last report
    bool matches;
  };
  const std::vector<Row> rows = {
      {"every entry moves the bar up to 100", 3, 3, {1, 2, 3, 3}, 100, true},
      {"steps that leave the bar alone wait for one that moves it", 200, 4, {0, 2, 2, 4, 4}, 2, false},
      {"what is held is sent at the end", 200, 3, {0, 2, 2, 3}, 1, false},
      {"more entries than the total", 2, 3, {1, 2, 3, 3}, 150, false},
      {"nothing written", 3, 0, {0}, std::nullopt, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<std::pair<int, int>> reports;
    std::vector<int> sent;
    ExtractionWatch watch;
    EntryProgress progress(row.total, watch,
                           [&](int total, int steps) { reports.emplace_back(total, steps); });
    for (int entry = 0; entry < row.entries; ++entry) {
      progress.EntryDone();
      sent.push_back(static_cast<int>(reports.size()));
    }
    progress.Finish();
    sent.push_back(static_cast<int>(reports.size()));

    EXPECT_EQ(sent, row.sent);
    for (size_t i = 0; i < reports.size(); ++i) {
      EXPECT_EQ(reports[i], std::make_pair(row.total, static_cast<int>(i) + 1));
    }
    const std::optional<int64_t> bar =
        reports.empty() ? std::nullopt : ProgressPercent(reports.back().second, reports.back().first);
    EXPECT_EQ(bar, row.bar);
    EXPECT_EQ(progress.MatchesTotal(), row.matches);
  }
  // A total too large for the percentage in 32 bits.
  EXPECT_EQ(ProgressPercent(INT_MAX, INT_MAX), 100);
}
