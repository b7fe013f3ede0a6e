// The whole launch through the installed launcher binary, headless: first
// install, nothing to upgrade, upgrade over a running client, a failed upgrade
// and packages made by other archivers.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>

#include "launch_tree.h"
#include "tree.h"

using namespace testutil;

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

bool alive(pid_t p) { return p > 0 && kill(p, 0) == 0; }

// The client folder as the tests wrote it, for comparison with the app folder.
TreeSnapshot client_snapshot(const LaunchTree& t, const std::string& build) {
  return snapshot(t.tmp() + "/client-" + build);
}

// The launch ended well although the upgrade failed, and the log says why.
void expect_failed_upgrade(const LaunchTree& t, const RunResult& r, const std::string& why) {
  EXPECT_EQ(r.status, 0) << r.out;
  const std::string log = t.log();
  EXPECT_THAT(log, HasSubstr(why));
  EXPECT_THAT(log, HasSubstr("Failed to upgrade package\n"));
}

TEST(Launch, FirstInstallExtractsThePackageAndStartsTheClient) {
  LaunchTree t;
  t.set_levels();
  t.package_client("1001", "readme.txt");

  RunResult r = t.launch();
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_THAT(r.out, HasSubstr("lib path = '" + t.root() + "/lib/plugins'"));

  EXPECT_EQ(tree_diff(snapshot(t.app_dir()), client_snapshot(t, "1001")), "");
  EXPECT_EQ(t.started(), "start 1001\n");
  EXPECT_TRUE(alive(t.wait_client()));
  EXPECT_FALSE(exists(t.app_dir() + "_tmp"));

  std::string log = t.log();
  EXPECT_THAT(log, HasSubstr("[DEBUG] launcher("));
  EXPECT_THAT(log, HasSubstr("running\n"));
  EXPECT_THAT(log, HasSubstr("user installation is ready, removing backup app\n"));
  EXPECT_THAT(log, HasSubstr("done\n"));
  EXPECT_THAT(log, Not(HasSubstr("[ERROR]")));
}

TEST(Launch, CurrentCopyIsNotTouchedAndTheClientIsStartedAgain) {
  LaunchTree t;
  t.set_levels();
  t.package_client("1001");
  ASSERT_EQ(t.launch().status, 0);
  // A file of the user's copy that a re-extraction would remove.
  write_file(t.app_dir() + "/user-note", "kept");

  RunResult r = t.launch();
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(read_file(t.app_dir() + "/user-note"), "kept");
  EXPECT_EQ(t.started(), "start 1001\nstart 1001\n");
  std::string log = t.log();
  EXPECT_THAT(log, HasSubstr("no need to upgrade\n"));
}

TEST(Launch, NewerPackageStopsTheRunningClientAndReplacesTheCopy) {
  LaunchTree t;
  t.set_levels();
  t.package_client("1001");
  ASSERT_EQ(t.launch().status, 0);
  pid_t old_client = t.wait_client();
  ASSERT_TRUE(alive(old_client));

  t.package_client("1002", "new-feature.txt");
  RunResult r = t.launch();
  EXPECT_EQ(r.status, 0) << r.out;

  // The old client got SIGTERM (and has exited); a new one runs from the new copy.
  for (const long long end = now_millis() + hang_bound_millis(5000); alive(old_client) && now_millis() < end;)
    usleep(100000);
  EXPECT_FALSE(alive(old_client));
  EXPECT_EQ(tree_diff(snapshot(t.app_dir()), client_snapshot(t, "1002")), "");
  EXPECT_EQ(t.started(), "start 1001\nstart 1002\n");
  EXPECT_FALSE(exists(t.app_dir() + "_tmp"));
  EXPECT_THAT(t.log(), HasSubstr("source version = 1001, target version = 1002\n"));
}

TEST(Launch, FailedUpgradeKeepsTheOldCopyAndStillStartsTheClient) {
  LaunchTree t;
  t.set_levels();
  t.package_client("1001");
  ASSERT_EQ(t.launch().status, 0);
  t.stop_client();
  TreeSnapshot before = snapshot(t.app_dir());

  // A newer version whose archive is damaged.
  t.package_client("1002");
  std::string pkg = t.root() + "/package/nimbora.nbpk";
  std::string bytes = read_file(pkg);
  write_file(pkg, bytes.substr(0, bytes.size() / 2));

  expect_failed_upgrade(t, t.launch(), "Failed to extract package, rollback to old installation\n");
  EXPECT_EQ(tree_diff(snapshot(t.app_dir()), before), "");
  EXPECT_EQ(t.started(), "start 1001\nstart 1001\n");
}

