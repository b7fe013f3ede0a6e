// ustring: the string of all non-Qt code. UTF-8 bytes, NUL-terminated, with a
// UTF-16 copy made through ICU only when somebody asks for it. Lengths and
// positions are byte offsets into the UTF-8 text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>

typedef uint16_t uchar16_t;

class ustring {
 public:
  // constexpr, so that binding it to a const reference needs no definition.
  static constexpr size_t npos = static_cast<size_t>(-1);

  enum normalization_form { NFC = 0, NFD = 1 };

  ustring();
  ustring(const char* s);
  ustring(const uchar16_t* s);
  ustring(char c);
  ustring(const ustring& x);
  ustring(const std::string& x);
  ~ustring();

  const char* c_str() const { return data; }
  const char* c_str_utf8() const { return data; }
  // Builds the UTF-16 copy when none is held; an empty text if the UTF-8
  // bytes cannot be converted.
  const uchar16_t* c_str_utf16() const;
  size_t length() const { return data_len; }
  size_t size() const { return data_len; }
  bool empty() const { return data_len == 0; }
  // No bounds check. A write through the mutable form does not drop the
  // UTF-16 copy; nothing in the system writes through it.
  const char& operator[](size_t pos) const { return data[pos]; }
  char& operator[](size_t pos) { return data[pos]; }

  ustring& operator=(const ustring& x);
  ustring& operator=(const char* s);
  ustring& operator=(const std::string& x);
  ustring& operator=(char c);
  ustring& operator=(const uchar16_t* s);
  ustring& operator=(uchar16_t c);

  ustring& operator+=(const ustring& x);
  ustring& operator+=(const char* s);
  ustring& operator+=(const std::string& x);
  ustring& operator+=(char c);
  ustring& operator+=(const uchar16_t* s);
  ustring& operator+=(uchar16_t c);

  // Passing the string's own c_str() (exactly its start) is allowed; a pointer
  // into the middle of the own text is not. Null pointers are not accepted.
  ustring& append(const char* s);
  ustring& append(const char* s, size_t len);
  ustring& append(const std::string& x, size_t pos = 0, size_t len = npos);
  ustring& append(const ustring& x, size_t pos = 0, size_t len = npos);
  ustring& append(char c, size_t n);
  ustring& append(const uchar16_t* s);
  ustring& append(const uchar16_t* s, size_t len);
  ustring& append(uchar16_t c, size_t n);

  ustring& assign(const char* s);
  ustring& assign(const char* s, size_t len);
  ustring& assign(const std::string& x, size_t pos = 0, size_t len = npos);
  ustring& assign(const ustring& x, size_t pos = 0, size_t len = npos);
  ustring& assign(char c, size_t n);
  ustring& assign(const uchar16_t* s);
  ustring& assign(const uchar16_t* s, size_t len);
  ustring& assign(uchar16_t c, size_t n);

  void clear();
  void swap(ustring& x);
  // Replaces every byte c1 by c2.
  void replace(char c1, char c2);

  // Strip the bytes of list from the ends (a set of bytes, not a text).
  void trim(const char* list = " \t\n\v\f\r");
  void trim(const ustring& list);
  void ltrim(const char* list = " \t\n\v\f\r");
  void ltrim(const ustring& list);
  void rtrim(const char* list = " \t\n\v\f\r");
  void rtrim(const ustring& list);

  // Throws std::out_of_range("substr") when start > length().
  ustring substr(size_t start = 0, size_t len = npos) const;

  size_t find(const char* s, size_t pos = 0) const;
  size_t find(char c, size_t pos = 0) const;
  size_t find(const ustring& s, size_t pos = 0) const;
  size_t find(const std::string& s, size_t pos = 0) const;
  size_t rfind(const char* s, size_t pos = npos) const;
  size_t rfind(char c, size_t pos = npos) const;
  size_t rfind(const ustring& s, size_t pos = npos) const;
  size_t rfind(const std::string& s, size_t pos = npos) const;
  size_t find_first_of(const char* s, size_t pos = 0) const;
  size_t find_first_of(char c, size_t pos = 0) const;
  size_t find_first_of(const ustring& s, size_t pos = 0) const;
  size_t find_first_of(const std::string& s, size_t pos = 0) const;
  size_t find_first_not_of(const char* s, size_t pos = 0) const;
  size_t find_first_not_of(char c, size_t pos = 0) const;
  size_t find_first_not_of(const ustring& s, size_t pos = 0) const;
  size_t find_first_not_of(const std::string& s, size_t pos = 0) const;
  size_t find_last_of(const char* s, size_t pos = npos) const;
  size_t find_last_of(char c, size_t pos = npos) const;
  size_t find_last_of(const ustring& s, size_t pos = npos) const;
  size_t find_last_of(const std::string& s, size_t pos = npos) const;
  size_t find_last_not_of(const char* s, size_t pos = npos) const;
  size_t find_last_not_of(char c, size_t pos = npos) const;
  size_t find_last_not_of(const ustring& s, size_t pos = npos) const;
  size_t find_last_not_of(const std::string& s, size_t pos = npos) const;

  // Byte-wise (unsigned) comparison; the result is the difference of the
  // first differing bytes. caseless folds ASCII letters only.
  int compare(const ustring& x) const;
  int compare(const ustring& x, size_t n) const;
  static int compare(const ustring& a, const ustring& b, bool caseless);

  // Unicode normalisation on ICU's "nfc" data; an empty string on failure.
  ustring normalize(normalization_form n) const;
  static ustring normalize(const ustring& x, normalization_form n);

  // False only when ICU finds bytes that are not UTF-8.
  static bool is_valid(const ustring& x);

  friend std::ostream& operator<<(std::ostream& os, const ustring& x);

 protected:
  char* data;
  size_t data_len;
  size_t data_cap;
  // The UTF-16 copy is a cache of the UTF-8 text, filled by const readers.
  mutable uchar16_t* wdata;
  mutable size_t wdata_len;
  mutable size_t wdata_cap;

  void init();
  void realloc_data(size_t n);
  void realloc_wdata(size_t n) const;
  void clear_data();
  void clear_wdata() const;
  int convert_from_data() const;
  int convert_from_wdata();

 private:
  char* extend(size_t len);
  void append_bytes(const char* s, size_t len);
  void append_units(const uchar16_t* s, size_t len);
  void ensure_wdata() const;
};

void swap(ustring& a, ustring& b);

ustring operator+(const ustring& a, const ustring& b);
ustring operator+(const ustring& a, const char* b);
ustring operator+(const ustring& a, char b);
ustring operator+(const ustring& a, const uchar16_t* b);
ustring operator+(const ustring& a, uchar16_t b);

bool operator<(const ustring& a, const ustring& b);
bool operator>(const ustring& a, const ustring& b);
bool operator==(const ustring& a, const ustring& b);
bool operator!=(const ustring& a, const ustring& b);

std::istream& operator>>(std::istream& is, ustring& x);
