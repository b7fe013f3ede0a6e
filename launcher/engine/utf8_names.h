// libarchive converts entry names to the locale's character set; under the C
// locale a UTF-8 name fails to convert and the header read only warns. Names
// are UTF-8 throughout the system, so the threads that read archives switch
// their own character classification to UTF-8.
#pragma once

#include <locale.h>

// Switches the calling thread's character classification to UTF-8 for its
// lifetime, unless it already is UTF-8; other threads are not affected.
class Utf8Names {
 public:
  Utf8Names();
  ~Utf8Names();
  Utf8Names(const Utf8Names&) = delete;
  Utf8Names& operator=(const Utf8Names&) = delete;

 private:
  bool switched_ = false;
  locale_t previous_ = static_cast<locale_t>(0);
};
