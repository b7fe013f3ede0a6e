// The display going away (its server ended with TERM or KILL, as a logout
// does) or hanging (stopped with SIGSTOP, as a frozen server or remote
// display) at several points of an upgrade from build 1001 to 1002, on real
// displays: Xvfb with openbox, and headless weston. The display never
// decides the job: every launch finishes the copy, starts the client, exits
// with status 0 within its bound and leaves no attempt on record. A logout
// sends the launcher TERM and HUP as its display goes; a logout that then
// kills the launcher does not count against the package.
#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/file.h>

#include <iostream>
#include <memory>

#include "faults_tree.h"
#include "open_gate.h"
#include "weston.h"
#include "x_desktop.h"

using namespace testutil;

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

enum class Server { kX, kWayland };
enum class Act { kTerm, kKill, kStop };
enum class When {
  kBeforeTheLaunch,  // the copy is current; the display is stopped before the launcher starts
  kBeforeTheDialog,  // connected, held at the copy's lock
  kMidExtraction,    // the dialog up, the package fed a third of the way
  kAfterTheCommit,   // the new copy complete, the start script held at its first write
};

const char kSilentDisplay[] = "no answer from the display";

// A display of either kind, ended or stopped by its pid; a stopped one is
// let go on when the case ends, so that it can be stopped itself.
class TestDisplay {
 public:
  TestDisplay(Server kind, const std::string& dir) : dir_(dir) {
    if (kind == Server::kX) {
      x_ = std::make_unique<XDesktop>(dir);
    } else {
      weston_ = std::make_unique<Weston>(dir + "/weston.out");
    }
  }
  ~TestDisplay() {
    if (stopped_) kill(pid(), SIGCONT);
  }
  TestDisplay(const TestDisplay&) = delete;
  TestDisplay& operator=(const TestDisplay&) = delete;

  std::string unavailable() const { return x_ ? x_->unavailable() : weston_->unavailable(); }
  pid_t pid() const { return x_ ? x_->server_pid() : weston_->pid(); }

  // The launcher's environment on this display, without OpenGL on X (the
  // driver keeps allocations that LeakSanitizer reports), and with a session
  // bus address as a desktop session has one: without it Qt's D-Bus client
  // starts a bus of its own through a helper forked from the launcher, which
  // outlives a launcher killed by the case and keeps its descriptors.
  std::vector<std::string> env() const {
    std::vector<std::string> e = {"DBUS_SESSION_BUS_ADDRESS=unix:path=" + dir_ + "/no-session-bus"};
    if (x_) {
      for (const char* v : {"QT_QPA_PLATFORM=xcb", "QT_XCB_GL_INTEGRATION=none"}) e.push_back(v);
      e.push_back("DISPLAY=" + x_->display());
      return e;
    }
    for (const auto& v : weston_->env()) e.push_back(v);
    e.push_back("QT_QPA_PLATFORM=wayland");
    return e;
  }

  // The dialog is up, where the test can tell (X).
  bool dialog_shown(const Child& c) const {
    if (!x_) return true;
    const auto listed_or_gone = [&] { return x_->window_listed() || c.exited(); };
    return XDesktop::wait_until(listed_or_gone) && !c.exited();
  }

  void act(Act a) {
    static constexpr int kSignal[] = {SIGTERM, SIGKILL, SIGSTOP};
    kill(pid(), kSignal[static_cast<int>(a)]);
    stopped_ = a == Act::kStop;
  }

 private:
  std::string dir_;
  std::unique_ptr<XDesktop> x_;
  std::unique_ptr<Weston> weston_;
  bool stopped_ = false;
};

// The lock of the user's copy, held as another launcher would hold it.
class CopyLock {
 public:
  explicit CopyLock(const LaunchTree& t) {
    make_dirs(t.user_dir() + "/log");
    fd_ = open((t.user_dir() + "/log/copy.lock").c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0600);
    held_ = fd_ >= 0 && flock(fd_, LOCK_EX) == 0;
  }
  ~CopyLock() { release(); }
  CopyLock(const CopyLock&) = delete;
  CopyLock& operator=(const CopyLock&) = delete;

  bool held() const { return held_; }
  void release() {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
  }

 private:
  int fd_ = -1;
  bool held_ = false;
};

