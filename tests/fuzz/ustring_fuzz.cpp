// ustring: the search family against a plain reference on std::string, the
// trims and substr, UTF-8/UTF-16 round trips and normalisation.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "ustring.h"

namespace {

constexpr size_t npos = ustring::npos;

bool in_set(const std::string& set, char c) { return set.find(c) != std::string::npos; }

// The backward forms clamp pos to the last byte; an empty text finds nothing.
size_t clamp_back(const std::string& s, size_t pos) { return pos >= s.size() ? s.size() - 1 : pos; }

size_t ref_find(const std::string& s, const std::string& p, size_t pos) {
  if (pos >= s.size()) return npos;
  return s.find(p, pos);
}
size_t ref_rfind(const std::string& s, const std::string& p, size_t pos) {
  if (s.empty()) return npos;
  pos = clamp_back(s, pos);
  if (p.empty()) return pos;
  for (size_t i = pos + 1; i-- > 0;)
    if (s.compare(i, p.size(), p) == 0) return i;
  return npos;
}
size_t ref_first_of(const std::string& s, const std::string& set, size_t pos, bool want) {
  if (pos >= s.size()) return npos;
  if (set.empty()) return want ? npos : pos;
  for (size_t i = pos; i < s.size(); ++i)
    if (in_set(set, s[i]) == want) return i;
  return npos;
}
size_t ref_last_of(const std::string& s, const std::string& set, size_t pos, bool want) {
  if (s.empty()) return npos;
  pos = clamp_back(s, pos);
  if (set.empty()) return want ? npos : pos;
  for (size_t i = pos + 1; i-- > 0;)
    if (in_set(set, s[i]) == want) return i;
  return npos;
}

void check(bool ok) {
  if (!ok) abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  // First byte: start position; the rest split at the first 0xFE into text and pattern.
  size_t pos = data[0] == 255 ? npos : data[0] % 64;
  std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
  rest = rest.substr(0, strlen(rest.c_str()));  // NUL-terminated semantics
  size_t cut = rest.find('\xfe');
  std::string text = cut == std::string::npos ? rest : rest.substr(0, cut);
  std::string pat = cut == std::string::npos ? std::string() : rest.substr(cut + 1);

  ustring u(text.c_str());
  check(u.length() == text.size());
  check(u.find(pat.c_str(), pos) == ref_find(text, pat, pos));
  check(u.rfind(pat.c_str(), pos) == ref_rfind(text, pat, pos));
  check(u.find_first_of(pat.c_str(), pos) == ref_first_of(text, pat, pos, true));
  check(u.find_first_not_of(pat.c_str(), pos) == ref_first_of(text, pat, pos, false));
  check(u.find_last_of(pat.c_str(), pos) == ref_last_of(text, pat, pos, true));
  check(u.find_last_not_of(pat.c_str(), pos) == ref_last_of(text, pat, pos, false));
  if (pos <= text.size()) check(std::string(u.substr(pos, 7).c_str()) == text.substr(pos, 7));

  ustring trimmed(text.c_str());
  trimmed.trim(pat.c_str());
  std::string t = text;
  if (!pat.empty()) {
    size_t b = t.find_first_not_of(pat);
    t = b == std::string::npos ? std::string() : t.substr(b, t.find_last_not_of(pat) - b + 1);
  }
  check(std::string(trimmed.c_str()) == t);

  ustring other(pat.c_str());
  int c = ustring::compare(u, other, false);
  int r = strcmp(text.c_str(), pat.c_str());
  check((c < 0) == (r < 0) && (c > 0) == (r > 0));

  if (ustring::is_valid(u)) {
    // UTF-8 -> UTF-16 -> UTF-8 gives the same bytes.
    ustring back(u.c_str_utf16());
    check(!text.empty() ? std::string(back.c_str()) == text : back.empty());
    ustring nfc = u.normalize(ustring::NFC);
    ustring nfd = u.normalize(ustring::NFD);
    check(ustring::normalize(nfd, ustring::NFC) == nfc);
    check(ustring::normalize(nfc, ustring::NFD) == nfd);
  }
  return 0;
}
