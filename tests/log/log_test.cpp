// The logger in real processes (log_probe): level filtering, the time stamp,
// size counting and rotation on disk, the silent state after a failed
// rotation, the fallback after a failed Initialize, a log path that is not
// a regular file, and two threads.
#include <dirent.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "testutil.h"

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

const char kFile[] = "4";
const char kStdout[] = "2";
// The launcher's rotation count and the size after which the file rotates.
const char kCount[] = "50";
const long kRotateBytes = 1048576;
// "%b %d %H:%M:%S " in the C locale is always 16 bytes.
const long kStampBytes = 16;
const char kStamp[] = "[A-Z][a-z]{2} [0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2} ";

testutil::RunResult probe(std::vector<std::string> steps, std::vector<std::string> prefix = {}) {
  std::vector<std::string> argv = prefix;
  argv.push_back(LOG_PROBE);
  argv.insert(argv.end(), steps.begin(), steps.end());
  return testutil::run(argv, {"LC_ALL=C"});
}

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) out.push_back(line);
  return out;
}

bool is_stamp(const std::string& s) {
  static const std::regex stamp(kStamp);
  return s.size() == static_cast<size_t>(kStampBytes) && std::regex_match(s, stamp);
}

// The caller's texts with the time stamp checked and cut off. (The regex
// sees only the stamp: matching whole 64 KiB lines would exhaust the stack.)
std::vector<std::string> texts_of(const std::string& path) {
  std::vector<std::string> out;
  for (const auto& line : lines_of(testutil::read_file(path))) {
    EXPECT_TRUE(is_stamp(line.substr(0, kStampBytes))) << "unstamped line: " << line.substr(0, 80);
    out.push_back(line.substr(std::min(line.size(), static_cast<size_t>(kStampBytes))));
  }
  return out;
}

// Whether output holds a stamped line with exactly this text.
bool has_stamped_line(const std::string& output, const std::string& text) {
  for (const auto& line : lines_of(output)) {
    if (line.size() == kStampBytes + text.size() && line.compare(kStampBytes, std::string::npos, text) == 0 &&
        is_stamp(line.substr(0, kStampBytes))) {
      return true;
    }
  }
  return false;
}

std::set<std::string> names_in(const std::string& dir) {
  std::set<std::string> names;
  DIR* d = opendir(dir.c_str());
  if (!d) return names;
  while (dirent* e = readdir(d)) {
    std::string n = e->d_name;
    if (n != "." && n != "..") names.insert(n);
  }
  closedir(d);
  return names;
}

long size_of(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 ? static_cast<long>(st.st_size) : -1;
}

// The sequence number of a "fill N xxx" line.
long fill_seq(const std::string& text) { return std::stol(text.substr(5)); }

// ---- levels -------------------------------------------------------------------

struct LevelCase {
  const char* name;
  const char* level_file;  // nullptr: no level file
  std::vector<std::vector<std::string>> messages;
  std::vector<std::string> written;
};

TEST(LoggerLevels, FilteringByComponent) {
  const LevelCase cases[] = {
      {"no level file: errors and warnings only",
       nullptr,
       {{"3", "service_debug", "s3"},
        {"4", "service_debug", "s4"},
        {"5", "service_debug", "s5"},
        {"6", "extractor_debug", "e6"},
        {"7", "extractor_debug", "e7"},
        {"4", "unknown", "u4"}},
       {"s3", "s4", "u4"}},
      {"extractor_debug=7 raises one component",
       "extractor_debug=7\n",
       {{"7", "extractor_debug", "e7"}, {"7", "service_debug", "s7"}, {"4", "service_debug", "s4"}},
       {"e7", "s4"}},
      {"default_component changes nothing for the others",
       "default_component=7\n",
       {{"7", "service_debug", "s7"}, {"5", "unknown", "u5"}, {"4", "unknown", "u4"}},
       {"u4"}},
      {"a malformed line sets no level at all",
       "extractor_debug=7\nthis is not a pair\n",
       {{"7", "extractor_debug", "e7"}, {"4", "extractor_debug", "e4"}},
       {"e4"}},
      {"a level that is no number silences the component",
       "service_debug=abc\nfile_op_debug=5x\n",
       {{"3", "service_debug", "s3"}, {"5", "file_op_debug", "f5"}, {"6", "file_op_debug", "f6"}},
       {"f5"}},
      {"component names are case-sensitive",
       "Service_Debug=7\n",
       {{"7", "service_debug", "s7"}, {"7", "Service_Debug", "S7"}},
       {"S7"}},
      {"a missing level file is no error",
       "",
       {{"4", "launcher_debug", "l4"}, {"5", "launcher_debug", "l5"}},
       {"l4"}},
  };
  for (const auto& c : cases) {
    testutil::TempDir dir;
    std::string level_path = "-";
    if (c.level_file && *c.level_file) {
      level_path = dir / "launcher.debug";
      testutil::write_file(level_path, c.level_file);
    } else if (c.level_file) {
      level_path = dir / "missing.debug";
    }
    std::vector<std::string> steps = {"init", kFile, dir / "launcher.log", level_path, kCount};
    for (const auto& m : c.messages) steps.insert(steps.end(), {"msg", m[0], m[1], m[2]});
    auto r = probe(steps);
    ASSERT_EQ(r.status, 0) << c.name << "\n" << r.out;
    EXPECT_THAT(r.out, HasSubstr("probe: init 0")) << c.name;
    EXPECT_EQ(texts_of(dir / "launcher.log"), c.written) << c.name;
  }
}

