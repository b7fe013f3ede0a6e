// Many launchers at the same instant: ten of one user (exactly one upgrades,
// the others leave at once), and twenty users upgrading side by side from the
// same system tree.
#include <gtest/gtest.h>
#include <poll.h>

#include "faults_tree.h"

using namespace testutil;

namespace {

constexpr int kSameUser = 10;
constexpr int kUsers = 20;
// Uids of the users; none needs an entry in /etc/passwd.
constexpr uid_t kFirstUid = 41000;

// Index of a child that has exited and was not yet collected, or -1 when
// none does before the bound.
int next_exit(std::vector<std::unique_ptr<Child>>& children, std::vector<bool>& done) {
  std::vector<pollfd> p;
  std::vector<int> index;
  for (size_t i = 0; i < children.size(); ++i) {
    if (done[i]) continue;
    p.push_back({children[i]->pidfd(), POLLIN, 0});
    index.push_back(static_cast<int>(i));
  }
  if (p.empty() || poll(p.data(), p.size(), kBoundMillis) <= 0) return -1;
  for (size_t k = 0; k < p.size(); ++k)
    if (p[k].revents) {
      done[static_cast<size_t>(index[k])] = true;
      return index[k];
    }
  return -1;
}

TEST(Load, TenLaunchersOfOneUserAtOnceUpgradeOnce) {
  Upgrade u;
  LaunchTree& t = u.tree();
  t.set_levels();
  // Whichever launcher takes the lock is held at the package until the
  // others have gone, so they all meet a running launcher.
  PackageFifo fifo(u.package(), read_file(u.plain_tar()));
  Barrier barrier;
  std::vector<std::unique_ptr<Child>> launchers;
  for (int i = 0; i < kSameUser; ++i)
    launchers.push_back(
        std::make_unique<Child>(std::vector<std::string>{t.launcher()},
                                std::vector<std::string>{"HOME=" + t.home(), "QT_QPA_PLATFORM=offscreen"},
                                t.tmp() + "/l" + std::to_string(i) + ".out", &barrier));
  barrier.release();

  std::vector<bool> done(kSameUser, false);
  for (int n = 0; n < kSameUser - 1; ++n) {
    int i = next_exit(launchers, done);
    ASSERT_GE(i, 0) << "fewer than nine launchers left";
    EXPECT_EQ(launchers[static_cast<size_t>(i)]->wait(), 0) << launchers[static_cast<size_t>(i)]->output();
  }
  size_t winner = 0;
  while (done[winner]) ++winner;
  Child& w = *launchers[winner];
  ASSERT_TRUE(fifo.begin_pass(w)) << w.output();
  ASSERT_TRUE(fifo.feed_entries_and_end());
  ASSERT_TRUE(fifo.begin_pass(w)) << w.output();
  ASSERT_TRUE(fifo.feed_all());
  fifo.end_pass();
  EXPECT_EQ(w.wait(), 0) << w.output();

  u.use_regular_package();
  const std::string log = t.log();
  EXPECT_EQ(count_of(log, "app has already launched, return\n"), kSameUser - 1) << log;
  EXPECT_EQ(count_of(log, "user installation is ready, "), 1) << log;
  EXPECT_EQ(count_of(log, "launcher("), count_of(log, "): running\n") * 2) << log;
  EXPECT_EQ(count_of(log, "): running\n"), 1) << log;
  EXPECT_EQ(tree_diff(snapshot(t.app_dir()), snapshot(u.new_client())), "");
  EXPECT_EQ(t.started(), "start 1002\n");
  EXPECT_TRUE(u.backups().empty()) << joined(u.backups());
}

TEST(Load, TwentyUsersUpgradeAtOnce) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to run launchers as twenty users";
  ScratchTmp scratch;
  LaunchTree t;
  ProcessSweeper sweeper(t.tmp());
  chmod(t.tmp().c_str(), 0755);
  const std::string old_client = t.tmp() + "/client-1001";
  write_client(old_client, "1001");
  const std::string new_client = t.tmp() + "/client-1002";
  write_client(new_client, "1002", "new-feature.txt");
  for (int i = 0; i < 150; ++i) write_file(new_client + "/f" + three_digits(i), pseudo_random_bytes(4096, i));
  ASSERT_EQ(t.package(new_client).status, 0);

  std::vector<std::string> homes;
  for (int u = 0; u < kUsers; ++u) {
    const std::string home = t.tmp() + "/homes/u" + two_digits(u);
    make_dirs(home + "/.NimboraBackup");
    ASSERT_EQ(sh("cp -a '" + old_client + "' '" + home + "/.NimboraBackup/Nimbora.app' && chown -R " +
                 std::to_string(kFirstUid + u) + ":" + std::to_string(kFirstUid + u) + " '" + home + "'")
                  .status,
              0);
    homes.push_back(home);
  }
  chmod((t.tmp() + "/homes").c_str(), 0755);

  Barrier barrier;
  std::vector<std::unique_ptr<Child>> launchers;
  for (int u = 0; u < kUsers; ++u) {
    const std::string id = std::to_string(kFirstUid + u);
    launchers.push_back(std::make_unique<Child>(
        std::vector<std::string>{"setpriv", "--reuid=" + id, "--regid=" + id, "--clear-groups", "--",
                                 t.launcher()},
        std::vector<std::string>{"HOME=" + homes[static_cast<size_t>(u)], "QT_QPA_PLATFORM=offscreen"},
        t.tmp() + "/u" + two_digits(u) + ".out", &barrier));
  }
  barrier.release();

  const TreeSnapshot expected = snapshot(new_client);
  for (int u = 0; u < kUsers; ++u) {
    const std::string& home = homes[static_cast<size_t>(u)];
    Child& c = *launchers[static_cast<size_t>(u)];
    EXPECT_EQ(c.wait(), 0) << c.output();
    EXPECT_EQ(tree_diff(snapshot(home + "/.NimboraBackup/Nimbora.app"), expected), "") << "user " << u;
    EXPECT_EQ(read_file(home + "/started"), "start 1002\n") << "user " << u;
    struct stat st;
    ASSERT_EQ(lstat((home + "/.NimboraBackup/Nimbora.app/INFO").c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, kFirstUid + static_cast<uid_t>(u));
  }
  // The clients run as their users; each is found through its own pid file.
  for (const auto& home : homes) {
    std::string s = read_file(home + "/.NimboraBackup/ui.pid");
    for (const long long end = now_millis() + hang_bound_millis(5000); s.empty() && now_millis() < end;
         usleep(100000))
      s = read_file(home + "/.NimboraBackup/ui.pid");
    pid_t p = s.rfind("pid=", 0) == 0 ? static_cast<pid_t>(atol(s.c_str() + 4)) : 0;
    if (p > 1 && read_file("/proc/" + std::to_string(p) + "/cmdline").find(t.tmp()) != std::string::npos)
      kill(p, SIGKILL);
  }
}

}  // namespace
