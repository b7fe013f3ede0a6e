// The upgrade decision: build numbers, the client executable, and the
// versions as the log shows them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "system_tree.h"

using namespace testutil;

using ::testing::HasSubstr;

namespace {

TEST(Decision, BuildNumbersAndTheClientExecutableDecide) {
  struct Row {
    const char* name;
    const char* target_info;  // nullptr: no file
    const char* source_info;  // nullptr: no file
    bool executable;
    int need;
  };
  const std::vector<Row> rows = {
      {"older copy", "[Version]\nbuild_version=1201\n", "[Version]\nbuild_version=1200\n", true, 1},
      {"equal builds", "[Version]\nbuild_version=1201\n", "[Version]\nbuild_version=1201\n", true, 0},
      {"downgrade", "[Version]\nbuild_version=1201\n", "[Version]\nbuild_version=1202\n", true, 0},
      {"only the major differs", "[Version]\nmajor_version=4\nbuild_version=7\n",
       "[Version]\nmajor_version=3\nbuild_version=7\n", true, 0},
      {"no copy INFO, target 5", "[Version]\nbuild_version=5\n", nullptr, true, 1},
      {"no copy INFO, empty target build", "[Version]\nbuild_version=\n", nullptr, true, 0},
      {"no target INFO", nullptr, "[Version]\nbuild_version=3\n", true, 0},
      {"target without the section", "[Other]\nbuild_version=9\n", "[Version]\nbuild_version=3\n", true, 0},
      {"leading blank counts", "[Version]\nbuild_version=41\n", "[Version]\nbuild_version=\" 42\"\n", true,
       0},
      {"leading blank on the target", "[Version]\nbuild_version=\" 43\"\n", "[Version]\nbuild_version=42\n",
       true, 1},
      {"digits before a suffix count", "[Version]\nbuild_version=41\n", "[Version]\nbuild_version=42b\n",
       true, 0},
      {"suffix on the target", "[Version]\nbuild_version=43b\n", "[Version]\nbuild_version=42\n", true, 1},
      {"not a number is 0", "[Version]\nbuild_version=1\n", "[Version]\nbuild_version=abc\n", true, 1},
      {"executable missing, equal builds", "[Version]\nbuild_version=7\n", "[Version]\nbuild_version=7\n",
       false, 1},
      {"nothing at all", nullptr, nullptr, false, 1},
  };
  SystemTree t;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    remove_tree(t.app);
    ::unlink((t.root + "/INFO").c_str());
    make_dirs(t.app + "/bin");
    if (row.target_info) write_file(t.root + "/INFO", row.target_info);
    if (row.source_info) write_file(t.app + "/INFO", row.source_info);
    if (row.executable) write_file(t.app + "/bin/nimbora-backup-ui", "#!/bin/sh\n", 0755);
    RunResult r = t.Run("decide");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(ResultOf(r, "need"), row.need) << r.out << t.log();
  }
}

TEST(Decision, VersionsAreLoggedAsReadInUtf8) {
  SystemTree t;
  write_file(t.root + "/INFO",
             "[Version]\nmajor_version=2\nminor_version=1\nbuild_version=1201\nicon_overlay_version=9\n");
  make_dirs(t.app);
  // U+00E9 as UTF-8: read as Latin-1 it would come back as four bytes.
  write_file(t.app + "/INFO",
             "[Version]\nmajor_version=caf\xc3\xa9\nbuild_version=1200\n[Other]\nminor_version=8\n");
  RunResult r = t.Run("decide");
  ASSERT_EQ(r.status, 0) << r.out;
  const std::string log = t.log();
  EXPECT_THAT(log, HasSubstr("): target_version = (2, 1, 1201, 9)\n"));
  EXPECT_THAT(log, HasSubstr("): source_version = (caf\xc3\xa9, , 1200, )\n"));
  EXPECT_THAT(log, HasSubstr("[DEBUG] linux/linux-service("));
  EXPECT_THAT(log, HasSubstr("): Source version: ('1200', '')\n"));
  EXPECT_THAT(log, HasSubstr("): Target version: ('1201', '9')\n"));
  EXPECT_THAT(log, HasSubstr("): source version = 1200, target version = 1201\n"));
  // Target first, then source.
  EXPECT_LT(log.find("target_version ="), log.find("source_version ="));

  remove_tree(t.app);
  r = t.Run("decide");
  EXPECT_THAT(t.log(), HasSubstr("[INFO] cloud-service("));
  EXPECT_THAT(t.log(), HasSubstr("): source does not exist\n"));
}

}  // namespace
