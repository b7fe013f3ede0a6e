#include "ZorvLocale.h"

#include <QFile>
#include <QLocale>
#include <QMap>
#include <QtDebug>

// Prints an expression and its value with the source position, e.g.
// "ZorvLocale.cpp:42 qPrintable(qstrDef)=[deu] ".
#define ZORV_TRACE(fmt, expr) qDebug(fmt, __FILE__, __LINE__, #expr, expr)

namespace {

const QString qstrLanguageFallSafe = QStringLiteral("enu");

// Indexed by the language's numeric identifier; the null entry ends the list.
const char* const grgszLanguages[] = {"enu", "cht", "chs", "jpn", "deu", "krn", "fra",
                                      "ita", "esn", "ptb", "rus", "dan", "nor", "sve",
                                      "nld", "plk", "hun", "ptg", "trk", "csy", nullptr};

const int kLanguageCount = sizeof(grgszLanguages) / sizeof(grgszLanguages[0]) - 1;

QMap<QString, QString> languageTable() {
  QMap<QString, QString> table;
  table.insert("en", "enu");
  table.insert("zh", "chs");
  table.insert("ja", "jpn");
  table.insert("de", "deu");
  table.insert("ko", "krn");
  table.insert("fr", "fra");
  table.insert("it", "ita");
  table.insert("es", "esn");
  table.insert("pt", "ptb");
  table.insert("tr", "trk");
  table.insert("ru", "rus");
  table.insert("da", "dan");
  table.insert("no", "nor");
  table.insert("nb", "nor");
  table.insert("nn", "nor");
  table.insert("sv", "sve");
  table.insert("nl", "nld");
  table.insert("pl", "plk");
  table.insert("hu", "hun");
  table.insert("cs", "csy");
  return table;
}

}  // namespace

namespace ZorvLocale {

QString getDefaultLanguage() {
  const QString qstrLocaleLower = QLocale::system().name().toLower();
  ZORV_TRACE("%s:%d %s=[%s\n] ", qPrintable(qstrLocaleLower));

  // Whole locale names that the language part alone would map wrongly.
  const QStringList traditionalChinese{"zh_tw", "zh_hk", "zh_mo"};
  const QStringList portugalPortuguese{"pt", "pt_pt"};
  QString qstrDef;
  ZORV_TRACE("%s:%d %s=[%s] ", qPrintable(qstrLocaleLower));

  const QString lang = qstrLocaleLower.section('_', 0, 0);
  const QMap<QString, QString> table = languageTable();

  if (traditionalChinese.contains(qstrLocaleLower)) qstrDef = "cht";
  if (portugalPortuguese.contains(qstrLocaleLower)) qstrDef = "ptg";
  if (qstrDef.isEmpty()) qstrDef = table.value(lang, table.value("en"));

  if (!isLanguageInstalled(qstrDef)) qstrDef = qstrLanguageFallSafe;
  ZORV_TRACE("%s:%d %s=[%s\n] ", qPrintable(qstrDef));
  return qstrDef;
}

bool isLanguageInstalled(const QString& code) {
  const QString qstrLangFileName = ":/" + code + ".qm";
  if (!QFile(qstrLangFileName).exists()) return false;
  ZORV_TRACE("%s:%d %s=[%s] ", qPrintable(qstrLangFileName));
  return true;
}

QString getStrLanguageFallSafe() { return qstrLanguageFallSafe; }

QString getLanguageAbbrByID(int id) {
  if (id < 0 || id >= kLanguageCount) return QString();
  return QString::fromLatin1(grgszLanguages[id]);
}

QStringList getSupportedLanguages() {
  QStringList codes;
  for (int i = 0; grgszLanguages[i] != nullptr; ++i) codes << QString::fromLatin1(grgszLanguages[i]);
  return codes;
}

}  // namespace ZorvLocale
