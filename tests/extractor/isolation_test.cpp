// The extraction kept apart from what goes wrong around it, each case in a
// process of its own (extractor_probe): a package renamed over the name while
// it is read, a package that stalls (a FIFO that stops feeding, a read held
// at a fanotify gate) or a reader whose memory grows, a slow disk and one
// that writes nothing, an extracting thread
// left behind that wakes up after the old copy has been put back, and the
// Landlock confinement of the extracting thread.
#include <linux/landlock.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "archive_writer.h"
#include "extraction_watch.h"
#include "faults_tree.h"
#include "faults_util.h"
#include "gmock/gmock.h"
#include "gtest/gtest.h"
#include "slow_disk.h"
#include "tree.h"

using namespace testutil;

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

// The watchdog's stall bound in these cases: short, as nothing honest here
// pauses; the cases that must not trip it pause for a third of it.
constexpr int kStallMs = 1000;
constexpr int kHonestPauseMs = kStallMs / 3;

// Waits until the child printed `line` (or exited, or the bound passed).
bool WaitForOutput(const Child& c, const std::string& line) {
  const long long end = now_millis() + kBoundMillis;
  while (c.output().find(line) == std::string::npos) {
    if (c.exited() || now_millis() > end) return c.output().find(line) != std::string::npos;
    usleep(kPollMicros);
  }
  return true;
}

// Waits until the probe holds the package open no more: its reader that was
// left behind has given up (the descriptor is closed after the writer).
bool WaitForReaderToLetGo(const Child& c, const std::string& package) {
  const long long end = now_millis() + kBoundMillis;
  while (!fds_open_on(c.pid(), package).empty()) {
    if (now_millis() > end) return false;
    usleep(kPollMicros);
  }
  return true;
}

class IsolationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    make_dirs(target);
    make_dirs(outside);
    make_dirs(tmp / "log");
  }
  std::unique_ptr<Child> Probe(const std::vector<std::string>& options) {
    std::vector<std::string> argv = {EXTRACTOR_PROBE, "--log", log};
    argv.insert(argv.end(), options.begin(), options.end());
    argv.push_back(pkg);
    argv.push_back(target);
    return std::make_unique<Child>(argv, std::vector<std::string>{}, tmp / "probe.out");
  }
  std::string Log() const { return read_file(log); }

  // An uncompressed package of many blocks, so that a stall can fall
  // between any two of them.
  static std::vector<ArchiveEntry> Bulky(const std::string& prefix) {
    std::vector<ArchiveEntry> v = {File("INFO", "[Version]\nbuild_version=" + prefix + "\n"), Dir(prefix)};
    for (int i = 0; i < 24; ++i)
      v.push_back(File(prefix + "/f" + two_digits(i), pseudo_random_bytes(16384, static_cast<unsigned>(i))));
    return v;
  }

  TempDir tmp;
  std::string target = tmp / "home/Nimbora.app";
  std::string outside = tmp / "outside";
  std::string pkg = tmp / "nimbora.nbpk";
  // In a folder of its own: the confined threads may write there.
  std::string log = tmp / "log/probe.log";
};

// The count's first read is held while a different package is renamed over
// the name; the copy is wholly the package that was opened.
TEST_F(IsolationTest, PackageRenamedOverTheNameWhileItIsReadIsNotMixedIn) {
  for (const char* format : {"pax", "zip"}) {
    SCOPED_TRACE(format);
    remove_tree(target);
    make_dirs(target);
    write_archive(pkg, {File("INFO", "a\n"), File("a.txt", "a")}, format);
    const std::string other = tmp / "other.nbpk";
    write_archive(other, {File("INFO", "b\n"), File("b.txt", "b"), File("b2.txt", "b")}, format);
    OpenGate gate;
    if (!gate.unavailable().empty()) GTEST_SKIP() << gate.unavailable();
    ASSERT_TRUE(gate.mark(pkg, FAN_ACCESS_PERM));
    auto probe = Probe({});
    ASSERT_TRUE(gate.hold_after(0, *probe)) << probe->output();
    ASSERT_EQ(rename(other.c_str(), pkg.c_str()), 0);
    gate.release();
    EXPECT_EQ(probe->wait(), 0);
    EXPECT_THAT(probe->output(), HasSubstr("result=0\n")) << probe->output() << Log();
    EXPECT_EQ(read_file(target + "/INFO"), "a\n");
    EXPECT_EQ(list_dir(target), (std::vector<std::string>{"INFO", "a.txt"}));
    EXPECT_THAT(Log(), HasSubstr("): 2 entries in '" + pkg + "'\n"));
  }
}

