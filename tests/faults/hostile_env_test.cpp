// A hostile environment around an upgrade from build 1001 to 1002: a
// per-user folder the user cannot write, HOME unset, empty or missing,
// read-only copies, pid files that name no client (or the launcher, or a
// process that must survive), planted lock files, a home and a per-user
// folder reached through symbolic links, and the C locale with UTF-8 names.
// The launcher ends with status 0 every time and the user's copy is either
// the old one, untouched, or exactly the new one.
#include <gmock/gmock.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>

#include "faults_tree.h"
#include "privdrop.h"

using namespace testutil;

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

// A tree with build 1001 installed and build 1002 packaged.
struct EnvTree {
  ScratchTmp scratch;
  LaunchTree t;
  ProcessSweeper sweeper{t.tmp()};
  std::string old_client = t.tmp() + "/client-1001";
  std::string new_client = t.tmp() + "/client-1002";

  EnvTree() {
    t.set_levels("service_debug=6\n");
    write_client(old_client, "1001", "old-only.txt");
    t.package_client("1002", "new-feature.txt");
    make_dirs(t.user_dir());
    EXPECT_EQ(sh("cp -a '" + old_client + "' '" + t.app_dir() + "'").status, 0);
  }

  // The launcher as the given user (nobody by default), bounded.
  RunResult launch_as(const std::vector<std::string>& env, bool as_nobody) {
    std::vector<std::string> argv = {t.launcher()};
    if (as_nobody) argv = as_nobody_argv(argv);
    std::vector<std::string> e = {"HOME=" + t.home(), "QT_QPA_PLATFORM=offscreen"};
    e.insert(e.end(), env.begin(), env.end());
    Child c(argv, e, t.tmp() + "/launch.out");
    RunResult r;
    r.status = c.wait();
    r.out = c.output();
    return r;
  }

  // Everything below the tree's folder reachable and owned by nobody where
  // the launcher must write.
  void hand_home_to_nobody() const {
    chmod(t.tmp().c_str(), 0755);
    sh("chown -R 65534:65534 '" + t.home() + "'");
  }
};

// Kills the client that a launch with another home started.
void kill_client_of(const std::string& home, const std::string& tree) {
  std::string s = read_file(home + "/.NimboraBackup/ui.pid");
  pid_t p = s.rfind("pid=", 0) == 0 ? static_cast<pid_t>(atol(s.c_str() + 4)) : 0;
  if (p > 1 && read_file("/proc/" + std::to_string(p) + "/cmdline").find(tree) != std::string::npos)
    kill(p, SIGKILL);
}

void expect_old(const EnvTree& e, const RunResult& r) {
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(tree_diff(snapshot(e.t.app_dir()), snapshot(e.old_client)), "") << e.t.log() << r.out;
}

void expect_new(const EnvTree& e, const RunResult& r, const std::string& app_dir) {
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(tree_diff(snapshot(app_dir), snapshot(e.new_client)), "") << e.t.log() << r.out;
}

// ------------------------------------------------------------ permissions

TEST(HostileEnvironment, PerUserFolderNotWritableKeepsTheOldCopy) {
  if (!nobody_unavailable().empty()) GTEST_SKIP() << nobody_unavailable();
  EnvTree e;
  make_dirs(e.t.user_dir() + "/log");
  e.hand_home_to_nobody();
  chmod(e.t.user_dir().c_str(), 0555);

  RunResult r = e.launch_as({}, true);
  expect_old(e, r);
  std::string log = e.t.log();
  EXPECT_THAT(log, HasSubstr("at max retries, exiting\n"));
  EXPECT_THAT(log, HasSubstr("Failed to upgrade package\n"));
  EXPECT_EQ(e.t.started(), "start 1001\n");
  EXPECT_EQ(list_dir(e.t.user_dir()), (std::vector<std::string>{"Nimbora.app", "log"}));
}

