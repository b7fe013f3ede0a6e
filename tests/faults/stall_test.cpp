// The whole launch against a package that stops delivering bytes in the
// middle of the extraction: the watchdog gives the upgrade up after its
// bound, the old copy is put back and started, and the launcher exits with
// status 0 although the reader never returns. And a copy installed from a
// package older than the system INFO announces (an administrator's upgrade
// that renamed INFO into place before the package) is upgraded at the next
// launch, once.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "faults_tree.h"

using namespace testutil;

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

// The stall bound the launcher is given through NIMBORA_STALL_MS, far below
// its own minute.
constexpr int kStallMillis = 2000;

TEST(Stall, PackageThatStopsFeedingGivesTheUpgradeUpAndStartsTheOldCopy) {
  Upgrade u;
  u.tree().set_levels("service_debug=6\nextractor_debug=3\n");
  const std::string bytes = read_file(u.plain_tar());
  PackageFifo fifo(u.package(), bytes);
  auto c = u.start({"NIMBORA_STALL_MS=" + std::to_string(kStallMillis)});
  ASSERT_TRUE(fifo.begin_pass(*c));
  ASSERT_TRUE(fifo.feed_entries_and_end());
  ASSERT_TRUE(fifo.begin_pass(*c));
  ASSERT_TRUE(fifo.feed(bytes.size() / 2));
  RunResult r;
  r.status = c->wait(kBoundMillis + kStallMillis);
  r.out = c->output();
  const std::string log = u.tree().log();
  expect_copy_of(u, r, u.old_client(), "1001");
  EXPECT_THAT(log, HasSubstr("made no progress for 2000 ms, giving it up\n"));
  EXPECT_THAT(log, HasSubstr("Failed to extract package, rollback to old installation\n"));
  EXPECT_TRUE(u.backups().empty()) << joined(u.backups());
}

TEST(Stall, CopyOfAnOlderPackageThanAnnouncedIsUpgradedAtTheNextLaunch) {
  Upgrade u;
  const LaunchTree& t = u.tree();
  t.set_levels("service_debug=6\n");
  // INFO announces 1002 while the package still holds 1001.
  const std::string announced = read_file(t.root() + "/INFO");
  ASSERT_EQ(t.package(u.old_client()).status, 0);
  write_file(t.root() + "/INFO", announced);
  remove_tree(t.app_dir());
  expect_copy_of(u, u.launch(), u.old_client(), "1001");
  // The package follows.
  u.use_regular_package();
  expect_copy_of(u, u.launch(), u.new_client(), "1002");
  const size_t before = t.log().size();
  expect_copy_of(u, u.launch(), u.new_client(), "1002");
  EXPECT_THAT(t.log().substr(before), Not(HasSubstr("extract package")));
}

}  // namespace
