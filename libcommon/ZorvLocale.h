// Choice of the user-interface language: maps the system locale to one of
// the three-letter codes whose translation is compiled in (":/<code>.qm"),
// with English ("enu") as the fall-back.
#pragma once

#include <QString>
#include <QStringList>

namespace ZorvLocale {

// The code of the language to show; always one whose resource exists, or "enu".
QString getDefaultLanguage();

// True when the compiled-in translation ":/<code>.qm" exists.
bool isLanguageInstalled(const QString& code);

// "enu".
QString getStrLanguageFallSafe();

// The code with numeric identifier `id` (0 to 19); empty for any other id.
QString getLanguageAbbrByID(int id);

// All twenty codes, "enu" first.
QStringList getSupportedLanguages();

}  // namespace ZorvLocale
