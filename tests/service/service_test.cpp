// The installation service: the upgrade decision, the per-user installation
// with backup and rollback, stopping the client through its pid file and
// starting it through its start script.
//
// The system root is the parent of the running executable's folder, so the
// cases that need a system tree copy this test binary into a temporary tree
// and run it there with "--scenario NAME" (see RunScenario at the end).
#include <fcntl.h>
#include <grp.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <poll.h>
#include <pthread.h>
#include <pwd.h>
#include <signal.h>
#include <stddef.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "archive_writer.h"
#include "file-op.h"
#include "gmock/gmock.h"
#include "gtest/gtest.h"
#include "linux/linux-service.h"
#include "linux/package_info.h"
#include "log.h"
#include "strtab.h"
#include "testutil.h"
#include "tree.h"

using namespace testutil;

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

// Opens up the protected steps that the worker reaches only through the
// public sequence.
class TestService : public LinuxService {
 public:
  int Prepare() { return PrepareUserEnv(); }
  int CopyPath(const std::string& src, const std::string& dest) {
    return FSCopyPath(ustring(src.c_str()), ustring(dest.c_str()));
  }
  const VersionInfo& Source() const { return source_version; }
};

size_t count_of(const std::string& haystack, const std::string& needle) {
  size_t n = 0;
  for (size_t p = haystack.find(needle); p != std::string::npos; p = haystack.find(needle, p + 1)) ++n;
  return n;
}

// The client package used by most cases: the three entries the launcher
// needs, a file of its own and a start script that records its arguments.
std::vector<ArchiveEntry> ClientPackage(const std::string& build) {
  std::vector<ArchiveEntry> e = {
      File("INFO", "[Version]\nmajor_version=1\nminor_version=0\nbuild_version=" + build +
                       "\nicon_overlay_version=1\n"),
      Dir("bin"),
      File("bin/nimbora-backup-ui", "#!/bin/sh\nexit 0\n", 0755),
      File("package/start-stop", "#!/bin/sh\necho \"$# $*\" >> \"$HOME/started\"\n", 0755),
      File("new-" + build, "new file of " + build),
  };
  return e;
}

// What extracting plain files and folders gives: every parent a folder.
TreeSnapshot ExpectedTree(const std::vector<ArchiveEntry>& entries) {
  TreeSnapshot t;
  for (const auto& e : entries) {
    for (size_t p = e.name.find('/'); p != std::string::npos; p = e.name.find('/', p + 1))
      t[e.name.substr(0, p)] = "d";
    t[e.name] = e.kind == ArchiveEntry::kDir ? "d" : "f " + e.data;
  }
  return t;
}

void WriteCopy(const std::string& app, const std::string& build) {
  make_dirs(app + "/bin");
  write_file(app + "/INFO", "[Version]\nbuild_version=" + build + "\n");
  write_file(app + "/bin/nimbora-backup-ui", "#!/bin/sh\n", 0755);
  write_file(app + "/old-" + build, "old file of " + build);
}

// ---------------------------------------------------------------------------
// A system tree with a copy of this binary as its launcher.

class SystemTree {
 public:
  SystemTree() {
    make_dirs(root + "/bin");
    make_dirs(root + "/package");
    make_dirs(root + "/log");
    make_dirs(home);
    if (sh("cp /proc/" + std::to_string(getpid()) + "/exe '" + exe() + "'").status != 0)
      throw std::runtime_error("cannot copy the test binary");
    write_file(root + "/log/launcher.debug", "service_debug=7\nextractor_debug=7\nfile_op_debug=7\n");
  }

  std::string exe() const { return root + "/bin/service_test"; }
  std::string package() const { return root + "/package/nimbora.nbpk"; }
  std::string log() const { return read_file(home + "/service.log"); }

  void Package(const std::string& build) const {
    write_archive(package(), ClientPackage(build), "pax", "gzip");
    write_file(root + "/INFO", "[Version]\nbuild_version=" + build + "\n");
  }
  TreeSnapshot PackageTree(const std::string& build) const { return ExpectedTree(ClientPackage(build)); }

  RunResult Run(const std::string& scenario, const std::string& home_env = "") const {
    return run({exe(), "--scenario", scenario}, {home_env.empty() ? "HOME=" + home : home_env});
  }

