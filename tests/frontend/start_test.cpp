// What the installed launcher takes from where it was started and what it
// hands on: the plug-in folder and the system root follow the executable's
// real file (started through a link, through PATH, beside plug-ins another
// user planted where argv[0] points); the client inherits no descriptor of
// the launcher, gets the home the launcher used when HOME gave none, sees
// the launch-feedback id, the platform choice and Qt's Wayland buffer
// integration as the user set them, and the signal dispositions the
// launcher was started with.
#include <dirent.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <limits.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "launch_tree.h"
#include "privdrop.h"
#include "weston.h"
#include "xvfb.h"

using namespace testutil;

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

// Bound, in tenths of a second, on the wait for the client the start script
// puts in the background; only a broken launch gets near it.
constexpr int kClientTenths = 600;

std::string real_path(const std::string& path) {
  char buf[PATH_MAX];
  return realpath(path.c_str(), buf) ? std::string(buf) : path;
}

std::string read_link(const std::string& path) {
  char buf[PATH_MAX];
  const ssize_t n = readlink(path.c_str(), buf, sizeof buf);
  return n > 0 ? std::string(buf, static_cast<size_t>(n)) : std::string();
}

// "N -> target" for each open descriptor of a process, in numeric order.
std::string descriptors(pid_t pid) {
  const std::string dir = "/proc/" + std::to_string(pid) + "/fd";
  std::map<int, std::string> fds;
  if (DIR* d = opendir(dir.c_str())) {
    while (dirent* e = readdir(d))
      if (e->d_name[0] != '.') fds[atoi(e->d_name)] = read_link(dir + "/" + e->d_name);
    closedir(d);
  }
  std::string s;
  for (const auto& fd : fds) s += std::to_string(fd.first) + " -> " + fd.second + "\n";
  return s;
}

// A tree whose per-user copy is current, so that a launch goes straight to
// the start script. The script records its environment in <home>/env and
// starts the client, which leaves its output and records its pid, and then
// becomes a copy of sleep: a program that opens nothing, so that its
// descriptors are exactly those it inherited.
class StartTree {
 public:
  StartTree() {
    t_.set_levels("launcher_debug=7\n");
    const std::string app = t_.app_dir();
    write_client(app, "1001");
    write_file(t_.root() + "/INFO", read_file(app + "/INFO"));
    write_file(app + "/package/start-stop",
               "#!/bin/sh\n"
               "env > \"$HOME/env\"\n"
               "grep '^SigIgn:' /proc/self/status > \"$HOME/ignored\"\n"
               "[ -e /proc/$$/fd/7 ] && ls -l /proc/$$/fd > \"$HOME/fd7\"\n"
               "\"$(dirname \"$0\")/../bin/nimbora-backup-ui\" &\n",
               0755);
    write_file(app + "/bin/nimbora-backup-ui",
               "#!/bin/sh\n"
               "exec </dev/null >/dev/null 2>&1\n"
               "printf 'pid=%s\\n' \"$$\" > \"$HOME/.NimboraBackup/ui.pid\"\n"
               "exec \"$(dirname \"$0\")/sleep\" 300\n",
               0755);
    sh("cp /bin/sleep '" + app + "/bin/sleep'");
  }

  const LaunchTree& tree() const { return t_; }
  // The start script's environment, every line starting with a newline.
  std::string script_env() const { return "\n" + read_file(t_.home() + "/env"); }
  std::vector<std::string> env() const { return {"HOME=" + t_.home(), "-WAYLAND_DISPLAY", "-DISPLAY"}; }

  // The client's pid once it runs as the copy of sleep, or 0.
  // Compared by file, not by the link's text: a client in another mount
  // namespace (the password-database cases) may name it by another path.
  pid_t sleeping_client() const {
    struct stat sleep;
    if (stat((t_.app_dir() + "/bin/sleep").c_str(), &sleep) != 0) return 0;
    for (int i = 0; i < kClientTenths; ++i) {
      const pid_t p = t_.client_pid();
      struct stat exe;
      if (p > 0 && stat(("/proc/" + std::to_string(p) + "/exe").c_str(), &exe) == 0 &&
          exe.st_dev == sleep.st_dev && exe.st_ino == sleep.st_ino)
        return p;
      usleep(100000);
    }
    return 0;
  }

