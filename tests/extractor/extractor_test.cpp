// The archive extractor against real archives in temporary folders: what
// lands on disk, the progress reports, the messages, and hostile archives
// that try to write outside the target.
#include "extractor.h"

#include <fcntl.h>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "archive_handles.h"
#include "archive_reader.h"
#include "archive_writer.h"
#include "decoder_libraries.h"
#include "extraction_watch.h"
#include "faults_tree.h"
#include "gmock/gmock.h"
#include "gtest/gtest.h"
#include "libarchive_loader.h"
#include "log.h"
#include "log_capture.h"
#include "testutil.h"
#include "tree.h"
#include "usable_cores.h"

using namespace testutil;

// The extracting thread and the test's thread both call into the C library
// (time zone, character conversions), which locks with primitives that
// ThreadSanitizer does not see; only instrumented code is checked.
extern "C" const char* __tsan_default_options() { return "ignore_noninstrumented_modules=1"; }

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

class ExtractorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    make_dirs(target);
    make_dirs(outside);
  }
  void TearDown() override { SetDecodersDisabledForTest(false); }

  // Runs on the extracting thread, at the moment of the report.
  void Report(int total, int step) {
    reports.emplace_back(total, step);
    pending_at_report.push_back(exists(target + "/.INFO.partial"));
    info_at_report.push_back(exists(target + "/INFO"));
    if (on_report) on_report(step);
  }

  int Extract(const std::string& archive_path, const std::string& dest) {
    Extractor e;
    e.SetSource(archive_path.c_str());
    e.SetTarget(dest.c_str());
    e.SetProgressSink([this](int total, int step) { Report(total, step); });
    return e.Extract();
  }
  int Extract(const std::string& archive_path) { return Extract(archive_path, target); }

  std::string Log() const { return log_.text(); }

  TempDir tmp;
  LogCapture log_{"extractor_debug=7\n"};
  std::string target = tmp / "home/.NimboraBackup/Nimbora.app";
  std::string outside = tmp / "outside";
  std::string pkg = tmp / "nimbora.nbpk";
  std::vector<std::pair<int, int>> reports;
  std::vector<bool> pending_at_report;
  std::vector<bool> info_at_report;
  std::function<void(int step)> on_report;
};

const std::vector<ArchiveEntry> kClient = {
    File("INFO", "[Version]\nbuild_version=7\n"),
    Dir("bin"),
    File("bin/nimbora-backup-ui", "#!/bin/sh\n", 0755),
    Symlink("package", "bin"),
};