TEST(HostileEnvironment, PerUserFolderNotWritableOnFirstInstall) {
  if (!nobody_unavailable().empty()) GTEST_SKIP() << nobody_unavailable();
  EnvTree e;
  remove_tree(e.t.app_dir());
  make_dirs(e.t.user_dir() + "/log");
  e.hand_home_to_nobody();
  chmod(e.t.user_dir().c_str(), 0555);

  RunResult r = e.launch_as({}, true);
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_THAT(e.t.log(), HasSubstr("failed to create folder: '" + e.t.app_dir() + "'\n"));
  EXPECT_EQ(list_dir(e.t.user_dir()), (std::vector<std::string>{"log"}));
}

// Read-only parts of the old copy: the user may still replace it.
struct ReadOnlyCase {
  const char* name;
  std::vector<std::string> paths;  // below the app folder, "" for the folder itself
};

class ReadOnlyCopy : public ::testing::TestWithParam<ReadOnlyCase> {};

TEST_P(ReadOnlyCopy, IsReplacedAndLeavesNoBackup) {
  if (!nobody_unavailable().empty()) GTEST_SKIP() << nobody_unavailable();
  EnvTree e;
  make_dirs(e.t.app_dir() + "/share/docs");
  write_file(e.t.app_dir() + "/share/docs/manual", "old manual\n");
  e.hand_home_to_nobody();
  for (const auto& p : GetParam().paths) {
    std::string full = p.empty() ? e.t.app_dir() : e.t.app_dir() + "/" + p;
    chmod(full.c_str(), is_dir(full) ? 0555 : 0444);
  }

  RunResult r = e.launch_as({}, true);
  expect_new(e, r, e.t.app_dir());
  EXPECT_EQ(e.t.started(), "start 1002\n");
  for (const auto& n : list_dir(e.t.user_dir()))
    EXPECT_EQ(n.rfind("Nimbora.app_tmp", 0), std::string::npos) << n;
}

INSTANTIATE_TEST_SUITE_P(HostileEnvironment, ReadOnlyCopy,
                         ::testing::Values(ReadOnlyCase{"app_folder", {""}},
                                           ReadOnlyCase{"files_in_it", {"INFO", "bin/nimbora-backup-ui"}},
                                           ReadOnlyCase{"a_folder_in_it", {"share/docs", "share"}}),
                         [](const ::testing::TestParamInfo<ReadOnlyCase>& i) {
                           return std::string(i.param.name);
                         });

// A package that brings a read-only folder: every copy made from it has one,
// and each upgrade over such a copy must still remove its backup, or after
// ten upgrades no backup name would be left.
TEST(HostileEnvironment, ReadOnlyFolderFromThePackageDoesNotPileUpBackups) {
  if (!nobody_unavailable().empty()) GTEST_SKIP() << nobody_unavailable();
  EnvTree e;
  e.hand_home_to_nobody();
  for (const char* build : {"1002", "1003"}) {
    const std::string client = e.t.tmp() + "/client-" + build;
    write_client(client, build);
    make_dirs(client + "/share/locked");
    write_file(client + "/share/locked/file", "x\n");
    chmod((client + "/share/locked").c_str(), 0555);
    ASSERT_EQ(e.t.package(client).status, 0);
    RunResult r = e.launch_as({}, true);
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(tree_diff(snapshot(e.t.app_dir()), snapshot(client)), "") << e.t.log();
    for (const auto& n : list_dir(e.t.user_dir()))
      EXPECT_EQ(n.rfind("Nimbora.app_tmp", 0), std::string::npos) << n;
  }
}

// ------------------------------------------------------------------ HOME

// Without a usable HOME the home is "/": run unprivileged, where "/" is not
// writable, so that a launcher that tries cannot leave anything behind.
class HomeUnusable : public ::testing::TestWithParam<const char*> {};

TEST_P(HomeUnusable, ExitsZeroAndWritesNothing) {
  if (!nobody_unavailable().empty()) GTEST_SKIP() << nobody_unavailable();
  if (exists("/.NimboraBackup")) GTEST_SKIP() << "/.NimboraBackup exists already";
  EnvTree e;
  e.hand_home_to_nobody();
  const TreeSnapshot before = snapshot(e.t.tmp());

  RunResult r = e.launch_as({GetParam()}, true);
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_FALSE(exists("/.NimboraBackup"));
  TreeSnapshot after = snapshot(e.t.tmp());
  after.erase("launch.out");
  EXPECT_EQ(tree_diff(after, before), "") << r.out;
}

