// Prints the UI language that ZorvLocale picks for the locale of the
// environment, with an external resource set registered in place of the
// compiled-in translations: locale_probe [RCC_FILE]
#include <QResource>
#include <QString>
#include <cstdio>

#include "ZorvLocale.h"

int main(int argc, char** argv) {
  if (argc > 1 && !QResource::registerResource(QString::fromLocal8Bit(argv[1]))) {
    fprintf(stderr, "cannot register %s\n", argv[1]);
    return 2;
  }
  printf("%s\n", qPrintable(ZorvLocale::getDefaultLanguage()));
  return 0;
}