// A level file that is there but cannot be read is reported once, in the
// log file the logger has just opened; nothing goes to the console.
TEST(LoggerLevels, UnreadableLevelFileIsReportedInTheLog) {
  const struct {
    const char* name;
    const char* plant;  // shell; $F is the level file's path
    const char* reason;
  } cases[] = {
      {"a folder", "mkdir \"$F\"", "' is not a regular file"},
      {"a FIFO", "mkfifo \"$F\"", "' is not a regular file"},
      {"a link", "ln -s /etc/hostname \"$F\"", ": cannot open '"},
      {"larger than 64 KiB", "head -c 65537 /dev/zero | tr '\\0' '#' > \"$F\"",
       "' is larger than 65536 bytes"},
  };
  for (const auto& c : cases) {
    testutil::TempDir dir;
    const std::string level_path = dir / "launcher.debug";
    ASSERT_EQ(testutil::sh(c.plant, {"F=" + level_path}).status, 0) << c.name;
    auto r = probe({"init", kFile, dir / "launcher.log", level_path, kCount, "msg", "4", "c", "after"});
    ASSERT_EQ(r.status, 0) << c.name << "\n" << r.out;
    EXPECT_THAT(r.out, Not(HasSubstr("WARNING"))) << c.name;
    const auto texts = texts_of(dir / "launcher.log");
    ASSERT_EQ(texts.size(), 2u) << c.name << "\n" << testutil::read_file(dir / "launcher.log");
    EXPECT_THAT(texts[0], ::testing::StartsWith("[WARNING] log(")) << c.name;
    EXPECT_THAT(texts[0], HasSubstr("): level file ignored: ")) << c.name;
    EXPECT_THAT(texts[0], HasSubstr(c.reason)) << c.name;
    EXPECT_EQ(texts[1], "after") << c.name;
  }
}

// ---- console back ends ------------------------------------------------------

TEST(LoggerConsole, MessagesBeforeInitializeGoToStderrWithTheStamp) {
  testutil::TempDir dir;
  auto r = testutil::sh("LC_ALL=C '" + std::string(LOG_PROBE) +
                        "' msg 4 launcher_debug early msg 5 launcher_debug hidden macro >'" + (dir / "out") +
                        "' 2>'" + (dir / "err") + "'");
  ASSERT_EQ(r.status, 0);
  std::string out = testutil::read_file(dir / "out");
  std::smatch m;
  ASSERT_TRUE(std::regex_search(out, m, std::regex("probe: line ([0-9]+)")));
  std::vector<std::string> expected = {"early", "[ERROR] log_probe(" + m[1].str() + "): macro call"};
  EXPECT_EQ(texts_of(dir / "err"), expected);
}

TEST(LoggerConsole, StdoutBackEnd) {
  testutil::TempDir dir;
  auto r = testutil::sh("LC_ALL=C '" + std::string(LOG_PROBE) + "' init " + kStdout +
                        " - - 0 msg 3 service_debug to-stdout msg 7 service_debug dropped >'" +
                        (dir / "out") + "' 2>'" + (dir / "err") + "'");
  ASSERT_EQ(r.status, 0);
  std::string out = testutil::read_file(dir / "out");
  EXPECT_TRUE(has_stamped_line(out, "to-stdout")) << out;
  EXPECT_THAT(out, Not(HasSubstr("dropped")));
  EXPECT_EQ(testutil::read_file(dir / "err"), "");
}