  TempDir tmp;
  std::string root = tmp / "opt/Zorvane/Nimbora";
  std::string home = tmp / "home/ann";
  std::string user_dir = home + "/.NimboraBackup";
  std::string app = user_dir + "/Nimbora.app";
};

// Reads the result line "<key>=<n>" a scenario printed.
int ResultOf(const RunResult& r, const std::string& key) {
  size_t p = r.out.find(key + "=");
  if (p == std::string::npos) return -999;
  return atoi(r.out.c_str() + p + key.size() + 1);
}

// ---------------------------------------------------------------------------
// Locations

TEST(Locations, FollowTheExecutableAndTheHome) {
  SystemTree t;
  RunResult r = t.Run("paths");
  ASSERT_EQ(r.status, 0) << r.out;
  std::string root_real = t.root;
  {
    char buf[4096];
    if (realpath(t.root.c_str(), buf)) root_real = buf;
  }
  EXPECT_THAT(r.out, HasSubstr("home=" + t.home + "\n"));
  EXPECT_THAT(r.out, HasSubstr("root=" + root_real + "\n"));
  EXPECT_THAT(r.out, HasSubstr("resource=" + root_real + "\n"));
  EXPECT_THAT(r.out, HasSubstr("user=" + t.user_dir + "\n"));
  EXPECT_THAT(r.out, HasSubstr("app=" + t.app + "\n"));
  EXPECT_THAT(r.out, HasSubstr("data=" + t.user_dir + "/data\n"));
  EXPECT_THAT(r.out,
              HasSubstr("package_info=/opt/Zorvane/Nimbora/package/nimbora.nbpk|" + t.home + "/.Nimbora\n"));
  // Composing touched nothing.
  EXPECT_FALSE(exists(t.user_dir));
}

// Without HOME, Qt would answer "/"; the password database knows the home.
TEST(Locations, HomeWithoutHomeVariableComesFromThePasswordDatabase) {
  SystemTree t;
  const passwd* pw = getpwuid(geteuid());
  ASSERT_NE(pw, nullptr);
  for (const char* env : {"-HOME", "HOME="}) {
    RunResult r = t.Run("paths", env);
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_THAT(r.out, HasSubstr(std::string("home=") + pw->pw_dir + "\n")) << env << "\n" << r.out;
    EXPECT_THAT(r.out, HasSubstr(std::string("user=") + pw->pw_dir + "/.NimboraBackup\n"));
  }
}

// ---------------------------------------------------------------------------
// The upgrade decision

TEST(Decision, BuildNumbersAndTheClientExecutableDecide) {
  struct Row {
    const char* name;
    const char* target_info;  // nullptr: no file
    const char* source_info;  // nullptr: no file
    bool executable;
    int need;
  };
  const std::vector<Row> rows = {
      {"older copy", "[Version]\nbuild_version=1201\n", "[Version]\nbuild_version=1200\n", true, 1},
      {"equal builds", "[Version]\nbuild_version=1201\n", "[Version]\nbuild_version=1201\n", true, 0},
      {"downgrade", "[Version]\nbuild_version=1201\n", "[Version]\nbuild_version=1202\n", true, 0},
      {"only the major differs", "[Version]\nmajor_version=4\nbuild_version=7\n",
       "[Version]\nmajor_version=3\nbuild_version=7\n", true, 0},
      {"no copy INFO, target 5", "[Version]\nbuild_version=5\n", nullptr, true, 1},
      {"no copy INFO, empty target build", "[Version]\nbuild_version=\n", nullptr, true, 0},
      {"no target INFO", nullptr, "[Version]\nbuild_version=3\n", true, 0},
      {"target without the section", "[Other]\nbuild_version=9\n", "[Version]\nbuild_version=3\n", true, 0},
      {"leading blank counts", "[Version]\nbuild_version=41\n", "[Version]\nbuild_version=\" 42\"\n", true,
       0},
      {"leading blank on the target", "[Version]\nbuild_version=\" 43\"\n", "[Version]\nbuild_version=42\n",
       true, 1},
      {"digits before a suffix count", "[Version]\nbuild_version=41\n", "[Version]\nbuild_version=42b\n",
       true, 0},
      {"suffix on the target", "[Version]\nbuild_version=43b\n", "[Version]\nbuild_version=42\n", true, 1},
      {"not a number is 0", "[Version]\nbuild_version=1\n", "[Version]\nbuild_version=abc\n", true, 1},
      {"executable missing, equal builds", "[Version]\nbuild_version=7\n", "[Version]\nbuild_version=7\n",
       false, 1},
      {"nothing at all", nullptr, nullptr, false, 1},
  };
  SystemTree t;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    remove_tree(t.app);
    ::unlink((t.root + "/INFO").c_str());
    make_dirs(t.app + "/bin");
    if (row.target_info) write_file(t.root + "/INFO", row.target_info);
    if (row.source_info) write_file(t.app + "/INFO", row.source_info);
    if (row.executable) write_file(t.app + "/bin/nimbora-backup-ui", "#!/bin/sh\n", 0755);
    RunResult r = t.Run("decide");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(ResultOf(r, "need"), row.need) << r.out << t.log();
  }
}

