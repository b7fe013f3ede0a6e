// The installed launcher binary as a user starts it: the launch of a current
// per-user copy, the start without a display, and the single-instance guard
// (second start, another user, a killed launcher, the client started by the
// script, planted lock files).
#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "child.h"
#include "launch_tree.h"
#include "testutil.h"

using namespace testutil;

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

// Bound on every wait for a child process to reach a point (scaled for the
// build and the machine); only a broken launcher gets near it.
const int kWaitMillis = hang_bound_millis(60000);
// How long a start script or a lock holder waits for the test's release: far
// beyond the case, so that only a case that died leaves it to run out.
const std::string kScriptTimeout = std::to_string(hang_bound_seconds(240));

// A FIFO through which a start script and the test meet. The test holds it
// open for reading and writing, so neither side's open ever blocks; a script
// that reads waits until release() writes a line.
class Fifo {
 public:
  explicit Fifo(std::string path) : path_(std::move(path)) {
    mkfifo(path_.c_str(), 0666);
    chmod(path_.c_str(), 0666);
    fd_ = open(path_.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
  }
  ~Fifo() {
    release();
    close(fd_);
  }
  Fifo(const Fifo&) = delete;
  Fifo& operator=(const Fifo&) = delete;

  void release() {
    if (!released_ && write(fd_, "go\n", 3) == 3) released_ = true;
  }
  // True once a script has written a line.
  bool wait_line() {
    pollfd p{fd_, POLLIN, 0};
    if (poll(&p, 1, kWaitMillis) != 1) return false;
    char buf[256];
    return read(fd_, buf, sizeof buf) > 0;
  }

 private:
  std::string path_;
  int fd_ = -1;
  bool released_ = false;
};

// The start script of the per-user copy. Each run is numbered in $HOME/runs
// and leaves its environment in $HOME/env.<n>; the first run reports to the
// FIFO $HOME/started and then waits on $HOME/release, when those exist.
// With a client, the first run also leaves a background process behind that
// records its open descriptors, reports to $HOME/client-up and waits on
// $HOME/client-release, as a real client outlives the script.
std::string start_script(bool with_client) {
  std::string s = "#!/bin/sh\nbound=" + kScriptTimeout + "\n";
  s += "n=$(cat \"$HOME/runs\" 2>/dev/null || echo 0)\n"
       "n=$((n + 1))\n"
       "echo $n > \"$HOME/runs\"\n"
       "env > \"$HOME/env.$n\"\n";
  if (with_client) {
    s += "if [ $n = 1 ]; then\n"
         "  ( exec </dev/null >/dev/null 2>&1; ls -l /proc/self/fd > \"$HOME/client-fds\";\n"
         "    echo up > \"$HOME/client-up\";\n"
         "    timeout $bound sh -c 'read x < \"$HOME/client-release\"' ) &\n"
         "fi\n";
  }
  s += "if [ $n = 1 ] && [ -p \"$HOME/started\" ]; then\n"
       "  echo started > \"$HOME/started\"\n"
       "  timeout $bound sh -c 'read x < \"$HOME/release\"'\n"
       "fi\n"
       "echo \"end $n\" >> \"$HOME/ends\"\n"
       "exit 0\n";
  return s;
}

// A system tree and a home whose per-user copy is current (equal builds, the
// client executable present), so the launch goes straight to the start.
class CurrentCopy {
 public:
  explicit CurrentCopy(bool with_client = false) {
    t_.set_levels("launcher_debug=7\n");
    make_current(t_.home(), with_client);
    write_file(t_.root() + "/INFO", read_file(t_.app_dir() + "/INFO"));
    make_dirs(tmpdir());
    chmod(tmpdir().c_str(), 01777);
  }

  // Lays out a current copy below `home`.
  void make_current(const std::string& home, bool with_client) const {
    std::string app = home + "/.NimboraBackup/Nimbora.app";
    write_client(app, "1001");
    write_file(app + "/package/start-stop", start_script(with_client), 0755);
  }

  const LaunchTree& tree() const { return t_; }
  std::string tmpdir() const { return t_.tmp() + "/tmp"; }
  std::string home(const std::string& rel) const { return t_.home() + "/" + rel; }
  int runs() const { return atoi(read_file(home("runs")).c_str()); }

