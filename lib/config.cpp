#include "config.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// fgets piece size: a longer line arrives in several pieces, each parsed as a
// line of its own.
const int kLineBufferSize = 8192;

struct FileCloser {
  void operator()(FILE* fp) const { fclose(fp); }
};
using FilePtr = std::unique_ptr<FILE, FileCloser>;

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

int Config::read(const ustring& path) {
  if (path.empty()) return -1;
  FilePtr fp(fopen(path.c_str(), "r"));
  if (!fp) return -1;

  // Pairs are collected apart so that a read error (a folder, a failing
  // disk) leaves the store as it was instead of half-filled.
  std::map<ustring, ustring> pairs;
  char buf[kLineBufferSize];
  while (fgets(buf, sizeof buf, fp.get())) {
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
  if (ferror(fp.get())) return -1;
  for (auto& pair : pairs) store[pair.first] = pair.second;
  return 0;
}

ustring& Config::operator[](const ustring& key) { return store[key]; }