INSTANTIATE_TEST_SUITE_P(HostileEnvironment, HomeUnusable, ::testing::Values("-HOME", "HOME="),
                         [](const ::testing::TestParamInfo<const char*>& i) {
                           return std::string(i.param[0] == '-' ? "unset" : "empty");
                         });

TEST(HostileEnvironment, HomePointingToAMissingFolderGetsAFreshCopy) {
  EnvTree e;
  const TreeSnapshot before = snapshot(e.t.tmp());
  const std::string home = e.t.tmp() + "/missing/home";

  RunResult r = e.launch_as({"HOME=" + home}, false);
  expect_new(e, r, home + "/.NimboraBackup/Nimbora.app");
  EXPECT_EQ(read_file(home + "/started"), "start 1002\n");
  // Nothing else changed: the tree as before, plus the new home.
  TreeSnapshot after = snapshot(e.t.tmp());
  for (auto it = after.begin(); it != after.end();)
    it = it->first.rfind("missing", 0) == 0 || it->first.rfind("launch.out", 0) == 0 ? after.erase(it) : ++it;
  TreeSnapshot expected = before;
  expected.erase("launch.out");
  EXPECT_EQ(tree_diff(after, expected), "");
  kill_client_of(home, e.t.tmp());
}

// ------------------------------------------------------------------ links

TEST(HostileEnvironment, HomeReachedThroughASymbolicLink) {
  EnvTree e;
  const std::string link = e.t.tmp() + "/home-link";
  ASSERT_EQ(symlink(e.t.home().c_str(), link.c_str()), 0);

  RunResult r = e.launch_as({"HOME=" + link}, false);
  expect_new(e, r, e.t.app_dir());
  EXPECT_GT(e.t.wait_client(kClientTenths), 0);
  EXPECT_EQ(e.t.started(), "start 1002\n");
  EXPECT_EQ(list_dir(e.t.user_dir()), (std::vector<std::string>{"Nimbora.app", "log", "ui.pid"}))
      << e.t.log();
  struct stat st;
  EXPECT_TRUE(lstat(link.c_str(), &st) == 0 && S_ISLNK(st.st_mode));
}

TEST(HostileEnvironment, PerUserFolderThatIsASymbolicLink) {
  EnvTree e;
  const std::string real = e.t.tmp() + "/elsewhere/nb";
  make_dirs(e.t.tmp() + "/elsewhere");
  ASSERT_EQ(rename(e.t.user_dir().c_str(), real.c_str()), 0);
  ASSERT_EQ(symlink(real.c_str(), e.t.user_dir().c_str()), 0);

  RunResult r = e.launch_as({}, false);
  expect_new(e, r, real + "/Nimbora.app");
  EXPECT_GT(e.t.wait_client(kClientTenths), 0);
  struct stat st;
  EXPECT_TRUE(lstat(e.t.user_dir().c_str(), &st) == 0 && S_ISLNK(st.st_mode)) << "the link was replaced";
  EXPECT_EQ(list_dir(real), (std::vector<std::string>{"Nimbora.app", "log", "ui.pid"})) << e.t.log();
  EXPECT_EQ(e.t.started(), "start 1002\n");
}

// -------------------------------------------------------------- pid file

// The launcher runs in a pid namespace of its own beside a sentinel process,
// so that a signal sent to a wrong pid (the process group, every process, a
// truncated number) could only reach the sentinel, which must survive.
struct PidCase {
  const char* name;
  const char* writer;  // shell writing ui.pid's text; $S is the sentinel's pid, $L the launcher's
};

class PidFile : public ::testing::TestWithParam<PidCase> {};

