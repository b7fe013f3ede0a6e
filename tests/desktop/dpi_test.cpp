// The dialog in every language at 96, 144 and 192 dpi: its label shows its
// whole text inside the dialog, wrapping and growing the dialog where the
// text is wider than the dialog's 400 logical pixels. With Qt's scaling on,
// the dpi scales the whole dialog; with the user's QT_AUTO_SCREEN_SCALE_FACTOR=0
// only the fonts grow, the width does not, and the label must wrap.
#include <dirent.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "testutil.h"

using namespace testutil;

using ::testing::HasSubstr;

namespace {

// The language codes of the compiled-in translations (launcher/texts/*.ts).
std::vector<std::string> languages() {
  std::vector<std::string> codes;
  const std::string dir = std::string(NIMBORA_SOURCE_DIR) + "/launcher/texts";
  if (DIR* d = opendir(dir.c_str())) {
    while (dirent* e = readdir(d)) {
      const std::string n = e->d_name;
      if (n.size() > 3 && n.compare(n.size() - 3, 3, ".ts") == 0) codes.push_back(n.substr(0, n.size() - 3));
    }
    closedir(d);
  }
  std::sort(codes.begin(), codes.end());
  return codes;
}

struct DpiRow {
  const char* name;
  int dpi;
  bool scaled;          // Qt's high-DPI scaling left on
  double device_ratio;  // of the dialog's window
};

void PrintTo(const DpiRow& row, std::ostream* os) { *os << row.name; }

class DialogAtDpi : public ::testing::TestWithParam<DpiRow> {};

TEST_P(DialogAtDpi, LabelShowsItsWholeTextInEveryLanguage) {
  const DpiRow& row = GetParam();
  const std::vector<std::string> codes = languages();
  ASSERT_EQ(codes.size(), 20u);
  std::string command = DIALOG_PROBE;
  for (const auto& c : codes) command += " " + c;
  std::vector<std::string> env = {"QT_QPA_PLATFORM=offscreen", "QT_FONT_DPI=" + std::to_string(row.dpi)};
  if (!row.scaled) env.push_back("QT_AUTO_SCREEN_SCALE_FACTOR=0");
  const RunResult r = sh(command + " 2>&1", env);
  ASSERT_EQ(r.status, 0) << r.out;

  std::istringstream lines(r.out);
  std::string line;
  size_t checked = 0;
  while (std::getline(lines, line)) {
    if (line.rfind("dpr=", 0) == 0) {
      EXPECT_DOUBLE_EQ(std::stod(line.substr(4)), row.device_ratio) << line;
    } else if (line.find(" ok ") != std::string::npos || line.find(" clipped ") != std::string::npos ||
               line.find(" missing") != std::string::npos) {
      ++checked;
      EXPECT_THAT(line, HasSubstr(" ok "));
    }
  }
  EXPECT_EQ(checked, 2 * codes.size()) << r.out;
}

INSTANTIATE_TEST_SUITE_P(
    Dpi, DialogAtDpi,
    ::testing::Values(DpiRow{"d96_scaled", 96, true, 1}, DpiRow{"d144_scaled", 144, true, 2},
                      DpiRow{"d192_scaled", 192, true, 2}, DpiRow{"d96_fonts_only", 96, false, 1},
                      DpiRow{"d144_fonts_only", 144, false, 1}, DpiRow{"d192_fonts_only", 192, false, 1}),
    [](const ::testing::TestParamInfo<DpiRow>& i) { return std::string(i.param.name); });

}  // namespace