 private:
  LaunchTree t_;
};

// ------------------------------------------------------ where it started

// How the launcher is started, and so where argv[0] read as text would put
// the plug-in folder: beside a link, or below the working folder.
struct StartCase {
  const char* name;
  const char* argv0;  // "link": the link's full path; a bare name is found through PATH
  bool planted;       // another user's platform plug-ins lie where argv[0] points
};

void PrintTo(const StartCase& c, std::ostream* os) { *os << c.name; }

class StartedElsewhere : public ::testing::TestWithParam<StartCase> {};

TEST_P(StartedElsewhere, PluginsAndSystemRootFollowTheExecutablesRealFile) {
  const StartCase& c = GetParam();
  StartTree s;
  const LaunchTree& t = s.tree();
  // The link in a folder of its own, the working folder elsewhere again.
  const std::string other = t.tmp() + "/elsewhere";
  const std::string cwd = other + "/work/x";
  make_dirs(other + "/bin");
  make_dirs(cwd);
  ASSERT_EQ(symlink(t.launcher().c_str(), (other + "/bin/nimbora-backup").c_str()), 0);
  const bool link = std::string(c.argv0) == "link";
  const std::string argv0 = link ? other + "/bin/nimbora-backup" : c.argv0;
  if (c.planted) {
    const std::string dir = (link ? other : other + "/work") + "/lib/plugins/platforms";
    make_dirs(dir);
    for (const char* name : {"libqoffscreen.so", "libqxcb.so"}) {
      ASSERT_EQ(sh("cp '" + std::string(PLANTED_PLATFORM) + "' '" + dir + "/" + name + "'").status, 0);
    }
    if (geteuid() == 0) {
      ASSERT_EQ(sh("chown -hR 65534:65534 '" + other + "'").status, 0);
    }
  }
  std::vector<std::string> env = s.env();
  env.insert(env.end(),
             {"QT_QPA_PLATFORM=offscreen", "PATH=" + t.root() + "/bin:" + other + "/bin:/usr/bin:/bin"});

  RunResult r = run({argv0}, env, cwd);
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_THAT(r.out, HasSubstr("lib path = '" + real_path(t.root()) + "/lib/plugins'\n"));
  EXPECT_FALSE(exists(t.home() + "/planted-plugin-ran")) << "the planted plug-in was loaded";
  EXPECT_THAT(s.script_env(), HasSubstr("\nHOME=" + t.home() + "\n")) << "no start script ran\n" << r.out;
  // The level file of the real tree was read.
  EXPECT_THAT(t.log(), HasSubstr("[DEBUG] launcher("));
}

INSTANTIATE_TEST_SUITE_P(
    Launcher, StartedElsewhere,
    ::testing::Values(StartCase{"link_in_another_folder", "link", false},
                      StartCase{"link_beside_planted_plugins", "link", true},
                      StartCase{"path_from_an_unrelated_folder", "launcher", false},
                      StartCase{"path_above_planted_plugins", "launcher", true},
                      StartCase{"link_through_path_above_planted_plugins", "nimbora-backup", true}),
    [](const ::testing::TestParamInfo<StartCase>& i) { return std::string(i.param.name); });

// --------------------------------------------------------- what it hands on

// The log stays the launcher's own: a client that held it would keep every
// rotated or deleted log allocated for as long as it runs.
TEST(StartedClient, HoldsOnlyItsStandardStreams) {
  StartTree s;
  std::vector<std::string> env = s.env();
  env.push_back("QT_QPA_PLATFORM=offscreen");
  RunResult r = run({s.tree().launcher()}, env);
  ASSERT_EQ(r.status, 0) << r.out;
  const pid_t client = s.sleeping_client();
  ASSERT_GT(client, 0) << "no client runs\n" << s.tree().log();

  // Right after its exec, sleep holds its locale's files open for a moment.
  const std::string streams = "0 -> /dev/null\n1 -> /dev/null\n2 -> /dev/null\n";
  for (int i = 0; i < kClientTenths && descriptors(client) != streams; ++i) usleep(100000);
  EXPECT_EQ(descriptors(client), streams);
}

