// The twenty translation files compiled into the program as ":/<code>.qm":
// each one complete, in context "global", keeping the placeholders, and
// really translated where the launcher shows text.
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QXmlStreamReader>
#include <map>

#include "testutil.h"
#include "texts_testutil.h"

using namespace textstest;

namespace {

const char* const kCodes[] = {"chs", "cht", "csy", "dan", "deu", "enu", "esn", "fra", "hun", "ita",
                              "jpn", "krn", "nld", "nor", "plk", "ptb", "ptg", "rus", "sve", "trk"};

QString resource_path(const std::string& code) { return QString::fromStdString(":/" + code + ".qm"); }

TEST(CompiledInTranslations, AllTwentyFilesAndNoOthers) {
  std::string missing;
  for (const char* code : kCodes) {
    if (!QFile::exists(resource_path(code))) missing += std::string(missing.empty() ? "" : " ") + code;
  }
  EXPECT_TRUE(missing.empty()) << "translation files not compiled in (launcher/texts/<code>.ts not written "
                                  "yet?): "
                               << missing;
  const QStringList present = QDir(":/").entryList({"*.qm"}, QDir::Files);
  for (const QString& name : present) {
    const std::string code = name.chopped(3).toStdString();
    EXPECT_NE(std::find(std::begin(kCodes), std::end(kCodes), code), std::end(kCodes))
        << "unexpected translation file :/" << str(name);
  }
}

class TranslationFile : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    code_ = GetParam();
    if (!QFile::exists(resource_path(code_)))
      FAIL() << "no compiled-in " << str(resource_path(code_)) << ": launcher/texts/" << code_
             << ".ts has not been written yet";
    ASSERT_TRUE(file_.load(resource_path(code_))) << code_ << ".qm does not load";
  }
  QString translate(const QString& source) const {
    return file_.translator().translate("global", source.toUtf8().constData());
  }
  bool english() const { return code_ == "enu"; }

  std::string code_;
  ScopedTranslator file_;
};

TEST_P(TranslationFile, TranslatesEveryTextAndKeepsItsPlaceholders) {
  for (const auto& t : distinct_texts()) {
    const QString translation = translate(t.text);
    SCOPED_TRACE(code_ + " id " + std::to_string(t.id) + ": " + str(t.text));
    ASSERT_FALSE(translation.trimmed().isEmpty()) << "no translation";
    EXPECT_EQ(placeholders(translation), placeholders(t.text)) << str(translation);
    EXPECT_FALSE(translation.contains('\\')) << "escape sequence in " << str(translation);
    if (english()) {
      EXPECT_EQ(translation, t.text);
    }
  }
}

TEST_P(TranslationFile, LauncherTextsInTheLanguage) {
  for (int id : {StrTable::desc_nmbr_env_preparing, StrTable::desc_nmbr_env_preparation_done}) {
    const QString shown = StrTable::LoadStr(id);
    EXPECT_FALSE(shown.isEmpty()) << code_ << " id " << id;
    if (english()) {
      EXPECT_EQ(str(shown), StrTable::stab[id]);
    } else {
      EXPECT_NE(str(shown), StrTable::stab[id]) << code_ << " id " << id << " is left in English";
    }
  }
  EXPECT_EQ(StrTable::LoadStr(22), StrTable::LoadStr(114)) << code_;
  EXPECT_FALSE(StrTable::LoadStr(StrTable::btn_ok).isEmpty()) << code_;
}

// Reads a .qm back with lconvert; returns (context, source) -> translation.
std::multimap<std::pair<QString, QString>, QString> messages_of(const std::string& qm_bytes,
                                                                const testutil::TempDir& dir) {
  const std::string qm = dir / "file.qm";
  const std::string ts = dir / "file.ts";
  testutil::write_file(qm, qm_bytes);
  const auto r = testutil::run({LCONVERT_PATH, "-i", qm, "-of", "ts", "-o", ts});
  if (r.status != 0) ADD_FAILURE() << "lconvert failed: " << r.out;
  std::multimap<std::pair<QString, QString>, QString> result;
  QFile file(QString::fromStdString(ts));
  if (!file.open(QIODevice::ReadOnly)) return result;
  QXmlStreamReader xml(&file);
  QString context, source;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("name"))
      context = xml.readElementText();
    else if (xml.name() == QLatin1String("source"))
      source = xml.readElementText();
    else if (xml.name() == QLatin1String("translation"))
      result.insert({{context, source}, xml.readElementText()});
  }
  EXPECT_FALSE(xml.hasError()) << str(xml.errorString());
  return result;
}

TEST_P(TranslationFile, HoldsExactlyTheTableTextsInContextGlobal) {
  if (std::string(LCONVERT_PATH).empty()) GTEST_SKIP() << "lconvert is not installed";
  QFile resource(resource_path(code_));
  ASSERT_TRUE(resource.open(QIODevice::ReadOnly));
  testutil::TempDir dir;
  const auto messages = messages_of(resource.readAll().toStdString(), dir);
  EXPECT_EQ(messages.size(), 161u) << code_;
  std::set<QString> expected;
  for (const auto& t : distinct_texts()) expected.insert(t.text);
  for (const auto& m : messages) {
    EXPECT_EQ(str(m.first.first), "global") << code_ << ": " << str(m.first.second);
    EXPECT_EQ(expected.count(m.first.second), 1u)
        << code_ << ": not a text of the table: " << str(m.first.second);
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslationFile, ::testing::ValuesIn(kCodes),
                         [](const ::testing::TestParamInfo<const char*>& info) { return info.param; });

}  // namespace
