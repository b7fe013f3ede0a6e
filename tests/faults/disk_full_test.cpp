// The home on a small file system that fills up in the middle of an
// extraction: the old copy is put back and started, a launch before room is
// made leaves the running client alone, and once there is room a later
// launch installs the new copy. And a home without room for the copy the
// package declares: no attempt is made at all.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/statvfs.h>

#include "faults_tree.h"

using namespace testutil;

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

// The new package: this many files of kFileSize incompressible bytes.
constexpr int kFiles = 40;
constexpr size_t kFileSize = 64 * 1024;
// Room left for the extraction: about half of the new copy.
constexpr unsigned long long kRoom = kFiles * kFileSize / 2;

unsigned long long free_bytes(const std::string& dir) {
  struct statvfs s;
  return statvfs(dir.c_str(), &s) == 0 ? static_cast<unsigned long long>(s.f_bavail) * s.f_frsize : 0;
}

TEST(DiskFull, MidExtractionRestoresTheOldCopyAndALaterLaunchInstalls) {
  ScratchTmp scratch;
  LaunchTree t;
  ProcessSweeper sweeper(t.tmp());
  TmpfsMount home(t.home(), "8m");
  if (!home.mounted()) GTEST_SKIP() << home.unavailable();

  const std::string old_client = t.tmp() + "/client-1001";
  const std::string new_client = t.tmp() + "/client-1002";
  write_client(old_client, "1001", "old-only.txt");
  write_client(new_client, "1002");
  for (int i = 0; i < kFiles; ++i)
    write_file(new_client + "/blob" + two_digits(i),
               pseudo_random_bytes(kFileSize, static_cast<unsigned>(i)));
  ASSERT_EQ(t.package(new_client).status, 0);
  // Without the size it declares, the home's room is not looked at first.
  ASSERT_EQ(sh("sed -i '/^unpacked_size=/d' '" + t.root() + "/INFO'").status, 0);
  t.set_levels("service_debug=6\n");
  make_dirs(t.user_dir() + "/log");
  ASSERT_EQ(sh("cp -a '" + old_client + "' '" + t.app_dir() + "'").status, 0);

  // Fill the home so that only kRoom bytes are left.
  const std::string filler = t.home() + "/filler";
  const unsigned long long fill = free_bytes(t.home()) - kRoom;
  ASSERT_EQ(sh("head -c " + std::to_string(fill) + " /dev/zero > '" + filler + "'").status, 0);
  ASSERT_LT(free_bytes(t.home()), kFiles * kFileSize);
  const TreeSnapshot old_copy = snapshot(t.app_dir());

  Child full({t.launcher()}, {"HOME=" + t.home(), "QT_QPA_PLATFORM=offscreen"}, t.tmp() + "/full.out");
  EXPECT_EQ(full.wait(), 0) << full.output();
  EXPECT_EQ(tree_diff(snapshot(t.app_dir()), old_copy), "") << t.log();
  EXPECT_THAT(t.started(), EndsWith("start 1001\n"));
  EXPECT_GT(t.wait_client(kClientTenths), 0);
  std::string log = t.log();
  EXPECT_THAT(log, HasSubstr("archive_read_extract2 failed"));
  // The cause, wherever libarchive left it.
  EXPECT_THAT(log, HasSubstr("No space left on device"));
  EXPECT_THAT(log, HasSubstr("Failed to extract package, rollback to old installation\n"));
  for (const auto& n : list_dir(t.user_dir()))
    EXPECT_EQ(n.rfind("Nimbora.app_tmp", 0), std::string::npos) << n;

  // Without room made, the next launch does not try again: the client keeps
  // running, the package is not read.
  const pid_t running = t.wait_client(kClientTenths);
  Child still_full({t.launcher()}, {"HOME=" + t.home(), "QT_QPA_PLATFORM=offscreen"}, t.tmp() + "/still.out");
  EXPECT_EQ(still_full.wait(), 0) << still_full.output();
  EXPECT_EQ(tree_diff(snapshot(t.app_dir()), old_copy), "") << t.log();
  EXPECT_EQ(t.client_pid(), running);
  log = t.log().substr(log.size());
  EXPECT_THAT(
      log, HasSubstr("is held back: its last attempt failed for want of a writable file system with room"));
  EXPECT_THAT(log, Not(HasSubstr("extract package")));

  // With room again.
  unlink(filler.c_str());
  Child roomy({t.launcher()}, {"HOME=" + t.home(), "QT_QPA_PLATFORM=offscreen"}, t.tmp() + "/roomy.out");
  EXPECT_EQ(roomy.wait(), 0) << roomy.output();
  EXPECT_EQ(tree_diff(snapshot(t.app_dir()), snapshot(new_client)), "") << t.log();
  EXPECT_THAT(t.started(), EndsWith("start 1002\n"));
  for (const auto& n : list_dir(t.user_dir()))
    EXPECT_EQ(n.rfind("Nimbora.app_tmp", 0), std::string::npos) << n;
  EXPECT_GT(t.wait_client(kClientTenths), 0);
  t.stop_client();
}