// The start script gets every signal at its default disposition, as when it
// is started from a shell, but those ignored where the launcher was started.
TEST(StartedClient, SignalsIgnoredAreThoseTheLauncherWasStartedWith) {
  const struct {
    const char* name;
    const char* ignored;  // for trap, before the launcher is started
    const char* mask;     // SigIgn of a program the start script runs
  } cases[] = {
      {"none", "", "0000000000000000"},
      {"hang-up and user signal 1", "HUP USR1", "0000000000000201"},
      {"broken pipe", "PIPE", "0000000000001000"},
  };
  for (const auto& c : cases) {
    StartTree s;
    std::vector<std::string> env = s.env();
    env.insert(env.end(), {"QT_QPA_PLATFORM=offscreen", "L=" + s.tree().launcher()});
    const std::string trap = *c.ignored ? std::string("trap '' ") + c.ignored + "; " : "";
    RunResult r = run({"/bin/sh", "-c", trap + "exec \"$L\""}, env);
    EXPECT_EQ(r.status, 0) << c.name << "\n" << r.out;
    EXPECT_EQ(read_file(s.tree().home() + "/ignored"), std::string("SigIgn:\t") + c.mask + "\n") << c.name;
    s.tree().stop_client();
  }
}

// Without a usable HOME the launcher works in the home of the password
// database; the start script must be told that home, or the client writes
// its pid file elsewhere and the next upgrade cannot stop it. Run as nobody
// in a mount namespace whose password database names the tree's home.
class HomeFromThePasswordDatabase : public ::testing::TestWithParam<const char*> {};

TEST_P(HomeFromThePasswordDatabase, IsTheHomeOfTheStartScriptAndTheClient) {
  if (!nobody_unavailable().empty()) GTEST_SKIP() << nobody_unavailable();
  if (geteuid() != 0 || sh("unshare --mount true").status != 0)
    GTEST_SKIP() << "cannot make a mount namespace here (needs root and unshare)";
  StartTree s;
  const LaunchTree& t = s.tree();
  const std::string passwd = t.tmp() + "/passwd";
  ASSERT_EQ(sh("awk -F: -v OFS=: -v h='" + t.home() + "' '$3 == 65534 { $6 = h } 1' /etc/passwd > '" +
               passwd + "' && chmod 0755 '" + t.tmp() + "' && chown -R 65534:65534 '" + t.home() + "'")
                .status,
            0);
  const std::string as_nobody =
      "mount --bind \"$PASSWD\" /etc/passwd || exit 98\n"
      "[ \"$(getent passwd 65534 | cut -d: -f6)\" = \"$TREE_HOME\" ] || exit 99\n"
      "exec setpriv --reuid=65534 --regid=65534 --clear-groups \"$LAUNCHER\"\n";

  RunResult r = run({"unshare", "--mount", "sh", "-c", as_nobody},
                    {GetParam(), "PASSWD=" + passwd, "TREE_HOME=" + t.home(), "LAUNCHER=" + t.launcher(),
                     "QT_QPA_PLATFORM=offscreen"});
  if (r.status == 98 || r.status == 99) GTEST_SKIP() << "the password database cannot be replaced: " << r.out;
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_THAT(s.script_env(), HasSubstr("\nHOME=" + t.home() + "\n")) << s.script_env() << t.log();
  EXPECT_GT(s.sleeping_client(), 0) << "no pid file in " << t.user_dir();
}

INSTANTIATE_TEST_SUITE_P(StartedClient, HomeFromThePasswordDatabase, ::testing::Values("-HOME", "HOME="),
                         [](const ::testing::TestParamInfo<const char*>& i) {
                           return std::string(i.param[0] == '-' ? "unset" : "empty");
                         });

// Variables that the application object's construction changes or consumes
// reach the start script as the user set them.
enum class Display { kNone, kX, kWayland };  // none, Xvfb, headless weston

struct VariableCase {
  const char* name;
  Display display;
  std::vector<std::string> env;     // besides HOME
  std::vector<std::string> lines;   // expected in the start script's environment
  std::vector<std::string> absent;  // names not set there
};

