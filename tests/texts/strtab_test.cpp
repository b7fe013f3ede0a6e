// The string table itself: English fallback, key lookup, clean source texts
// and the escape replacement of LoadStr, with real translation files.
#include <QFile>

#include "testutil.h"
#include "texts_testutil.h"

using namespace textstest;

namespace {

const auto* const kQtApp =
    ::testing::AddGlobalTestEnvironment(new testutil::QtAppEnvironment(qInitResources_texts));

TEST(StrTableEnglish, LauncherTextsWithoutTranslator) {
  EXPECT_EQ(str(StrTable::LoadStr(StrTable::app_name)), "Nimbora Backup");
  EXPECT_EQ(str(StrTable::LoadStr(3)), "Nimbora Backup");
  EXPECT_EQ(str(StrTable::LoadStr(44)), "Nimbora Backup is initializing...");
  EXPECT_EQ(str(StrTable::LoadStr(160)), "Nimbora Backup is ready.");
  EXPECT_EQ(str(StrTable::LoadStr(StrTable::main_queue_progress)), "%1 / %2");
}

TEST(StrTableEnglish, IdentifiersOutsideTheTableGiveEmptyText) {
  EXPECT_FALSE(StrTable::LoadStr(0).isEmpty());
  EXPECT_FALSE(StrTable::LoadStr(169).isEmpty());
  EXPECT_TRUE(StrTable::LoadStr(-1).isEmpty());
  EXPECT_TRUE(StrTable::LoadStr(170).isEmpty());
  EXPECT_TRUE(StrTable::LoadStr(1 << 30).isEmpty());
}

TEST(StrTableEnglish, EnglishFileGivesTheSameTexts) {
  ScopedTranslator english;
  ASSERT_TRUE(english.load(":/enu.qm")) << "the English file :/enu.qm is not compiled in";
  for (unsigned int i = 0; i < StrTable::NUM_STRING_IDS; ++i) {
    EXPECT_EQ(str(StrTable::LoadStr(static_cast<int>(i))), StrTable::stab[i]) << "id " << i;
  }
}

struct LookupCase {
  const char* name;
  const char* key;
  int id;
};

TEST(StrTableLookup, KeysIgnoringCase) {
  const LookupCase cases[] = {
      {"lower", "btn_ok", 114},
      {"upper", "BTN_OK", 114},
      {"mixed", "Btn_Ok", 114},
      {"first", "main_desc_last_upload", 0},
      {"last", "wizard_network_err_sync_folder_warning", 169},
      {"launcher label", "desc_nmbr_env_preparing", 44},
      {"empty", "", -1},
      {"unknown", "btn_okay", -1},
      {"prefix of a key", "btn_o", -1},
      {"trailing blank", "btn_ok ", -1},
      {"key with an extra suffix", "btn_ok_", -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StrTable::LookupStrID(QString::fromUtf8(c.key)), c.id) << c.name;
  }
}

TEST(StrTableLookup, EveryKeyFindsItsOwnIdentifier) {
  for (unsigned int i = 0; i < StrTable::NUM_STRING_IDS; ++i) {
    ASSERT_NE(StrTable::ktab[i], nullptr) << "id " << i;
    EXPECT_EQ(StrTable::LookupStrID(QString::fromUtf8(StrTable::ktab[i])), static_cast<int>(i))
        << StrTable::ktab[i];
  }
}

TEST(StrTableTexts, TextsAreCleanSourceTexts) {
  for (unsigned int i = 0; i < StrTable::NUM_STRING_IDS; ++i) {
    ASSERT_NE(StrTable::stab[i], nullptr) << "id " << i;
    const QString text = QString::fromUtf8(StrTable::stab[i]);
    EXPECT_FALSE(text.isEmpty()) << "id " << i;
    EXPECT_EQ(text, text.trimmed()) << "id " << i;
    EXPECT_FALSE(text.contains('\\')) << "id " << i << ": escapes belong in translations only";
    EXPECT_FALSE(text.contains('\n') || text.contains('\t')) << "id " << i;
  }
  EXPECT_EQ(placeholders(StrTable::LoadStr(StrTable::msg_about)), std::set<QString>{"%1"});
  EXPECT_TRUE(StrTable::LoadStr(StrTable::msg_about).contains("%1 Zorvane"));
}

// Compiles a one-message translation file with lrelease, the way the build does.
std::string compile_ts(const testutil::TempDir& dir, const QString& source, const QString& translation) {
  const std::string ts = dir / "escape.ts";
  const std::string qm = dir / "escape.qm";
  auto escape = [](QString s) { return s.toHtmlEscaped().toStdString(); };
  testutil::write_file(ts,
                       "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
                       "<TS version=\"2.1\" language=\"de_DE\">\n<context>\n<name>global</name>\n"
                       "<message>\n<source>" +
                           escape(source) + "</source>\n<translation>" + escape(translation) +
                           "</translation>\n</message>\n</context>\n</TS>\n");
  const auto r = testutil::run({LRELEASE_PATH, "-silent", ts, "-qm", qm});
  if (r.status != 0) ADD_FAILURE() << "lrelease failed: " << r.out;
  return qm;
}

TEST(StrTableEscapes, BackslashEscapesInATranslationBecomeLineBreaksAndTabs) {
  struct Case {
    const char* name;
    const char* translation;
    const char* shown;
  };
  const Case cases[] = {
      {"line break", "Zeile eins\\nZeile zwei", "Zeile eins\nZeile zwei"},
      {"tab", "Spalte\\tSpalte", "Spalte\tSpalte"},
      {"both, repeated", "a\\n\\tb\\n", "a\n\tb\n"},
      {"capital letters are no escapes", "a\\N\\T", "a\\N\\T"},
      {"lone backslash", "C:\\ Daten\\", "C:\\ Daten\\"},
      {"no escape", "Nimbora Backup wird vorbereitet", "Nimbora Backup wird vorbereitet"},
  };
  for (const auto& c : cases) {
    testutil::TempDir dir;
    const std::string qm =
        compile_ts(dir, QString::fromUtf8(StrTable::stab[44]), QString::fromUtf8(c.translation));
    ScopedTranslator german;
    ASSERT_TRUE(german.load(QString::fromStdString(qm))) << c.name;
    EXPECT_EQ(str(StrTable::LoadStr(44)), c.shown) << c.name;
    // A text the file does not hold falls back to English.
    EXPECT_EQ(str(StrTable::LoadStr(3)), "Nimbora Backup") << c.name;
  }
}

TEST(StrTableFallback, MessagesOfAnotherContextAreIgnored) {
  // A file whose message is for another context leaves the English text alone.
  testutil::TempDir dir;
  const std::string ts = dir / "other.ts";
  const std::string qm = dir / "other.qm";
  testutil::write_file(ts,
                       "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version=\"2.1\">\n"
                       "<context><name>other</name><message><source>Nimbora Backup is ready.</source>"
                       "<translation>falsch</translation></message></context></TS>\n");
  ASSERT_EQ(testutil::run({LRELEASE_PATH, "-silent", ts, "-qm", qm}).status, 0);
  ScopedTranslator other;
  ASSERT_TRUE(other.load(QString::fromStdString(qm)));
  EXPECT_EQ(str(StrTable::LoadStr(160)), "Nimbora Backup is ready.");
}

}  // namespace
