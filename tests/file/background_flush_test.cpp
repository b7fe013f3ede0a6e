// The flushes a tree's writer starts in the background: none for a small
// tree, some for a large one, never one per entry, none without a folder.
#include <fcntl.h>
#include <gtest/gtest.h>

#include <cstdint>

#include "background-flush.h"
#include "testutil.h"
#include "unique-fd.h"

namespace {

TEST(BackgroundFlush, StartsFlushesForMuchWrittenWorkNeverOnePerEntry) {
  constexpr int64_t kMiB = int64_t{1} << 20;
  struct Row {
    const char* name;
    int entries;
    int64_t bytes_each;
    bool flushes;
  };
  const Row rows[] = {
      {"a few small files", 100, 1000, false},
      {"one file of a gigabyte", 1, 1024 * kMiB, true},
      {"100,000 entries without data", 100000, 0, true},
      {"1,000 files of 1 MiB", 1000, kMiB, true},
  };
  testutil::TempDir tmp;
  const UniqueFd dir(open(tmp.path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  ASSERT_TRUE(dir);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    BackgroundFlush flush(dir.get());
    for (int i = 0; i < row.entries; ++i) flush.EntryWritten(row.bytes_each);
    EXPECT_EQ(flush.started() > 0, row.flushes);
    EXPECT_LE(flush.started() * 10, row.entries + 9) << "a flush per entry or close to it";
  }
  // Without a folder there is nothing to flush, and nothing fails.
  BackgroundFlush none(-1);
  none.EntryWritten(1024 * kMiB);
  EXPECT_EQ(none.started(), 0);
}

}  // namespace