struct DisplayCase {
  const char* name;
  Server server;
  Act act;
  When when;
  // TERM and HUP to the launcher with the display's end, as a logout sends.
  bool logout;
};

void PrintTo(const DisplayCase& k, std::ostream* os) { *os << k.name; }

// One launch, the display acted on at `when`; the launcher's status and the
// time it took from the act to its end.
struct Outcome {
  RunResult run;
  long long millis_after_act = -1;
};

::testing::AssertionResult run_case(const DisplayCase& k, Upgrade& u, TestDisplay& d, Outcome& o) {
  const LaunchTree& t = u.tree();
  const ArchiveLayout l = layout_of(u.plain_tar());
  std::unique_ptr<CopyLock> lock;
  std::unique_ptr<PackageFifo> fifo;
  std::unique_ptr<OpenGate> gate;
  if (k.when == When::kBeforeTheDialog) {
    lock = std::make_unique<CopyLock>(t);
    if (!lock->held()) return ::testing::AssertionFailure() << "cannot hold the copy's lock";
  } else if (k.when == When::kMidExtraction) {
    fifo = std::make_unique<PackageFifo>(u.package(), read_file(u.plain_tar()));
  } else if (k.when == When::kAfterTheCommit) {
    write_file(t.home() + "/started", "");
    gate = std::make_unique<OpenGate>();
    if (!gate->unavailable().empty()) return ::testing::AssertionFailure() << gate->unavailable();
    if (!gate->mark(t.home() + "/started")) return ::testing::AssertionFailure() << "cannot mark 'started'";
  } else {
    // The copy current, the client not running: only the start remains.
    RunResult first = u.launch();
    if (first.status != 0) return ::testing::AssertionFailure() << "first launch: " << first.out;
    t.stop_client();
    d.act(k.act);
  }

  auto c = u.start(d.env());
  bool reached = true;
  if (lock) {
    reached = t.wait_log("another launcher works on", kQuietBoundMillis);
  } else if (fifo) {
    reached = fifo->begin_pass(*c) && fifo->feed_entries_and_end() && fifo->begin_pass(*c) &&
              fifo->feed(l.header_offsets[l.names.size() / 3]) && fifo->wait_parked(*c) && d.dialog_shown(*c);
  } else if (gate) {
    reached = gate->hold_after(0, *c);
  }
  if (!reached)
    return ::testing::AssertionFailure() << "the launch never got there\n" << c->output() << t.log();

  const long long act_time = now_millis();
  if (k.when != When::kBeforeTheLaunch) d.act(k.act);
  if (k.logout) {
    kill(c->pid(), SIGTERM);
    kill(c->pid(), SIGHUP);
  }
  if (lock) lock->release();
  if (fifo && !fifo->feed_all()) return ::testing::AssertionFailure() << "the extraction stopped reading";
  if (fifo) fifo->end_pass();
  if (gate) gate->release();
  o.run.status = c->wait();
  o.millis_after_act = now_millis() - act_time;
  o.run.out = c->output();
  return ::testing::AssertionSuccess();
}

class DisplayGoes : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(DisplayGoes, LaunchFinishesStartsTheClientAndHoldsNothingBack) {
  const DisplayCase& k = GetParam();
  Upgrade u;
  const LaunchTree& t = u.tree();
  t.set_levels("launcher_debug=6\nservice_debug=6\n");
  TestDisplay d(k.server, t.tmp());
  if (!d.unavailable().empty()) GTEST_SKIP() << d.unavailable();

  Outcome o;
  ASSERT_TRUE(run_case(k, u, d, o));
  std::cout << "[ TIME     ] " << k.name << ": the launcher ended " << o.millis_after_act
            << " ms after the display's " << (k.act == Act::kStop ? "stop" : "end") << "\n";
  const std::string log = t.log();
  u.use_regular_package();
  expect_copy_of(u, o.run, u.new_client(), "1002");
  EXPECT_TRUE(u.backups().empty()) << joined(u.backups());
  EXPECT_FALSE(exists(t.user_dir() + "/upgrade.attempt")) << read_file(t.user_dir() + "/upgrade.attempt");
  if (k.when == When::kBeforeTheLaunch) {
    EXPECT_THAT(log, HasSubstr(kSilentDisplay));
  }
  if (k.logout) {
    EXPECT_THAT(log, HasSubstr("SIGTERM: the session is ending"));
  }
  EXPECT_THAT(log, Not(HasSubstr("held back")));
}