  std::vector<std::string> env(const std::string& home) const {
    return {"HOME=" + home, "TMPDIR=" + tmpdir(), "QT_QPA_PLATFORM=offscreen", "-LC_ALL", "-LANG"};
  }
  std::vector<std::string> env() const { return env(t_.home()); }

  RunResult launch(std::vector<std::string> extra = {}) const {
    std::vector<std::string> e = env();
    e.insert(e.end(), extra.begin(), extra.end());
    return run({t_.launcher()}, e);
  }
  std::unique_ptr<Child> start(const std::string& out_name) const {
    return std::make_unique<Child>(std::vector<std::string>{t_.launcher()}, env(), t_.tmp() + "/" + out_name);
  }

  // The executable's lock file that a finished launch of this tree left in
  // the user's tree.
  std::string lock_file() const {
    std::string found;
    std::error_code none;
    for (const auto& e : std::filesystem::directory_iterator(t_.user_dir() + "/log", none))
      if (e.path().filename().string().rfind("launcher-", 0) == 0) found = e.path().string();
    return found;
  }

 private:
  LaunchTree t_;
};

// ------------------------------------------------------------ install layout

// What "cmake --install" laid out must run as it is: the launcher, the
// window icon, and the platform plug-ins it restricts Qt's search to.
TEST(InstallLayout, TreeHoldsTheLauncherTheIconAndThePlatformPlugins) {
  const std::string root = installed_root();
  EXPECT_EQ(access((root + "/bin/launcher").c_str(), X_OK), 0);
  for (const char* plugin : {"platforms/libqxcb.so", "platforms/libqoffscreen.so"})
    EXPECT_TRUE(exists(root + "/lib/plugins/" + plugin)) << plugin;

  const std::string png = read_file(root + "/images/ico_72_nimbora.png");
  ASSERT_GE(png.size(), 24u);
  EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
  auto be32 = [&](size_t at) {
    return (uint32_t(uint8_t(png[at])) << 24) | (uint32_t(uint8_t(png[at + 1])) << 16) |
           (uint32_t(uint8_t(png[at + 2])) << 8) | uint32_t(uint8_t(png[at + 3]));
  };
  EXPECT_EQ(png.substr(12, 4), "IHDR");
  EXPECT_EQ(be32(16), 72u);  // width
  EXPECT_EQ(be32(20), 72u);  // height
}

// -------------------------------------------------------------- launching

TEST(InstalledLaunch, CurrentCopyExitsZeroOnlyAfterTheStartScriptReturned) {
  CurrentCopy c;
  Fifo started(c.home("started")), release(c.home("release"));
  auto first = c.start("first.out");

  ASSERT_TRUE(started.wait_line()) << first->output();
  EXPECT_FALSE(first->exited()) << "the launcher did not wait for its start script";
  release.release();
  EXPECT_EQ(first->wait(), 0) << first->output();

  EXPECT_EQ(read_file(c.home("ends")), "end 1\n");
  EXPECT_THAT(first->output(), HasSubstr("lib path = '" + c.tree().root() + "/lib/plugins'\n"));
  std::string log = c.tree().log();
  size_t running = log.find("): running\n");
  size_t no_need = log.find("): no need to upgrade\n");
  size_t done = log.find("): done\n");
  ASSERT_NE(running, std::string::npos) << log;
  ASSERT_NE(no_need, std::string::npos) << log;
  ASSERT_NE(done, std::string::npos) << log;
  EXPECT_LT(running, no_need);
  EXPECT_LT(no_need, done);
  EXPECT_THAT(log, HasSubstr("[DEBUG] launcher("));
  EXPECT_THAT(log, Not(HasSubstr("[ERROR]")));
}

// A file where the log folder belongs: the user's own is moved aside and
// the log written; another user's stays, and the reason goes to standard
// error. The launch goes on either way and the file's bytes are kept.
TEST(InstalledLaunch, LogFolderThatCannotBeCreatedDoesNotStopTheLaunch) {
  const struct {
    const char* name;
    bool own;  // else another user's file (needs root)
  } cases[] = {{"the user's own file", true}, {"another user's file", false}};
  for (const auto& k : cases) {
    if (!k.own && geteuid() != 0) continue;
    CurrentCopy c;
    const std::string blocked = c.tree().user_dir() + "/log";
    write_file(blocked, "not a folder");
    if (!k.own) {
      ASSERT_EQ(chown(blocked.c_str(), 65534, 65534), 0);
    }
    RunResult r = c.launch();
    EXPECT_EQ(r.status, 0) << k.name << r.out;
    EXPECT_EQ(c.runs(), 1) << k.name << r.out;
    std::string kept = blocked;
    for (const auto& e : std::filesystem::directory_iterator(c.tree().user_dir()))
      if (e.path().filename().string().rfind("log.moved-aside-", 0) == 0) kept = e.path().string();
    EXPECT_EQ(read_file(kept), "not a folder") << k.name;
    if (k.own) {
      EXPECT_THAT(c.tree().log(), HasSubstr("): '" + blocked +
                                            "' was in the way of the log folder, moved to '" + kept + "'\n"))
          << k.name;
    } else {
      EXPECT_THAT(r.out,
                  HasSubstr("): cannot make the log folder '" + blocked + "': File exists, no log file\n"))
          << k.name;
    }
  }
}

struct DisplayCase {
  const char* name;
  std::vector<std::string> env;
  std::string client_sees;  // the client's QT_QPA_PLATFORM line, "" when unset
};

void PrintTo(const DisplayCase& c, std::ostream* os) { *os << c.name; }

class WithoutUsableDisplay : public ::testing::TestWithParam<DisplayCase> {};

// Whatever platform the user names, and whether or not its display is
// there, Qt would abort before main could start anything if that were all
// it tried; the launcher falls back to the tree's other platforms and to
// drawing off screen, and hands the client the user's choice as it was.
TEST_P(WithoutUsableDisplay, LaunchStillRunsAndTheClientSeesTheUsersEnvironment) {
  CurrentCopy c;
  std::vector<std::string> env = {"-QT_QPA_PLATFORM", "-WAYLAND_DISPLAY", "-XDG_SESSION_TYPE",
                                  "XDG_RUNTIME_DIR=" + c.tree().tmp()};
  env.insert(env.end(), GetParam().env.begin(), GetParam().env.end());
  RunResult r = c.launch(env);
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(c.runs(), 1) << r.out;
  std::string client_env = read_file(c.home("env.1"));
  if (GetParam().client_sees.empty()) {
    EXPECT_THAT(client_env, Not(HasSubstr("QT_QPA_PLATFORM=")));
  } else {
    EXPECT_THAT(client_env, HasSubstr("\nQT_QPA_PLATFORM=" + GetParam().client_sees + "\n"));
  }
  EXPECT_THAT(client_env, Not(HasSubstr("QT_NO_GLIB=")));
  EXPECT_THAT(c.tree().log(), HasSubstr("): done\n"));
}

INSTANTIATE_TEST_SUITE_P(
    Displays, WithoutUsableDisplay,
    ::testing::Values(
        DisplayCase{"no_display_variable", {"-DISPLAY"}, ""},
        DisplayCase{"display_nobody_serves", {"DISPLAY=:7391"}, ""},
        DisplayCase{"wayland_session_without_a_compositor", {"-DISPLAY", "XDG_SESSION_TYPE=wayland"}, ""},
        DisplayCase{
            "wayland_chosen_without_a_compositor", {"-DISPLAY", "QT_QPA_PLATFORM=wayland"}, "wayland"},
        DisplayCase{"wayland_then_xcb_chosen_without_either",
                    {"DISPLAY=:7391", "WAYLAND_DISPLAY=nobody-serves", "QT_QPA_PLATFORM=wayland;xcb"},
                    "wayland;xcb"},
        DisplayCase{"xcb_chosen_without_an_x_server", {"-DISPLAY", "QT_QPA_PLATFORM=xcb"}, "xcb"},
        DisplayCase{"eglfs_chosen_which_the_tree_lacks", {"-DISPLAY", "QT_QPA_PLATFORM=eglfs"}, "eglfs"},
        DisplayCase{
            "name_qt_does_not_know", {"-DISPLAY", "QT_QPA_PLATFORM=no-such-platform"}, "no-such-platform"},
        DisplayCase{"platform_with_arguments",
                    {"-DISPLAY", "QT_QPA_PLATFORM=xcb:no-such-option"},
                    "xcb:no-such-option"}),
    [](const ::testing::TestParamInfo<DisplayCase>& i) { return std::string(i.param.name); });

TEST(InstalledLaunch, UsersPlatformChoiceReachesTheClientUnchanged) {
  CurrentCopy c;
  RunResult r = c.launch({"QT_QPA_PLATFORM=offscreen"});
  EXPECT_EQ(r.status, 0) << r.out;
  const std::string client_env = read_file(c.home("env.1"));
  EXPECT_THAT(client_env, HasSubstr("QT_QPA_PLATFORM=offscreen\n"));
  EXPECT_THAT(client_env, Not(HasSubstr("QT_NO_GLIB=")));
  // A dispatcher choice of the user's own is kept as it is.
  r = c.launch({"QT_QPA_PLATFORM=offscreen", "QT_NO_GLIB=0"});
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_THAT(read_file(c.home("env.2")), HasSubstr("QT_NO_GLIB=0\n"));
}

TEST(InstalledLaunch, LanguageOfTheLocaleIsLoadedFromTheCompiledInTranslations) {
  CurrentCopy c;
  RunResult r = c.launch({"LC_ALL=de_AT.UTF-8"});
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_THAT(r.out, HasSubstr("qPrintable(qstrLangFileName)=[:/deu.qm] "));
  EXPECT_THAT(r.out, HasSubstr("qPrintable(qstrDef)=[deu\n] "));
}

// --------------------------------------------------------- single instance

TEST(SingleInstance, SecondLauncherExitsAtOnceWhileTheFirstRuns) {
  CurrentCopy c;
  Fifo started(c.home("started")), release(c.home("release"));
  auto first = c.start("first.out");
  ASSERT_TRUE(started.wait_line()) << first->output();

  RunResult second = c.launch();
  EXPECT_EQ(second.status, 0) << second.out;
  EXPECT_THAT(second.out, HasSubstr("lib path = '"));
  EXPECT_THAT(c.tree().log(), HasSubstr("): app has already launched, return\n"));
  EXPECT_THAT(c.tree().log(), HasSubstr("[DEBUG] main("));
  EXPECT_EQ(c.runs(), 1);
  EXPECT_FALSE(first->exited());

  release.release();
  EXPECT_EQ(first->wait(), 0) << first->output();
  EXPECT_EQ(read_file(c.home("ends")), "end 1\n");
}

TEST(SingleInstance, SameExecutableUnderAnotherUserRuns) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to run the second launcher as another user";
  CurrentCopy c;
  // The other user must reach the tree, the installed plug-ins and its home.
  sh("chmod 0755 '" + c.tree().tmp() + "'");
  std::string other_home = c.tree().tmp() + "/home/other";
  c.make_current(other_home, false);
  sh("chown -R 65534:65534 '" + other_home + "'");