TEST(Decision, VersionsAreLoggedAsReadInUtf8) {
  SystemTree t;
  write_file(t.root + "/INFO",
             "[Version]\nmajor_version=2\nminor_version=1\nbuild_version=1201\nicon_overlay_version=9\n");
  make_dirs(t.app);
  // U+00E9 as UTF-8: read as Latin-1 it would come back as four bytes.
  write_file(t.app + "/INFO",
             "[Version]\nmajor_version=caf\xc3\xa9\nbuild_version=1200\n[Other]\nminor_version=8\n");
  RunResult r = t.Run("decide");
  ASSERT_EQ(r.status, 0) << r.out;
  const std::string log = t.log();
  EXPECT_THAT(log, HasSubstr("): target_version = (2, 1, 1201, 9)\n"));
  EXPECT_THAT(log, HasSubstr("): source_version = (caf\xc3\xa9, , 1200, )\n"));
  EXPECT_THAT(log, HasSubstr("[DEBUG] linux/linux-service("));
  EXPECT_THAT(log, HasSubstr("): Source version: ('1200', '')\n"));
  EXPECT_THAT(log, HasSubstr("): Target version: ('1201', '9')\n"));
  EXPECT_THAT(log, HasSubstr("): source version = 1200, target version = 1201\n"));
  // Target first, then source.
  EXPECT_LT(log.find("target_version ="), log.find("source_version ="));

  remove_tree(t.app);
  r = t.Run("decide");
  EXPECT_THAT(t.log(), HasSubstr("[INFO] cloud-service("));
  EXPECT_THAT(t.log(), HasSubstr("): source does not exist\n"));
}

// ---------------------------------------------------------------------------
// Per-user installation

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
    EXPECT_EQ(count_of(log, "): failed to backup app from"), row.refused.size()) << log;
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
  EXPECT_EQ(count_of(log, "): failed to backup app from '" + t.app + "' -> '"), 11u) << log;
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

// A failed first install leaves no copy that could be taken for an installed
// one.
TEST(Installation, FailedFirstInstallLeavesNoAppFolder) {
  SystemTree t;
  RunResult r = t.Run("prepare");
  EXPECT_EQ(ResultOf(r, "result"), -1) << r.out;
  EXPECT_FALSE(exists(t.app));
  EXPECT_THAT(t.log(), HasSubstr("): Failed to extract package, and no old installation to rollback\n"));
}

// Starts argv in the background with its output in out_path.
pid_t Spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env,
            const std::string& out_path) {
  pid_t pid = fork();
  if (pid == 0) {
    int fd = open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(fd, 1);
    dup2(fd, 2);
    for (const auto& e : env) putenv(strdup(e.c_str()));
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execv(args[0], args.data());
    _exit(127);
  }
  return pid;
}

// Opens the FIFO for writing once a reader has it open (bounded wait).
int OpenFifoWriter(const std::string& path) {
  for (const long long end = now_millis() + hang_bound_millis(60000); now_millis() < end;) {
    int fd = open(path.c_str(), O_WRONLY | O_NONBLOCK);
    if (fd >= 0) {
      fcntl(fd, F_SETFL, 0);
      return fd;
    }
    usleep(10000);
  }
  return -1;
}

bool WaitFor(const std::function<bool()>& cond) {
  for (const long long end = now_millis() + hang_bound_millis(60000); now_millis() < end;) {
    if (cond()) return true;
    usleep(10000);
  }
  return false;
}

