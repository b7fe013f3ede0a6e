#include "ustring.h"

#include <unicode/unorm2.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <limits>
#include <new>
#include <stdexcept>
#include <string_view>

namespace {

// A new string starts small: most strings of the system are short names.
const size_t kInitialCapacity = 4;

// Line numbers the ICU warnings carry; log readers know them by these values.
const int kFromUtf8WarningLine = 921;
const int kToUtf8WarningLine = 888;
const int kNormalizerLookupWarningLine = 1014;
const int kNormalizeWarningLine = 1026;

void print_icu_warning(const char* text, UErrorCode err, int line) {
  std::cerr << text << static_cast<int>(err) << " at line " << line << std::endl;
}

// Needed size plus len more units and the terminator, refusing sizes that
// would wrap around.
size_t grown_size(size_t have, size_t more) {
  if (more > std::numeric_limits<size_t>::max() / 2 - have - 1) throw std::bad_alloc();
  return have + more + 1;
}

size_t units_length(const uchar16_t* s, size_t max) {
  size_t n = 0;
  while (n < max && s[n] != 0) ++n;
  return n;
}

struct FoldTable {
  unsigned char map[256];
  FoldTable() {
    for (int i = 0; i < 256; ++i) map[i] = static_cast<unsigned char>(i);
    for (int c = 'A'; c <= 'Z'; ++c) map[c] = static_cast<unsigned char>(c - 'A' + 'a');
  }
};

const FoldTable& fold_table() {
  static const FoldTable table;
  return table;
}

// Walks two NUL-terminated texts as unsigned bytes, at most limit bytes.
int compare_bytes(const char* a, const char* b, size_t limit, bool caseless) {
  const unsigned char* fold = fold_table().map;
  const unsigned char* p = reinterpret_cast<const unsigned char*>(a);
  const unsigned char* q = reinterpret_cast<const unsigned char*>(b);
  for (size_t i = 0; i < limit; ++i) {
    int ca = caseless ? fold[p[i]] : p[i];
    int cb = caseless ? fold[q[i]] : q[i];
    if (ca != cb || ca == 0) return ca - cb;
  }
  return 0;
}

const char* text_or_empty(const char* s) { return s ? s : ""; }

}  // namespace

// ---- construction -------------------------------------------------------

ustring::ustring() { init(); }

// Delegating to the default constructor: a failed append frees the buffers.
ustring::ustring(const char* s) : ustring() { append(s); }
ustring::ustring(const uchar16_t* s) : ustring() { append(s); }
ustring::ustring(char c) : ustring() { append(c, 1); }
ustring::ustring(const ustring& x) : ustring() { append_bytes(x.data, x.data_len); }
ustring::ustring(const std::string& x) : ustring() { append(x.c_str()); }

ustring::~ustring() {
  free(data);
  free(wdata);
  data = nullptr;
  wdata = nullptr;
}

void ustring::init() {
  data = static_cast<char*>(malloc(kInitialCapacity));
  wdata = static_cast<uchar16_t*>(malloc(kInitialCapacity * sizeof(uchar16_t)));
  if (!data || !wdata) {
    free(data);
    free(wdata);
    throw std::bad_alloc();
  }
  data_cap = kInitialCapacity;
  wdata_cap = kInitialCapacity;
  clear_data();
  clear_wdata();
}

// ---- buffers ------------------------------------------------------------

// Exact sizes with half-capacity hysteresis: no reallocation while the need
// lies between half the capacity and the capacity.
void ustring::realloc_data(size_t n) {
  if (data_cap >= n && n >= data_cap / 2) return;
  char* p = static_cast<char*>(realloc(data, n));
  if (!p) throw std::bad_alloc();
  data = p;
  data_cap = n;
}

void ustring::realloc_wdata(size_t n) const {
  if (wdata_cap >= n && n >= wdata_cap / 2) return;
  if (n > std::numeric_limits<size_t>::max() / sizeof(uchar16_t)) throw std::bad_alloc();
  uchar16_t* p = static_cast<uchar16_t*>(realloc(wdata, n * sizeof(uchar16_t)));
  if (!p) throw std::bad_alloc();
  wdata = p;
  wdata_cap = n;
}

