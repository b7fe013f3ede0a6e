// Failures that repeat, tried as an unlucky user would: a launch that dies at
// the same entry of the package every time (a reader that crashes there, an
// out-of-memory kill), and a package whose upgrade always fails because of
// the package itself. (A session's SIGTERM or SIGHUP is not such a death: the
// launch goes on, see display_loss_test.cpp.) Each
// must end, by a bounded number of launches, with the user's copy started,
// and a held-back package must not stop the running client nor be read.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <ctime>
#include <regex>

#include "faults_tree.h"

using namespace testutil;

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

// An entry of the new package that the disk writer creates well inside the
// extraction, after the client was stopped and the old copy moved aside.
constexpr char kFatalEntry[] = "f050";

// The launches a user makes in a row in these cases.
constexpr int kLaunches = 3;

// The day after which a held-back package is tried again, in seconds, and
// a little more.
constexpr long long kDayAndMore = 24 * 60 * 60 + 60;

std::string record_of(const LaunchTree& t) { return t.user_dir() + "/upgrade.attempt"; }

// The old copy's client, running as the user left it.
pid_t start_old_client(const LaunchTree& t) {
  sh("'" + t.app_dir() + "/package/start-stop' start", {"HOME=" + t.home()});
  return t.wait_client(kClientTenths);
}

// A sanitizer build's runtime insists on coming first among the loaded
// libraries; the shim comes before it. The run's own options are kept.
std::string asan_options_with_preload() {
  const char* own = getenv("ASAN_OPTIONS");
  return std::string("ASAN_OPTIONS=") + (own ? own : "") + ":verify_asan_link_order=0";
}

// Waits until the shim holds the launcher at the fatal entry.
bool held_at_entry(const Child& c) {
  const long long end = now_millis() + kBoundMillis;
  while (c.output().find(std::string("shim: holding ") + kFatalEntry) == std::string::npos) {
    if (c.exited() || now_millis() > end) return false;
    usleep(kPollMicros);
  }
  return true;
}

// The record as a day later: its time set back by a day and a minute.
void age_record_by_a_day(const LaunchTree& t) {
  const std::string text = read_file(record_of(t));
  const std::string then = std::to_string(static_cast<long long>(time(nullptr)) - kDayAndMore);
  write_file(record_of(t), std::regex_replace(text, std::regex("time=[0-9]+"), "time=" + then));
}

TEST(RepeatedFailure, LaunchThatDiesAtTheSameEntryStartsTheOldCopyByTheThirdLaunch) {
  const struct {
    const char* name;
    int signal;  // SIGSEGV: raised by the shim; else sent while the shim holds
  } rows[] = {
      {"reader crashes on the entry", SIGSEGV},
      {"killed at the entry", SIGKILL},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Upgrade u;
    LaunchTree& t = u.tree();
    t.set_levels("service_debug=6\n");
    ASSERT_GT(start_old_client(t), 0);
    const std::vector<std::string> env = {
        std::string("LD_PRELOAD=") + OPEN_SHIM, std::string("NIMBORA_SHIM_ENTRY=") + kFatalEntry,
        row.signal == SIGSEGV ? "NIMBORA_SHIM_ACTION=segv" : "NIMBORA_SHIM_ACTION=hold",
        asan_options_with_preload()};
    int client_back_at = 0;
    RunResult last;
    for (int launch = 1; launch <= kLaunches && client_back_at == 0; ++launch) {
      auto c = u.start(env);
      if (row.signal != SIGSEGV && held_at_entry(*c)) kill(c->pid(), row.signal);
      last.status = c->wait();
      last.out = c->output();
      if (last.status == 0) {
        client_back_at = launch;
      } else {
        EXPECT_EQ(last.status, 128 + row.signal) << last.out << t.log();
      }
    }
    EXPECT_EQ(client_back_at, kLaunches);
    expect_copy_of(u, last, u.old_client(), "1001");
    EXPECT_THAT(t.log(),
                HasSubstr("build 1002 of the package is held back: 2 attempts in a row never finished"));
    EXPECT_TRUE(u.backups().empty()) << joined(u.backups());
  }
}