bool WriteAll(int fd, const std::string& data) {
  size_t off = 0;
  while (off < data.size()) {
    ssize_t n = write(fd, data.data() + off, data.size() - off);
    if (n <= 0) return false;
    off += static_cast<size_t>(n);
  }
  return true;
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
    ASSERT_EQ(mkfifo(t.package().c_str(), 0644), 0);

    // A reader that goes away must fail the test, not kill it.
    signal(SIGPIPE, SIG_IGN);
    pid_t child = Spawn({t.exe(), "--scenario", "upgrade"}, {"HOME=" + t.home}, t.tmp / "child.out");
    ASSERT_GT(child, 0);
    // The counting pass reads the whole archive (or as much of it as it needs).
    int fd = OpenFifoWriter(t.package());
    ASSERT_GE(fd, 0);
    WriteAll(fd, bytes);
    close(fd);
    ASSERT_TRUE(WaitFor([&] {
      return t.log().find(" entries in '" + t.package() + "'\n") != std::string::npos;
    })) << t.log();
    // The extraction pass gets half of it, then waits for more.
    fd = OpenFifoWriter(t.package());
    ASSERT_GE(fd, 0);
    ASSERT_TRUE(WriteAll(fd, bytes.substr(0, bytes.size() / 2)));
    ASSERT_TRUE(WaitFor([&] { return read_file(t.app + "/data/f1050").size() == 4000; }))
        << read_file(t.tmp / "child.out") << t.log();
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    close(fd);
    ASSERT_TRUE(WIFSIGNALED(status));

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
  EXPECT_EQ(count_of(t.log(), "): extract package: "), 1u);
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

// ---------------------------------------------------------------------------
// In-process cases: only the home matters.

class ServiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    make_dirs(home);
    setenv("HOME", home.c_str(), 1);
    write_file(tmp / "levels", "service_debug=7\nfile_op_debug=7\n");
    Logger::Initialize(Logger::FILE_LOGGER, ustring((tmp / "test.log").c_str()),
                       ustring((tmp / "levels").c_str()), 50);
  }
  void TearDown() override {
    Logger::Destroy();
    for (pid_t p : children) {
      kill(p, SIGKILL);
      waitpid(p, nullptr, 0);
    }
  }
  std::string Log() const { return read_file(tmp / "test.log"); }

  // Starts exe with args; returns once it runs the new program.
  pid_t Start(const std::string& exe, const std::vector<std::string>& args, bool ignore_term = false) {
    int sync[2];
    if (pipe2(sync, O_CLOEXEC) != 0) return -1;
    pid_t pid = fork();
    if (pid == 0) {
      close(sync[0]);
      if (ignore_term) signal(SIGTERM, SIG_IGN);
      std::vector<char*> argv = {const_cast<char*>(exe.c_str())};
      for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
      argv.push_back(nullptr);
      execv(exe.c_str(), argv.data());
      _exit(127);
    }
    close(sync[1]);
    char c;
    while (read(sync[0], &c, 1) < 0 && errno == EINTR) {
    }
    close(sync[0]);
    children.push_back(pid);
    return pid;
  }
  // The signal that ended a child that was stopped, 0 for an exit, or -1
  // when it is still running (bounded wait: a stop has returned already).
  int EndSignal(pid_t pid) {
    int status = 0;
    pid_t r = 0;
    const long long end = now_millis() + hang_bound_millis(10000);
    while ((r = waitpid(pid, &status, WNOHANG)) == 0 && now_millis() < end) usleep(10000);
    if (r != pid) return -1;
    children.erase(std::remove(children.begin(), children.end(), pid), children.end());
    return WIFSIGNALED(status) ? WTERMSIG(status) : 0;
  }
  bool Alive(pid_t pid) { return waitpid(pid, nullptr, WNOHANG) == 0; }

  // A client binary inside the app folder (a copy of sleep).
  std::string InstallBinaryClient() {
    make_dirs(app + "/bin");
    sh("cp \"$(command -v sleep)\" '" + app + "/bin/nimbora-backup-ui'");
    return app + "/bin/nimbora-backup-ui";
  }
  void WritePid(const std::string& content) {
    make_dirs(user_dir);
    write_file(user_dir + "/ui.pid", content);
  }

  TempDir tmp;
  std::string home = tmp / "home/ann";
  std::string user_dir = home + "/.NimboraBackup";
  std::string app = user_dir + "/Nimbora.app";
  std::vector<pid_t> children;
};