// A FIFO package is read twice; when the second read yields other entries
// than the count found, nothing is put in place.
TEST_F(IsolationTest, FifoPackageThatChangesBetweenItsReadsFails) {
  // Larger than a pipe holds, so that each feed ends only once its pass
  // has the FIFO open and reads it.
  const std::string bulk = pseudo_random_bytes(1 << 18, 7);
  const std::vector<ArchiveEntry> counted = {File("INFO", "a\n"), File("a.txt", bulk), File("a2.txt", "a")};
  const struct {
    const char* name;
    std::vector<ArchiveEntry> read;
  } rows[] = {
      {"fewer entries", {File("INFO", "b\n"), File("b.txt", bulk)}},
      {"more entries", {File("INFO", "b\n"), File("b.txt", bulk), File("b2.txt", "b"), File("b3.txt", "b")}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    remove_tree(target);
    make_dirs(target);
    const std::string first = tmp / "first.tar", second = tmp / "second.tar";
    write_archive(first, counted);
    write_archive(second, row.read);
    PackageFifo fifo(pkg, read_file(first));
    auto probe = Probe({});
    ASSERT_TRUE(fifo.begin_pass(*probe));
    ASSERT_TRUE(fifo.feed_entries_and_end());
    fifo.replace_bytes(read_file(second));
    ASSERT_TRUE(fifo.begin_pass(*probe)) << probe->output() << Log();
    ASSERT_TRUE(fifo.feed_all());
    fifo.end_pass();
    EXPECT_EQ(probe->wait(), 0);
    EXPECT_THAT(probe->output(), HasSubstr("result=-1\n")) << probe->output() << Log();
    EXPECT_THAT(Log(), HasSubstr("' changed while it was read: 3 entries counted, "));
    EXPECT_FALSE(exists(target + "/INFO"));
  }
}

// The flush after the last entry reads nothing of the package: on a disk
// that writes slowly it outlasts the watchdog's bound, and is waited for as
// long as the disk writes back; on one that writes nothing it is given up as
// the disk's fault, not the package's.
TEST_F(IsolationTest, FlushIsWaitedForWhileTheDiskWritesBack) {
  const std::string slow = tmp / "slow";
  make_dirs(slow);
  SlowDisk disk(tmp / "disk.img", slow, "256M");
  if (!disk.unavailable().empty()) GTEST_SKIP() << disk.unavailable();
  // Data the disk takes several bounds to write at the slow rate.
  std::vector<ArchiveEntry> entries = {File("INFO", "i")};
  for (int i = 0; i < 4; ++i)
    entries.push_back(
        File("lib" + std::to_string(i), pseudo_random_bytes(4 << 20, static_cast<unsigned>(i))));
  write_archive(pkg, entries, "ustar");
  struct Row {
    const char* name;
    long long bytes_per_second;
    const char* result;
    const char* message;
  };
  const std::vector<Row> rows = {
      {"a disk that writes 4 MiB a second", 4 << 20, "result=0\ndisk_stalled=0\n",
       "the disk is slow: the flush of what '"},
      {"a disk that writes nothing", 1, "result=-1\ndisk_stalled=1\n",
       "the disk writes nothing back, giving it up (not the package's fault)\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string dest = slow + "/app";
    remove_tree(dest);
    make_dirs(dest);
    unlink(log.c_str());
    ASSERT_TRUE(disk.Throttle(row.bytes_per_second));
    Child probe({EXTRACTOR_PROBE, "--log", log, "--stall-ms", std::to_string(kStallMs), pkg, dest}, {},
                tmp / "probe.out");
    // A thread stuck in the flush ends only once the disk writes again.
    EXPECT_TRUE(WaitForOutput(probe, "disk_stalled=")) << probe.output() << Log();
    ASSERT_TRUE(disk.Throttle(0));
    EXPECT_EQ(probe.wait(), 0) << probe.output() << Log();
    EXPECT_THAT(probe.output(), HasSubstr(row.result)) << Log();
    EXPECT_THAT(Log(), HasSubstr(row.message));
    if (row.bytes_per_second > 1) {
      EXPECT_EQ(read_file(dest + "/INFO"), "i");
      EXPECT_EQ(read_file(dest + "/lib3"), pseudo_random_bytes(4 << 20, 3));
    }
  }
}

enum class Fault { kCountStalls, kExtractionStalls, kReadHeld, kMemoryGrows, kSlowButSteady };

// Whatever stalls or eats memory, Extract returns -1 within the bound and the
// process ends normally, its stuck threads with it; a slow honest package
// that keeps delivering bytes is extracted.
TEST_F(IsolationTest, StalledOrMemoryEatingExtractionIsGivenUp) {
  struct Row {
    const char* name;
    Fault fault;
    std::vector<std::string> options;
    const char* result;
    const char* message;
  };
  const std::string stall = std::to_string(kStallMs);
  const std::vector<Row> rows = {
      {"fifo stops feeding during the count",
       Fault::kCountStalls,
       {"--stall-ms", stall},
       "result=-1\n",
       "made no progress for 1000 ms, giving it up\n"},
      {"fifo stops feeding during the extraction",
       Fault::kExtractionStalls,
       {"--stall-ms", stall},
       "result=-1\n",
       "made no progress for 1000 ms, giving it up\n"},
      {"read held at a gate",
       Fault::kReadHeld,
       {"--stall-ms", stall},
       "result=-1\n",
       "made no progress for 1000 ms, giving it up\n"},
      {"memory grows on the extracting thread",
       Fault::kMemoryGrows,
       {"--memory-mib", "64", "--allocate"},
       "result=-1\n",
       "(bound 64 MiB), giving it up\n"},
      {"one large xz entry fed slowly", Fault::kSlowButSteady, {"--stall-ms", stall}, "result=0\n", ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    remove_tree(target);
    make_dirs(target);
    unlink(log.c_str());
    unlink(pkg.c_str());
    const std::string bytes_of = tmp / "package";
    if (row.fault == Fault::kSlowButSteady) {
      write_archive(bytes_of, {File("INFO", "i"), File("big", pseudo_random_bytes(1 << 20, 3))}, "pax", "xz");
    } else {
      write_archive(bytes_of, Bulky("d"), "ustar");
    }
    const std::string bytes = read_file(bytes_of);
    OpenGate gate;
    std::unique_ptr<PackageFifo> fifo;
    std::unique_ptr<Child> probe;
    if (row.fault == Fault::kReadHeld || row.fault == Fault::kMemoryGrows) {
      write_file(pkg, bytes);
      if (row.fault == Fault::kReadHeld) {
        if (!gate.unavailable().empty()) GTEST_SKIP() << gate.unavailable();
        ASSERT_TRUE(gate.mark(pkg, FAN_ACCESS_PERM));
      }
      probe = Probe(row.options);
      if (row.fault == Fault::kReadHeld) {
        ASSERT_TRUE(gate.hold_after(1, *probe)) << probe->output();
      }
    } else {
      fifo = std::make_unique<PackageFifo>(pkg, bytes);
      probe = Probe(row.options);
      ASSERT_TRUE(fifo->begin_pass(*probe));
      if (row.fault == Fault::kCountStalls) {
        ASSERT_TRUE(fifo->feed(bytes.size() / 2));
      } else {
        ASSERT_TRUE(fifo->feed_entries_and_end());
        ASSERT_TRUE(fifo->begin_pass(*probe));
        if (row.fault == Fault::kExtractionStalls) {
          ASSERT_TRUE(fifo->feed(bytes.size() / 2));
        }
        // Each pause is shorter than the bound, the whole far longer.
        for (size_t fed = 0; row.fault == Fault::kSlowButSteady && fed < bytes.size();) {
          fed = std::min(bytes.size(), fed + bytes.size() / 12 + 1);
          ASSERT_TRUE(fifo->feed(fed));
          usleep(kHonestPauseMs * 1000);
        }
        if (row.fault == Fault::kSlowButSteady) fifo->end_pass();
      }
    }
    if (row.fault == Fault::kReadHeld) {
      // Given up while the read is still held; let go of it only then, as a
      // sanitizer's exit-time check cannot stop a thread held by the gate.
      EXPECT_TRUE(WaitForOutput(*probe, row.result)) << probe->output() << Log();
      gate.release();
    }
    EXPECT_EQ(probe->wait(), 0) << probe->output() << Log();
    EXPECT_THAT(probe->output(), HasSubstr(row.result)) << probe->output() << Log();
    EXPECT_THAT(Log(), HasSubstr(row.message));
    if (row.fault == Fault::kSlowButSteady) {
      EXPECT_EQ(read_file(target + "/INFO"), "i");
    }
    if (row.fault != Fault::kSlowButSteady) {
      EXPECT_FALSE(exists(target + "/INFO"));
    }
  }
}

// A read held at a gate makes the watchdog give the extraction up; the read
// is let go only once the process is ending, after its exit-time destructors
// would have run (the probe's exit gate). The thread left behind then logs
// its failed read: the process must have ended before anything it reaches
// was destroyed, in the sanitizer builds too. Repeated, as the wake-up may
// fall anywhere in the exit.
TEST_F(IsolationTest, ThreadLeftBehindThatWakesAtExitMeetsNothingDestroyed) {
  constexpr int kRepeats = 3;
  write_archive(pkg, Bulky("d"), "ustar");
  const std::string exit_gate = tmp / "exit-gate";
  for (int round = 0; round < kRepeats; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    remove_tree(target);
    make_dirs(target);
    unlink(exit_gate.c_str());
    OpenGate gate;
    if (!gate.unavailable().empty()) GTEST_SKIP() << gate.unavailable();
    ASSERT_TRUE(gate.mark(pkg, FAN_ACCESS_PERM));
    auto probe = Probe({"--stall-ms", std::to_string(kStallMs), "--exit-gate", exit_gate});
    ASSERT_TRUE(gate.hold_after(1, *probe)) << probe->output();
    const long long end = now_millis() + kBoundMillis;
    while (!probe->exited() && !exists(exit_gate) && now_millis() < end) usleep(kPollMicros);
    gate.release();
    EXPECT_EQ(probe->wait(), 0) << probe->output() << Log();
    EXPECT_THAT(probe->output(), HasSubstr("result=-1\n"));
    EXPECT_FALSE(exists(exit_gate)) << "exit-time destructors ran while a thread was left behind\n"
                                    << probe->output();
    EXPECT_THAT(probe->output(), Not(HasSubstr("Sanitizer")));
  }
}

// The extraction stalls in the middle of the package and is given up; the
// old copy is put back where the new one was (as the installation service
// does); then the stalled package goes on. The thread that was left behind
// ends without writing a byte into the restored copy, whether it wrote by
// names relative to the new folder or by absolute ones, with Landlock or
// without.
TEST_F(IsolationTest, ThreadLeftBehindNeverTouchesTheRestoredCopy) {
  struct Row {
    const char* name;
    std::vector<std::string> options;
  };
  const std::vector<Row> rows = {
      {"names relative to the new folder", {}},
      {"absolute names", {"--refuse-unshare"}},
      {"absolute names without Landlock", {"--refuse-unshare", "--refuse-landlock"}},
  };
  const std::string bytes_of = tmp / "package";
  write_archive(bytes_of, Bulky("late"), "ustar");
  const ArchiveLayout layout = layout_of(bytes_of);
  const std::string bytes = read_file(bytes_of);
  const std::string backup = tmp / "home/Nimbora.app_tmp";
  const std::string linger = tmp / "linger";
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    remove_tree(target);
    remove_tree(backup);
    unlink(linger.c_str());
    make_dirs(target);
    make_dirs(backup + "/late");
    write_file(backup + "/INFO", "old\n");
    write_file(backup + "/late/kept", "old\n");
    PackageFifo fifo(pkg, bytes);
    std::vector<std::string> options = row.options;
    options.insert(options.end(), {"--stall-ms", std::to_string(kStallMs), "--linger", linger});
    auto probe = Probe(options);
    ASSERT_TRUE(fifo.begin_pass(*probe));
    ASSERT_TRUE(fifo.feed_entries_and_end());
    ASSERT_TRUE(fifo.begin_pass(*probe)) << probe->output() << Log();
    // Into the data of an entry halfway through.
    ASSERT_TRUE(fifo.feed(layout.header_offsets[layout.names.size() / 2] + 1000));
    ASSERT_TRUE(WaitForOutput(*probe, "result=-1\n")) << probe->output() << Log();
    remove_tree(target);
    ASSERT_EQ(rename(backup.c_str(), target.c_str()), 0);
    const TreeSnapshot restored = snapshot(target);
    // The reader that was left behind takes what is in the pipe and then
    // goes away: the rest may find no reader.
    fifo.feed_all();
    fifo.end_pass();
    EXPECT_TRUE(WaitForReaderToLetGo(*probe, pkg)) << "the reader left behind did not end";
    EXPECT_EQ(tree_diff(snapshot(target), restored), "");
    write_file(linger, "");
    EXPECT_EQ(probe->wait(), 0);
  }
}

// An open from the extracting thread, at its first entry: refused outside the
// app folder, allowed inside; where the kernel has no Landlock, allowed
// everywhere as before, and the debug log says why.
TEST_F(IsolationTest, ExtractingThreadOpensOnlyBelowTheAppFolder) {
  if (syscall(SYS_landlock_create_ruleset, nullptr, 0, LANDLOCK_CREATE_RULESET_VERSION) < 2)
    GTEST_SKIP() << "the kernel offers no Landlock ABI 2";
  struct Row {
    const char* name;
    std::string path;
    std::vector<std::string> options;
    const char* open;
    const char* message;
  };
  const std::vector<Row> rows = {
      {"outside, confined",
       outside + "/planted",
       {},
       "open=EACCES\n",
       "the extracting thread confined by Landlock"},
      {"inside, confined",
       target + "/made-here",
       {},
       "open=0\n",
       "the extracting thread confined by Landlock"},
      {"outside, no Landlock",
       outside + "/planted",
       {"--refuse-landlock"},
       "open=0\n",
       "the extracting thread runs unconfined: Landlock is not available, Function not implemented\n"},
  };
  write_archive(pkg, {File("INFO", "i"), File("bin/x", "x", 0755)}, "pax", "gzip");
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    unlink(log.c_str());
    unlink(row.path.c_str());
    std::vector<std::string> options = row.options;
    options.insert(options.end(), {"--try-open", row.path});
    auto probe = Probe(options);
    EXPECT_EQ(probe->wait(), 0);
    EXPECT_THAT(probe->output(), HasSubstr(row.open)) << probe->output() << Log();
    EXPECT_THAT(probe->output(), HasSubstr("result=0\n")) << probe->output() << Log();
    EXPECT_THAT(Log(), HasSubstr(row.message));
  }
}

// NIMBORA_STALL_MS shortens the stall bound, only as a plain number and
// never past the launcher's own minute.
TEST(WatchdogBounds, StallBoundIsShortenedOnlyByAPlainNumber) {
  const struct {
    const char* value;  // nullptr: unset
    long long millis;
  } rows[] = {{"2000", 2000},    {"59999", 59999}, {"60000", 60000}, {"90000", 60000}, {"0", 60000},
              {"2000ms", 60000}, {"-5", 60000},    {" 2000", 60000}, {"", 60000},      {nullptr, 60000}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.value ? row.value : "(unset)");
    if (row.value)
      setenv("NIMBORA_STALL_MS", row.value, 1);
    else
      unsetenv("NIMBORA_STALL_MS");
    SetWatchdogBoundsForTest(nullptr);
    EXPECT_EQ(CurrentWatchdogBounds().stall.count(), row.millis);
  }
}

}  // namespace