TEST_P(PidFile, NamesNoClientAndNothingIsSignalled) {
  if (geteuid() != 0 || sh("unshare --pid --fork --mount-proc true").status != 0)
    GTEST_SKIP() << "cannot make a pid namespace here (needs root and unshare)";
  EnvTree e;
  const std::string inner = e.t.tmp() + "/inner.sh";
  const std::string outer = e.t.tmp() + "/outer.sh";
  // exec keeps the inner shell's pid, so $L is the launcher's own.
  write_file(inner, "L=$$\n{ " + std::string(GetParam().writer) +
                        "; } > \"$HOME/.NimboraBackup/ui.pid\"\nexec \"$LAUNCHER\"\n");
  write_file(outer, "sleep " + std::to_string(hang_bound_seconds(300)) +
                        " & S=$!\nexport S\n/bin/sh \"$INNER\"\nrc=$?\n"
                        "if kill -0 $S 2>/dev/null; then echo alive > \"$HOME/sentinel\"; fi\nexit $rc\n");
  Child c({"unshare", "--pid", "--fork", "--mount-proc", "/bin/sh", outer},
          {"HOME=" + e.t.home(), "QT_QPA_PLATFORM=offscreen", "INNER=" + inner, "LAUNCHER=" + e.t.launcher()},
          e.t.tmp() + "/launch.out");
  RunResult r;
  r.status = c.wait();
  r.out = c.output();

  expect_new(e, r, e.t.app_dir());
  EXPECT_EQ(read_file(e.t.home() + "/sentinel"), "alive\n") << "the sentinel was signalled\n" << e.t.log();
  EXPECT_THAT(e.t.started(), EndsWith("start 1002\n"));
}

INSTANTIATE_TEST_SUITE_P(
    HostileEnvironment, PidFile,
    ::testing::Values(
        // fgets hands the reader a long line in 8191-byte pieces, the second
        // of which reads as a line of its own.
        PidCase{"of_9000_bytes",
                "printf '#%08190d' 0 | tr 0 x; printf 'pid=%s #' \"$S\"; printf '%0790d\\n' 0 | tr 0 x"},
        PidCase{"negative", "echo pid=-1"}, PidCase{"zero", "echo pid=0"},
        PidCase{"beyond_32_bits_truncating_to_the_sentinel", "echo pid=$((4294967296 + S))"},
        PidCase{"of_the_launcher_itself", "echo pid=$L"},
        PidCase{"of_a_live_process_that_is_not_the_client", "echo pid=$S"}),
    [](const ::testing::TestParamInfo<PidCase>& i) { return std::string(i.param.name); });

// ------------------------------------------------------------- lock file

// The first 16 hex digits of the SHA-256 of the launcher's real path: the
// key in the lock file's name.
std::string launcher_key(const LaunchTree& t) {
  RunResult r = sh("printf %s \"$(realpath '" + t.launcher() + "')\" | sha256sum | cut -c1-16");
  return r.out.substr(0, 16);
}

// Where the launcher kept its lock before it moved into the user's tree.
std::string old_lock_name(const LaunchTree& t, const std::string& tmpdir) {
  return tmpdir + "/nimbora-launcher-" + launcher_key(t) + "-" + std::to_string(geteuid()) + ".lock";
}

// A second launch of the same user while the first is in the middle of an
// upgrade: it must leave at once, whatever its temporary folder holds.
struct SecondCase {
  const char* name;
  bool other_tmpdir;   // the second login's TMPDIR differs
  bool planted;        // another user's file at the old lock name
  bool sticky_tmpdir;  // ... in a sticky world-writable folder (fs.protected_regular)
};

class SecondLauncher : public ::testing::TestWithParam<SecondCase> {};

// Lets a launcher held in its counting pass at a package FIFO finish: the
// count to its end, then the whole extraction; waits for it to exit.
void finish_held_upgrade(PackageFifo& fifo, Child& launcher, const LaunchTree& t, RunResult& r) {
  ASSERT_TRUE(fifo.feed_entries_and_end());
  ASSERT_TRUE(fifo.begin_pass(launcher)) << launcher.output() << t.log();
  ASSERT_TRUE(fifo.feed_all());
  fifo.end_pass();
  r.status = launcher.wait();
  r.out = launcher.output();
}