TEST_F(ServiceTest, StopWithoutPidFileOrPidDoesNothing) {
  LinuxService s;
  s.StopService();
  EXPECT_THAT(Log(), HasSubstr("[DEBUG] linux/linux-service("));
  EXPECT_THAT(Log(),
              HasSubstr("): pid file '" + user_dir + "/ui.pid' does not exist, no need to terminate\n"));

  const pid_t client = Start(InstallBinaryClient(), {"1000"});
  WritePid("pid=\n");
  s.StopService();
  EXPECT_THAT(Log(), HasSubstr("[NOTE] linux/linux-service("));
  EXPECT_THAT(Log(), HasSubstr("): Failed to read pid file '" + user_dir + "/ui.pid', not exist ?\n"));
  WritePid("other=1\n");
  s.StopService();
  EXPECT_TRUE(Alive(client));
}

TEST_F(ServiceTest, ValuesThatNameNoClientAreNeverSignalled) {
  const pid_t client = Start(InstallBinaryClient(), {"1000"});
  const std::vector<std::string> values = {
      "0", "-1", "1", std::to_string(getpid()), "99999999999", "abc", "-" + std::to_string(client)};
  LinuxService s;
  for (const auto& v : values) {
    SCOPED_TRACE(v);
    WritePid("pid=" + v + "\n");
    const size_t before = Log().size();
    s.StopService();
    EXPECT_THAT(Log().substr(before),
                HasSubstr("): pid file '" + user_dir + "/ui.pid' holds no client process id ('" + v +
                          "'), nothing stopped\n"))
        << Log();
  }
  // The client (and this test, and its process group) are still there.
  EXPECT_TRUE(Alive(client));
}

