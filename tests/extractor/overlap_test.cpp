// The counting pass running beside the extraction: entries are written while
// the count still reads, the progress reports wait for its total and then
// come in order, nothing is touched before the count has read a header, and
// a FIFO, which two readers cannot share, is counted first and then read
// again. The reads of the count are held and released through fanotify
// permission events, which name the reading thread.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/fanotify.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QObject>
#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "adapter.h"
#include "archive_writer.h"
#include "extractor.h"
#include "gmock/gmock.h"
#include "gtest/gtest.h"
#include "log.h"
#include "log_capture.h"
#include "open_gate.h"
#include "strtab.h"
#include "testutil.h"
#include "tree.h"

using namespace testutil;

// The counting thread and the test's thread both call into the C library
// (time zone, character conversions), which locks with primitives that
// ThreadSanitizer does not see; only instrumented code is checked.
extern "C" const char* __tsan_default_options() { return "ignore_noninstrumented_modules=1"; }

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

pid_t ThreadId() { return static_cast<pid_t>(syscall(SYS_gettid)); }

// A bound on every wait for the extractor (30 s on a quiet machine, scaled
// for the build and the machine), so that a fault fails the test instead of
// hanging it.
const auto kPatience = std::chrono::milliseconds(hang_bound_millis(30000));
// How often the gate looks at its release condition while it holds reads.
constexpr int kGatePollMs = 5;
// How long the count's very first read is held to give an extraction that
// does not wait for it the chance to show itself; no time is measured.
constexpr auto kFirstReadHold = std::chrono::milliseconds(200);

// Answers the open and read permission events of one file. The first thread
// to read it is the counting pass: its reads pass until `free_reads` have
// been let through, and are then held until `release_when` says so. Opens,
// and the reads of any other thread (the extracting one), always pass.
class ReadGate {
 public:
  struct Event {
    bool extractor;   // a read by the extracting thread
    bool open;        // an open, else a read
    bool while_held;  // came while reads of the count were held
  };

  ReadGate() : gate_(FAN_REPORT_TID) {}
  ~ReadGate() {
    stop_ = true;
    if (listener_.joinable()) listener_.join();
  }

  std::string unavailable() const { return mark_error_.empty() ? gate_.unavailable() : mark_error_; }

  bool Start(const std::string& path, int free_reads, std::function<bool()> release_when) {
    if (!gate_.mark(path, FAN_OPEN_PERM | FAN_ACCESS_PERM)) {
      mark_error_ = std::string("fanotify_mark: ") + strerror(errno);
      return false;
    }
    free_reads_ = free_reads;
    release_when_ = std::move(release_when);
    listener_ = std::thread(&ReadGate::Listen, this);
    return true;
  }

  std::vector<Event> events() {
    std::lock_guard<std::mutex> lock(mutex_);
    return events_;
  }
  // Whether reads of the count were held at some point, and are still.
  bool held_once() const { return held_once_; }
  bool holding() const { return holding_; }
  bool gave_up() const { return gave_up_; }
  pid_t counting_thread() const { return counter_; }

 private:
  void Listen() {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (!stop_) {
      gate_.wait(kGatePollMs);
      gate_.take_events([this](const fanotify_event_metadata& m) { return Hold(m); });
      if (holding_ && (release_when_() || std::chrono::steady_clock::now() > deadline)) {
        if (!release_when_()) gave_up_ = true;
        released_ = true;
        gate_.let_held_through();
        holding_ = false;
      }
    }
  }
  // Records the event; true when it is a read of the count to hold.
  bool Hold(const fanotify_event_metadata& m) {
    const bool open = (m.mask & FAN_OPEN_PERM) != 0;
    if (!open && counter_ == 0) counter_ = m.pid;
    const bool by_counter = !open && m.pid == counter_;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      events_.push_back({!open && !by_counter, open, holding_.load()});
    }
    if (!by_counter || released_ || reads_let_through_++ < free_reads_) return false;
    holding_ = held_once_ = true;
    return true;
  }

  OpenGate gate_;
  std::string mark_error_;
  int free_reads_ = 0;
  std::function<bool()> release_when_;
  std::thread listener_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> holding_{false};
  std::atomic<bool> held_once_{false};
  std::atomic<bool> gave_up_{false};
  std::atomic<pid_t> counter_{0};
  bool released_ = false;
  int reads_let_through_ = 0;
  std::mutex mutex_;
  std::vector<Event> events_;
};

class OverlapTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StrTable::InitStrTable();
    make_dirs(target);
    // A direct connection: the lambda runs on the extracting thread, at the
    // moment of the report.
    conn = QObject::connect(Notify_Adapter::GetInstance(), &Notify_Adapter::sigUpdateProgress,
                            [this](int total, int step) {
                              reports.emplace_back(total, step);
                              if (gate) held_at_report.push_back(gate->holding());
                            });
  }
  void TearDown() override { QObject::disconnect(conn); }

  int Extract(const std::string& source) {
    Extractor e;
    e.SetSource(source.c_str());
    e.SetTarget(target.c_str());
    return e.Extract();
  }

  std::string Log() const { return log_.text(); }

  // Files of data that compresses badly, so that a gzip archive of them
  // takes many reads to get through.
  static std::vector<ArchiveEntry> Package(int files) {
    std::vector<ArchiveEntry> entries = {File("INFO", "[Version]\nbuild_version=9\n"), Dir("data")};
    uint32_t x = 2463534242u;
    for (int i = 0; i < files; ++i) {
      std::string data(8192, '\0');
      for (char& c : data) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        c = static_cast<char>(x);
      }
      entries.push_back(File("data/f" + std::to_string(i), data));
    }
    return entries;
  }

  static std::vector<std::pair<int, int>> Expected(int total) {
    std::vector<std::pair<int, int>> v;
    for (int i = 1; i <= total; ++i) v.emplace_back(total, i);
    return v;
  }

  TempDir tmp;
  LogCapture log_{"extractor_debug=7\n"};
  std::string target = tmp / "home/.NimboraBackup/Nimbora.app";
  std::string pkg = tmp / "nimbora.nbpk";
  ReadGate* gate = nullptr;
  std::vector<std::pair<int, int>> reports;
  std::vector<bool> held_at_report;
  QMetaObject::Connection conn;
};

TEST_F(OverlapTest, EntriesAreWrittenWhileTheCountReadsAndReportedInOrderOnceItEnds) {
  constexpr int kFiles = 120;
  const std::vector<ArchiveEntry> entries = Package(kFiles);
  write_archive(pkg, entries, "pax", "gzip");
  const std::string last = target + "/data/f" + std::to_string(kFiles - 1);

  ReadGate g;
  if (!g.unavailable().empty()) GTEST_SKIP() << g.unavailable();
  gate = &g;
  // Two reads give the count its first header; then it is held until the
  // extraction has written the last entry.
  if (!g.Start(pkg, 2, [&] { return read_file(last).size() == 8192; })) GTEST_SKIP() << g.unavailable();

  ASSERT_EQ(Extract(pkg), 0) << Log();
  EXPECT_TRUE(g.held_once()) << "the count never got past its free reads";
  EXPECT_FALSE(g.gave_up()) << "the last entry was not written while the count was held";
  EXPECT_NE(g.counting_thread(), 0);
  EXPECT_NE(g.counting_thread(), ThreadId());

  const int total = static_cast<int>(entries.size());
  EXPECT_EQ(reports, Expected(total));
  EXPECT_EQ(held_at_report, std::vector<bool>(reports.size(), false)) << "a report came before the total";
  EXPECT_EQ(read_file(target + "/INFO"), "[Version]\nbuild_version=9\n");
  EXPECT_EQ(read_file(target + "/data/f7"), entries[2 + 7].data);
  EXPECT_FALSE(exists(target + "/.INFO.partial"));
  EXPECT_THAT(Log(), HasSubstr("): " + std::to_string(total) + " entries in '" + pkg + "'\n"));
}

TEST_F(OverlapTest, NothingIsOpenedBeforeTheCountHasReadAHeader) {
  write_archive(pkg, Package(20), "pax", "gzip");
  ReadGate g;
  if (!g.unavailable().empty()) GTEST_SKIP() << g.unavailable();
  gate = &g;
  std::atomic<bool> target_empty_while_held{false};
  auto held_since = std::chrono::steady_clock::time_point();
  // The count's first read is held a while; meanwhile the target must stay
  // empty and the extracting thread must not open the archive.
  ASSERT_TRUE(g.Start(pkg, 0, [&] {
    const auto now = std::chrono::steady_clock::now();
    if (held_since == std::chrono::steady_clock::time_point()) held_since = now;
    if (now - held_since < kFirstReadHold) return false;
    target_empty_while_held = snapshot(target).empty();
    return true;
  }));

  ASSERT_EQ(Extract(pkg), 0) << Log();
  EXPECT_TRUE(target_empty_while_held);
  EXPECT_TRUE(g.held_once());
  const std::vector<ReadGate::Event> events = g.events();
  ASSERT_GE(events.size(), 2u);
  // The package is opened once, then the count reads first; the extracting
  // thread comes only after the held read has been answered.
  EXPECT_TRUE(events[0].open);
  EXPECT_FALSE(events[1].extractor);
  EXPECT_FALSE(events[1].open);
  for (size_t i = 1; i < events.size(); ++i) EXPECT_FALSE(events[i].open) << "the package was opened again";
  int extractor_events = 0;
  for (const auto& e : events) {
    if (!e.extractor) continue;
    ++extractor_events;
    EXPECT_FALSE(e.while_held)
        << "the extracting thread opened or read the archive before the count's first read";
  }
  EXPECT_GT(extractor_events, 0);
  EXPECT_EQ(reports, Expected(22));
}