const DisplayCase kCases[] = {
    {"x_term_before_the_dialog", Server::kX, Act::kTerm, When::kBeforeTheDialog, false},
    {"x_term_mid_extraction", Server::kX, Act::kTerm, When::kMidExtraction, false},
    {"x_term_after_the_commit", Server::kX, Act::kTerm, When::kAfterTheCommit, false},
    {"x_kill_before_the_dialog", Server::kX, Act::kKill, When::kBeforeTheDialog, false},
    {"x_kill_mid_extraction", Server::kX, Act::kKill, When::kMidExtraction, false},
    {"x_kill_after_the_commit", Server::kX, Act::kKill, When::kAfterTheCommit, false},
    {"compositor_term_before_the_dialog", Server::kWayland, Act::kTerm, When::kBeforeTheDialog, false},
    {"compositor_term_mid_extraction", Server::kWayland, Act::kTerm, When::kMidExtraction, false},
    {"compositor_term_after_the_commit", Server::kWayland, Act::kTerm, When::kAfterTheCommit, false},
    {"x_stopped_before_the_launch", Server::kX, Act::kStop, When::kBeforeTheLaunch, false},
    {"x_stopped_before_the_dialog", Server::kX, Act::kStop, When::kBeforeTheDialog, false},
    {"x_stopped_mid_extraction", Server::kX, Act::kStop, When::kMidExtraction, false},
    {"x_stopped_after_the_commit", Server::kX, Act::kStop, When::kAfterTheCommit, false},
    {"compositor_stopped_before_the_launch", Server::kWayland, Act::kStop, When::kBeforeTheLaunch, false},
    {"compositor_stopped_before_the_dialog", Server::kWayland, Act::kStop, When::kBeforeTheDialog, false},
    {"compositor_stopped_mid_extraction", Server::kWayland, Act::kStop, When::kMidExtraction, false},
    {"compositor_stopped_after_the_commit", Server::kWayland, Act::kStop, When::kAfterTheCommit, false},
    {"logout_x_mid_extraction", Server::kX, Act::kTerm, When::kMidExtraction, true},
    {"logout_compositor_mid_extraction", Server::kWayland, Act::kTerm, When::kMidExtraction, true},
};

INSTANTIATE_TEST_SUITE_P(Upgrade, DisplayGoes, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<DisplayCase>& i) {
                           return std::string(i.param.name);
                         });

// A logout that does not wait for the launcher: TERM and HUP with the
// display's end while the extraction reads the package, and KILL once the
// launcher has put its attempt on record as not begun, twice in a row (the
// same package file both times). Neither counts against the package: the
// next launch upgrades and starts the new copy.
TEST(Logout, KilledTwiceMidExtractionHoldsNothingBack) {
  Upgrade u;
  const LaunchTree& t = u.tree();
  t.set_levels("launcher_debug=6\nservice_debug=6\n");
  u.use_regular_package();
  for (int login = 1; login <= 2; ++login) {
    TestDisplay d(Server::kX, t.tmp());
    if (!d.unavailable().empty()) GTEST_SKIP() << d.unavailable();
    OpenGate reads;
    if (!reads.unavailable().empty()) GTEST_SKIP() << reads.unavailable();
    ASSERT_TRUE(reads.mark(u.package(), FAN_ACCESS_PERM));
    const size_t logged = t.log().size();
    auto c = u.start(d.env());
    ASSERT_TRUE(reads.hold_after(0, *c)) << "the package was never read\n" << c->output() << t.log();
    d.act(Act::kTerm);
    kill(c->pid(), SIGTERM);
    kill(c->pid(), SIGHUP);
    const auto excused = [&] { return t.log().find("as not begun", logged) != std::string::npos; };
    ASSERT_TRUE(XDesktop::wait_until(excused))
        << "login " << login << ": the attempt was not put on record as not begun\n"
        << t.log();
    c->kill9();
    EXPECT_EQ(c->wait(), 128 + SIGKILL);
  }
  const size_t logged = t.log().size();
  expect_copy_of(u, u.launch(), u.new_client(), "1002");
  EXPECT_THAT(t.log().substr(logged), Not(HasSubstr("held back")));
  EXPECT_FALSE(exists(t.user_dir() + "/upgrade.attempt"));
}

}  // namespace
