// The flushes a tree's writer starts in the background: one for each share
// of written work (file data, and a block per entry), never one per entry.
#include <fcntl.h>
#include <gtest/gtest.h>

#include <cstdint>

#include "background-flush.h"
#include "testutil.h"
#include "unique-fd.h"

namespace {

TEST(BackgroundFlush, StartsOneFlushForEachShareOfWrittenWork) {
  constexpr int64_t kMiB = int64_t{1} << 20;
  struct Row {
    const char* name;
    int entries;
    int64_t bytes_each;
    int at_most;  // flushes started, at most: one is skipped while another is under way
    int at_least;
  };
  const Row rows[] = {
      {"a few small files", 100, 1000, 0, 0},
      {"one file of the share", 1, 64 * kMiB, 1, 1},
      {"entries without data, a block each", 16384, 0, 1, 1},
      {"600 files of 1 MiB", 600, kMiB, 9, 1},
  };
  testutil::TempDir tmp;
  const UniqueFd dir(open(tmp.path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  ASSERT_TRUE(dir);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    BackgroundFlush flush(dir.get());
    for (int i = 0; i < row.entries; ++i) flush.EntryWritten(row.bytes_each);
    EXPECT_LE(flush.started(), row.at_most);
    EXPECT_GE(flush.started(), row.at_least);
  }
  // Without a folder there is nothing to flush, and nothing fails.
  BackgroundFlush none(-1);
  none.EntryWritten(128 * kMiB);
  EXPECT_EQ(none.started(), 0);
}

}  // namespace
