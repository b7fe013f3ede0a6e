// The per-user installation with backup and rollback, run by the scenario
// program in a system tree: first install, backup names, a failed or killed
// extraction, and the start script's process state.
#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

#include "archive_writer.h"
#include "child.h"
#include "faults_util.h"
#include "slow_disk.h"
#include "system_tree.h"

using namespace testutil;

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

TEST(Installation, FirstInstallCreatesTheCopyAndItsFolders) {
  struct Row {
    const char* name;
    bool stray_backup;  // a <app>_tmp left over from an earlier run
  };
  for (const Row& row : {Row{"no per-user folder yet", false}, Row{"stray first backup", true}}) {
    SCOPED_TRACE(row.name);
    SystemTree t;
    t.Package("10");
    if (row.stray_backup) WriteCopy(t.app + "_tmp", "1");
    RunResult r = t.Run("prepare");
    EXPECT_EQ(ResultOf(r, "result"), 0) << r.out << t.log();
    EXPECT_EQ(snapshot(t.app), t.PackageTree("10")) << tree_diff(snapshot(t.app), t.PackageTree("10"));
    EXPECT_FALSE(exists(t.app + "_tmp"));
    const std::string log = t.log();
    EXPECT_THAT(log, Not(HasSubstr("failed to backup")));
    EXPECT_THAT(log, HasSubstr("): extract package: '" + t.package() + "' -> '" + t.app + "'\n"));
    EXPECT_THAT(log, HasSubstr("): user installation is ready, removing backup app\n"));
  }
}