TEST(LoggerConsole, SyslogBackEndSendsEveryLevelAsError) {
  if (geteuid() != 0) GTEST_SKIP() << "a private /dev/log needs root";
  testutil::TempDir dir;
  testutil::write_file(dir / "launcher.debug", "service_debug=7\n");
  // A tmpfs over /dev in a private mount namespace: the probe itself owns
  // /dev/log there, and the machine's log is never touched.
  auto r = testutil::sh(
      "unshare -m sh -c 'mount -t tmpfs none /dev && LC_ALL=C \"$0\" syslog-listen init 1 - \"$1\" 0"
      " msg 7 service_debug to-syslog msg 7 extractor_debug dropped syslog-read' '" +
      std::string(LOG_PROBE) + "' '" + (dir / "launcher.debug") + "'");
  if (r.out.find("unshare") != std::string::npos || r.out.find("mount:") != std::string::npos)
    GTEST_SKIP() << "no mount namespace: " << r.out;
  ASSERT_EQ(r.status, 0) << r.out;
  // LOG_USER | LOG_ERR = 8 + 3, and no time stamp of the logger's own.
  EXPECT_TRUE(std::regex_search(r.out, std::regex("probe: syslog <11>[^\n]*: to-syslog\n"))) << r.out;
  EXPECT_THAT(r.out, Not(HasSubstr("dropped")));
}

// ---- size counting and rotation ------------------------------------------------

TEST(LoggerRotation, CrossingMessageIsWrittenWholeIntoTheRotatedFile) {
  testutil::TempDir dir;
  const std::string log = dir / "launcher.log";
  const int lines = kRotateBytes / 1024;
  const std::string line_text = std::to_string(1024 - kStampBytes);
  auto r =
      probe({"init",     kFile,    log,        "-",    kCount, "fill", "3", "c",     std::to_string(lines),
             line_text,  "exists", log + "_0", "fill", "3",    "c",    "1", "50000", "exists",
             log + "_0", "msg",    "3",        "c",    "next"});
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_THAT(r.out, HasSubstr("probe: " + log + "_0 no")) << "exactly 1 MiB must not rotate yet";
  EXPECT_THAT(r.out, HasSubstr("probe: " + log + "_0 yes"));

  std::string rotated = testutil::read_file(log + "_0");
  EXPECT_EQ(size_of(log + "_0"), kRotateBytes + kStampBytes + 50000);
  std::string last_line = rotated.substr(rotated.rfind('\n', rotated.size() - 2) + 1);
  EXPECT_EQ(last_line.size(), static_cast<size_t>(kStampBytes + 50000));
  EXPECT_EQ(last_line.back(), '\n');
  EXPECT_EQ(texts_of(log), std::vector<std::string>{"next"});
}

// The bytes already in the file count, whichever launch wrote them: one
// launch writes only a little, and a log counted per run would never rotate.
TEST(LoggerRotation, SizeOnDiskCountsAcrossLaunches) {
  const struct {
    const char* name;
    long planted;               // bytes in launcher.log before the first run
    std::vector<int> runs_kib;  // KiB each run (a process of its own) writes
    bool rotated;               // launcher.log_0 exists afterwards
  } cases[] = {
      {"planted 20 MiB, a run that writes nothing", 20L << 20, {0}, true},
      {"exactly 1 MiB at the start", kRotateBytes, {0}, false},
      {"one byte past 1 MiB at the start", kRotateBytes + 1, {0}, true},
      {"900 KiB, then runs of 100 KiB", 900L << 10, {100, 100}, true},
      {"runs of 300 KiB add up", 0, {300, 300, 300, 300}, true},
      {"runs of 300 KiB below 1 MiB", 0, {300, 300, 300}, false},
  };
  for (const auto& c : cases) {
    testutil::TempDir dir;
    const std::string log = dir / "launcher.log";
    if (c.planted > 0) testutil::write_file(log, std::string(static_cast<size_t>(c.planted), 'o'));
    for (int kib : c.runs_kib) {
      auto r = probe({"init", kFile, log, "-", kCount, "fill", "3", "c", std::to_string(kib), "1024"});
      ASSERT_EQ(r.status, 0) << c.name << r.out;
    }
    EXPECT_EQ(testutil::exists(log + "_0"), c.rotated) << c.name;
    EXPECT_LE(size_of(log), kRotateBytes + 1024) << c.name;
  }
}

