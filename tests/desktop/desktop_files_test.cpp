// What "cmake --install" lays out for the desktop: the desktop entry and the
// AppStream file pass their validators, and the icon theme's icons are the
// dialog's window icon in every size.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "desktop_entry.h"

using namespace testutil;

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

const char kDesktopEntry[] = "/share/applications/nimbora-backup.desktop";  // = desktop_entry_path()
const int kIconSizes[] = {16, 22, 24, 32, 48, 64, 72, 96, 128, 256};

bool installed(const std::string& tool) { return sh("command -v " + tool + " >/dev/null").status == 0; }

uint32_t be32(const std::string& s, size_t at) {
  return (uint32_t(uint8_t(s[at])) << 24) | (uint32_t(uint8_t(s[at + 1])) << 16) |
         (uint32_t(uint8_t(s[at + 2])) << 8) | uint32_t(uint8_t(s[at + 3]));
}

struct ValidatorRow {
  const char* name;
  const char* tool;
  const char* command;  // the file is appended
  const char* file;     // below the installed tree
};

void PrintTo(const ValidatorRow& row, std::ostream* os) { *os << row.name; }

class DesktopFileValidation : public ::testing::TestWithParam<ValidatorRow> {};

TEST_P(DesktopFileValidation, ValidatorAcceptsTheInstalledFile) {
  const ValidatorRow& row = GetParam();
  if (!installed(row.tool)) GTEST_SKIP() << row.tool << " is not installed";
  const std::string file = installed_root() + row.file;
  ASSERT_TRUE(exists(file)) << file;
  const RunResult r = sh(std::string(row.command) + " '" + file + "' 2>&1");
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_THAT(r.out, Not(HasSubstr("error")));
}

INSTANTIATE_TEST_SUITE_P(
    Desktop, DesktopFileValidation,
    ::testing::Values(ValidatorRow{"desktop_entry", "desktop-file-validate", "desktop-file-validate",
                                   kDesktopEntry},
                      ValidatorRow{"appstream", "appstreamcli", "appstreamcli validate --no-net",
                                   "/share/metainfo/com.zorvane.NimboraBackup.metainfo.xml"}),
    [](const ::testing::TestParamInfo<ValidatorRow>& i) { return std::string(i.param.name); });

TEST(DesktopEntry, StartsTheInstalledLauncherWithTheThemeIcon) {
  EXPECT_EQ(desktop_entry_value("Exec"), std::string(NIMBORA_SYSTEM_ROOT) + "/bin/launcher");
  EXPECT_EQ(desktop_entry_value("Icon"), "nimbora-backup");
  EXPECT_EQ(desktop_entry_value("Categories"), "Utility;Archiving;");
  EXPECT_EQ(desktop_entry_value("StartupNotify"), "true");
  EXPECT_EQ(desktop_entry_value("Terminal"), "false");
  const std::string svg =
      read_file(installed_root() + "/share/icons/hicolor/scalable/apps/nimbora-backup.svg");
  EXPECT_THAT(svg, HasSubstr("<svg"));
  for (int size : kIconSizes) {
    const std::string n = std::to_string(size);
    const std::string png =
        read_file(installed_root() + "/share/icons/hicolor/" + n + "x" + n + "/apps/nimbora-backup.png");
    ASSERT_GE(png.size(), 24u) << size;
    EXPECT_EQ(be32(png, 16), uint32_t(size));
    EXPECT_EQ(be32(png, 20), uint32_t(size));
    EXPECT_EQ(png, read_file(installed_root() + "/images/ico_" + n + "_nimbora.png")) << size;
  }
}

}  // namespace
