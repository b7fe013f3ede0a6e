#include "shortened_bound.h"

#include <cstdlib>
#include <cstring>

namespace {

// More digits than any bound in use: the number is never read past them.
constexpr size_t kMaxDigits = 9;

}  // namespace

std::chrono::milliseconds ShortenedBound(const char* name, std::chrono::milliseconds bound) {
  const char* text = getenv(name);
  const size_t digits = text ? strspn(text, "0123456789") : 0;
  if (digits == 0 || text[digits] != '\0' || digits > kMaxDigits) return bound;
  const std::chrono::milliseconds shorter(atol(text));
  return shorter.count() > 0 && shorter < bound ? shorter : bound;
}