TEST(LoggerRotation, SixtyRotationsKeepLauncherLogAndFortyNineOldFiles) {
  testutil::TempDir dir;
  const std::string log = dir / "launcher.log";
  // 16 lines of 64 KiB pass 1 MiB: one rotation per 16 lines.
  auto r = probe({"init", kFile, log, "-", kCount, "fill", "3", "c", std::to_string(60 * 16), "65536"});
  ASSERT_EQ(r.status, 0) << r.out;

  std::set<std::string> expected = {"launcher.log"};
  for (int i = 0; i <= 48; ++i) expected.insert("launcher.log_" + std::to_string(i));
  EXPECT_EQ(names_in(dir.path()), expected);
  EXPECT_EQ(size_of(log), 0) << "the last rotation left a new, empty live file";

  // _0 is the newest: its lines follow those of _1, and so on.
  long previous_first = -1;
  for (int i = 48; i >= 0; --i) {
    auto texts = texts_of(log + "_" + std::to_string(i));
    ASSERT_EQ(texts.size(), 16u) << "file _" << i;
    EXPECT_GT(fill_seq(texts.front()), previous_first) << "file _" << i;
    previous_first = fill_seq(texts.front());
  }
  EXPECT_EQ(fill_seq(texts_of(log + "_0").back()), 60 * 16 - 1);
}

TEST(LoggerRotation, SmallRotationCounts) {
  const struct {
    const char* count;
    std::set<std::string> files;
  } cases[] = {
      {"0", {"launcher.log", "launcher.log_0"}},
      {"1", {"launcher.log", "launcher.log_0"}},
      {"2", {"launcher.log", "launcher.log_0"}},
      {"3", {"launcher.log", "launcher.log_0", "launcher.log_1"}},
  };
  for (const auto& c : cases) {
    testutil::TempDir dir;
    auto r = probe({"init", kFile, dir / "launcher.log", "-", c.count, "fill", "3", "c", "64", "65536"});
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(names_in(dir.path()), c.files) << "count " << c.count;
  }
}

// ---- failures -------------------------------------------------------------------

TEST(LoggerFailure, RemovedFolderSilencesAfterTheFailedRotation) {
  testutil::TempDir dir;
  const std::string folder = dir / "log";
  testutil::make_dirs(folder);
  const std::string log = folder + "/launcher.log";
  auto r = probe({"init", kFile, log, "-",    kCount, "msg",   "3",    "c",   "before", "rmtree", folder,
                  "fill", "3",   "c", "1100", "1024", "mkdir", folder, "msg", "3",      "c",      "after"});
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_THAT(r.out, HasSubstr("probe: done"));
  EXPECT_TRUE(names_in(folder).empty()) << "a message after the failed rotation reached the disk";
  EXPECT_THAT(r.out, Not(HasSubstr("after")));
  EXPECT_THAT(r.out, Not(HasSubstr("fill")));
}

TEST(LoggerFailure, UnwritableFolderSilencesAfterTheFailedRotation) {
  testutil::TempDir dir;
  const std::string folder = dir / "log";
  testutil::make_dirs(folder);
  std::vector<std::string> prefix;
  if (geteuid() == 0) {
    // Root ignores folder permissions: run the probe as nobody.
    if (!testutil::exists("/usr/bin/setpriv")) GTEST_SKIP() << "setpriv is missing";
    chmod(dir.path().c_str(), 0755);
    ASSERT_EQ(chown(folder.c_str(), 65534, 65534), 0);
    prefix = {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
  }
  const std::string log = folder + "/launcher.log";
  // Lines that count 1024 bytes each, stamp included.
  const std::string line_text = std::to_string(1024 - kStampBytes);
  auto r = probe(
      {"init", kFile, log, "-",    kCount,    "msg",   "3",   "c",    "before", "chmod", "555", folder,
       "fill", "3",   "c", "1100", line_text, "chmod", "755", folder, "msg",    "3",     "c",   "after"},
      prefix);
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_THAT(r.out, HasSubstr("probe: init 0"));
  EXPECT_EQ(names_in(folder), std::set<std::string>{"launcher.log"});
  auto texts = texts_of(log);
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts.front(), "before");
  // "before" and the 1024 lines up to the one that passed 1 MiB and
  // triggered the rotation; nothing after.
  EXPECT_EQ(texts.size(), 1u + static_cast<size_t>(kRotateBytes / 1024));
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "after"), 0);
}

