// UI language selection, seen from a process whose locale comes from the
// environment (as the launcher's does) and whose translation resources are a
// set built for the case, so that missing translations can be tested too.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ZorvLocale.h"
#include "testutil.h"

using namespace testutil;

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

const std::vector<std::string> kAllCodes = {"enu", "cht", "chs", "jpn", "deu", "krn", "fra",
                                            "ita", "esn", "ptb", "rus", "dan", "nor", "sve",
                                            "nld", "plk", "hun", "ptg", "trk", "csy"};

// A binary resource file holding ":/<code>.qm" for every code but `missing`.
std::string build_resource_set(const TempDir& tmp, const std::string& missing) {
  std::string qrc = "<!DOCTYPE RCC><RCC version=\"1.0\"><qresource prefix=\"/\">\n";
  for (const auto& code : kAllCodes) {
    if (code == missing) continue;
    write_file(tmp / (code + ".qm"), "stand-in for " + code);
    qrc += "<file>" + code + ".qm</file>\n";
  }
  qrc += "</qresource></RCC>\n";
  write_file(tmp / "set.qrc", qrc);
  RunResult r = run({RCC_EXECUTABLE, "-binary", tmp / "set.qrc", "-o", tmp / "set.rcc"});
  if (r.status != 0) throw std::runtime_error("rcc failed: " + r.out);
  return tmp / "set.rcc";
}

struct Probe {
  std::string language;  // first line of standard output
  std::string all;       // standard output and error
};

Probe probe(const std::string& locale, const std::string& missing = "") {
  TempDir tmp;
  std::string set = build_resource_set(tmp, missing);
  RunResult r = run({LOCALE_PROBE, set}, {"LC_ALL=" + locale, "-LANG", "-LC_MESSAGES", "-LANGUAGE"});
  if (r.status != 0) throw std::runtime_error("probe failed: " + r.out);
  // The debug lines go to standard error; the answer is the last line.
  std::string out = r.out;
  while (!out.empty() && out.back() == '\n') out.pop_back();
  return {out.substr(out.rfind('\n') + 1), r.out};
}

struct LocaleCase {
  const char* name;
  const char* locale;   // LC_ALL of the process
  const char* missing;  // the code left out of the resource set, or ""
  const char* expected;
};

void PrintTo(const LocaleCase& c, std::ostream* os) { *os << c.name; }

class LocaleMapping : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleMapping, PicksTheCodeWhoseTranslationExists) {
  const LocaleCase& c = GetParam();
  Probe p = probe(c.locale, c.missing);
  EXPECT_EQ(p.language, c.expected) << p.all;
}