// A home with less room than the package declares for its copy, and one
// with no byte free, where no record of an attempt could be written: every
// launch leaves the running client and its copy alone, makes no attempt and
// writes no record, logs one warning with the numbers and ends with status
// 0; once there is room the copy is installed.
TEST(DiskFull, NoRoomForTheCopyLeavesTheRunningClientAlone) {
  struct Row {
    const char* name;
    bool no_byte_free;
  };
  const std::vector<Row> rows = {{"room for a part of the copy", false}, {"no byte free", true}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ScratchTmp scratch;
    LaunchTree t;
    ProcessSweeper sweeper(t.tmp());
    TmpfsMount home(t.home(), "40m");
    if (!home.mounted()) GTEST_SKIP() << home.unavailable();
    const std::string old_client = t.tmp() + "/client-1001";
    const std::string new_client = t.tmp() + "/client-1002";
    write_client(old_client, "1001", "old-only.txt");
    write_client(new_client, "1002");
    for (int i = 0; i < kFiles; ++i)
      write_file(new_client + "/blob" + two_digits(i),
                 pseudo_random_bytes(kFileSize, static_cast<unsigned>(i)));
    ASSERT_EQ(t.package(new_client).status, 0);
    ASSERT_THAT(read_file(t.root() + "/INFO"), HasSubstr("\nunpacked_size="));
    t.set_levels("service_debug=6\n");
    make_dirs(t.user_dir() + "/log");
    ASSERT_EQ(sh("cp -a '" + old_client + "' '" + t.app_dir() + "'").status, 0);
    ASSERT_EQ(sh("'" + t.app_dir() + "/package/start-stop' start", {"HOME=" + t.home()}).status, 0);
    const pid_t running = t.wait_client(kClientTenths);
    ASSERT_GT(running, 0);

    const std::string filler = t.home() + "/filler";
    if (row.no_byte_free) {
      sh("cat /dev/zero > '" + filler + "'");
      ASSERT_EQ(free_bytes(t.home()), 0u);
    } else {
      ASSERT_EQ(
          sh("head -c " + std::to_string(free_bytes(t.home()) - kRoom) + " /dev/zero > '" + filler + "'")
              .status,
          0);
    }
    const TreeSnapshot old_copy = snapshot(t.app_dir());
    for (int launch = 0; launch < 2; ++launch) {
      SCOPED_TRACE("launch " + std::to_string(launch + 1));
      const size_t before = t.log().size();
      Child c({t.launcher()}, {"HOME=" + t.home(), "QT_QPA_PLATFORM=offscreen"}, t.tmp() + "/full.out");
      EXPECT_EQ(c.wait(), 0) << c.output();
      EXPECT_EQ(tree_diff(snapshot(t.app_dir()), old_copy), "");
      EXPECT_EQ(t.client_pid(), running);
      EXPECT_FALSE(exists(t.user_dir() + "/upgrade.attempt"));
      const std::string log = t.log().substr(before);
      if (!row.no_byte_free) {
        EXPECT_THAT(log, HasSubstr("no room for build 1002 of the package in '" + t.user_dir() + "': "));
        EXPECT_THAT(log, HasSubstr(" MiB needed ("));
      }
      EXPECT_THAT(log, Not(HasSubstr("extract package")));
      EXPECT_THAT(log, Not(HasSubstr("upgrade-attempt")));
    }

    unlink(filler.c_str());
    Child roomy({t.launcher()}, {"HOME=" + t.home(), "QT_QPA_PLATFORM=offscreen"}, t.tmp() + "/roomy.out");
    EXPECT_EQ(roomy.wait(), 0) << roomy.output();
    EXPECT_EQ(tree_diff(snapshot(t.app_dir()), snapshot(new_client)), "") << t.log();
    EXPECT_THAT(t.started(), EndsWith("start 1002\n"));
    t.stop_client();
  }
}

}  // namespace