TEST(LoggerFailure, FailedInitializeKeepsWritingToStderrUncounted) {
  testutil::TempDir dir;
  testutil::write_file(dir / "launcher.debug", "service_debug=7\n");
  auto r = probe({"init", kFile, dir / "missing/launcher.log", dir / "launcher.debug", kCount, "fill", "3",
                  "c", "1100", "1024", "msg", "7", "service_debug", "still-here"});
  ASSERT_EQ(r.status, 0);
  EXPECT_THAT(r.out, HasSubstr("probe: init -1"));
  EXPECT_TRUE(has_stamped_line(r.out, "still-here"))
      << "messages after 1 MiB were lost, as if a rotation had been tried";
  EXPECT_FALSE(testutil::exists(dir / "missing"));

  auto empty = probe({"init", kFile, "-", "-", kCount, "msg", "3", "c", "to-stderr"});
  EXPECT_THAT(empty.out, HasSubstr("probe: init -1"));
  EXPECT_TRUE(has_stamped_line(empty.out, "to-stderr"));
}

// Something other than a regular file at the log's path is neither written
// through nor waited on: the open fails and messages stay on stderr.
struct LogPathCase {
  const char* name;
  const char* make;  // shell run in the folder; makes launcher.log
};

void PrintTo(const LogPathCase& c, std::ostream* os) { *os << c.name; }

class LogPathNotARegularFile : public ::testing::TestWithParam<LogPathCase> {};

TEST_P(LogPathNotARegularFile, IsNotOpened) {
  testutil::TempDir dir;
  testutil::write_file(dir / "victim", "original\n");
  ASSERT_EQ(testutil::sh(std::string("cd '") + dir.path() + "' && " + GetParam().make).status, 0);
  // A bound only against the hang that a FIFO without a reader causes.
  auto r = probe({"init", kFile, dir / "launcher.log", "-", kCount, "msg", "3", "c", "to-stderr"},
                 {"timeout", "60"});
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_THAT(r.out, HasSubstr("probe: init -1"));
  EXPECT_TRUE(has_stamped_line(r.out, "to-stderr")) << r.out;
  EXPECT_EQ(testutil::read_file(dir / "victim"), "original\n");
}

INSTANTIATE_TEST_SUITE_P(LoggerFailure, LogPathNotARegularFile,
                         ::testing::Values(LogPathCase{"link_to_another_file", "ln -s victim launcher.log"},
                                           LogPathCase{"fifo_without_a_reader", "mkfifo launcher.log"}),
                         [](const ::testing::TestParamInfo<LogPathCase>& i) {
                           return std::string(i.param.name);
                         });

TEST(LoggerLifecycle, DestroyDropsMessagesUntilTheNextInitialize) {
  testutil::TempDir dir;
  auto r = probe({"init", kFile, dir / "one.log", "-",   kCount, "msg", "3",
                  "c",    "a",   "destroy",       "msg", "3",    "c",   "dropped",
                  "init", kFile, dir / "two.log", "-",   kCount, "msg", "3",
                  "c",    "b"});
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_THAT(r.out, Not(HasSubstr("dropped")));
  EXPECT_EQ(texts_of(dir / "one.log"), std::vector<std::string>{"a"});
  EXPECT_EQ(texts_of(dir / "two.log"), std::vector<std::string>{"b"});
}

// ---- threads ---------------------------------------------------------------------

TEST(LoggerThreads, TwoThreadsWriteWholeLines) {
  testutil::TempDir dir;
  const std::string log = dir / "launcher.log";
  const int kLines = 10000;
  auto r = probe({"init", kFile, log, "-", kCount, "threads", "2", std::to_string(kLines)});
  ASSERT_EQ(r.status, 0) << r.out;

  // 20,000 lines of 87 bytes pass 1 MiB: the lines are spread over the
  // rotated file and the live one.
  std::vector<std::string> texts = texts_of(log + "_0");
  ASSERT_FALSE(texts.empty()) << "expected one rotation";
  for (const auto& t : texts_of(log)) texts.push_back(t);
  ASSERT_EQ(texts.size(), 2u * kLines);

  const std::regex line("T([01]) ([0-9]{6}) ([ab]{60})");
  int next[2] = {0, 0};
  for (const auto& t : texts) {
    std::smatch m;
    ASSERT_TRUE(std::regex_match(t, m, line)) << "torn line: " << t;
    int id = std::stoi(m[1].str());
    EXPECT_EQ(m[3].str(), std::string(60, static_cast<char>('a' + id)));
    EXPECT_EQ(std::stoi(m[2].str()), next[id]++) << "thread " << id;
  }
  EXPECT_EQ(next[0], kLines);
  EXPECT_EQ(next[1], kLines);
}

}  // namespace