TEST_F(ExtractorTest, EmptyArgumentsAreRefusedWithTheirOwnSpelling) {
  struct Row {
    const char* name;
    std::string source, dest;
    int (Extractor::*op)();
    const char* message;
  };
  write_archive(pkg, kClient);
  const std::vector<Row> rows = {
      {"extract without source", "", target, &Extractor::Extract, "Invalid Argument\n"},
      {"extract without target", pkg, "", &Extractor::Extract, "Invalid Argument\n"},
      {"count without source", "", target, &Extractor::Count, "Invalid argument\n"},
      {"count without target", pkg, "", &Extractor::Count, "Invalid argument\n"},
      {"list without source", "", target, &Extractor::List, "Invalid argument\n"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const size_t before = log_.mark();
    Extractor e;
    e.SetSource(row.source.c_str());
    e.SetTarget(row.dest.c_str());
    e.SetProgressSink([this](int total, int step) { Report(total, step); });
    EXPECT_EQ((e.*row.op)(), -1);
    EXPECT_NE(Log().find(std::string("[ERROR] extractor("), before), std::string::npos);
    EXPECT_NE(Log().find(std::string("): ") + row.message, before), std::string::npos) << Log();
  }
  Extractor e;
  EXPECT_EQ(e.copy_data(nullptr, nullptr), -1);
  EXPECT_NE(Log().rfind("): Invalid Argument\n"), std::string::npos);
  EXPECT_TRUE(snapshot(target).empty());
  EXPECT_TRUE(reports.empty());
}

TEST_F(ExtractorTest, UnusableArchivesFailBeforeTheTargetIsTouched) {
  // The bytes of an archive of `entries`, the first `keep` of them (0: all).
  const auto bytes = [this](const std::vector<ArchiveEntry>& entries, const char* filter, size_t keep) {
    write_archive(pkg, entries, "pax", filter);
    const std::string all = read_file(pkg);
    return keep ? all.substr(0, keep) : all;
  };
  struct Row {
    const char* name;
    std::string content;
    bool create;  // false: no file at all
    const char* count_text;
    bool open_fails;
  };
  const std::vector<Row> rows = {
      {"missing file", "", false, "ret: -1\n", true},
      {"zero-length file", "", true, "ret: 0\n", false},
      {"empty tar", std::string(10240, '\0'), true, "ret: 0\n", false},
      {"empty gzip archive", bytes({}, "gzip", 0), true, "ret: 0\n", false},
      {"empty xz archive", bytes({}, "xz", 0), true, "ret: 0\n", false},
      {"gzip cut inside its first header", bytes(kClient, "gzip", 40), true, "ret: -1\n", true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ::unlink(pkg.c_str());
    if (row.create) write_file(pkg, row.content);
    const size_t before = log_.mark();
    EXPECT_EQ(Extract(pkg), -1);
    const std::string log = log_.since(before);
    EXPECT_THAT(log, HasSubstr(std::string("Failed to calculate total file numbers, ") + row.count_text));
    const bool open_failed = log.find("[ERROR] extractor(") != std::string::npos &&
                             log.find("): archive_read_open_filename failed: '") != std::string::npos;
    EXPECT_EQ(open_failed, row.open_fails) << log;
    // The extraction pass never started: none of its messages.
    EXPECT_THAT(log, Not(HasSubstr("Failed to read file")));
    EXPECT_THAT(log, Not(HasSubstr("archive_read_next_header failed")));
  }
  // Random bytes are no archive at all.
  std::string noise;
  for (int i = 0; i < 4096; ++i) noise += static_cast<char>((i * 7919 + 13) % 251);
  write_file(pkg, noise);
  EXPECT_EQ(Extract(pkg), -1);
  EXPECT_TRUE(snapshot(target).empty());
  EXPECT_TRUE(reports.empty());
}

TEST_F(ExtractorTest, EveryEntryIsReportedAfterItIsWrittenAndInfoIsCommittedLast) {
  write_archive(pkg, kClient, "pax", "gzip");
  ASSERT_EQ(Extract(pkg), 0) << Log();
  const std::vector<std::pair<int, int>> expected = {{4, 1}, {4, 2}, {4, 3}, {4, 4}};
  EXPECT_EQ(reports, expected);
  // INFO comes first in the archive but appears only once all is written.
  EXPECT_EQ(pending_at_report, std::vector<bool>(4, true));
  EXPECT_EQ(info_at_report, std::vector<bool>(4, false));
  const TreeSnapshot want = {{"INFO", "f [Version]\nbuild_version=7\n"},
                             {"bin", "d"},
                             {"bin/nimbora-backup-ui", "f #!/bin/sh\n"},
                             {"package", "l bin"}};
  EXPECT_EQ(snapshot(target), want) << tree_diff(snapshot(target), want);
  EXPECT_EQ(access((target + "/bin/nimbora-backup-ui").c_str(), X_OK), 0);
  EXPECT_THAT(Log(), HasSubstr("[DEBUG] extractor("));
  EXPECT_THAT(Log(), HasSubstr("): decompress from '" + pkg + "' to '" + target + "'\n"));
}

TEST_F(ExtractorTest, DotSlashNamesLandInsideTheTarget) {
  write_archive(pkg, {Dir("./"), File("./INFO", "v"), File("./bin/x", "x"), File(".//bin/./y", "y")});
  ASSERT_EQ(Extract(pkg), 0) << Log();
  EXPECT_EQ(read_file(target + "/bin/x"), "x");
  EXPECT_EQ(read_file(target + "/bin/y"), "y");
  EXPECT_EQ(read_file(target + "/INFO"), "v");
  EXPECT_FALSE(exists(target + "/.INFO.partial"));
  EXPECT_EQ(reports.size(), 4u);
  EXPECT_TRUE(is_dir(target));
}

TEST_F(ExtractorTest, ReadOnlyFileAtAnEntrysPlaceIsReplaced) {
  make_dirs(target + "/bin");
  write_file(target + "/bin/nimbora-backup-ui", "old", 0444);
  write_file(target + "/INFO", "old info", 0444);
  write_archive(pkg, kClient);
  ASSERT_EQ(Extract(pkg), 0) << Log();
  EXPECT_EQ(read_file(target + "/bin/nimbora-backup-ui"), "#!/bin/sh\n");
  EXPECT_EQ(read_file(target + "/INFO"), "[Version]\nbuild_version=7\n");
}

TEST_F(ExtractorTest, ArchiveCorruptedAfterItsFirstEntriesKeepsThemButHasNoInfo) {
  // ustar: every member is a 512-byte header and its data rounded up to 512.
  std::vector<ArchiveEntry> entries = {File("INFO", std::string(1000, 'i'))};
  for (const char* n : {"a", "b", "c", "d"}) entries.push_back(File(n, std::string(1000, n[0])));
  write_archive(pkg, entries, "ustar");
  const off_t member = 512 + 1024;
  ASSERT_EQ(truncate(pkg.c_str(), 3 * member + 100), 0);  // the fourth header breaks off

  EXPECT_EQ(Extract(pkg), -1);
  EXPECT_THAT(Log(), HasSubstr("): archive_read_next_header failed: '"));
  const std::vector<std::pair<int, int>> expected = {{3, 1}, {3, 2}, {3, 3}};
  EXPECT_EQ(reports, expected);
  EXPECT_EQ(read_file(target + "/a"), std::string(1000, 'a'));
  EXPECT_EQ(read_file(target + "/b"), std::string(1000, 'b'));
  // Not a current copy: its version file was never put in place.
  EXPECT_FALSE(exists(target + "/INFO"));
  EXPECT_FALSE(exists(target + "/c"));
}

TEST_F(ExtractorTest, FormatIsRecognisedFromTheContentWhateverTheName) {
  struct Row {
    const char* format;
    const char* filter;
    const char* file_name;
  };
  const std::vector<Row> rows = {
      {"pax", "gzip", "package.zip"}, {"ustar", "", "package.tgz"}, {"gnutar", "bzip2", "nimbora.nbpk"},
      {"pax", "xz", "nimbora.nbpk"},  {"zip", "", "package.tar"},   {"cpio", "", "nimbora.nbpk"},
      {"7zip", "", "nimbora.nbpk"},
  };
  const std::vector<ArchiveEntry> entries = {Dir("bin"), File("bin/nimbora-backup-ui", "client", 0755),
                                             File("INFO", "info"),
                                             File("package/start-stop", "script", 0755)};
  const TreeSnapshot want = {{"bin", "d"},
                             {"bin/nimbora-backup-ui", "f client"},
                             {"INFO", "f info"},
                             {"package", "d"},
                             {"package/start-stop", "f script"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.format) + "+" + row.filter + " as " + row.file_name);
    const std::string path = tmp / row.file_name;
    const std::string dest = tmp / (std::string("out-") + row.format + row.filter);
    make_dirs(dest);
    write_archive(path, entries, row.format, row.filter);
    EXPECT_EQ(Extract(path, dest), 0) << Log();
    EXPECT_EQ(snapshot(dest), want) << tree_diff(snapshot(dest), want);
    ::unlink(path.c_str());
  }
  // And one made by GNU tar, gzip-compressed, under the package's own name.
  const std::string src = tmp / "client";
  make_dirs(src + "/bin");
  write_file(src + "/INFO", "gnu");
  write_file(src + "/bin/nimbora-backup-ui", "ui", 0755);
  ASSERT_EQ(sh("cd '" + src + "' && tar -czf '" + pkg + "' INFO bin").status, 0);
  EXPECT_EQ(Extract(pkg), 0) << Log();
  EXPECT_EQ(read_file(target + "/bin/nimbora-backup-ui"), "ui");
  EXPECT_EQ(read_file(target + "/INFO"), "gnu");
}

TEST_F(ExtractorTest, HostileEntriesNeverWriteOutsideTheTarget) {
  const std::string victim = outside + "/victim";
  struct Row {
    const char* name;
    std::vector<ArchiveEntry> entries;
    std::string format;
    int result;
    std::string inside;  // a path below the target that must hold "x", or ""
  };
  const std::vector<Row> rows = {
      {"dot-dot component", {File("a", "x"), File("../escape", "x")}, "pax", -1, "a"},
      {"dot-dot deeper", {File("bin/../../escape", "x")}, "pax", -1, ""},
      {"absolute path", {File(outside + "/abs", "x")}, "pax", 0, outside.substr(1) + "/abs"},
      {"hard link to an outside file", {Hardlink("pw", victim)}, "pax", -1, ""},
      {"hard link to outside carrying data", {Hardlink("pw", victim, "EVIL")}, "pax", -1, ""},
      {"symlink then an entry through it", {Symlink("lnk", outside), File("lnk/x", "x")}, "pax", 0, "lnk/x"},
      {"symlink dir then a deeper entry", {Symlink("d", outside), File("d/sub/x", "x")}, "pax", 0, "d/sub/x"},
      {"file named dot", {File(".", "x")}, "pax", -1, ""},
      {"file named double slash", {File("//", "x")}, "pax", -1, ""},
      {"symlink named dot", {Symlink(".", outside)}, "pax", -1, ""},
      {"folder named dot", {Dir("."), File("a", "x")}, "pax", 0, "a"},
      {"cpio hard link carrying data to an absolute path",
       {ArchiveEntry{victim, ArchiveEntry::kFile, "", "", 0644, 7, 2},
        ArchiveEntry{"x", ArchiveEntry::kFile, "x", "", 0644, 7, 2}},
       "cpio",
       0,
       "x"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    testutil::remove_tree(target);
    make_dirs(target);
    write_file(victim, "precious");
    const TreeSnapshot outside_before = snapshot(outside);
    write_archive(pkg, row.entries, row.format);
    EXPECT_EQ(Extract(pkg), row.result) << Log();
    EXPECT_EQ(snapshot(outside), outside_before) << tree_diff(snapshot(outside), outside_before);
    EXPECT_TRUE(is_dir(target));
    if (!row.inside.empty()) {
      EXPECT_EQ(read_file(target + "/" + row.inside), "x");
    }
  }
}

TEST_F(ExtractorTest, RelativeHardLinkDoesNotPickUpFilesOfTheWorkingDirectory) {
  write_file(outside + "/a", "unrelated");
  write_archive(pkg, {File("INFO", "i"), Hardlink("b", "a")});
  char cwd[4096];
  ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
  ASSERT_EQ(chdir(outside.c_str()), 0);
  const int r = Extract(pkg);
  ASSERT_EQ(chdir(cwd), 0);
  EXPECT_EQ(r, -1);
  EXPECT_FALSE(exists(target + "/b"));
  EXPECT_EQ(read_file(outside + "/a"), "unrelated");
  struct stat st;
  ASSERT_EQ(stat((outside + "/a").c_str(), &st), 0);
  EXPECT_EQ(st.st_nlink, 1u);
}

TEST_F(ExtractorTest, HardLinksOfThePackageAreLinkedInside) {
  write_archive(
      pkg, {File("INFO", "i"), File("bin/a", "same"), Hardlink("bin/b", "bin/a"), Hardlink("c", "INFO")});
  ASSERT_EQ(Extract(pkg), 0) << Log();
  struct stat a, b, info, c;
  ASSERT_EQ(stat((target + "/bin/a").c_str(), &a), 0);
  ASSERT_EQ(stat((target + "/bin/b").c_str(), &b), 0);
  EXPECT_EQ(a.st_ino, b.st_ino);
  // A link to INFO follows it to its final name.
  ASSERT_EQ(stat((target + "/INFO").c_str(), &info), 0);
  ASSERT_EQ(stat((target + "/c").c_str(), &c), 0);
  EXPECT_EQ(info.st_ino, c.st_ino);
}

TEST_F(ExtractorTest, TargetReachedThroughASymbolicLink) {
  const std::string link = tmp / "linked-app";
  ASSERT_EQ(symlink(target.c_str(), link.c_str()), 0);
  write_archive(pkg, kClient);
  ASSERT_EQ(Extract(pkg, link), 0) << Log();
  EXPECT_EQ(read_file(target + "/bin/nimbora-backup-ui"), "#!/bin/sh\n");
  EXPECT_EQ(read_file(target + "/INFO"), "[Version]\nbuild_version=7\n");
}

TEST_F(ExtractorTest, NamesAreTakenAsUtf8WhateverTheProcessLocale) {
  const std::string utf8_name = "r\xc3\xa9sum\xc3\xa9";  // two U+00E9
  const std::string raw_name = "bad\xff";                // not UTF-8
  const std::string saved = setlocale(LC_ALL, nullptr);
  // Written the way a packager in a UTF-8 locale writes it: pax headers
  // that declare UTF-8 names, which a reader converts to its own locale.
  if (!setlocale(LC_ALL, "C.UTF-8")) GTEST_SKIP() << "no C.UTF-8 locale to write the archive in";
  write_archive(pkg, {File("INFO", "i"), File(utf8_name, "u"), File("caf\xc3\xa9/x", "v")}, "pax");
  setlocale(LC_ALL, "C");
  const int r = Extract(pkg);
  setlocale(LC_ALL, saved.c_str());
  ASSERT_EQ(r, 0) << Log();
  EXPECT_EQ(read_file(target + "/" + utf8_name), "u");
  EXPECT_EQ(read_file(target + "/caf\xc3\xa9/x"), "v");

  // A name that is not UTF-8 at all is written with its bytes as they are.
  write_archive(pkg, {File(raw_name, "r")}, "gnutar");
  ASSERT_EQ(Extract(pkg), 0) << Log();
  EXPECT_EQ(read_file(target + "/" + raw_name), "r");
}

TEST_F(ExtractorTest, OverlongNameFailsCleanly) {
  write_archive(pkg, {File("INFO", "i"), File(std::string(4000, 'n'), "x")});
  EXPECT_EQ(Extract(pkg), -1);
  EXPECT_THAT(Log(), HasSubstr("): archive_read_extract2 failed: '"));
  EXPECT_FALSE(exists(target + "/INFO"));
}

// The cause of a failed step is taken from whichever of the reader and the
// disk writer holds it, with the system's reason spelled out once.
TEST(FailureCause, ComesFromTheHandleThatHoldsItWithTheSystemsReason) {
  struct Row {
    const char* name;
    int reader_errno;
    const char* reader_text;  // nullptr: no error set on the reader
    int writer_errno;
    const char* writer_text;
    const char* cause;
  };
  const Row rows[] = {
      {"reader holds it", ENOSPC, "Write failed", 0, nullptr, "Write failed: No space left on device"},
      {"writer holds it", 0, nullptr, ENOSPC, "Write failed", "Write failed: No space left on device"},
      {"reader first when both do", EIO, "Read failed", ENOSPC, "Write failed",
       "Read failed: Input/output error"},
      {"reason already in the text", ENOSPC, "No space left on device", 0, nullptr,
       "No space left on device"},
      {"a format error has no system reason", EILSEQ, "Damaged tar archive", 0, nullptr,
       "Damaged tar archive"},
      {"neither holds one", 0, nullptr, 0, nullptr, ""},
  };
  ASSERT_TRUE(Lib().loaded());
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ReadHandle reader(Lib().archive_read_new());
    WriteHandle writer(Lib().archive_write_disk_new());
    if (row.reader_text) Lib().archive_set_error(reader.get(), row.reader_errno, "%s", row.reader_text);
    if (row.writer_text) Lib().archive_set_error(writer.get(), row.writer_errno, "%s", row.writer_text);
    EXPECT_EQ(CauseOf(reader.get(), writer.get()), row.cause);
  }
}

std::string RealPath(const std::string& path) {
  char buf[PATH_MAX];
  return realpath(path.c_str(), buf) ? std::string(buf) : path;
}

std::string WorkingFolder() {
  char buf[PATH_MAX];
  return getcwd(buf, sizeof buf) ? std::string(buf) : std::string();
}

TEST_F(ExtractorTest, WorkingFoldersOfTheCallerAndOfTheOtherThreadsStayPut) {
  write_archive(pkg, kClient, "pax", "gzip");
  const std::string before = WorkingFolder();
  ASSERT_EQ(chdir(outside.c_str()), 0);
  const std::string outside_real = WorkingFolder();
  int r = -99;
  std::string after;
  std::thread extracting([&] {
    r = Extract(pkg);
    after = WorkingFolder();
  });
  extracting.join();
  const std::string main_after = WorkingFolder();
  ASSERT_EQ(chdir(before.c_str()), 0);

  ASSERT_EQ(r, 0) << Log();
  // The entries were written relative to the target, from a working folder
  // that only the extracting thread had, and that it has left again.
  EXPECT_THAT(Log(), HasSubstr("): writing entries relative to '" + RealPath(target) + "'\n"));
  EXPECT_EQ(after, outside_real);
  EXPECT_EQ(main_after, outside_real);
  EXPECT_EQ(read_file(target + "/INFO"), "[Version]\nbuild_version=7\n");
  EXPECT_TRUE(snapshot(outside).empty());
}

TEST_F(ExtractorTest, RelativeSourceAndTargetAreTakenFromTheWorkingFolder) {
  write_archive(pkg, kClient);
  const std::string before = WorkingFolder();
  ASSERT_EQ(chdir(tmp.path().c_str()), 0);
  const int r = Extract("nimbora.nbpk", "home/.NimboraBackup/Nimbora.app");
  const std::string after = WorkingFolder();
  ASSERT_EQ(chdir(before.c_str()), 0);
  ASSERT_EQ(r, 0) << Log();
  EXPECT_EQ(after, RealPath(tmp.path()));
  EXPECT_EQ(read_file(target + "/bin/nimbora-backup-ui"), "#!/bin/sh\n");
  EXPECT_EQ(read_file(target + "/INFO"), "[Version]\nbuild_version=7\n");
}

TEST_F(ExtractorTest, ReportsOfEntriesThatLeaveTheBarAloneAllArriveInOrderAfterTheirEntry) {
  // 250 entries: the bar moves every two or three of them.
  std::vector<ArchiveEntry> entries = {File("INFO", "i")};
  for (int i = 2; i <= 250; ++i) entries.push_back(File("f" + std::to_string(i), "x"));
  write_archive(pkg, entries);
  std::vector<bool> written_at_report;
  on_report = [&](int step) {
    written_at_report.push_back(step == 1 ? exists(target + "/.INFO.partial")
                                          : exists(target + "/f" + std::to_string(step)));
  };
  const int r = Extract(pkg);
  ASSERT_EQ(r, 0) << Log();
  std::vector<std::pair<int, int>> expected;
  for (int i = 1; i <= 250; ++i) expected.emplace_back(250, i);
  EXPECT_EQ(reports, expected);
  EXPECT_EQ(written_at_report, std::vector<bool>(250, true));
}

// The same archives written by a process that may not give its thread a
// working folder of its own (a sandbox that filters unshare) and by one that
// may: the same results, the same trees, nothing written outside.
TEST_F(ExtractorTest, SandboxThatRefusesAThreadItsOwnFolderGetsTheSameTree) {
  const std::string victim = outside + "/victim";
  struct Row {
    const char* name;
    std::vector<ArchiveEntry> entries;
    int result;
  };
  const std::vector<Row> rows = {
      {"client package",
       {File("INFO", "i"), Dir("bin"), File("bin/x", "x", 0755), Symlink("l", "bin/x"),
        Hardlink("h", "bin/x"), File("./deep/er/f", "f")},
       0},
      {"absolute path", {File(outside + "/abs", "x")}, 0},
      {"dot-dot component", {File("a", "x"), File("../escape", "x")}, -1},
      {"hard link to an outside file", {Hardlink("pw", victim)}, -1},
      {"symlink then an entry through it", {Symlink("lnk", outside), File("lnk/x", "x")}, 0},
      {"file named dot", {File(".", "x")}, -1},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    write_file(victim, "precious");
    const TreeSnapshot outside_before = snapshot(outside);
    write_archive(pkg, row.entries, "pax");
    const std::string free_target = tmp / "free/app";
    const std::string boxed_target = tmp / "boxed/app";
    testutil::remove_tree(free_target);
    testutil::remove_tree(boxed_target);
    make_dirs(free_target);
    make_dirs(boxed_target);
    const RunResult free_run = run({EXTRACTOR_PROBE, pkg, free_target});
    const RunResult boxed_run = run({EXTRACTOR_PROBE, "--refuse-unshare", pkg, boxed_target});
    ASSERT_THAT(boxed_run.out, HasSubstr("refused=1\n"));
    EXPECT_THAT(free_run.out, HasSubstr("result=" + std::to_string(row.result) + "\n"));
    EXPECT_THAT(boxed_run.out, HasSubstr("result=" + std::to_string(row.result) + "\n"));
    EXPECT_EQ(snapshot(boxed_target), snapshot(free_target))
        << tree_diff(snapshot(boxed_target), snapshot(free_target));
    EXPECT_EQ(snapshot(outside), outside_before) << tree_diff(snapshot(outside), outside_before);
  }
}

TEST_F(ExtractorTest, CountAndListSeeEveryEntry) {
  write_archive(pkg, kClient, "zip");
  Extractor e;
  e.SetSource(pkg.c_str());
  e.SetTarget(target.c_str());
  EXPECT_EQ(e.Count(), 4);

  const std::string out_path = tmp / "stdout";
  fflush(stdout);
  const int saved = dup(1);
  const int fd = open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  ASSERT_GE(fd, 0);
  dup2(fd, 1);
  close(fd);
  const int r = e.List();
  fflush(stdout);
  dup2(saved, 1);
  close(saved);
  EXPECT_EQ(r, 0);
  EXPECT_EQ(read_file(out_path), "INFO\nbin/\nbin/nimbora-backup-ui\npackage\n");
  // Neither writes anything.
  EXPECT_TRUE(snapshot(target).empty());
}

TEST_F(ExtractorTest, InfoIsPutInPlaceOnlyInTheFolderTheEntriesWentTo) {
  // Mid-way, another launch moves the copy aside and begins its own
  // extraction in a new folder of the same name.
  write_archive(pkg, kClient);
  const std::string moved = target + ".moved";
  // The extracting thread may be confined to the copy, so the other launch
  // is played by a thread of the test's own while the first entry waits.
  std::mutex m;
  std::condition_variable cv;
  bool entry_done = false, swap_done = false, swapped = false;
  std::thread other([&] {
    std::unique_lock<std::mutex> lock(m);
    cv.wait(lock, [&] { return entry_done; });
    swapped = rename(target.c_str(), moved.c_str()) == 0;
    make_dirs(target);
    write_file(target + "/.INFO.partial", "theirs");
    swap_done = true;
    cv.notify_all();
  });
  SetEntryHookForTest([&] {
    std::unique_lock<std::mutex> lock(m);
    entry_done = true;
    cv.notify_all();
    cv.wait(lock, [&] { return swap_done; });
  });
  const int r = Extract(pkg);
  SetEntryHookForTest(nullptr);
  other.join();
  ASSERT_TRUE(swapped);
  EXPECT_EQ(r, -1);
  EXPECT_THAT(Log(),
              HasSubstr("): '" + target + "' no longer names the folder the entries were written into\n"));
  EXPECT_EQ(read_file(target + "/.INFO.partial"), "theirs");
  EXPECT_FALSE(exists(target + "/INFO"));
  EXPECT_FALSE(exists(moved + "/INFO"));
  EXPECT_EQ(read_file(moved + "/bin/nimbora-backup-ui"), "#!/bin/sh\n");
}

TEST_F(ExtractorTest, VersionFileThatIsNotARegularFileFailsTheExtraction) {
  struct Row {
    const char* name;
    std::vector<ArchiveEntry> entries;
  };
  const std::vector<Row> rows = {
      {"FIFO", {Fifo("INFO"), File("bin/x", "x")}},
      {"symbolic link", {Symlink("INFO", "/etc/passwd"), File("bin/x", "x")}},
      {"folder", {Dir("INFO"), File("bin/x", "x")}},
      {"FIFO under the name it is written as", {File("INFO", "i"), Fifo(".INFO.partial")}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    testutil::remove_tree(target);
    make_dirs(target);
    write_archive(pkg, row.entries);
    EXPECT_EQ(Extract(pkg), -1);
    struct stat st;
    EXPECT_NE(lstat((target + "/INFO").c_str(), &st), 0);
  }
}

TEST_F(ExtractorTest, CopyWithoutItsRequiredExecutablesIsNotCommitted) {
  const std::string ui = "bin/nimbora-backup-ui";
  const std::string start = "package/start-stop";
  const ArchiveEntry info = File("INFO", "i");
  struct Row {
    const char* name;
    std::vector<ArchiveEntry> entries;
    std::string why;  // the reason logged, "" when the copy is committed
  };
  const std::vector<Row> rows = {
      {"complete client", {info, File(ui, "u", 0755), File(start, "s", 0755)}, ""},
      {"a link to /tmp and a file through it",
       {info, Symlink("tmp", "/tmp"), File("tmp/x", "x")},
       "'" + ui + "': No such file or directory"},
      {"one entry with an empty name", {Dir("")}, "'" + ui + "': No such file or directory"},
      {"a link to .. and a file through it",
       {info, Symlink("up", ".."), File("up/x", "x")},
       "'" + ui + "': No such file or directory"},
      {"everything but the start script",
       {info, File(ui, "u", 0755), File("package/other", "o", 0755)},
       "'" + start + "': No such file or directory"},
      {"client linked to an executable elsewhere",
       {info, Symlink(ui, "/bin/sh"), File(start, "s", 0755)},
       "'" + ui + "': a symbolic link"},
      {"start script in a linked folder",
       {info, File(ui, "u", 0755), File("bin/start-stop", "s", 0755), Symlink("package", "bin")},
       "'" + start + "': 'package' is not a folder"},
      {"client without an execute bit",
       {info, File(ui, "u", 0644), File(start, "s", 0755)},
       "'" + ui + "': not executable by its owner"},
      {"client that is a folder",
       {info, Dir(ui), File(start, "s", 0755)},
       "'" + ui + "': not a regular file"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    testutil::remove_tree(target);
    make_dirs(target);
    write_archive(pkg, row.entries);
    Extractor e;
    e.SetSource(pkg.c_str());
    e.SetTarget(target.c_str());
    e.SetRequiredExecutables({ui.c_str(), start.c_str()});
    const size_t before = log_.mark();
    const int r = e.Extract();
    const std::string log = log_.since(before);
    if (row.why.empty()) {
      EXPECT_EQ(r, 0) << log;
      EXPECT_EQ(read_file(target + "/INFO"), "i");
      continue;
    }
    EXPECT_EQ(r, -1);
    EXPECT_THAT(log, HasSubstr("[ERROR] extractor("));
    EXPECT_THAT(log,
                HasSubstr("): The new copy in '" + RealPath(target) + "' has no usable " + row.why + "\n"));
    EXPECT_FALSE(exists(target + "/INFO"));
  }
}

TEST_F(ExtractorTest, PackageCutShortAnywhereFails) {
  // INFO first, as in the packages: a copy cut after it would look current.
  const std::vector<ArchiveEntry> entries = {
      File("INFO", "i"), Dir("bin"), File("bin/nimbora-backup-ui", pseudo_random_bytes(3000, 1), 0755),
      File("big", pseudo_random_bytes(20000, 2))};
  for (const char* filter : {"", "gzip", "xz", "zstd"}) {
    SCOPED_TRACE(std::string("tar+") + filter);
    write_archive(pkg, entries, "ustar", filter);
    const std::string whole = read_file(pkg);
    const size_t size = whole.size();
    // A plain tar is cut between its entries and where its end-of-archive
    // marker begins; a compressed one anywhere, its trailer included.
    std::vector<size_t> cuts = {size / 3, size / 2, size - 16, size - 8, size - 4, size - 1};
    std::string marker;
    if (*filter == '\0') {
      const ArchiveLayout layout = layout_of(pkg);
      cuts.assign(layout.header_offsets.begin() + 1, layout.header_offsets.end());
      cuts.push_back(layout.end_of_entries);
      marker = "): The archive ends without its end-of-archive marker: it was cut short\n";
      // With a first zero block of the marker the entries are whole.
      write_file(pkg, whole.substr(0, layout.end_of_entries + 512));
      testutil::remove_tree(target);
      make_dirs(target);
      EXPECT_EQ(Extract(pkg), 0) << Log();
    }
    for (size_t cut : cuts) {
      SCOPED_TRACE("cut at " + std::to_string(cut) + " of " + std::to_string(size));
      testutil::remove_tree(target);
      make_dirs(target);
      write_file(pkg, whole.substr(0, cut));
      const size_t before = log_.mark();
      EXPECT_EQ(Extract(pkg), -1);
      EXPECT_FALSE(exists(target + "/INFO"));
      if (!marker.empty()) {
        EXPECT_THAT(log_.since(before), HasSubstr(marker));
      }
    }
    testutil::remove_tree(target);
    make_dirs(target);
    write_file(pkg, whole);
    EXPECT_EQ(Extract(pkg), 0) << Log();
    EXPECT_EQ(read_file(target + "/big"), pseudo_random_bytes(20000, 2));
  }
}

// The error lines logged since `from`, without their time stamps.
std::vector<std::string> ErrorLines(const std::string& log) {
  std::vector<std::string> lines;
  for (size_t p = log.find("[ERROR]"); p != std::string::npos; p = log.find("[ERROR]", p + 1))
    lines.push_back(log.substr(p, log.find('\n', p) - p));
  return lines;
}

// ISA-L's inflate and liblzma's multi-threaded decoder run before
// libarchive: every package, plain or damaged, is extracted without them
// (gzip then by zlib's inflate, xz by libarchive's own decoder) and with
// them (liblzma with threads of its own where the process may run on more
// than one core), and must give the same result and the same tree each
// time; zstd is libarchive's either way. Every package is
// read to its last byte: a check that fails in a trailer after the tar's end
// fails the extraction, and damage a decoder finds is never handed over to
// one that would miss it. Zeros after a gzip member and xz's stream padding
// are accepted, as gzip and xz accept them; other bytes after the end are
// damage.
TEST_F(ExtractorTest, EveryDecoderChecksThePackageToItsEnd) {
  SetDecodersDisabledForTest(false);
  if (!Decoders().has_isal() || !Decoders().has_lzma_mt()) GTEST_SKIP() << "ISA-L or liblzma 5.4 is missing";
  // Data that compresses badly, in files larger than the decoders' blocks.
  std::vector<ArchiveEntry> entries = kClient;
  for (int i = 0; i < 3; ++i)
    entries.push_back(File("lib/part" + std::to_string(i), pseudo_random_bytes(400000, 10 + i)));
  entries.push_back(File("docs.txt", std::string(300000, 'x')));
  const std::string tar = tmp / "client.tar";
  write_archive(tar, entries, "pax");
  // Flips one bit of $P, OFFSET bytes from its end.
  const std::string flip_from_end =
      "flip() { python3 -c 'import sys; p=sys.argv[1]; d=bytearray(open(p,\"rb\").read()); "
      "d[len(d)-int(sys.argv[2])]^=0x10; open(p,\"wb\").write(d)' \"$P\" \"$1\"; }; ";
  struct Row {
    const char* name;
    std::string make;  // a shell command making $P from the tar $T
    int result;
  };
  const std::vector<Row> rows = {
      {"gzip", "gzip -n -c \"$T\" > \"$P\"", 0},
      {"gzip with the name", "gzip -c \"$T\" > \"$P\"", 0},
      {"gzip, two members",
       "head -c 500000 \"$T\" | gzip -c > \"$P\" && tail -c +500001 \"$T\" | gzip -c >> \"$P\"", 0},
      {"gzip with a comment",
       "gzip -c \"$T\" | python3 -c 'import sys; d=sys.stdin.buffer.read(); "
       "sys.stdout.buffer.write(d[:3]+bytes([d[3]|16])+d[4:10]+b\"note\\0\"+d[10:])' > \"$P\"",
       0},
      {"gzip with zeros after", "gzip -c \"$T\" > \"$P\" && head -c 1000 /dev/zero >> \"$P\"", 0},
      {"gzip with trailing garbage", "gzip -c \"$T\" > \"$P\" && printf 'garbage!' >> \"$P\"", -1},
      {"gzip cut in its data", "gzip -c \"$T\" | head -c 300000 > \"$P\"", -1},
      {"gzip cut in its trailer", "gzip -c \"$T\" > \"$P\" && truncate -s -3 \"$P\"", -1},
      {"gzip with a flipped bit in its CRC", flip_from_end + "gzip -c \"$T\" > \"$P\" && flip 6", -1},
      {"gzip with a flipped bit in its length", flip_from_end + "gzip -c \"$T\" > \"$P\" && flip 1", -1},
      {"gzip with a flipped bit in its data", flip_from_end + "gzip -c \"$T\" > \"$P\" && flip 200000", -1},
      {"xz", "xz -c \"$T\" > \"$P\"", 0},
      {"xz in blocks, by two threads", "xz -T2 --block-size=300KiB -c \"$T\" > \"$P\"", 0},
      {"xz, two streams with padding between",
       "head -c 500000 \"$T\" | xz -c > \"$P\" && head -c 8 /dev/zero >> \"$P\" && "
       "tail -c +500001 \"$T\" | xz -c >> \"$P\"",
       0},
      {"xz with padding after", "xz -c \"$T\" > \"$P\" && head -c 4 /dev/zero >> \"$P\"", 0},
      {"xz with trailing garbage", "xz -c \"$T\" > \"$P\" && printf 'garbage!' >> \"$P\"", -1},
      {"xz in blocks, cut short", "xz -T2 --block-size=300KiB -c \"$T\" | head -c 700000 > \"$P\"", -1},
      {"xz with a damaged block",
       "xz -T2 --block-size=300KiB -c \"$T\" > \"$P\" && printf 'X' | "
       "dd of=\"$P\" bs=1 seek=400000 conv=notrunc 2>/dev/null",
       -1},
      {"xz with a flipped bit in its last block's check",
       flip_from_end + "xz -T2 --block-size=300KiB -c \"$T\" > \"$P\" && "
                       "flip $(( $(stat -c %s \"$P\") - $(xz --robot -lvv \"$P\" | "
                       "awk '$1==\"block\"{e=$5+$7}END{print e}') + 1 ))",
       -1},
      {"xz with a flipped bit in its index", flip_from_end + "xz -c \"$T\" > \"$P\" && flip 14", -1},
      {"zstd", "zstd -q -c \"$T\" > \"$P\"", 0},
      {"zstd, two frames",
       "head -c 500000 \"$T\" | zstd -q -c > \"$P\" && tail -c +500001 \"$T\" | zstd -q -c >> \"$P\"", 0},
      {"zstd with a skippable frame between",
       "head -c 500000 \"$T\" | zstd -q -c > \"$P\" && printf 'P*M\\030\\004\\0\\0\\0skip' >> \"$P\" && "
       "tail -c +500001 \"$T\" | zstd -q -c >> \"$P\"",
       0},
      {"zstd with trailing garbage", "zstd -q -c \"$T\" > \"$P\" && printf 'garbage!' >> \"$P\"", -1},
      {"zstd cut short", "zstd -q -c \"$T\" | head -c 700000 > \"$P\"", -1},
      {"zstd cut in its checksum", "zstd -q -c \"$T\" > \"$P\" && truncate -s -2 \"$P\"", -1},
      {"zstd with a flipped bit in its checksum", flip_from_end + "zstd -q -c \"$T\" > \"$P\" && flip 2", -1},
      {"zstd with a damaged block",
       "zstd -q -c \"$T\" > \"$P\" && printf 'X' | dd of=\"$P\" bs=1 seek=400000 conv=notrunc 2>/dev/null",
       -1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ASSERT_EQ(sh(row.make, {"T=" + tar, "P=" + pkg}).status, 0);
    const bool gzip = std::string(row.name).rfind("gzip", 0) == 0;
    const bool zstd = std::string(row.name).rfind("zstd", 0) == 0;
    struct Outcome {
      int result;
      TreeSnapshot tree;
      std::vector<std::string> errors;
      std::string log;
    };
    const auto extract = [&](bool faster) {
      SetDecodersDisabledForTest(!faster);
      testutil::remove_tree(target);
      make_dirs(target);
      const size_t before = log_.mark();
      Outcome o;
      o.result = Extract(pkg);
      o.tree = snapshot(target);
      o.log = log_.since(before);
      o.errors = ErrorLines(o.log);
      return o;
    };
    const Outcome plain = extract(false);
    EXPECT_EQ(plain.result, row.result) << plain.log;
    EXPECT_EQ(plain.log.find("' decoded by zlib inflate") != std::string::npos, gzip) << plain.log;
    EXPECT_EQ(plain.errors.empty(), row.result == 0) << plain.log;
    const Outcome faster = extract(true);
    EXPECT_EQ(faster.result, row.result) << faster.log;
    // A failed extraction is removed whole; where the failure is found, and
    // so how many entries were written before, depends on how far each
    // reader has read ahead.
    if (row.result == 0) {
      EXPECT_TRUE(faster.tree == plain.tree) << "the trees differ";
    }
    EXPECT_EQ(faster.errors.empty(), row.result == 0) << faster.log;
    EXPECT_EQ(faster.log.find("' decoded by ") != std::string::npos, !zstd) << faster.log;
    EXPECT_THAT(faster.log, Not(HasSubstr("): libarchive decodes '")));
    // liblzma takes threads, each holding a block, only with a second core.
    if (faster.log.find("' decoded by liblzma") != std::string::npos) {
      EXPECT_EQ(faster.log.find("' decoded by liblzma multi-threaded") != std::string::npos,
                UsableCores() > 1);
    }
  }
}

}  // namespace