TEST(Installation, UpgradeTakesTheFirstFreeBackupNameAndRemovesTheOnesBelow) {
  struct Row {
    const char* name;
    std::vector<std::string> leftovers;  // suffixes of non-empty leftover backups
    std::vector<std::string> refused;    // backup names tried in vain
    std::vector<std::string> staying;    // leftovers above the one used
  };
  const std::vector<Row> rows = {
      {"free first name", {}, {}, {}},
      {"two leftovers", {"_tmp", "_tmp1"}, {"_tmp", "_tmp1"}, {}},
      {"gap below a higher leftover", {"_tmp", "_tmp5"}, {"_tmp"}, {"_tmp5"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    SystemTree t;
    t.Package("20");
    WriteCopy(t.app, "19");
    for (const auto& s : row.leftovers) WriteCopy(t.app + s, "1");
    RunResult r = t.Run("prepare");
    EXPECT_EQ(ResultOf(r, "result"), 0) << r.out << t.log();
    EXPECT_EQ(snapshot(t.app), t.PackageTree("20")) << tree_diff(snapshot(t.app), t.PackageTree("20"));
    const std::string log = t.log();
    EXPECT_EQ(count_of(log, "): failed to backup app from"), static_cast<int>(row.refused.size())) << log;
    for (const auto& s : row.refused) {
      EXPECT_THAT(log, HasSubstr("[ERROR] cloud-service("));
      EXPECT_THAT(log, HasSubstr("): failed to backup app from '" + t.app + "' -> '" + t.app + s + "'\n"));
    }
    for (const char* s : {"_tmp", "_tmp1", "_tmp2", "_tmp3", "_tmp4"}) {
      bool stays = false;
      for (const auto& k : row.staying) stays |= (k == s);
      EXPECT_EQ(exists(t.app + s), stays) << s;
    }
    for (const auto& s : row.staying) EXPECT_TRUE(exists(t.app + s + "/old-1")) << s;
  }
}

TEST(Installation, TenLeftoverBackupsGiveUpWithoutTouchingAnything) {
  SystemTree t;
  t.Package("30");
  WriteCopy(t.app, "29");
  std::vector<std::string> names = {"_tmp"};
  for (int i = 1; i <= 9; ++i) names.push_back("_tmp" + std::to_string(i));
  for (const auto& s : names) WriteCopy(t.app + s, "1");
  const TreeSnapshot before = snapshot(t.user_dir);

  RunResult r = t.Run("prepare");
  EXPECT_EQ(ResultOf(r, "result"), -1) << r.out;
  const std::string log = t.log();
  EXPECT_EQ(count_of(log, "): failed to backup app from '" + t.app + "' -> '"), 11) << log;
  EXPECT_THAT(log, HasSubstr("): failed to backup app from '" + t.app + "' -> '" + t.app +
                             "_tmp9' at max retries, exiting\n"));
  EXPECT_THAT(log, Not(HasSubstr("extract package")));
  EXPECT_EQ(snapshot(t.user_dir), before);
}

TEST(Installation, FailedExtractionPutsTheOldCopyBack) {
  struct Row {
    const char* name;
    void (*make)(const SystemTree&);
  };
  const std::vector<Row> rows = {
      {"missing archive", [](const SystemTree& t) { ::unlink(t.package().c_str()); }},
      {"truncated archive",
       [](const SystemTree& t) {
         t.Package("40");
         struct stat st;
         stat(t.package().c_str(), &st);
         ASSERT_EQ(truncate(t.package().c_str(), st.st_size / 2), 0);
       }},
      {"entry escaping with ..",
       [](const SystemTree& t) {
         std::vector<ArchiveEntry> e = ClientPackage("40");
         e.push_back(File("../../escape", "x"));
         write_archive(t.package(), e);
       }},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    SystemTree t;
    WriteCopy(t.app, "39");
    row.make(t);
    const TreeSnapshot before = snapshot(t.app);
    RunResult r = t.Run("prepare");
    EXPECT_EQ(ResultOf(r, "result"), -1) << r.out;
    EXPECT_EQ(snapshot(t.app), before) << tree_diff(snapshot(t.app), before);
    EXPECT_FALSE(exists(t.app + "_tmp"));
    EXPECT_FALSE(exists(t.user_dir + "/escape"));
    EXPECT_THAT(t.log(), HasSubstr("): Failed to extract package, rollback to old installation\n"));
  }
}

// The system INFO may declare the archive's entry count (the packaging step
// writes it): the archive is then read once, with that count as the total,
// and an extraction that writes another number of entries fails like any
// damaged package. A count that is not a whole positive number is ignored.
TEST(Installation, DeclaredEntryCountReplacesTheCountingPassAndIsHeldToTheTruth) {
  struct Row {
    const char* name;
    std::string declared;  // the value of entry_count; "" for no [Package] section
    bool fifo;             // the package comes through a FIFO that is fed once
    int result;
    const char* logged;
  };
  const int entries = static_cast<int>(ClientPackage("70").size());
  const std::string right = std::to_string(entries);
  const std::vector<Row> rows = {
      {"no count: counted first", "", false, 0, "): 5 entries in '"},
      {"right count", right, false, 0, "): 5 entries in '"},
      {"right count, package read once through a FIFO", right, true, 0, "): 5 entries in '"},
      {"one too many", std::to_string(entries + 1), false, -1,
       "' holds 5 entries where its INFO declares 6\n"},
      {"one too few", std::to_string(entries - 1), false, -1,
       "' holds 5 entries where its INFO declares 4\n"},
      {"not a number: counted first", right + "x", false, 0, "): 5 entries in '"},
      {"zero: counted first", "0", false, 0, "): 5 entries in '"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    SystemTree t;
    WriteCopy(t.app, "69");
    const TreeSnapshot old_copy = snapshot(t.app);
    t.Package("70");
    if (!row.declared.empty())
      write_file(t.root + "/INFO",
                 "[Version]\nbuild_version=70\n[Package]\nentry_count=" + row.declared + "\n");
    RunResult r;
    if (row.fifo) {
      const std::string bytes = read_file(t.package());
      PackageFifo fifo(t.package(), bytes);
      Child child({t.exe(), "--scenario", "prepare"}, {"HOME=" + t.home}, t.tmp / "child.out");
      ASSERT_TRUE(fifo.begin_pass(child) && fifo.feed_all()) << read_file(t.tmp / "child.out");
      fifo.end_pass();
      EXPECT_EQ(child.wait(), 0) << t.log();
      r.out = read_file(t.tmp / "child.out");
    } else {
      r = t.Run("prepare");
    }
    EXPECT_EQ(ResultOf(r, "result"), row.result) << r.out << t.log();
    const TreeSnapshot expected = row.result == 0 ? t.PackageTree("70") : old_copy;
    EXPECT_EQ(snapshot(t.app), expected) << tree_diff(snapshot(t.app), expected);
    EXPECT_THAT(t.log(), HasSubstr(row.logged));
  }
}

// A failed first install leaves no copy that could be taken for an installed
// one.
TEST(Installation, FailedFirstInstallLeavesNoAppFolder) {
  SystemTree t;
  RunResult r = t.Run("prepare");
  EXPECT_EQ(ResultOf(r, "result"), -1) << r.out;
  EXPECT_FALSE(exists(t.app));
  EXPECT_THAT(t.log(), HasSubstr("): Failed to extract package, and no old installation to rollback\n"));
}

bool WaitFor(const std::function<bool()>& cond) {
  for (const long long end = now_millis() + hang_bound_millis(60000); now_millis() < end;) {
    if (cond()) return true;
    usleep(10000);
  }
  return false;
}

// A launcher killed in the middle of an extraction leaves a partial copy
// (no INFO) and the complete old copy as a backup. The next launch repairs
// it, or, when its own extraction fails too, puts the complete old copy back
// and starts it: the partial copy is never a rollback target.
TEST(Installation, AfterAKillMidExtractionTheNextLaunchEndsWithACompleteCopy) {
  struct Row {
    const char* name;
    bool truncated;    // the next extraction fails
    bool app_removed;  // the partial app folder is gone as well
  };
  for (const Row& row : {Row{"intact package: repaired", false, false},
                         Row{"truncated package: the old copy is back", true, false},
                         Row{"truncated package, no app folder: the old copy is back", true, true}}) {
    SCOPED_TRACE(row.name);
    SystemTree t;
    WriteCopy(t.app, "49");
    make_dirs(t.app + "/package");
    write_file(t.app + "/package/start-stop", "#!/bin/sh\necho \"old $*\" >> \"$HOME/started\"\n", 0755);
    const TreeSnapshot old_copy = snapshot(t.app);
    write_file(t.root + "/INFO", "[Version]\nbuild_version=50\n");
    // Uncompressed, so that half of the bytes is half of the entries.
    std::vector<ArchiveEntry> entries = ClientPackage("50");
    for (int i = 0; i < 200; ++i)
      entries.push_back(File("data/f" + std::to_string(1000 + i), std::string(4000, 'd')));
    const std::string real_package = t.tmp / "real.nbpk";
    write_archive(real_package, entries, "pax");
    const std::string bytes = read_file(real_package);
    PackageFifo fifo(t.package(), bytes);

    Child child({t.exe(), "--scenario", "upgrade"}, {"HOME=" + t.home}, t.tmp / "child.out");
    // The counting pass reads every entry; the extraction pass gets half of
    // the bytes, then waits for more.
    ASSERT_TRUE(fifo.begin_pass(child) && fifo.feed_entries_and_end()) << read_file(t.tmp / "child.out");
    ASSERT_TRUE(fifo.begin_pass(child) && fifo.feed(bytes.size() / 2))
        << read_file(t.tmp / "child.out") << t.log();
    ASSERT_TRUE(WaitFor([&] { return read_file(t.app + "/data/f1050").size() == 4000; }))
        << read_file(t.tmp / "child.out") << t.log();
    child.kill9();
    const int status = child.wait();
    fifo.end_pass();
    ASSERT_EQ(status, 128 + SIGKILL);

    // Interrupted: a partial copy that cannot be taken for a current one.
    EXPECT_TRUE(exists(t.app + "/bin/nimbora-backup-ui"));
    EXPECT_FALSE(exists(t.app + "/INFO"));
    EXPECT_TRUE(exists(t.app + "_tmp/old-49"));
    if (row.app_removed) remove_tree(t.app);

    ASSERT_EQ(::unlink(t.package().c_str()), 0);
    // Cut inside an entry's data, not at a record boundary.
    write_file(t.package(), row.truncated ? bytes.substr(0, bytes.size() / 2 + 100) : bytes);
    RunResult r = t.Run("upgrade");
    if (row.truncated) {
      EXPECT_EQ(ResultOf(r, "upgrade"), -1) << r.out << t.log();
      EXPECT_EQ(snapshot(t.app), old_copy) << tree_diff(snapshot(t.app), old_copy) << t.log();
      EXPECT_EQ(read_file(t.home + "/started"), "old start\n");
    } else {
      EXPECT_EQ(ResultOf(r, "upgrade"), 0) << r.out << t.log();
      EXPECT_EQ(snapshot(t.app), ExpectedTree(entries)) << tree_diff(snapshot(t.app), ExpectedTree(entries));
      EXPECT_EQ(read_file(t.home + "/started"), "1 start\n");
    }
    for (const char* s : {"_tmp", "_tmp1", "_tmp2"}) EXPECT_FALSE(exists(t.app + s)) << s;
  }
}

TEST(Installation, CurrentCopyIsLeftAloneAndTheClientStartedAnyway) {
  SystemTree t;
  t.Package("60");
  make_dirs(t.user_dir);
  RunResult r = t.Run("upgrade");
  ASSERT_EQ(ResultOf(r, "upgrade"), 0) << r.out << t.log();
  const TreeSnapshot installed = snapshot(t.app);
  make_dirs(t.user_dir + "/app/sub");
  write_file(t.user_dir + "/app/sub/x", "aged");

  r = t.Run("upgrade");
  EXPECT_EQ(ResultOf(r, "upgrade"), -999) << r.out;  // no upgrade attempted
  EXPECT_EQ(snapshot(t.app), installed);
  EXPECT_FALSE(exists(t.user_dir + "/app"));
  EXPECT_EQ(read_file(t.home + "/started"), "1 start\n1 start\n");
  EXPECT_EQ(count_of(t.log(), "): extract package: "), 1);
}

// Packages the client with the given start script.
void PackageWithScript(const SystemTree& t, const std::string& build, const std::string& script) {
  std::vector<ArchiveEntry> entries = ClientPackage(build);
  for (auto& e : entries) {
    if (e.name == "package/start-stop") e.data = script;
  }
  write_archive(t.package(), entries, "pax", "gzip");
  write_file(t.root + "/INFO", "[Version]\nbuild_version=" + build + "\n");
}

TEST(Installation, StartScriptRunsWhereTheLauncherRunsWithNoSignalBlockedOrPipeIgnored) {
  SystemTree t;
  const std::string cwd = t.tmp / "elsewhere";
  make_dirs(cwd);
  // The scenario blocks SIGTERM and SIGUSR1 and ignores SIGPIPE on its
  // thread first, as a desktop session or a parent shell may.
  PackageWithScript(t, "61", "#!/bin/sh\npwd > \"$HOME/pwd\"\n");
  RunResult r = run({t.exe(), "--scenario", "upgrade-guarded"}, {"HOME=" + t.home}, cwd);
  ASSERT_EQ(ResultOf(r, "upgrade"), 0) << r.out << t.log();
  // The extraction ran on the same thread just before, inside the copy.
  EXPECT_EQ(read_file(t.home + "/pwd"), cwd + "\n");

  // An interpreter that shows what it was started with (a shell would clear
  // its signal mask first).
  PackageWithScript(t, "62", "#!/bin/cat /proc/self/status\n");
  r = run({t.exe(), "--scenario", "upgrade-guarded"}, {"HOME=" + t.home}, cwd);
  ASSERT_EQ(ResultOf(r, "upgrade"), 0) << r.out << t.log();
  EXPECT_THAT(r.out, HasSubstr("\nSigBlk:\t0000000000000000\n"));
  const size_t ign = r.out.find("\nSigIgn:\t");
  ASSERT_NE(ign, std::string::npos) << r.out;
  const unsigned long long ignored = std::stoull(r.out.substr(ign + 9, 16), nullptr, 16);
  EXPECT_EQ(ignored & (1ULL << (SIGPIPE - 1)), 0u) << r.out;
}

// The flush of the new copy on a home whose disk writes nothing back: given
// up after the watchdog's bound as the disk's fault, the old copy put back,
// and the failure recorded as the environment's, never as the package's.
TEST(Installation, FlushTheDiskNeverWritesIsTheEnvironmentsFault) {
  SystemTree t;
  SlowDisk disk(t.tmp / "home.img", t.home, "64M");
  if (!disk.unavailable().empty()) GTEST_SKIP() << disk.unavailable();
  WriteCopy(t.app, "69");
  write_file(t.root + "/INFO", "[Version]\nbuild_version=70\n");
  const std::string tar = t.tmp / "package.tar";
  write_archive(tar, ClientPackage("70"), "pax");
  // Read by name, a pass at a time: the disk stops between the two.
  PackageFifo fifo(t.package(), read_file(tar));
  // The stall bound is a second on a quiet machine: the case's own feeding
  // of the second pass must never look like a stalled package.
  Child c({t.exe(), "--scenario", "upgrade"},
          {"HOME=" + t.home, "NIMBORA_STALL_MS=" + std::to_string(hang_bound_millis(1000))},
          t.tmp / "scenario.out");
  ASSERT_TRUE(fifo.begin_pass(c));
  ASSERT_TRUE(fifo.feed(fifo.size()));
  ASSERT_TRUE(fifo.begin_pass(c));
  ASSERT_TRUE(disk.Throttle(1));
  ASSERT_TRUE(fifo.feed(fifo.size()));
  fifo.end_pass();
  const long long end = now_millis() + kBoundMillis;
  while (t.log().find("not the package's fault") == std::string::npos && now_millis() < end && !c.exited())
    usleep(kPollMicros);
  // The record of the failure is written once the disk writes again.
  ASSERT_TRUE(disk.Throttle(0));
  EXPECT_EQ(c.wait(), 0) << c.output();
  EXPECT_EQ(ResultOf(RunResult{0, c.output()}, "upgrade"), -1) << c.output() << t.log();
  EXPECT_THAT(t.log(), HasSubstr("the disk writes nothing back, giving it up (not the package's fault)\n"));
  EXPECT_EQ(read_file(t.app + "/INFO"), "[Version]\nbuild_version=69\n");
  EXPECT_THAT(read_file(t.user_dir + "/upgrade.attempt"), HasSubstr("\nfailure=environment\n"));
}

}  // namespace