void PrintTo(const VariableCase& c, std::ostream* os) { *os << c.name; }

const char kStartupId[] = "DESKTOP_STARTUP_ID=nimbora-test-1_TIME42";

class UsersVariables : public ::testing::TestWithParam<VariableCase> {};

TEST_P(UsersVariables, ReachTheStartScriptAsTheyWere) {
  const VariableCase& c = GetParam();
  StartTree s;
  std::vector<std::string> env = s.env();
  env.insert(env.end(), c.env.begin(), c.env.end());
  std::unique_ptr<Xvfb> x;
  std::unique_ptr<Weston> w;
  if (c.display == Display::kX) {
    x = std::make_unique<Xvfb>(s.tree().tmp() + "/xvfb.out");
    if (!x->unavailable().empty()) GTEST_SKIP() << x->unavailable();
    env.push_back("DISPLAY=" + x->display());
  } else if (c.display == Display::kWayland) {
    w = std::make_unique<Weston>(s.tree().tmp() + "/weston.out");
    if (!w->unavailable().empty()) GTEST_SKIP() << w->unavailable();
    const std::vector<std::string> reach = w->env();
    env.insert(env.end(), reach.begin(), reach.end());
  }

  RunResult r = run({s.tree().launcher()}, env);
  EXPECT_EQ(r.status, 0) << r.out;
  for (const auto& line : c.lines)
    EXPECT_THAT(s.script_env(), HasSubstr("\n" + line + "\n")) << line << "\n" << s.script_env() << r.out;
  for (const auto& name : c.absent)
    EXPECT_THAT(s.script_env(), Not(HasSubstr("\n" + name + "="))) << s.script_env() << r.out;
}

INSTANTIATE_TEST_SUITE_P(StartedClient, UsersVariables,
                         ::testing::Values(VariableCase{"startup_id_under_xcb",
                                                        Display::kX,
                                                        {"QT_QPA_PLATFORM=xcb", kStartupId},
                                                        {"QT_QPA_PLATFORM=xcb", kStartupId},
                                                        {}},
                                           VariableCase{"startup_id_with_an_empty_platform_choice",
                                                        Display::kX,
                                                        {"QT_QPA_PLATFORM=", kStartupId},
                                                        {"QT_QPA_PLATFORM=", kStartupId},
                                                        {}},
                                           VariableCase{"empty_platform_choice_without_a_display",
                                                        Display::kNone,
                                                        {"QT_QPA_PLATFORM="},
                                                        {"QT_QPA_PLATFORM="},
                                                        {}},
                                           // The launcher's own integration is not the client's.
                                           VariableCase{"no_buffer_integration_on_wayland",
                                                        Display::kWayland,
                                                        {"QT_QPA_PLATFORM=wayland"},
                                                        {"QT_QPA_PLATFORM=wayland"},
                                                        {"QT_WAYLAND_CLIENT_BUFFER_INTEGRATION"}},
                                           VariableCase{"users_buffer_integration_on_wayland",
                                                        Display::kWayland,
                                                        {"QT_QPA_PLATFORM=wayland",
                                                         "QT_WAYLAND_CLIENT_BUFFER_INTEGRATION=wayland-egl"},
                                                        {"QT_WAYLAND_CLIENT_BUFFER_INTEGRATION=wayland-egl"},
                                                        {}}),
                         [](const ::testing::TestParamInfo<VariableCase>& i) {
                           return std::string(i.param.name);
                         });

// A descriptor the launcher holds without close-on-exec (one it was given,
// or a library's) never reaches the start script, nor so the client, which
// would keep it open for as long as it runs.
TEST(StartedClient, InheritsNoDescriptorOfTheLauncher) {
  StartTree s;
  std::vector<std::string> env = s.env();
  env.push_back("LAUNCHER=" + s.tree().launcher());
  RunResult r = run({"/bin/sh", "-c", "exec 7</dev/null; exec \"$LAUNCHER\""}, env);
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_TRUE(exists(s.tree().home() + "/env")) << "the start script did not run\n" << r.out;
  EXPECT_FALSE(exists(s.tree().home() + "/fd7")) << read_file(s.tree().home() + "/fd7");
}

}  // namespace