  Fifo started(c.home("started")), release(c.home("release"));
  auto first = c.start("first.out");
  ASSERT_TRUE(started.wait_line()) << first->output();

  RunResult other = run({"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", c.tree().launcher()},
                        c.env(other_home));
  EXPECT_EQ(other.status, 0) << other.out;
  EXPECT_EQ(read_file(other_home + "/runs"), "1\n") << other.out;
  std::string other_log = read_file(other_home + "/.NimboraBackup/log/launcher.log");
  EXPECT_THAT(other_log, HasSubstr("): done\n"));
  EXPECT_THAT(other_log, Not(HasSubstr("already launched")));

  release.release();
  EXPECT_EQ(first->wait(), 0);
}

TEST(SingleInstance, KilledLauncherLeavesNothingThatBlocksTheNextStart) {
  CurrentCopy c;
  Fifo started(c.home("started")), release(c.home("release"));
  auto first = c.start("first.out");
  ASSERT_TRUE(started.wait_line()) << first->output();

  ASSERT_EQ(kill(first->pid(), SIGKILL), 0);
  EXPECT_EQ(first->wait(), 128 + SIGKILL);
  // Its start script still runs, orphaned, while the next launcher starts.
  RunResult next = c.launch();
  EXPECT_EQ(next.status, 0) << next.out;
  EXPECT_EQ(c.runs(), 2) << c.tree().log();
  EXPECT_THAT(c.tree().log(), Not(HasSubstr("already launched")));
}

