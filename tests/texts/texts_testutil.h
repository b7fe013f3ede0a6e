// Helpers of the string-table tests: a Qt application object for the whole
// test program, translators that are removed again, and the table's texts.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QTranslator>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "qt_app_environment.h"
#include "strtab.h"

namespace textstest {

// Installs a translator for one scope, so that no test leaks its language
// into the next one when the whole program runs in one process.
class ScopedTranslator {
 public:
  // False when the file cannot be loaded; nothing is installed then.
  bool load(const QString& path) {
    if (!translator_.load(path)) return false;
    installed_ = QCoreApplication::installTranslator(&translator_);
    return installed_;
  }
  ~ScopedTranslator() {
    if (installed_) QCoreApplication::removeTranslator(&translator_);
  }
  const QTranslator& translator() const { return translator_; }

 private:
  QTranslator translator_;
  bool installed_ = false;
};

// The distinct English texts, each with the lowest identifier that has it.
struct DistinctText {
  int id;
  QString text;
};
inline std::vector<DistinctText> distinct_texts() {
  std::vector<DistinctText> result;
  QSet<QString> seen;
  for (unsigned int i = 0; i < StrTable::NUM_STRING_IDS; ++i) {
    const QString text = QString::fromUtf8(StrTable::stab[i]);
    if (seen.contains(text)) continue;
    seen.insert(text);
    result.push_back({static_cast<int>(i), text});
  }
  return result;
}

// The Qt placeholders %1-%9 of a text, as a set.
inline std::set<QString> placeholders(const QString& text) {
  std::set<QString> result;
  static const QRegularExpression re(QStringLiteral("%[1-9]"));
  auto it = re.globalMatch(text);
  while (it.hasNext()) result.insert(it.next().captured(0));
  return result;
}

inline std::string str(const QString& s) { return s.toStdString(); }

}  // namespace textstest