TEST(Launch, MissingPackageOnFirstInstallIsLoggedAndExitsZero) {
  LaunchTree t;
  t.package_client("1001");
  unlink((t.root() + "/package/nimbora.nbpk").c_str());

  expect_failed_upgrade(t, t.launch(), "Failed to extract package, and no old installation to rollback\n");
}

TEST(Launch, AgedAppFolderIsRemovedOnEveryLaunch) {
  LaunchTree t;
  t.package_client("1001");
  ASSERT_EQ(t.launch().status, 0);
  make_dirs(t.user_dir() + "/app/sub");
  write_file(t.user_dir() + "/app/sub/old", "x");
  write_file(t.user_dir() + "/data-file", "x");

  EXPECT_EQ(t.launch().status, 0);
  EXPECT_FALSE(exists(t.user_dir() + "/app"));
  EXPECT_TRUE(exists(t.user_dir() + "/data-file"));
}

TEST(Launch, LogLevelsDefaultToErrorsAndWarnings) {
  LaunchTree t;
  t.package_client("1001");
  ASSERT_EQ(t.launch().status, 0);
  std::string log = t.log();
  EXPECT_THAT(log, Not(HasSubstr("[DEBUG]")));
  EXPECT_THAT(log, Not(HasSubstr("[INFO]")));
}

// Packages written by other archivers: the app folder must be exactly what
// bsdtar extracts from the same archive.
struct Archiver {
  const char* name;
  const char* command;  // run in the client folder; writes $OUT
};

class OtherArchivers : public ::testing::TestWithParam<Archiver> {};

TEST_P(OtherArchivers, AppFolderEqualsWhatBsdtarExtracts) {
  const Archiver& a = GetParam();
  if (sh("command -v bsdtar && command -v python3 && command -v zstd").status != 0)
    GTEST_SKIP() << "bsdtar, python3 or zstd is not installed";
  LaunchTree t;
  std::string client = t.tmp() + "/client-x";
  write_client(client, "2001");
  make_dirs(client + "/lib/plugins/empty");
  make_dirs(client + "/share/doc");
  write_file(client +
                 "/share/doc/\xc3\xbc"
                 "bersicht-\xe6\x96\x87\xe4\xbb\xb6.txt",
             "unicode name\n");
  write_file(client + "/lib/libcore.so.1.2", std::string(200000, 'x') + "end");
  sh("cd '" + client + "' && ln -s libcore.so.1.2 lib/libcore.so.1 && ln -s ../bin share/bin-link");
  write_file(t.root() + "/INFO", read_file(client + "/INFO"));
  make_dirs(t.root() + "/package");
  std::string out = t.root() + "/package/nimbora.nbpk";
  RunResult made = sh(std::string("cd '") + client + "' && " + a.command, {"OUT=" + out});
  ASSERT_EQ(made.status, 0) << made.out;

  std::string reference = t.tmp() + "/reference";
  make_dirs(reference);
  // UTF-8 names: bsdtar converts them through the locale and refuses them under C.
  ASSERT_EQ(run({"bsdtar", "-xf", out, "-C", reference}, {"LC_ALL=C.UTF-8"}).status, 0);

  RunResult r = t.launch();
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(tree_diff(snapshot(t.app_dir()), snapshot(reference)), "") << t.log();
  EXPECT_THAT(t.started(), HasSubstr("start 2001")) << t.log();
}

INSTANTIATE_TEST_SUITE_P(
    Packages, OtherArchivers,
    ::testing::Values(
        Archiver{"gnu_tar_gz", "tar -czf \"$OUT\" INFO bin package lib share"},
        Archiver{"gnu_tar_dot_prefix", "tar -cJf \"$OUT\" ./INFO ./bin ./package ./lib ./share"},
        Archiver{"bsdtar_zstd", "bsdtar --zstd -cf \"$OUT\" INFO bin package lib share"},
        Archiver{"bsdtar_zip", "bsdtar --format zip -cf \"$OUT\" INFO bin package lib share"},
        Archiver{"python_tarfile",
                 "python3 -c 'import tarfile,os,sys; t=tarfile.open(os.environ[\"OUT\"],\"w:bz2\"); "
                 "[t.add(n) for n in (\"INFO\",\"bin\",\"package\",\"lib\",\"share\")]; t.close()'"},
        Archiver{"python_zipfile",
                 "python3 -c 'import zipfile,os; "
                 "z=zipfile.ZipFile(os.environ[\"OUT\"],\"w\",zipfile.ZIP_DEFLATED);"
                 " [z.write(os.path.join(d,f)) for n in (\"INFO\",\"bin\",\"package\",\"lib\",\"share\") "
                 "for d,ds,fs in ([(\".\",[],[n])] if os.path.isfile(n) else os.walk(n)) for f in fs]; "
                 "z.close()'"}),
    [](const ::testing::TestParamInfo<Archiver>& i) { return std::string(i.param.name); });

}  // namespace