TEST_P(SecondLauncher, LeavesWhileTheFirstUpgrades) {
  const SecondCase& c = GetParam();
  if (c.sticky_tmpdir && read_file("/proc/sys/fs/protected_regular").substr(0, 1) == "0")
    GTEST_SKIP() << "fs.protected_regular is 0 here";
  Upgrade u;
  LaunchTree& t = u.tree();
  t.set_levels();
  std::string tmp_a = t.tmp() + "/tmp-a";
  const std::string tmp_b = c.other_tmpdir ? t.tmp() + "/tmp-b" : tmp_a;
  make_dirs(tmp_a);
  make_dirs(tmp_b);
  if (c.sticky_tmpdir) chmod(tmp_a.c_str(), 01777);
  if (c.planted) {
    const std::string planted = old_lock_name(t, tmp_a);
    write_file(planted, "");
    ASSERT_EQ(chown(planted.c_str(), kNobodyId, kNobodyId), 0);
  }
  PackageFifo fifo(u.package(), read_file(u.plain_tar()));
  auto first = u.start({"TMPDIR=" + tmp_a});
  ASSERT_TRUE(fifo.begin_pass(*first)) << first->output();  // holds its lock, counting

  auto second = u.start({"TMPDIR=" + tmp_b});
  EXPECT_EQ(second->wait(), 0) << second->output();
  EXPECT_THAT(t.log(), HasSubstr("app has already launched, return\n"));

  RunResult r;
  ASSERT_NO_FATAL_FAILURE(finish_held_upgrade(fifo, *first, t, r));
  u.use_regular_package();
  expect_copy_of(u, r, u.new_client(), "1002");
  EXPECT_EQ(t.started(), "start 1002\n");
  EXPECT_TRUE(u.backups().empty()) << joined(u.backups());
}

INSTANTIATE_TEST_SUITE_P(
    HostileEnvironment, SecondLauncher,
    ::testing::Values(SecondCase{"other_TMPDIR", true, false, false},
                      SecondCase{"another_users_file_at_the_old_name", false, true, false},
                      SecondCase{"same_under_protected_regular", false, true, true}),
    [](const ::testing::TestParamInfo<SecondCase>& i) { return std::string(i.param.name); });

// Two system trees (a stable and a preview install) launched together for
// one user: one launcher at a time works on the copy, and the other waits
// for it and then decides afresh. The copy is upgraded once, both start
// scripts run, and one client runs, the one the pid file names.
TEST(HostileEnvironment, SecondSystemTreeWaitsForTheFirstAndDecidesAfresh) {
  Upgrade u;
  LaunchTree& t = u.tree();
  t.set_levels();
  const std::string preview = t.tmp() + "/opt/Zorvane/NimboraPreview";
  ASSERT_EQ(sh("cp -a '" + t.root() + "' '" + preview + "'").status, 0);
  PackageFifo fifo(u.package(), read_file(u.plain_tar()));
  auto first = u.start();
  ASSERT_TRUE(fifo.begin_pass(*first)) << first->output();  // holds the copy, counting

  Child second({preview + "/bin/launcher"}, {"HOME=" + t.home(), "QT_QPA_PLATFORM=offscreen"},
               t.tmp() + "/preview.out");
  EXPECT_TRUE(t.wait_log("): another launcher works on '" + t.user_dir() + "/log/copy.lock', waiting\n",
                         kQuietBoundMillis))
      << second.output() << t.log();
  EXPECT_FALSE(second.exited()) << second.output();

  RunResult r;
  ASSERT_NO_FATAL_FAILURE(finish_held_upgrade(fifo, *first, t, r));
  EXPECT_EQ(second.wait(), 0) << second.output();
  u.use_regular_package();
  expect_copy_of(u, r, u.new_client(), "1002");
  EXPECT_EQ(t.started(), "start 1002\nstart 1002\n");
  EXPECT_EQ(count_of(t.log(), "user installation is ready"), 1) << t.log();
  EXPECT_TRUE(u.backups().empty()) << joined(u.backups());
  EXPECT_EQ(clients_below(t.tmp()), std::vector<pid_t>{t.wait_client(kClientTenths)});
}