TEST(SingleInstance, ClientStartedByTheScriptDoesNotInheritTheLock) {
  CurrentCopy c(true);
  Fifo client_up(c.home("client-up")), client_release(c.home("client-release"));
  RunResult first = c.launch();
  ASSERT_EQ(first.status, 0) << first.out;
  ASSERT_TRUE(client_up.wait_line());

  // The client still runs; it must hold no descriptor of the lock file.
  std::string fds = read_file(c.home("client-fds"));
  ASSERT_FALSE(fds.empty());
  EXPECT_THAT(fds, Not(HasSubstr(".lock")));

  RunResult second = c.launch();
  EXPECT_EQ(second.status, 0) << second.out;
  EXPECT_EQ(c.runs(), 2) << c.tree().log();
  EXPECT_THAT(c.tree().log(), Not(HasSubstr("already launched")));
}

TEST(SingleInstance, LockFileIsPrivateToTheUser) {
  CurrentCopy c;
  ASSERT_EQ(c.launch().status, 0);
  std::string lock = c.lock_file();
  ASSERT_FALSE(lock.empty());
  struct stat st;
  ASSERT_EQ(lstat(lock.c_str(), &st), 0);
  EXPECT_TRUE(S_ISREG(st.st_mode));
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  EXPECT_EQ(st.st_uid, geteuid());
  EXPECT_THAT(lock, HasSubstr(c.tree().user_dir() + "/log/launcher-"));
}