TEST_F(ServiceTest, ClientThatExitsOnTermIsNotKilled) {
  struct Row {
    const char* name;
    const char* pid_file;  // %d: the client's pid
    bool script;
  };
  const std::vector<Row> rows = {
      {"binary client", "pid=%d\n", false},
      {"comment line, then spaced pair", "# written by the client\npid = %d\n", false},
      {"client run through an interpreter", "pid=%d\n", true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    pid_t client;
    if (row.script) {
      make_dirs(app + "/bin");
      write_file(app + "/bin/nimbora-backup-ui",
                 "#!/bin/sh\ntrap 'exit 0' TERM\nwhile :; do sleep 1 & wait $!; done\n", 0755);
      client = Start(app + "/bin/nimbora-backup-ui", {});
    } else {
      client = Start(InstallBinaryClient(), {"1000"});
    }
    char buf[128];
    snprintf(buf, sizeof buf, row.pid_file, static_cast<int>(client));
    WritePid(buf);
    LinuxService s;
    s.StopService();
    const int sig = EndSignal(client);
    EXPECT_NE(sig, SIGKILL);
    EXPECT_TRUE(sig == SIGTERM || sig == 0) << sig;
    EXPECT_THAT(Log(), Not(HasSubstr("[ERROR]")));
  }
}

TEST_F(ServiceTest, ClientThatIgnoresTermIsKilled) {
  const pid_t client = Start(InstallBinaryClient(), {"1000"}, /*ignore_term=*/true);
  WritePid("pid=" + std::to_string(client) + "\n");
  LinuxService s;
  s.StopService();
  EXPECT_EQ(EndSignal(client), SIGKILL);
}

TEST_F(ServiceTest, StalePidEndsTheStopQuietly) {
  pid_t gone = fork();
  if (gone == 0) _exit(0);
  waitpid(gone, nullptr, 0);
  WritePid("pid=" + std::to_string(gone) + "\n");
  LinuxService s;
  s.StopService();
  EXPECT_THAT(Log(), Not(HasSubstr("[ERROR]")));
  EXPECT_THAT(Log(), Not(HasSubstr("[NOTE]")));
}

// A stale pid taken since by a program of the user that names the copy or a
// file of it: never the client, never signalled.
TEST_F(ServiceTest, ProcessThatIsNotTheClientIsLeftRunning) {
  const std::string client = InstallBinaryClient();
  write_file(app + "/INFO", "[Version]\n");
  make_dirs(app + "/package");
  write_file(app + "/package/start-stop", "#!/bin/sh\nexit 0\n", 0755);
  write_file(app + "/package/wait.sh", "#!/bin/sh\nwhile :; do sleep 1; done\n", 0755);
  struct Row {
    const char* name;
    std::string exe;
    std::vector<std::string> args;
  };
  // The sleep that find starts ends on its own.
  const std::vector<Row> rows = {
      {"unrelated program", "/bin/sleep", {"1000"}},
      {"program with a file of the copy open", "/usr/bin/tail", {"-f", app + "/INFO"}},
      {"find on the copy running a command",
       "/usr/bin/find",
       {app, "-maxdepth", "0", "-exec", "sleep", "60", ";"}},
      {"tail on the start script", "/usr/bin/tail", {"-f", app + "/package/start-stop"}},
      {"pager on the client executable", "/usr/bin/tail", {"-f", client}},
      {"shell running another script of the copy", "/bin/sh", {app + "/package/wait.sh"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const pid_t other = Start(row.exe, row.args);
    WritePid("pid=" + std::to_string(other) + "\n");
    LinuxService s;
    s.StopService();
    EXPECT_TRUE(Alive(other));
    EXPECT_THAT(Log(), HasSubstr("): process " + std::to_string(other) + " is not the client of '" +
                                 user_dir + "', nothing stopped\n"));
  }
}

TEST_F(ServiceTest, HomeWithABlankIsStoppedAndStarted) {
  const std::string spaced = tmp / "my home";
  make_dirs(spaced);
  setenv("HOME", spaced.c_str(), 1);
  app = spaced + "/.NimboraBackup/Nimbora.app";
  user_dir = spaced + "/.NimboraBackup";
  const pid_t client = Start(InstallBinaryClient(), {"1000"});
  WritePid("pid=" + std::to_string(client) + "\n");
  make_dirs(app + "/package");
  write_file(app + "/package/start-stop", "#!/bin/sh\nprintf '%s|' \"$#\" \"$@\" > \"$HOME/args\"\n", 0755);
  write_file(app + "/INFO", "[Version]\nbuild_version=1\n");
  LinuxService s;
  EXPECT_EQ(s.HandlePackageUpgrade(), -1);  // no package in this system tree
  EXPECT_EQ(EndSignal(client), SIGTERM);
  // The failed installation put the copy back; the client starts from it.
  s.PostUpgrade();
  EXPECT_EQ(read_file(spaced + "/args"), "1|start|");
  EXPECT_THAT(Log(), Not(HasSubstr("start script")));
}

TEST_F(ServiceTest, StartScriptProblemsAreLoggedAndTheLaunchGoesOn) {
  struct Row {
    const char* name;
    const char* script;  // nullptr: no script
    mode_t mode;
    std::string message;  // after the script's path
  };
  const std::vector<Row> rows = {
      {"runs fine", "#!/bin/sh\nexit 0\n", 0755, ""},
      {"missing", nullptr, 0, "' does not exist\n"},
      {"not executable", "#!/bin/sh\nexit 0\n", 0644, "' is not executable: Permission denied\n"},
      {"non-zero exit", "#!/bin/sh\nexit 3\n", 0755, "' exited with status 3\n"},
      {"crash", "#!/bin/sh\nkill -SEGV $$\n", 0755, "' crashed\n"},
      {"interpreter missing", "#!/nonexistent/interpreter\n", 0755, "' could not be started\n"},
  };
  const std::string script = app + "/package/start-stop";
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    make_dirs(app + "/package");
    ::unlink(script.c_str());
    if (row.script) write_file(script, row.script, row.mode);
    const size_t before = Log().size();
    LinuxService s;
    s.PostUpgrade();
    const std::string log = Log().substr(before);
    if (row.message.empty()) {
      EXPECT_THAT(log, Not(HasSubstr("start script")));
    } else {
      EXPECT_THAT(log, HasSubstr("[ERROR] linux/linux-service("));
      EXPECT_THAT(log, HasSubstr("): start script '" + script + row.message));
    }
  }
}

TEST_F(ServiceTest, AgedAppFolderIsRemovedAndLoggedEvenWhenAbsent) {
  LinuxService s;
  s.RemoveAgedFolders();
  const std::string line = "): removing aged app folder " + user_dir + "/app\n";
  EXPECT_EQ(count_of(Log(), line), 1u) << Log();
  make_dirs(user_dir + "/app/deep/er");
  write_file(user_dir + "/app/deep/er/f", "x", 0444);
  WriteCopy(app, "1");
  s.RemoveAgedFolders();
  EXPECT_EQ(count_of(Log(), line), 2u);
  EXPECT_FALSE(exists(user_dir + "/app"));
  EXPECT_TRUE(exists(app + "/INFO"));
}

// Drops to uid and makes every openat of this process wait for the
// supervisor holding the returned seccomp listener: a deterministic seam for
// changing the file system at the very moment a path is resolved.
int DropAndTrapOpens(uid_t uid) {
  if (setgroups(0, nullptr) != 0 || setresgid(uid, uid, uid) != 0 || setresuid(uid, uid, uid) != 0) return -1;
  if (prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0) return -1;
  struct sock_filter filter[] = {
      BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(struct seccomp_data, nr)),
      BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_openat, 0, 1),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_USER_NOTIF),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
  };
  struct sock_fprog prog = {static_cast<unsigned short>(sizeof filter / sizeof filter[0]), filter};
  return static_cast<int>(
      syscall(SYS_seccomp, SECCOMP_SET_MODE_FILTER, SECCOMP_FILTER_FLAG_NEW_LISTENER, &prog));
}

