// tools/ts-build, run as translators run it, on a copy of the string table
// sources in a temporary tree so the real translation files stay untouched.
#include <QFile>
#include <QStringList>

#include "testutil.h"
#include "texts_testutil.h"

using namespace textstest;

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

class TsBuild : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::string(PYTHON3_PATH).empty()) GTEST_SKIP() << "python3 is not installed";
    testutil::make_dirs(tree_ / "tools");
    testutil::make_dirs(tree_ / "launcher/texts");
    const std::string src = testutil::source_dir();
    testutil::write_file(tree_ / "tools/ts-build", testutil::read_file(src + "/tools/ts-build"), 0755);
    for (const char* f : {"strtab.h", "strtab.cpp"})
      testutil::write_file(tree_ / "launcher/texts/" + f, testutil::read_file(src + "/launcher/texts/" + f));
  }

  testutil::RunResult ts_build(const std::vector<std::string>& args, const std::string& input = "") {
    const std::string in = tree_ / "input.txt";
    testutil::write_file(in, input);
    std::string cmd = "'" + std::string(PYTHON3_PATH) + "' '" + (tree_ / "tools/ts-build") + "'";
    for (const auto& a : args) cmd += " '" + a + "'";
    return testutil::sh(cmd + " < '" + in + "'");
  }

  // The --list output with some lines replaced (id -> new text) or dropped (empty text).
  std::string listing(const std::map<int, std::string>& changes = {}) {
    std::string out;
    for (const auto& t : distinct_texts()) {
      auto c = changes.find(t.id);
      if (c == changes.end())
        out += std::to_string(t.id) + "\t" + str(t.text) + "\n";
      else if (c->second != "<drop>")
        out += std::to_string(t.id) + "\t" + c->second + "\n";
    }
    return out;
  }

  std::string ts_path(const std::string& code) { return tree_ / ("launcher/texts/" + code + ".ts"); }

  testutil::TempDir tree_;
};

TEST_F(TsBuild, ListMatchesTheCompiledTable) {
  const auto r = ts_build({"--list"});
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(r.out, listing());
}

TEST_F(TsBuild, WrittenFileCompilesAndTranslates) {
  // Characters that need XML escaping, non-ASCII text and the launcher's texts.
  const std::map<int, std::string> german = {
      {44, "Nimbora Backup wird initialisiert..."},
      {160, "Nimbora Backup ist bereit."},
      {151, "%2 <von> %1 & \"mehr\" 'noch'"},
      {22, "Übernehmen"},
  };
  const auto r = ts_build({"deu", "de_DE"}, listing(german));
  ASSERT_EQ(r.status, 0) << r.out;
  const std::string ts = testutil::read_file(ts_path("deu"));
  EXPECT_THAT(ts, HasSubstr("<TS version=\"2.1\" language=\"de_DE\">"));
  EXPECT_THAT(ts, HasSubstr("<name>global</name>"));
  EXPECT_THAT(ts, Not(HasSubstr("unfinished")));

  const std::string qm = tree_ / "deu.qm";
  ASSERT_EQ(testutil::run({LRELEASE_PATH, "-silent", ts_path("deu"), "-qm", qm}).status, 0);
  ScopedTranslator file;
  ASSERT_TRUE(file.load(QString::fromStdString(qm)));
  for (const auto& t : distinct_texts()) {
    auto g = german.find(t.id);
    const std::string expected = g == german.end() ? str(t.text) : g->second;
    EXPECT_EQ(str(StrTable::LoadStr(t.id)), expected) << "id " << t.id;
  }
  EXPECT_EQ(str(StrTable::LoadStr(114)), "Übernehmen");
}

TEST_F(TsBuild, DumpReadsAWrittenFileBack) {
  const std::string input = listing({{44, "Initialisierung & Start"}, {160, "Fertig <ok>"}});
  ASSERT_EQ(ts_build({"deu", "de_DE"}, input).status, 0);
  const auto r = ts_build({"--dump", "deu"});
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(r.out, input);
}

struct BadInput {
  const char* name;
  std::string input;
  const char* message;
};

TEST_F(TsBuild, RefusesBadTranslationsAndWritesNothing) {
  auto base = [&](std::map<int, std::string> changes) {
    changes.emplace(44, "Initialisierung");
    changes.emplace(160, "Bereit");
    return listing(changes);
  };
  const BadInput cases[] = {
      {"missing id", base({{2, "<drop>"}}), "id 2 (msg_checkpass) is missing"},
      {"unknown id", base({}) + "170\tzu viel\n", "unknown id 170"},
      {"id sharing the text of a lower one", base({}) + "114\tOK\n",
       "id 114 (btn_ok) shares its text with id 22"},
      {"duplicated id", base({}) + "7\tNutzer\n", "id 7 appears a second time"},
      {"lost placeholder", base({{151, "%1 von"}}), "placeholder %2 of the English text is missing"},
      {"placeholder the caller never fills", base({{55, "Version %1 %2"}}),
       "placeholder %2 is not in the English"},
      {"empty translation", base({{7, ""}}), "id 7 (connection_username): the translation is empty"},
      {"blank translation", base({{7, "   "}}), "id 7 (connection_username): the translation is empty"},
      {"escape sequence", base({{7, "Benutzer\\nname"}}), "backslash in the translation"},
      {"launcher label left in English", listing({{160, "Bereit"}}),
       "id 44 (desc_nmbr_env_preparing): the launcher"},
      {"no tab", base({}) + "12 Verbindung\n", "no tab between id and translation"},
      {"id not a number", base({}) + "x\ty\n", "id 'x' is not a number"},
  };
  testutil::write_file(ts_path("deu"), "previous file");
  for (const auto& c : cases) {
    const auto r = ts_build({"deu", "de_DE"}, c.input);
    EXPECT_NE(r.status, 0) << c.name;
    EXPECT_THAT(r.out, HasSubstr(c.message)) << c.name << ":\n" << r.out;
    EXPECT_THAT(r.out, HasSubstr("deu.ts not written")) << c.name;
    EXPECT_EQ(testutil::read_file(ts_path("deu")), "previous file") << c.name;
  }
}

TEST_F(TsBuild, RefusesUnknownCodesAndLocales) {
  auto r = ts_build({"xyz", "de_DE"}, listing());
  EXPECT_NE(r.status, 0);
  EXPECT_THAT(r.out, HasSubstr("unknown language code 'xyz'"));
  r = ts_build({"deu", "de DE"}, listing());
  EXPECT_NE(r.status, 0);
  EXPECT_THAT(r.out, HasSubstr("is not a Qt locale name"));
  EXPECT_FALSE(testutil::exists(ts_path("deu")));
  EXPECT_FALSE(testutil::exists(ts_path("xyz")));
}

TEST_F(TsBuild, EnglishMayKeepEveryText) {
  const auto r = ts_build({"enu", "en_US"}, listing());
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_THAT(r.out, HasSubstr("wrote launcher/texts/enu.ts (161 messages)"));
  EXPECT_EQ(testutil::read_file(ts_path("enu")),
            testutil::read_file(testutil::source_dir() + "/launcher/texts/enu.ts"))
      << "the committed enu.ts is out of date: run tools/ts-build --list | tools/ts-build enu en_US";
}

}  // namespace