TEST_F(OverlapTest, ArchivesThatCountNothingFailBeforeAnythingElse) {
  struct Row {
    const char* name;
    std::vector<ArchiveEntry> entries;
    std::string filter;
    size_t keep;  // bytes of the archive kept, 0 for all
    const char* count_text;
  };
  const std::vector<Row> rows = {
      {"empty gzip archive", {}, "gzip", 0, "ret: 0\n"},
      {"empty xz archive", {}, "xz", 0, "ret: 0\n"},
      {"gzip cut inside its first header", Package(1), "gzip", 40, "ret: -1\n"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    write_archive(pkg, row.entries, "pax", row.filter);
    if (row.keep) {
      ASSERT_EQ(truncate(pkg.c_str(), static_cast<off_t>(row.keep)), 0);
    }
    const size_t before = log_.mark();
    EXPECT_EQ(Extract(pkg), -1);
    const std::string log = log_.since(before);
    EXPECT_THAT(log, HasSubstr(std::string("Failed to calculate total file numbers, ") + row.count_text));
    // The extraction pass never started: none of its messages.
    EXPECT_THAT(log, Not(HasSubstr("Failed to read file")));
    EXPECT_THAT(log, Not(HasSubstr("archive_read_next_header failed")));
    EXPECT_TRUE(snapshot(target).empty());
    EXPECT_TRUE(reports.empty());
  }
}

TEST_F(OverlapTest, CompressedArchiveBrokenAfterSomeEntriesReportsThoseAfterTheCount) {
  const std::vector<ArchiveEntry> entries = Package(40);
  write_archive(pkg, entries, "pax", "gzip");
  const std::string whole = read_file(pkg);
  // Half of the compressed stream: the count ends where the extraction fails.
  write_file(pkg, whole.substr(0, whole.size() / 2));
  EXPECT_EQ(Extract(pkg), -1);
  ASSERT_FALSE(reports.empty());
  const int total = reports.front().first;
  EXPECT_LT(total, static_cast<int>(entries.size()));
  // Every written entry, in order, against the count's total.
  EXPECT_LE(reports.size(), static_cast<size_t>(total));
  reports.resize(static_cast<size_t>(total), {total, 0});
  std::vector<std::pair<int, int>> want = Expected(total);
  for (size_t i = 0; i < want.size(); ++i)
    if (reports[i].second == 0) want[i].second = 0;
  EXPECT_EQ(reports, want);
  EXPECT_TRUE(exists(target + "/data/f0"));
  EXPECT_FALSE(exists(target + "/INFO"));
}

// Feeds a FIFO `passes` times with the same bytes, each pass to a reader that
// opens it anew: a pass ends when its reader has closed the FIFO (seen
// through inotify), so that no byte goes to a reader that is about to leave.
// Gives up on a pass whose reader does not come.
class FifoFeeder {
 public:
  FifoFeeder(const std::string& path, std::string bytes, int passes)
      : path_(path), bytes_(std::move(bytes)), passes_(passes) {
    signal(SIGPIPE, SIG_IGN);
    notify_ = inotify_init1(IN_CLOEXEC);
    if (notify_ >= 0) inotify_add_watch(notify_, path_.c_str(), IN_CLOSE_NOWRITE);
    thread_ = std::thread([this] {
      for (int i = 0; i < passes_ && Feed(); ++i) ++fed_;
    });
  }
  ~FifoFeeder() {
    Wait();
    if (notify_ >= 0) close(notify_);
  }
  // The number of passes that were read to their end.
  int Wait() {
    if (thread_.joinable()) thread_.join();
    return fed_;
  }

 private:
  bool Feed() {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    int fd = -1;
    // Without a reader a non-blocking open fails with ENXIO: try again.
    while ((fd = open(path_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC)) < 0) {
      if (errno != ENXIO || std::chrono::steady_clock::now() > deadline) return false;
      usleep(1000);
    }
    fcntl(fd, F_SETFL, 0);
    size_t off = 0;
    while (off < bytes_.size()) {
      ssize_t n = write(fd, bytes_.data() + off, bytes_.size() - off);
      if (n <= 0) break;
      off += static_cast<size_t>(n);
    }
    close(fd);
    return off == bytes_.size() && ReaderClosed();
  }
  bool ReaderClosed() {
    pollfd p = {notify_, POLLIN, 0};
    if (notify_ < 0 || poll(&p, 1, static_cast<int>(kPatience / std::chrono::milliseconds(1))) != 1)
      return false;
    char buf[4096];
    return read(notify_, buf, sizeof buf) > 0;
  }

  std::string path_;
  std::string bytes_;
  int passes_;
  int notify_ = -1;
  int fed_ = 0;
  std::thread thread_;
};

TEST_F(OverlapTest, FifoIsCountedFirstAndThenReadAgain) {
  const std::string real = tmp / "real.tar";
  const std::vector<ArchiveEntry> entries = Package(30);
  write_archive(real, entries, "pax", "gzip");
  ASSERT_EQ(mkfifo(pkg.c_str(), 0644), 0);
  FifoFeeder feeder(pkg, read_file(real), 2);
  // Two readers at once would each get a part of the bytes and both fail.
  ASSERT_EQ(Extract(pkg), 0) << Log();
  EXPECT_EQ(feeder.Wait(), 2);
  EXPECT_EQ(reports, Expected(static_cast<int>(entries.size())));
  EXPECT_EQ(read_file(target + "/data/f29"), entries.back().data);
}

}  // namespace