// A lock file of the user's copy that cannot be used: the launcher cannot
// tell whether another one is upgrading, so it leaves the copy alone and
// starts it, and nothing is written through the planted object.
struct UnusableLockCase {
  const char* name;
  const char* plant;  // shell; $L is the lock's path, $V a file of the user's
};

class UnusableLock : public ::testing::TestWithParam<UnusableLockCase> {};

TEST_P(UnusableLock, StartsTheCopyWithoutUpgrading) {
  EnvTree e;
  e.t.set_levels("service_debug=6\nlauncher_debug=6\n");
  make_dirs(e.t.user_dir() + "/log");
  const std::string lock = e.t.user_dir() + "/log/copy.lock";
  const std::string victim = e.t.tmp() + "/victim";
  write_file(victim, "original\n", 0600);
  ASSERT_EQ(sh(GetParam().plant, {"L=" + lock, "V=" + victim}).status, 0);

  RunResult r = e.launch_as({}, false);
  expect_old(e, r);
  EXPECT_EQ(e.t.started(), "start 1001\n");
  EXPECT_GT(e.t.wait_client(kClientTenths), 0);
  const std::string log = e.t.log();
  EXPECT_THAT(log, HasSubstr("[ERROR] lock_file("));
  EXPECT_THAT(log, HasSubstr("): no lock on the copy, not upgrading\n"));
  EXPECT_THAT(log, HasSubstr("): upgrade needed but not made: no single-instance lock\n"));
  EXPECT_EQ(read_file(victim), "original\n");
}

INSTANTIATE_TEST_SUITE_P(
    HostileEnvironment, UnusableLock,
    ::testing::Values(UnusableLockCase{"symbolic_link", "ln -s \"$V\" \"$L\""},
                      UnusableLockCase{"fifo", "mkfifo \"$L\""}, UnusableLockCase{"folder", "mkdir \"$L\""},
                      UnusableLockCase{"another_users_file", ": > \"$L\" && chown 65534:65534 \"$L\""}),
    [](const ::testing::TestParamInfo<UnusableLockCase>& i) { return std::string(i.param.name); });

// Something of the user's own in the way of the lock or the log folder: the
// launch still upgrades under its lock and writes its log, and what was in
// the way is kept.
struct OwnObstacleCase {
  const char* name;
  const char* plant;  // shell, run as the user; $U is the user folder, $L the executable's lock
  const char* kept;   // the bytes of a moved-aside file beside the log folder, or ""
};

class OwnObstacle : public ::testing::TestWithParam<OwnObstacleCase> {};

TEST_P(OwnObstacle, NeitherStopsTheUpgradeNorSilencesTheLog) {
  if (!nobody_unavailable().empty()) GTEST_SKIP() << nobody_unavailable();
  const OwnObstacleCase& c = GetParam();
  EnvTree e;
  make_dirs(e.t.user_dir() + "/log");
  e.hand_home_to_nobody();
  const std::string lock = e.t.user_dir() + "/log/launcher-" + launcher_key(e.t) + ".lock";
  RunResult planted = run_as_nobody(
      {"/bin/sh", "-c", std::string("U='") + e.t.user_dir() + "' L='" + lock + "'; " + c.plant});
  ASSERT_EQ(planted.status, 0) << planted.out;

  RunResult r = e.launch_as({}, true);
  expect_new(e, r, e.t.app_dir());
  EXPECT_THAT(e.t.started(), EndsWith("start 1002\n"));
  EXPECT_THAT(e.t.log(), HasSubstr("[INFO] cloud-service(")) << r.out;
  EXPECT_THAT(e.t.log(), Not(HasSubstr("not upgrading")));
  if (*c.kept) {
    std::string aside;
    for (const auto& n : list_dir(e.t.user_dir()))
      if (n.rfind("log.", 0) == 0) aside = e.t.user_dir() + "/" + n;
    EXPECT_EQ(read_file(aside), c.kept) << joined(list_dir(e.t.user_dir()));
  }
}