void ustring::clear_data() {
  data_len = 0;
  data[0] = 0;
}

void ustring::clear_wdata() const {
  wdata_len = 0;
  wdata[0] = 0;
}

int ustring::convert_from_data() const {
  UErrorCode err = U_ZERO_ERROR;
  int32_t len = 0;
  u_strFromUTF8(nullptr, 0, &len, data, -1, &err);
  err = U_ZERO_ERROR;
  realloc_wdata(static_cast<size_t>(len) + 1);
  u_strFromUTF8(reinterpret_cast<UChar*>(wdata), static_cast<int32_t>(wdata_cap), &len, data, -1, &err);
  if (U_SUCCESS(err)) {
    wdata_len = static_cast<size_t>(len);
    wdata[wdata_len] = 0;
    return 0;
  }
  print_icu_warning("Warning: u_strFromUTF8: error code ", err, kFromUtf8WarningLine);
  clear_wdata();
  return -1;
}

int ustring::convert_from_wdata() {
  UErrorCode err = U_ZERO_ERROR;
  int32_t len = 0;
  const UChar* src = reinterpret_cast<const UChar*>(wdata);
  u_strToUTF8(nullptr, 0, &len, src, -1, &err);
  err = U_ZERO_ERROR;
  realloc_data(static_cast<size_t>(len) + 1);
  u_strToUTF8(data, static_cast<int32_t>(data_cap), &len, src, -1, &err);
  if (U_SUCCESS(err)) {
    data_len = static_cast<size_t>(len);
    data[data_len] = 0;
    return 0;
  }
  print_icu_warning("Warning: u_strToUTF8: error code ", err, kToUtf8WarningLine);
  clear();
  return -1;
}

void ustring::ensure_wdata() const {
  if (wdata_len == 0 && data_len != 0) convert_from_data();
}

// Makes room for len more bytes at the end of the text and returns where they
// go; the text is already terminated after them and its UTF-16 copy dropped.
char* ustring::extend(size_t len) {
  realloc_data(grown_size(data_len, len));
  data_len += len;
  data[data_len] = 0;
  clear_wdata();
  return data + data_len - len;
}

// s may be the own data (then len <= data_len); the copy then reads from the
// possibly moved buffer.
void ustring::append_bytes(const char* s, size_t len) {
  const bool own = (s == data);
  char* to = extend(len);
  memmove(to, own ? data : s, len);
}

// The UTF-16 editing path: work on the UTF-16 copy, then rebuild the UTF-8
// text from it. s may be the own wdata; len is then already clamped.
void ustring::append_units(const uchar16_t* s, size_t len) {
  const bool own = (s == wdata);
  realloc_wdata(grown_size(wdata_len, len));
  memmove(wdata + wdata_len, own ? wdata : s, len * sizeof(uchar16_t));
  wdata_len += len;
  wdata[wdata_len] = 0;
  convert_from_wdata();
}

// ---- accessors ----------------------------------------------------------

const uchar16_t* ustring::c_str_utf16() const {
  if (wdata_len == 0) convert_from_data();
  return wdata;
}

// ---- append -------------------------------------------------------------

ustring& ustring::append(const char* s) {
  s = text_or_empty(s);
  append_bytes(s, s == data ? data_len : strlen(s));
  return *this;
}

ustring& ustring::append(const char* s, size_t len) {
  s = text_or_empty(s);
  append_bytes(s, s == data ? std::min(len, data_len) : strnlen(s, len));
  return *this;
}

ustring& ustring::append(const std::string& x, size_t pos, size_t len) {
  return append(x.substr(pos, len).c_str());
}