INSTANTIATE_TEST_SUITE_P(
    Locales, LocaleMapping,
    ::testing::Values(
        // Traditional Chinese by whole name, before the language table.
        LocaleCase{"zh_TW", "zh_TW.UTF-8", "", "cht"}, LocaleCase{"zh_HK", "zh_HK.UTF-8", "", "cht"},
        LocaleCase{"zh_MO", "zh_MO.UTF-8", "", "cht"}, LocaleCase{"zh_CN", "zh_CN.UTF-8", "", "chs"},
        LocaleCase{"zh_SG", "zh_SG.UTF-8", "", "chs"},
        // Portuguese of Portugal by whole name, Brazil through the table.
        LocaleCase{"pt_PT", "pt_PT.UTF-8", "", "ptg"}, LocaleCase{"pt_BR", "pt_BR.UTF-8", "", "ptb"},
        // The three Norwegian language codes.
        LocaleCase{"nb_NO", "nb_NO.UTF-8", "", "nor"}, LocaleCase{"nn_NO", "nn_NO.UTF-8", "", "nor"},
        LocaleCase{"no_NO", "no_NO.UTF-8", "", "nor"},
        // Only the language part counts.
        LocaleCase{"en_GB", "en_GB.UTF-8", "", "enu"}, LocaleCase{"en_US", "en_US.UTF-8", "", "enu"},
        LocaleCase{"de_AT", "de_AT.UTF-8", "", "deu"}, LocaleCase{"de_DE", "de_DE.UTF-8", "", "deu"},
        LocaleCase{"sv_FI", "sv_FI.UTF-8", "", "sve"}, LocaleCase{"ja_JP", "ja_JP.UTF-8", "", "jpn"},
        LocaleCase{"ko_KR", "ko_KR.UTF-8", "", "krn"}, LocaleCase{"fr_CA", "fr_CA.UTF-8", "", "fra"},
        LocaleCase{"it_IT", "it_IT.UTF-8", "", "ita"}, LocaleCase{"es_MX", "es_MX.UTF-8", "", "esn"},
        LocaleCase{"tr_TR", "tr_TR.UTF-8", "", "trk"}, LocaleCase{"ru_RU", "ru_RU.UTF-8", "", "rus"},
        LocaleCase{"da_DK", "da_DK.UTF-8", "", "dan"}, LocaleCase{"nl_BE", "nl_BE.UTF-8", "", "nld"},
        LocaleCase{"pl_PL", "pl_PL.UTF-8", "", "plk"}, LocaleCase{"hu_HU", "hu_HU.UTF-8", "", "hun"},
        LocaleCase{"cs_CZ", "cs_CZ.UTF-8", "", "csy"},
        // Languages without a translation of their own.
        LocaleCase{"el_GR", "el_GR.UTF-8", "", "enu"}, LocaleCase{"posix_C", "C", "", "enu"},
        LocaleCase{"posix_POSIX", "POSIX", "", "enu"},
        // A mapped language whose translation is not compiled in.
        LocaleCase{"tr_TR_without_trk", "tr_TR.UTF-8", "trk", "enu"},
        LocaleCase{"de_AT_without_deu", "de_AT.UTF-8", "deu", "enu"},
        LocaleCase{"zh_TW_without_cht", "zh_TW.UTF-8", "cht", "enu"},
        LocaleCase{"pt_PT_without_ptg", "pt_PT.UTF-8", "ptg", "enu"},
        LocaleCase{"zh_TW_without_chs", "zh_TW.UTF-8", "chs", "cht"}),
    [](const ::testing::TestParamInfo<LocaleCase>& i) { return std::string(i.param.name); });

TEST(LocaleMappingMessages, DebugLinesShowTheLocaleTheFileAndTheChoice) {
  Probe p = probe("de_AT.UTF-8");
  EXPECT_THAT(p.all, HasSubstr(" qPrintable(qstrLocaleLower)=[de_at\n] "));
  EXPECT_THAT(p.all, HasSubstr(" qPrintable(qstrLocaleLower)=[de_at] "));
  EXPECT_THAT(p.all, HasSubstr(" qPrintable(qstrLangFileName)=[:/deu.qm] "));
  EXPECT_THAT(p.all, HasSubstr(" qPrintable(qstrDef)=[deu\n] "));
  // Each line starts with the source position.
  EXPECT_THAT(p.all, HasSubstr("ZorvLocale.cpp:"));
}

TEST(LocaleMappingMessages, MissingTranslationIsNotReported) {
  Probe p = probe("tr_TR.UTF-8", "trk");
  EXPECT_THAT(p.all, Not(HasSubstr(":/trk.qm")));
  EXPECT_THAT(p.all, HasSubstr(" qPrintable(qstrDef)=[enu\n] "));
}

TEST(LanguageCodes, IdentifiersAreBoundedOnBothSides) {
  EXPECT_EQ(ZorvLocale::getLanguageAbbrByID(0), "enu");
  EXPECT_EQ(ZorvLocale::getLanguageAbbrByID(12), "nor");
  EXPECT_EQ(ZorvLocale::getLanguageAbbrByID(19), "csy");
  EXPECT_EQ(ZorvLocale::getLanguageAbbrByID(20), "");
  EXPECT_EQ(ZorvLocale::getLanguageAbbrByID(-1), "");
  EXPECT_EQ(ZorvLocale::getLanguageAbbrByID(1 << 30), "");
}

TEST(LanguageCodes, SupportedListMatchesTheIdentifiers) {
  QStringList all = ZorvLocale::getSupportedLanguages();
  ASSERT_EQ(all.size(), 20);
  for (int id = 0; id < all.size(); ++id) EXPECT_EQ(all[id], ZorvLocale::getLanguageAbbrByID(id)) << id;
  EXPECT_EQ(all.front(), "enu");
  EXPECT_EQ(all.back(), "csy");
  EXPECT_EQ(ZorvLocale::getStrLanguageFallSafe(), "enu");
}

}  // namespace