INSTANTIATE_TEST_SUITE_P(
    HostileEnvironment, OwnObstacle,
    ::testing::Values(
        OwnObstacleCase{"lock_files_read_only",
                        ": > \"$L\" && : > \"$U/log/copy.lock\" && chmod 400 \"$L\" \"$U/log/copy.lock\"",
                        ""},
        OwnObstacleCase{"log_folder_a_regular_file", "rm -r \"$U/log\" && echo mine > \"$U/log\"", "mine\n"},
        OwnObstacleCase{"log_folder_a_dangling_link", "rm -r \"$U/log\" && ln -s gone \"$U/log\"", ""}),
    [](const ::testing::TestParamInfo<OwnObstacleCase>& i) { return std::string(i.param.name); });

// ------------------------------------------------------- non-regular files

// A pid file or INFO that is no regular file: the launch neither blocks in
// the open nor reads without end; the object counts as absent.
struct OddFileCase {
  const char* name;
  const char* plant;  // shell; $U is the user folder, $R the system root
  const char* build;  // the copy the launch ends with
  // The planted pid file goes once the launcher is past the stop: the test
  // client's start script would block on it as well.
  bool pid_file;
};

class OddFile : public ::testing::TestWithParam<OddFileCase> {};

TEST_P(OddFile, IsTakenAsAbsentAndTheLaunchEnds) {
  const OddFileCase& c = GetParam();
  EnvTree e;
  ASSERT_EQ(sh(c.plant, {"U=" + e.t.user_dir(), "R=" + e.t.root()}).status, 0);
  const std::vector<std::string> env = {"HOME=" + e.t.home(), "QT_QPA_PLATFORM=offscreen"};
  RunResult r;
  if (c.pid_file) {
    // Held at the package, which it opens only after the stop; its second
    // open finds the regular package again.
    const std::string package = e.t.root() + "/package/nimbora.nbpk";
    const std::string bytes = read_file(package);
    PackageFifo fifo(package, bytes);
    Child launch({e.t.launcher()}, env, e.t.tmp() + "/launch.out");
    const bool passed = fifo.begin_pass(launch);
    unlink((e.t.user_dir() + "/ui.pid").c_str());
    ASSERT_TRUE(passed) << "the launcher hung in the stop\n" << e.t.log();
    unlink(package.c_str());
    write_file(package, bytes);
    ASSERT_TRUE(fifo.feed_all());
    fifo.end_pass();
    r.status = launch.wait();
    r.out = launch.output();
  } else {
    Child launch({e.t.launcher()}, env, e.t.tmp() + "/launch.out");
    r.status = launch.wait();
    r.out = launch.output();
  }
  ASSERT_NE(r.status, -1) << "the launcher hung\n" << e.t.log();
  if (std::string(c.build) == "1001")
    expect_old(e, r);
  else
    expect_new(e, r, e.t.app_dir());
  EXPECT_THAT(e.t.started(), EndsWith(std::string("start ") + c.build + "\n"));
  // The pid file is read through the quiet reader and its refusal reported
  // by the service; INFO through the file operations.
  EXPECT_THAT(e.t.log(), HasSubstr(c.pid_file ? "[WARNING] linux/linux-service(" : "[WARNING] file-op("));
}

INSTANTIATE_TEST_SUITE_P(
    HostileEnvironment, OddFile,
    ::testing::Values(OddFileCase{"pid_file_fifo", "mkfifo \"$U/ui.pid\"", "1002", true},
                      OddFileCase{"pid_file_link_to_dev_zero", "ln -s /dev/zero \"$U/ui.pid\"", "1002", true},
                      OddFileCase{"copy_INFO_fifo",
                                  "rm \"$U/Nimbora.app/INFO\" && mkfifo \"$U/Nimbora.app/INFO\"", "1002",
                                  false},
                      OddFileCase{"system_INFO_fifo", "rm \"$R/INFO\" && mkfifo \"$R/INFO\"", "1001", false}),
    [](const ::testing::TestParamInfo<OddFileCase>& i) { return std::string(i.param.name); });

// ---------------------------------------------------------------- locale

// A home whose name is not UTF-8 (Latin-1 "h\xe9me"), under a UTF-8 and the
// C locale: the copy, the log and the locks go below that very home, and
// nothing appears beside it under the name with the byte replaced.
class NonUtf8Home : public ::testing::TestWithParam<const char*> {};