ustring& ustring::append(const ustring& x, size_t pos, size_t len) {
  if (pos > x.data_len) throw std::out_of_range("substr");
  const size_t n = std::min(len, x.data_len - pos);
  // x.data is read once the room is made: x may be this string.
  char* to = extend(n);
  memcpy(to, x.data + pos, n);
  return *this;
}

ustring& ustring::append(char c, size_t n) {
  // A NUL byte would end the text where it stands: nothing to add.
  if (c == 0) n = 0;
  memset(extend(n), c, n);
  return *this;
}

ustring& ustring::append(const uchar16_t* s) { return append(s, npos); }

ustring& ustring::append(const uchar16_t* s, size_t len) {
  static const uchar16_t kEmpty[1] = {0};
  if (!s) s = kEmpty;
  const bool own = (s == wdata);
  ensure_wdata();
  if (own) {
    append_units(wdata, std::min(len, wdata_len));
  } else {
    append_units(s, units_length(s, len));
  }
  return *this;
}

ustring& ustring::append(uchar16_t c, size_t n) {
  if (c == 0) n = 0;
  ensure_wdata();
  realloc_wdata(grown_size(wdata_len, n));
  for (size_t i = 0; i < n; ++i) wdata[wdata_len + i] = c;
  wdata_len += n;
  wdata[wdata_len] = 0;
  convert_from_wdata();
  return *this;
}

// ---- assign -------------------------------------------------------------

ustring& ustring::assign(const char* s) {
  if (s == data) return *this;
  clear();
  return append(s);
}

ustring& ustring::assign(const char* s, size_t len) {
  if (s == data) {
    if (len < data_len) {
      data_len = len;
      data[len] = 0;
      clear_wdata();
    }
    return *this;
  }
  clear();
  return append(s, len);
}

ustring& ustring::assign(const std::string& x, size_t pos, size_t len) {
  clear();
  return append(x, pos, len);
}

ustring& ustring::assign(const ustring& x, size_t pos, size_t len) {
  if (&x == this) {
    ustring part = substr(pos, len);
    clear();
    append_bytes(part.data, part.data_len);
    return *this;
  }
  clear();
  return append(x, pos, len);
}

ustring& ustring::assign(char c, size_t n) {
  clear();
  return append(c, n);
}

ustring& ustring::assign(const uchar16_t* s) {
  if (s == wdata) return *this;
  clear();
  return append(s);
}

ustring& ustring::assign(const uchar16_t* s, size_t len) {
  if (s == wdata) {
    if (len < wdata_len) {
      wdata_len = len;
      wdata[len] = 0;
      convert_from_wdata();
    }
    return *this;
  }
  clear();
  return append(s, len);
}

ustring& ustring::assign(uchar16_t c, size_t n) {
  clear();
  return append(c, n);
}

ustring& ustring::operator=(const ustring& x) { return assign(x); }
ustring& ustring::operator=(const char* s) { return assign(s); }
ustring& ustring::operator=(const std::string& x) { return assign(x); }
ustring& ustring::operator=(char c) { return assign(c, 1); }
ustring& ustring::operator=(const uchar16_t* s) { return assign(s); }
ustring& ustring::operator=(uchar16_t c) { return assign(c, 1); }

ustring& ustring::operator+=(const ustring& x) { return append(x); }
ustring& ustring::operator+=(const char* s) { return append(s); }
ustring& ustring::operator+=(const std::string& x) { return append(x); }
ustring& ustring::operator+=(char c) { return append(c, 1); }
ustring& ustring::operator+=(const uchar16_t* s) { return append(s); }
ustring& ustring::operator+=(uchar16_t c) { return append(c, 1); }

// ---- editing ------------------------------------------------------------

void ustring::clear() {
  clear_data();
  clear_wdata();
}

void ustring::swap(ustring& x) {
  std::swap(data, x.data);
  std::swap(data_len, x.data_len);
  std::swap(data_cap, x.data_cap);
  std::swap(wdata, x.wdata);
  std::swap(wdata_len, x.wdata_len);
  std::swap(wdata_cap, x.wdata_cap);
}