TEST(SingleInstance, SymbolicLinkAtTheLockFileIsNotFollowed) {
  CurrentCopy c;
  ASSERT_EQ(c.launch().status, 0);
  std::string lock = c.lock_file();
  ASSERT_FALSE(lock.empty());
  std::string victim = c.tree().tmp() + "/victim";
  ASSERT_EQ(unlink(lock.c_str()), 0);
  ASSERT_EQ(symlink(victim.c_str(), lock.c_str()), 0);

  RunResult r = c.launch();
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(c.runs(), 2);
  EXPECT_FALSE(exists(victim));
  std::string log = c.tree().log();
  EXPECT_THAT(log, HasSubstr("[ERROR] lock_file("));
  EXPECT_THAT(log, HasSubstr("cannot open lock file '" + lock + "'"));
  EXPECT_THAT(log, HasSubstr("): cannot tell whether this launcher runs already, going on\n"));
}

TEST(SingleInstance, LockFileOfAnotherUserNeitherCountsNorBlocks) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to hand the lock file to another user";
  CurrentCopy c;
  ASSERT_EQ(c.launch().status, 0);
  std::string lock = c.lock_file();
  ASSERT_FALSE(lock.empty());
  ASSERT_EQ(chown(lock.c_str(), 65534, 65534), 0);

  // The other user takes the lock on its file and keeps it.
  Fifo locked(c.home("locked")), unlock(c.home("unlock"));
  sh("chmod 0755 '" + c.tree().tmp() + "' '" + c.tree().tmp() + "/home' '" + c.tree().home() + "'");
  Child holder(
      {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "flock", "-x", lock, "sh", "-c",
       "echo locked > '" + c.home("locked") + "'; timeout " + kScriptTimeout + " sh -c 'read x < \"" +
           c.home("unlock") + "\"'"},
      {}, c.tree().tmp() + "/holder.out");
  ASSERT_TRUE(locked.wait_line()) << holder.output();

  RunResult r = c.launch();
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(c.runs(), 2);
  std::string log = c.tree().log();
  EXPECT_THAT(log, Not(HasSubstr("already launched")));
  EXPECT_THAT(log, HasSubstr("): lock file '" + lock + "' is not a regular file of this user\n"));
  EXPECT_THAT(log, HasSubstr("): cannot tell whether this launcher runs already, going on\n"));

  unlock.release();
  EXPECT_EQ(holder.wait(), 0) << holder.output();
}

}  // namespace