TEST_P(NonUtf8Home, IsUsedByteForByte) {
  EnvTree e;
  const std::string home = e.t.tmp() + "/h\xe9me";
  make_dirs(home);
  RunResult r = e.launch_as({"HOME=" + home, "-LC_ALL", GetParam()}, false);
  const std::string user_dir = home + "/.NimboraBackup";
  expect_new(e, r, user_dir + "/Nimbora.app");
  EXPECT_EQ(read_file(home + "/started"), "start 1002\n");
  EXPECT_THAT(read_file(user_dir + "/log/launcher.log"), HasSubstr("[INFO] cloud-service("));
  EXPECT_TRUE(exists(user_dir + "/log/copy.lock"));
  EXPECT_FALSE(exists(e.t.tmp() + "/h\xef\xbf\xbdme")) << joined(list_dir(e.t.tmp()));
  kill_client_of(home, e.t.tmp());
}

INSTANTIATE_TEST_SUITE_P(HostileEnvironment, NonUtf8Home, ::testing::Values("LANG=C.UTF-8", "LANG=C"),
                         [](const ::testing::TestParamInfo<const char*>& i) {
                           return std::string(i.index == 0 ? "C_UTF8" : "C");
                         });

// A package whose pax headers hold UTF-8 names (as python's tarfile writes
// them), extracted under each locale: always the same tree.
class LocaleOfTheProcess : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(LocaleOfTheProcess, GivesTheSameTreeAsUnderUtf8) {
  if (sh("command -v python3").status != 0) GTEST_SKIP() << "python3 is not installed";
  EnvTree e;
  const std::string client = e.t.tmp() + "/client-2001";
  write_client(client, "2001");
  make_dirs(client +
            "/donn\xc3\xa9"
            "es/\xe6\x96\x87\xe4\xbb\xb6");
  write_file(client +
                 "/donn\xc3\xa9"
                 "es/\xe6\x96\x87\xe4\xbb\xb6/\xc3\xbc"
                 "bersicht.txt",
             "unicode\n");
  write_file(client + "/\xd0\xbf\xd1\x80\xd0\xb8\xd0\xb2\xd0\xb5\xd1\x82", "privet\n");
  ASSERT_EQ(symlink("donn\xc3\xa9"
                    "es",
                    (client + "/lien-vers-donn\xc3\xa9"
                              "es")
                        .c_str()),
            0);
  write_file(e.t.root() + "/INFO", read_file(client + "/INFO"));
  RunResult made = sh("cd '" + client +
                      "' && python3 -c 'import tarfile,os,sys; "
                      "t=tarfile.open(sys.argv[1],\"w:gz\",format=tarfile.PAX_FORMAT,encoding=\"utf-8\"); "
                      "[t.add(n) for n in sorted(os.listdir(\".\"))]; t.close()' '" +
                      e.t.root() + "/package/nimbora.nbpk'");
  ASSERT_EQ(made.status, 0) << made.out;

  std::vector<std::string> env = {"-LANG", "-LC_ALL", "-LC_CTYPE", "-LANGUAGE", "-LC_MESSAGES"};
  env.insert(env.end(), GetParam().begin(), GetParam().end());
  RunResult r = e.launch_as(env, false);
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(tree_diff(snapshot(e.t.app_dir()), snapshot(client)), "") << e.t.log();
  EXPECT_THAT(e.t.started(), EndsWith("start 2001\n"));
}

std::string locale_row_name(const ::testing::TestParamInfo<std::vector<std::string>>& i) {
  static const char* const kNames[] = {"LANG_and_LC_ALL_unset", "POSIX", "C", "C_UTF8"};
  return kNames[i.index];
}

INSTANTIATE_TEST_SUITE_P(HostileEnvironment, LocaleOfTheProcess,
                         ::testing::Values(std::vector<std::string>{},
                                           std::vector<std::string>{"LC_ALL=POSIX"},
                                           std::vector<std::string>{"LANG=C"},
                                           std::vector<std::string>{"LANG=C.UTF-8"}),
                         locale_row_name);

}  // namespace
