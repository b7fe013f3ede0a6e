#include "config.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "small-file.h"

namespace {

// Lines arrive in pieces of at most this many bytes less one (as fgets
// hands them over): a longer line is parsed as several lines.
const size_t kLineBufferSize = 8192;

// The pid and level files hold a few short lines; a planted file larger than
// this is not one of them and is not read.
const size_t kMaxFileSize = 65536;

}  // namespace

bool Config::is_key_char(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-' || c == '_' ||
         c == '.';
}

bool Config::is_value_char(unsigned char c) { return c >= 32 && c != 127; }

bool Config::is_space(unsigned char c) { return (c >= 9 && c <= 13) || c == ' '; }

int Config::parse(char* buf, int /*n*/, ustring& key, ustring& value) {
  unsigned char* p = reinterpret_cast<unsigned char*>(buf);
  while (is_space(*p)) ++p;

  unsigned char* key_start = p;
  while (is_key_char(*p)) ++p;
  unsigned char* key_end = p;
  if (*p == '#' || *p == 0) return EMPTY;

  while (is_space(*p)) ++p;
  if (*p != '=') return INVALID;
  ++p;
  while (is_space(*p)) ++p;
  if (*p == 0) return INVALID;

  unsigned char delimiter = ' ';
  const bool quoted = (*p == '"' || *p == '\'');
  if (quoted) delimiter = *p++;
  unsigned char* value_start = p;
  while (is_value_char(*p) && *p != delimiter) ++p;
  unsigned char* value_end = p;
  if (quoted) {
    if (*p != delimiter) return INVALID;
    ++p;
  }

  while (is_space(*p)) ++p;
  if (*p != 0 && *p != '#') return INVALID;

  *key_end = 0;
  *value_end = 0;
  key = reinterpret_cast<char*>(key_start);
  value = reinterpret_cast<char*>(value_start);
  return OK;
}

int Config::read(const ustring& path, std::string* why) {
  std::string text;
  std::string reason;
  const int rc = FSReadSmallFileQuiet(path, kMaxFileSize, text, reason);
  if (why) *why = reason;
  if (rc != 0) return -1;

  // Pairs are collected apart so that a malformed line leaves the store
  // empty instead of half-filled.
  std::map<ustring, ustring> pairs;
  char buf[kLineBufferSize];
  for (size_t pos = 0; pos < text.size();) {
    size_t n = std::min(text.size() - pos, kLineBufferSize - 1);
    const void* newline = memchr(text.data() + pos, '\n', n);
    if (newline) n = static_cast<size_t>(static_cast<const char*>(newline) - (text.data() + pos)) + 1;
    memcpy(buf, text.data() + pos, n);
    buf[n] = '\0';
    pos += n;
    ustring key;
    ustring value;
    int result = parse(buf, static_cast<int>(strlen(buf)), key, value);
    if (result == OK) {
      pairs[key] = value;
    } else if (result == INVALID) {
      store.clear();
      return -1;
    }
  }
  for (auto& pair : pairs) store[pair.first] = pair.second;
  return 0;
}

ustring& Config::operator[](const ustring& key) { return store[key]; }