void swap(ustring& a, ustring& b) { a.swap(b); }

void ustring::replace(char c1, char c2) {
  for (size_t i = 0; i < data_len; ++i) {
    if (data[i] != c1) continue;
    if (c2 == 0) {
      // Replacing by NUL ends the text there; keep the length truthful.
      data_len = i;
      break;
    }
    data[i] = c2;
  }
  data[data_len] = 0;
  clear_wdata();
}

namespace {
bool in_set(const char* set, char c) { return c != 0 && strchr(set, c) != nullptr; }
}  // namespace

void ustring::rtrim(const char* list) {
  list = text_or_empty(list);
  if (!*list) return;
  size_t end = data_len;
  while (end > 0 && in_set(list, data[end - 1])) --end;
  if (end == data_len) return;
  data_len = end;
  data[end] = 0;
  clear_wdata();
}

void ustring::ltrim(const char* list) {
  list = text_or_empty(list);
  if (!*list) return;
  size_t start = 0;
  while (start < data_len && in_set(list, data[start])) ++start;
  if (start == 0) return;
  memmove(data, data + start, data_len - start + 1);
  data_len -= start;
  clear_wdata();
}

void ustring::trim(const char* list) {
  ltrim(list);
  rtrim(list);
}

void ustring::trim(const ustring& list) { trim(list.data); }
void ustring::ltrim(const ustring& list) { ltrim(list.data); }
void ustring::rtrim(const ustring& list) { rtrim(list.data); }

ustring ustring::substr(size_t start, size_t len) const {
  if (start > data_len) throw std::out_of_range("substr");
  ustring part;
  part.append_bytes(data + start, std::min(len, data_len - start));
  return part;
}

// ---- search -------------------------------------------------------------
//
// Unlike std::string, a forward search from the end finds nothing (even the
// empty text), and a backward search clamps pos to the last byte.

namespace {

enum SearchKind { FIND, RFIND, FIRST_OF, FIRST_NOT_OF, LAST_OF, LAST_NOT_OF };

size_t search(std::string_view text, const char* what, size_t pos, SearchKind kind) {
  std::string_view s(text_or_empty(what));
  const bool forward = kind == FIND || kind == FIRST_OF || kind == FIRST_NOT_OF;
  if (forward) {
    if (pos >= text.size()) return ustring::npos;
  } else {
    if (text.empty()) return ustring::npos;
    if (pos >= text.size()) pos = text.size() - 1;
  }
  switch (kind) {
    case FIND:
      return text.find(s, pos);
    case RFIND:
      return s.empty() ? pos : text.rfind(s, pos);
    case FIRST_OF:
      return text.find_first_of(s, pos);
    case FIRST_NOT_OF:
      return s.empty() ? pos : text.find_first_not_of(s, pos);
    case LAST_OF:
      return text.find_last_of(s, pos);
    case LAST_NOT_OF:
      return s.empty() ? pos : text.find_last_not_of(s, pos);
  }
  return ustring::npos;
}

}  // namespace

#define USTRING_SEARCH_FORMS(name, kind)                                                 \
  size_t ustring::name(const char* s, size_t pos) const {                                \
    return search(std::string_view(data, data_len), s, pos, kind);                       \
  }                                                                                      \
  size_t ustring::name(char c, size_t pos) const {                                       \
    const char s[2] = {c, 0};                                                            \
    return name(s, pos);                                                                 \
  }                                                                                      \
  size_t ustring::name(const ustring& s, size_t pos) const { return name(s.data, pos); } \
  size_t ustring::name(const std::string& s, size_t pos) const { return name(s.c_str(), pos); }

USTRING_SEARCH_FORMS(find, FIND)
USTRING_SEARCH_FORMS(rfind, RFIND)
USTRING_SEARCH_FORMS(find_first_of, FIRST_OF)
USTRING_SEARCH_FORMS(find_first_not_of, FIRST_NOT_OF)
USTRING_SEARCH_FORMS(find_last_of, LAST_OF)
USTRING_SEARCH_FORMS(find_last_not_of, LAST_NOT_OF)

