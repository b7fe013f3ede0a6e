// A new client that cannot start never costs the user the one that ran: an
// upgrade keeps the previous copy until a client started from the new copy
// has written its pid file and still runs a moment later, and puts the
// previous copy back, holding the package back, when none does.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/fanotify.h>

#include <functional>

#include "child.h"
#include "faults_tree.h"
#include "faults_util.h"
#include "open_gate.h"

using namespace testutil;

using ::testing::EndsWith;
using ::testing::HasSubstr;

namespace {

constexpr char kRunForever[] = "trap 'exit 0' TERM\nwhile :; do sleep 1 & wait $!; done\n";
constexpr char kWritePid[] = "printf 'pid=%s\\n' $$ > \"$HOME/.NimboraBackup/ui.pid\"\n";
// The launcher's look for the new client, shortened where the client never
// starts: that look is waited out in full.
constexpr char kShortLook[] = "1000";
// Longer than the short look and the launch after it, so that the first
// launch leaves the decision to the second.
constexpr int kSlowClientSeconds = 8;

enum class Verdict { kKept, kOnProbation, kPutBack };

struct ClientCase {
  const char* name;
  std::string client;  // bin/nimbora-backup-ui of build 1002; "" keeps the good one
  std::string script;  // package/start-stop of build 1002; "" keeps the good one
  Verdict first;       // after the launch that installs
  const char* look;    // NIMBORA_CLIENT_LOOK_MS; "" for the launcher's own
};

const ClientCase kClients[] = {
    {"good", "", "", Verdict::kKept, ""},
    {"exits_at_once_without_a_pid_file", "#!/bin/sh\nexit 1\n", "", Verdict::kPutBack, kShortLook},
    {"writes_its_pid_file_and_crashes", std::string("#!/bin/sh\n") + kWritePid + "kill -SEGV $$\n", "",
     Verdict::kPutBack, kShortLook},
    {"start_script_fails", "", "#!/bin/sh\necho \"$1 1002\" >> \"$HOME/started\"\nexit 1\n",
     Verdict::kPutBack, kShortLook},
    {"writes_its_pid_file_late",
     "#!/bin/sh\ntrap 'exit 0' TERM\nsleep " + std::to_string(kSlowClientSeconds) + " & wait $!\n" +
         kWritePid + kRunForever,
     "", Verdict::kOnProbation, kShortLook},
};

std::vector<std::string> backups(const LaunchTree& t) {
  std::vector<std::string> b;
  for (const auto& n : list_dir(t.user_dir()))
    if (n.rfind("Nimbora.app_tmp", 0) == 0) b.push_back(n);
  return b;
}

std::string record(const LaunchTree& t) { return read_file(t.user_dir() + "/upgrade.attempt"); }

bool alive(pid_t p) { return p > 0 && kill(p, 0) == 0; }

void expect_state(const LaunchTree& t, Verdict v, const TreeSnapshot& old_copy,
                  const TreeSnapshot& new_copy) {
  switch (v) {
    case Verdict::kKept:
      EXPECT_EQ(tree_diff(snapshot(t.app_dir()), new_copy), "");
      EXPECT_TRUE(backups(t).empty());
      EXPECT_FALSE(exists(t.user_dir() + "/upgrade.attempt"));
      break;
    case Verdict::kOnProbation:
      EXPECT_EQ(tree_diff(snapshot(t.app_dir()), new_copy), "");
      EXPECT_EQ(backups(t), std::vector<std::string>{"Nimbora.app_tmp"});
      EXPECT_EQ(tree_diff(snapshot(t.app_dir() + "_tmp"), old_copy), "");
      EXPECT_THAT(record(t), HasSubstr("failure=probation\n"));
      break;
    case Verdict::kPutBack:
      EXPECT_EQ(tree_diff(snapshot(t.app_dir()), old_copy), "");
      EXPECT_TRUE(backups(t).empty());
      EXPECT_THAT(record(t), HasSubstr("failure=package\n"));
      EXPECT_THAT(t.started(), EndsWith("start 1001\n"));
      break;
  }
  // Whatever the verdict, a client runs.
  if (v == Verdict::kOnProbation) {
    EXPECT_FALSE(clients_below(t.app_dir()).empty()) << t.log();
  } else {
    EXPECT_TRUE(alive(t.wait_client())) << t.log();
  }
}

// Build 1001 installed and its client running, then build 1002 offered with
// the given client and start script ("" keeps the good ones).
void install_then_offer(LaunchTree& t, const std::string& client, const std::string& script,
                        TreeSnapshot& old_copy) {
  t.set_levels();
  t.package_client("1001", "old-only.txt");
  ASSERT_EQ(t.launch().status, 0);
  ASSERT_TRUE(alive(t.wait_client()));
  old_copy = snapshot(t.app_dir());
  const std::string dir = t.tmp() + "/client-1002";
  write_client(dir, "1002", "new-feature.txt");
  if (!client.empty()) write_file(dir + "/bin/nimbora-backup-ui", client, 0755);
  if (!script.empty()) write_file(dir + "/package/start-stop", script, 0755);
  ASSERT_EQ(t.package(dir).status, 0);
}

class NewClient : public ::testing::TestWithParam<ClientCase> {};

TEST_P(NewClient, RunsOrThePreviousCopyIsBackByTheSecondLaunch) {
  const ClientCase& c = GetParam();
  const ScopedEnv look("NIMBORA_CLIENT_LOOK_MS", c.look);
  LaunchTree t;
  TreeSnapshot old_copy;
  ASSERT_NO_FATAL_FAILURE(install_then_offer(t, c.client, c.script, old_copy));
  const TreeSnapshot new_copy = snapshot(t.tmp() + "/client-1002");

  RunResult first = t.launch();
  EXPECT_EQ(first.status, 0) << first.out;
  {
    SCOPED_TRACE("first launch");
    expect_state(t, c.first, old_copy, new_copy);
  }
  if (c.first == Verdict::kPutBack) {
    EXPECT_THAT(t.log(), HasSubstr("the new client did not start"));
  }

  if (c.first == Verdict::kOnProbation) {
    // A launch while the client is still starting decides nothing; one
    // after it has written its pid file keeps the new copy.
    EXPECT_EQ(t.launch().status, 0);
    SCOPED_TRACE("launch while the client starts");
    expect_state(t, Verdict::kOnProbation, old_copy, new_copy);
    EXPECT_GT(t.wait_client(kSlowClientSeconds * 15), 0);
  } else {
    // Quit by the user: a client seen running keeps its copy all the same.
    t.stop_client();
  }
  RunResult second = t.launch();
  EXPECT_EQ(second.status, 0) << second.out;
  SCOPED_TRACE("second launch");
  expect_state(t, c.first == Verdict::kPutBack ? Verdict::kPutBack : Verdict::kKept, old_copy, new_copy);
  if (c.first == Verdict::kPutBack) {
    EXPECT_THAT(t.log(), HasSubstr("is held back"));
  }
}

INSTANTIATE_TEST_SUITE_P(Upgrade, NewClient, ::testing::ValuesIn(kClients),
                         [](const ::testing::TestParamInfo<ClientCase>& i) {
                           return std::string(i.param.name);
                         });

// The demo's start script starts its client although the pid file names a
// live process that is not the client (a number taken since a reboot).
TEST(DemoStartScript, StalePidFileNamingAnotherProcessStillStartsTheClient) {
  LaunchTree t;
  ASSERT_EQ(t.package(source_dir() + "/demo").status, 0);
  ASSERT_EQ(t.launch().status, 0);
  ASSERT_TRUE(alive(t.wait_client()));
  t.stop_client();
  RunResult other = sh("sleep 600 >/dev/null 2>&1 & echo $!");
  const pid_t stranger = static_cast<pid_t>(atol(other.out.c_str()));
  ASSERT_TRUE(alive(stranger));
  write_file(t.user_dir() + "/ui.pid", "pid=" + std::to_string(stranger) + "\n");

  EXPECT_EQ(t.launch().status, 0);
  // The client rewrites the pid file: it may be empty for a moment.
  const auto started = [&] {
    const pid_t p = t.client_pid();
    return p != stranger && alive(p);
  };
  const long long end = now_millis() + hang_bound_millis(kClientStartTenths * 100);
  while (!started() && now_millis() < end) usleep(kClientLookMicros);
  EXPECT_TRUE(started()) << t.log();
  kill(stranger, SIGKILL);
}

// ------------------------------------------------------ kills in the fall back

// Holds the next open of a marked path by the launcher itself (or by any
// process: `any`), letting every other process's through.
bool hold_launcher_open(OpenGate& gate, const Child& launcher, bool any) {
  const long long end = now_millis() + kBoundMillis;
  while (!gate.holding()) {
    gate.take_events([&](const fanotify_event_metadata& m) { return any || m.pid == launcher.pid(); });
    if (gate.holding()) break;
    if (launcher.exited() || now_millis() > end) return false;
    gate.wait(static_cast<int>(kClientLookMicros / 1000), launcher.pidfd());
  }
  return true;
}

// Build 1002's client exits at once, so the launch that installs it falls
// back after its look; it is killed at one point of the fall back.
struct FallBackKill {
  const char* name;
  // Marks what holds the launcher at the point, once the new copy is on
  // probation (before: `early`, and then the open is the start script's, in
  // a child of the launcher).
  std::function<bool(const LaunchTree&, OpenGate&)> mark;
  bool early;
};

const FallBackKill kFallBackKills[] = {
    // The fall back stops the client through the pid file first.
    {"before_anything_is_put_back",
     [](const LaunchTree& t, OpenGate& g) { return g.mark(t.user_dir() + "/ui.pid"); }, false},
    {"while_the_new_copy_is_removed",
     [](const LaunchTree& t, OpenGate& g) { return g.mark(t.app_dir() + "/bin"); }, false},
    {"before_the_old_client_is_started",
     [](const LaunchTree& t, OpenGate& g) {
       return g.mark(t.app_dir() + "/package/start-stop", FAN_OPEN_EXEC_PERM);
     },
     true},
};

// Until the launcher has put the new copy on probation (`in` watches the
// user folder for IN_MOVED_TO).
bool wait_for_probation(const LaunchTree& t, Inotify& in, const Child& launcher) {
  return in.wait_for(
      [&](const Inotify::Event& e) {
        return e.name == "upgrade.attempt" &&
               read_file(t.user_dir() + "/upgrade.attempt").find("failure=probation") != std::string::npos;
      },
      &launcher);
}

class FallBack : public ::testing::TestWithParam<FallBackKill> {};

TEST_P(FallBack, KilledAtAnyPointTheNextLaunchHasThePreviousCopyBack) {
  const ScopedEnv look("NIMBORA_CLIENT_LOOK_MS", kShortLook);
  LaunchTree t;
  ProcessSweeper sweeper(t.tmp());
  TreeSnapshot old_copy;
  ASSERT_NO_FATAL_FAILURE(install_then_offer(t, "#!/bin/sh\nexit 1\n", "", old_copy));

  OpenGate gate;
  if (!gate.unavailable().empty()) GTEST_SKIP() << gate.unavailable();
  if (GetParam().early) {
    ASSERT_TRUE(GetParam().mark(t, gate));
  }
  Inotify in;
  in.watch(t.user_dir(), IN_MOVED_TO);
  Child c({t.launcher()}, {"HOME=" + t.home(), "QT_QPA_PLATFORM=offscreen"}, t.tmp() + "/launch.out");
  if (!GetParam().early) {
    ASSERT_TRUE(wait_for_probation(t, in, c)) << c.output();
    ASSERT_TRUE(GetParam().mark(t, gate));
  }
  ASSERT_TRUE(hold_launcher_open(gate, c, GetParam().early)) << c.output() << t.log();
  c.kill9();
  EXPECT_EQ(c.wait(), 128 + SIGKILL);
  gate.release();
  t.stop_client();

  RunResult r = t.launch();
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(tree_diff(snapshot(t.app_dir()), old_copy), "") << t.log();
  EXPECT_TRUE(backups(t).empty()) << joined(backups(t));
  EXPECT_THAT(record(t), HasSubstr("failure=package\n"));
  EXPECT_THAT(t.started(), EndsWith("start 1001\n"));
  EXPECT_TRUE(alive(t.wait_client())) << t.log();
}

INSTANTIATE_TEST_SUITE_P(Upgrade, FallBack, ::testing::ValuesIn(kFallBackKills),
                         [](const ::testing::TestParamInfo<FallBackKill>& i) {
                           return std::string(i.param.name);
                         });

// A logout while the launcher looks for the new client (TERM, which ends
// the client as well) decides nothing: the next launch judges the copy.
TEST(Logout, WhileLookingForTheNewClientDecidesNothing) {
  LaunchTree t;
  ProcessSweeper sweeper(t.tmp());
  TreeSnapshot old_copy;
  ASSERT_NO_FATAL_FAILURE(install_then_offer(t, "#!/bin/sh\nexit 1\n", "", old_copy));
  const TreeSnapshot new_copy = snapshot(t.tmp() + "/client-1002");
  Inotify in;
  in.watch(t.user_dir(), IN_MOVED_TO);
  Child c({t.launcher()}, {"HOME=" + t.home(), "QT_QPA_PLATFORM=offscreen"}, t.tmp() + "/launch.out");
  ASSERT_TRUE(wait_for_probation(t, in, c)) << c.output();
  kill(c.pid(), SIGTERM);
  EXPECT_EQ(c.wait(), 0) << c.output();
  EXPECT_EQ(tree_diff(snapshot(t.app_dir()), new_copy), "");
  EXPECT_EQ(backups(t), std::vector<std::string>{"Nimbora.app_tmp"});
  EXPECT_THAT(record(t), HasSubstr("failure=probation\n")) << t.log();

  EXPECT_EQ(t.launch({std::string("NIMBORA_CLIENT_LOOK_MS=") + kShortLook}).status, 0);
  expect_state(t, Verdict::kPutBack, old_copy, new_copy);
}

}  // namespace