// Package faults: one failed upgrade holds the package back; the next
// launch starts nothing new and reads nothing; a day later, or once the
// package changes, it is tried again.
TEST(RepeatedFailure, PackageThatFailsIsHeldBackUntilItChangesOrADayPassed) {
  const struct {
    const char* name;
    std::function<void(const Upgrade&)> spoil;
  } rows[] = {
      {"cut short at 99 percent",
       [](const Upgrade& u) {
         const std::string bytes = read_file(u.regular_copy());
         write_file(u.package(), bytes.substr(0, bytes.size() * 99 / 100));
       }},
      {"corrupt gzip stream",
       [](const Upgrade& u) {
         // Incompressible files travel in stored blocks, whose bytes no
         // decoder checks before the end; garbage in place of the next
         // block header is found at once.
         const std::string bytes = read_file(u.regular_copy());
         write_file(u.package(),
                    bytes.substr(0, bytes.size() * 3 / 5) + pseudo_random_bytes(bytes.size() / 5, 9));
       }},
      {"client that is not executable",
       [](const Upgrade& u) {
         const std::string c = u.tree().tmp() + "/client-not-executable";
         ASSERT_EQ(sh("cp -a '" + u.new_client() + "' '" + c + "'").status, 0);
         ASSERT_EQ(chmod((c + "/bin/nimbora-backup-ui").c_str(), 0644), 0);
         ASSERT_EQ(u.tree().package(c).status, 0);
       }},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Upgrade u;
    LaunchTree& t = u.tree();
    t.set_levels("service_debug=6\n");
    row.spoil(u);
    ASSERT_GT(start_old_client(t), 0);

    RunResult r = u.launch();
    expect_copy_of(u, r, u.old_client(), "1001");
    EXPECT_THAT(t.log(), HasSubstr("Failed to upgrade package\n"));

    // Held back: the running client is neither stopped nor started anew.
    const pid_t running = t.wait_client(kClientTenths);
    const size_t before = t.log().size();
    r = u.launch();
    expect_copy_of(u, r, u.old_client(), "1001");
    EXPECT_EQ(t.client_pid(), running);
    EXPECT_EQ(kill(running, 0), 0) << "the running client was stopped";
    std::string log = t.log().substr(before);
    EXPECT_THAT(log,
                HasSubstr("build 1002 of the package is held back: its last attempt failed because of the "
                          "package"));
    EXPECT_THAT(log, Not(HasSubstr("extract package")));
    EXPECT_EQ(count_of(log, "[WARNING]"), 1) << log;

    // A day later it is tried once more, and held back again.
    age_record_by_a_day(t);
    const size_t day_later = t.log().size();
    expect_copy_of(u, u.launch(), u.old_client(), "1001");
    EXPECT_THAT(t.log().substr(day_later), HasSubstr("Failed to upgrade package\n"));

    // The vendor's repaired package is installed at the next launch.
    u.use_regular_package();
    expect_copy_of(u, u.launch(), u.new_client(), "1002");
    EXPECT_FALSE(exists(record_of(t)));
  }
}

// The identity of a file as the record writes it.
std::string identity_of(const std::string& path) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return "";
  return std::to_string(st.st_dev) + " " + std::to_string(st.st_ino) + " " + std::to_string(st.st_size) +
         " " + std::to_string(static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec) +
         " " + std::to_string(static_cast<long long>(st.st_ctim.tv_sec) * 1000000000LL + st.st_ctim.tv_nsec);
}

// A whole record saying that the offered package failed a moment ago.
std::string holding_record(const Upgrade& u) {
  return "build=1002\npackage=" + identity_of(u.package()) +
         "\ninfo=" + identity_of(u.tree().root() + "/INFO") +
         "\nunfinished=0\nfailure=package\ntime=" + std::to_string(static_cast<long long>(time(nullptr))) +
         "\nspace_needed=0\n";
}

// Only a whole record, read as a regular file of the user's tree, holds a
// package back; anything else in its place is taken as no record (and said
// so in the log), so that no planted object can block upgrades or hang the
// launch.
TEST(RepeatedFailure, OnlyAWholeRecordHoldsThePackageBack) {
  const struct {
    const char* name;
    std::function<void(const Upgrade&, const std::string& record)> plant;
    bool held;
  } rows[] = {
      {"whole record", [](const Upgrade& u, const std::string& r) { write_file(r, holding_record(u)); },
       true},
      {"record cut short",
       [](const Upgrade& u, const std::string& r) {
         const std::string text = holding_record(u);
         write_file(r, text.substr(0, text.find("time=") + 7));
       },
       false},
      {"record larger than any record",
       [](const Upgrade& u, const std::string& r) {
         write_file(r, holding_record(u) + std::string(8192, '#'));
       },
       false},
      {"link to a whole record",
       [](const Upgrade& u, const std::string& r) {
         const std::string elsewhere = u.tree().tmp() + "/planted-record";
         write_file(elsewhere, holding_record(u));
         ASSERT_EQ(symlink(elsewhere.c_str(), r.c_str()), 0);
       },
       false},
      {"FIFO", [](const Upgrade&, const std::string& r) { ASSERT_EQ(mkfifo(r.c_str(), 0600), 0); }, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Upgrade u;
    LaunchTree& t = u.tree();
    t.set_levels("service_debug=6\n");
    row.plant(u, record_of(t));
    const RunResult r = u.launch();
    if (row.held) {
      expect_copy_of(u, r, u.old_client(), "1001");
      EXPECT_THAT(t.log(), HasSubstr("is held back"));
    } else {
      expect_copy_of(u, r, u.new_client(), "1002");
      EXPECT_THAT(t.log(), HasSubstr("is damaged or not a regular file, taken as absent\n"));
      EXPECT_FALSE(exists(record_of(t)));
    }
  }
}

}  // namespace