// Removing a copy that holds a read-only folder gives that folder u+rwx. A
// second user who can write the folder above it (a world-writable folder of a
// package) swaps it for a link to a folder of the victim's outside the copy
// just as the removal opens it (the first or the second time): nothing
// outside the copy may change.
TEST_F(ServiceTest, RemovingACopyGivesNoRightsOutsideIt) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to run the removal as another user and watch its opens";
  constexpr uid_t kVictim = 65534;
  const std::string aged = user_dir + "/app";
  const std::string share = aged + "/share";
  const std::string victim = tmp / "victim";
  chmod(tmp.path().c_str(), 0755);
  for (int swap_at : {1, 2}) {
    SCOPED_TRACE("swapped at open " + std::to_string(swap_at));
    ASSERT_EQ(sh("rm -rf '" + aged + "' '" + victim + "' && mkdir -p '" + share + "/ro' '" + victim +
                 "/sub' && : > '" + share + "/ro/f' && chmod 0555 '" + share + "/ro' '" + victim +
                 "/sub' && chmod 0777 '" + share + "' && chown -R 65534:65534 '" + tmp.path() + "/home' '" +
                 victim + "'")
                  .status,
              0);
    int sync[2];
    ASSERT_EQ(pipe(sync), 0);
    const pid_t remover = fork();
    if (remover == 0) {
      const int listener = DropAndTrapOpens(kVictim);
      if (write(sync[1], &listener, sizeof listener) != sizeof listener || listener < 0) _exit(1);
      LinuxService().RemoveAgedFolders();
      _exit(0);
    }
    int child_fd = -1;
    ASSERT_EQ(read(sync[0], &child_fd, sizeof child_fd), static_cast<ssize_t>(sizeof child_fd));
    close(sync[0]);
    close(sync[1]);
    ASSERT_GE(child_fd, 0) << "no seccomp listener";
    const int pidfd = static_cast<int>(syscall(SYS_pidfd_open, remover, 0));
    const int listener = static_cast<int>(syscall(SYS_pidfd_getfd, pidfd, child_fd, 0));
    ASSERT_GE(listener, 0) << strerror(errno);
    const int mem = open(("/proc/" + std::to_string(remover) + "/mem").c_str(), O_RDONLY | O_CLOEXEC);
    int opens_of_ro = 0;
    for (;;) {
      struct pollfd p = {listener, POLLIN, 0};
      if (poll(&p, 1, 60000) <= 0 || !(p.revents & POLLIN)) break;
      struct seccomp_notif req;
      memset(&req, 0, sizeof req);
      if (ioctl(listener, SECCOMP_IOCTL_NOTIF_RECV, &req) != 0) continue;
      char path[4096] = {0};
      if (pread(mem, path, sizeof path - 1, static_cast<off_t>(req.data.args[1])) < 0) path[0] = '\0';
      const std::string opened = path;
      if ((opened == "ro" || ::testing::Value(opened, EndsWith("/ro"))) && ++opens_of_ro == swap_at) {
        rename((share + "/ro").c_str(), (share + "/aside").c_str());
        symlink(victim.c_str(), (share + "/ro").c_str());
      }
      struct seccomp_notif_resp resp;
      memset(&resp, 0, sizeof resp);
      resp.id = req.id;
      resp.flags = SECCOMP_USER_NOTIF_FLAG_CONTINUE;
      ioctl(listener, SECCOMP_IOCTL_NOTIF_SEND, &resp);
    }
    int status = 0;
    waitpid(remover, &status, 0);
    close(mem);
    close(listener);
    close(pidfd);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    // A walk that never opens the folder again meets no swap and removes all.
    if (opens_of_ro < swap_at) {
      EXPECT_FALSE(exists(aged)) << Log();
    }
    struct stat st;
    ASSERT_EQ(lstat((victim + "/sub").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0555u) << "a folder outside the copy was given rights\n" << Log();
  }
}

