#include "utf8_names.h"

#include <langinfo.h>

#include <cstring>

namespace {

constexpr char kUtf8Locale[] = "C.UTF-8";

// The process's locale with UTF-8 character classification, made on first
// use and kept for the life of the process (0 when it cannot be made): a
// locale that is never freed leaves nothing to be torn down under a thread
// that was left behind.
locale_t Utf8Locale() {
  static const locale_t utf8 = [] {
    locale_t base = duplocale(LC_GLOBAL_LOCALE);
    if (!base) return static_cast<locale_t>(0);
    locale_t l = newlocale(LC_CTYPE_MASK, kUtf8Locale, base);
    if (!l) freelocale(base);
    return l;
  }();
  return utf8;
}

}  // namespace

Utf8Names::Utf8Names() {
  const char* codeset = nl_langinfo(CODESET);
  if (codeset && strcmp(codeset, "UTF-8") == 0) return;
  const locale_t utf8 = Utf8Locale();
  if (!utf8) return;
  previous_ = uselocale(utf8);
  switched_ = true;
}

Utf8Names::~Utf8Names() {
  if (switched_) uselocale(previous_);
}