#undef USTRING_SEARCH_FORMS

// ---- comparison ---------------------------------------------------------

int ustring::compare(const ustring& x) const { return compare(*this, x, false); }

int ustring::compare(const ustring& x, size_t n) const { return compare_bytes(data, x.data, n, false); }

int ustring::compare(const ustring& a, const ustring& b, bool caseless) {
  return compare_bytes(a.data, b.data, npos, caseless);
}

bool operator<(const ustring& a, const ustring& b) { return ustring::compare(a, b, false) < 0; }
bool operator>(const ustring& a, const ustring& b) { return ustring::compare(a, b, false) > 0; }
bool operator==(const ustring& a, const ustring& b) { return ustring::compare(a, b, false) == 0; }
bool operator!=(const ustring& a, const ustring& b) { return !(a == b); }

// ---- Unicode ------------------------------------------------------------

ustring ustring::normalize(normalization_form n) const { return normalize(*this, n); }

ustring ustring::normalize(const ustring& x, normalization_form n) {
  // Both forms use the "nfc" data, composed or decomposed.
  static const UNormalization2Mode kModes[2] = {UNORM2_COMPOSE, UNORM2_DECOMPOSE};
  ustring result;
  if (x.empty()) return result;

  UErrorCode err = U_ZERO_ERROR;
  const UNormalizer2* normalizer = unorm2_getInstance(nullptr, "nfc", kModes[n == NFD ? 1 : 0], &err);
  if (U_FAILURE(err) || !normalizer) {
    print_icu_warning("Warning: unorm2_getInstance: error code ", err, kNormalizerLookupWarningLine);
    return result;
  }

  const UChar* src = reinterpret_cast<const UChar*>(x.c_str_utf16());
  int32_t len = unorm2_normalize(normalizer, src, -1, nullptr, 0, &err);
  result.realloc_wdata(static_cast<size_t>(len < 0 ? 0 : len) + 1);
  err = U_ZERO_ERROR;
  // Asked again: the sizing call may have had to build (or failed to build)
  // the copy, and a failed copy is tried anew.
  src = reinterpret_cast<const UChar*>(x.c_str_utf16());
  len = unorm2_normalize(normalizer, src, -1, reinterpret_cast<UChar*>(result.wdata),
                         static_cast<int32_t>(result.wdata_cap), &err);
  if (U_FAILURE(err)) {
    print_icu_warning("Warning: unorm2_normalize: error code ", err, kNormalizeWarningLine);
    result.clear();
    return result;
  }
  result.wdata_len = static_cast<size_t>(len);
  result.wdata[result.wdata_len] = 0;
  result.convert_from_wdata();
  return result;
}

bool ustring::is_valid(const ustring& x) {
  if (x.empty()) return true;
  UErrorCode err = U_ZERO_ERROR;
  int32_t len = 0;
  u_strFromUTF8(nullptr, 0, &len, x.data, -1, &err);
  return err != U_INVALID_CHAR_FOUND;
}

// ---- free operators -----------------------------------------------------

namespace {
template <typename T>
ustring joined(const ustring& a, const T& b) {
  ustring r(a);
  r += b;
  return r;
}
}  // namespace

ustring operator+(const ustring& a, const ustring& b) { return joined(a, b); }
ustring operator+(const ustring& a, const char* b) { return joined(a, b); }
ustring operator+(const ustring& a, char b) { return joined(a, b); }
ustring operator+(const ustring& a, const uchar16_t* b) { return joined(a, b); }
ustring operator+(const ustring& a, uchar16_t b) { return joined(a, b); }

std::ostream& operator<<(std::ostream& os, const ustring& x) {
  if (!x.data) {
    os.setstate(std::ios::badbit);
    return os;
  }
  return os << x.data;
}

std::istream& operator>>(std::istream& is, ustring& x) {
  std::string word;
  if (is >> word) x = word;
  return is;
}
