// Permission cases. Root is not stopped by permission bits, so the operations
// run in a helper program as an unprivileged user (see privdrop.h).
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "privdrop.h"
#include "testutil.h"

using testutil::TempDir;
using testutil::write_file;

using ::testing::HasSubstr;

namespace {

class AsNobody : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string why = testutil::nobody_unavailable();
    if (!why.empty()) GTEST_SKIP() << why;
    // The unprivileged user must reach the test folder.
    chmod(t_.path().c_str(), 0777);
  }

  testutil::RunResult probe(const std::string& cmd, const std::string& path, const std::string& arg = "") {
    return testutil::run_as_nobody({FILEOP_PROBE, cmd, path, arg});
  }

  TempDir t_;
};

TEST_F(AsNobody, UnreadableFileIsLockedForReading) {
  write_file(t_ / "secret", "x", 0);
  write_file(t_ / "open", "x", 0644);
  auto locked = probe("access", t_ / "secret", "4");
  EXPECT_THAT(locked.out, HasSubstr("locked=1 permitted=0"));
  auto readable = probe("access", t_ / "open", "4");
  EXPECT_THAT(readable.out, HasSubstr("locked=0 permitted=1"));
  auto writable = probe("access", t_ / "open", "2");
  EXPECT_THAT(writable.out, HasSubstr("locked=1 permitted=0"));
  auto missing = probe("access", t_ / "missing", "4");
  EXPECT_THAT(missing.out, HasSubstr("locked=0 permitted=1"));
}

TEST_F(AsNobody, UnsearchableParentIsNotAbsence) {
  mkdir((t_ / "closed").c_str(), 0);
  write_file(t_ / "closed/f", "x");
  auto r = probe("info", t_ / "closed/f");
  // GetFileInfo fails and leaves the record as it was; FSStat -2; not "absent".
  EXPECT_THAT(r.out, HasSubstr("rc=-1 stat=-2 exists=0 record=sentinel/4242/1"));
}

TEST_F(AsNobody, UnlistableFolderIsNotRemoved) {
  mkdir((t_ / "d").c_str(), 0777);
  write_file(t_ / "d/f", "x");
  chmod((t_ / "d").c_str(), 0333);  // writable and searchable, not readable
  auto r = probe("remove", t_ / "d");
  EXPECT_THAT(r.out, HasSubstr("rc=-3"));
  chmod((t_ / "d").c_str(), 0755);
  EXPECT_EQ(testutil::read_file(t_ / "d/f"), "x");
}

TEST_F(AsNobody, UnwritableParentFailsCreation) {
  mkdir((t_ / "ro").c_str(), 0555);
  auto r = probe("mkdir", t_ / "ro/new/sub");
  EXPECT_THAT(r.out, HasSubstr("rc=-2"));
  EXPECT_FALSE(testutil::exists(t_ / "ro/new"));
}

TEST_F(AsNobody, UnreadableSourceIsNotCopied) {
  write_file(t_ / "secret", "x", 0);
  auto r = probe("copy", t_ / "secret", t_ / "dst");
  EXPECT_THAT(r.out, HasSubstr("rc=-1"));
  EXPECT_THAT(r.out, HasSubstr("[ERROR] file-op("));
  EXPECT_THAT(r.out, HasSubstr("): CopyFile: open(" + t_ / "secret" + "): Permission denied (13)\n"));
  EXPECT_FALSE(testutil::exists(t_ / "dst"));
}

TEST_F(AsNobody, EntryInformationFailureStopsTheListing) {
  mkdir((t_ / "d").c_str(), 0777);
  write_file(t_ / "d/f", "x");
  chmod((t_ / "d").c_str(), 0444);  // names can be read, entries not queried
  auto r = probe("list", t_ / "d");
  EXPECT_THAT(r.out, HasSubstr("read=-1"));
  EXPECT_THAT(r.out, HasSubstr("): FSOpenDir: Failed to get info for '" + t_ / "d/"));
}

}  // namespace