TEST_F(ServiceTest, CopyPathCopiesFilesAndTrees) {
  TestService s;
  const std::string src = tmp / "src";
  make_dirs(src + "/a/b");
  write_file(src + "/top", "t");
  write_file(src + "/a/b/deep", "d");
  make_dirs(src + "/empty");
  EXPECT_EQ(s.CopyPath(src + "/top", tmp / "single"), 0);
  EXPECT_EQ(read_file(tmp / "single"), "t");
  EXPECT_EQ(s.CopyPath(src, tmp / "copy/of/src"), 0);
  EXPECT_EQ(snapshot(tmp / "copy/of/src"), snapshot(src));
  EXPECT_EQ(s.CopyPath(tmp / "missing", tmp / "x"), -1);
  EXPECT_THAT(Log(), HasSubstr("): FSCopyPath: source path '" + tmp / "missing" + "' does not exist\n"));
  EXPECT_FALSE(exists(tmp / "x"));
}

// ---------------------------------------------------------------------------
// Scenarios run by the copy of this binary inside a system tree.

int RunScenario(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  StrTable::InitStrTable();
  const std::string scenario = argv[2];
  // Composing paths writes nothing (it also runs without HOME, where the
  // home is the real one of the user running the tests).
  if (scenario == "paths") {
    printf("home=%s\nroot=%s\nresource=%s\nuser=%s\napp=%s\ndata=%s\n", Service::GetUserInstallPath().c_str(),
           Service::GetRootNimboraInstallPath().c_str(), Service::GetRootNimboraResourceInstallPath().c_str(),
           Service::GetUserNimboraInstallPath().c_str(), Service::GetUserNimboraAppInstallPath().c_str(),
           Service::GetUserNimboraDataInstallPath().c_str());
    printf("package_info=%s|%s\n", PackageInfo::GetInstance().GetPackagePath().c_str(),
           PackageInfo::GetInstance().GetLogFolder().c_str());
    return 0;
  }
  const ustring home = Service::GetUserInstallPath();
  Logger::Initialize(Logger::FILE_LOGGER, home + "/service.log",
                     Service::GetRootNimboraInstallPath() + "/log/launcher.debug", 50);
  TestService s;
  if (scenario == "decide") {
    s.PreUpgrade();
    printf("need=%d\n", s.IsNeedUpgrade() ? 1 : 0);
  } else if (scenario == "prepare") {
    printf("result=%d\n", s.Prepare());
  } else if (scenario == "upgrade" || scenario == "upgrade-guarded") {
    if (scenario == "upgrade-guarded") {
      sigset_t blocked;
      sigemptyset(&blocked);
      sigaddset(&blocked, SIGTERM);
      sigaddset(&blocked, SIGUSR1);
      pthread_sigmask(SIG_BLOCK, &blocked, nullptr);
      signal(SIGPIPE, SIG_IGN);
    }
    // The worker's road.
    s.PreUpgrade();
    if (s.IsNeedUpgrade()) printf("upgrade=%d\n", s.HandlePackageUpgrade());
    s.RemoveAgedFolders();
    s.PostUpgrade();
  } else {
    fprintf(stderr, "unknown scenario %s\n", scenario.c_str());
    return 2;
  }
  fflush(stdout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && strcmp(argv[1], "--scenario") == 0) return RunScenario(argc, argv);
  QCoreApplication app(argc, argv);
  StrTable::InitStrTable();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
