#include "config.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "file-op.h"
#include "line_reader.h"
#include "small-file.h"

namespace {

// Lines arrive in pieces of at most this many bytes (as fgets with an
// 8192-byte buffer hands them over): a longer line is parsed as several.
const size_t kMaxLinePiece = 8191;

// The pid, level and INFO files hold a few short lines; a planted file
// larger than this is not one of them and is not read.
const size_t kMaxFileSize = 65536;

std::string Trimmed(const std::string& s) {
  const size_t b = s.find_first_not_of(" \t\r");
  if (b == std::string::npos) return std::string();
  return s.substr(b, s.find_last_not_of(" \t\r") - b + 1);
}

// One character after a backslash in a value, as Qt's INI reader takes it.
char Unescaped(char c) {
  static const char kLetters[] = "abfnrtv";
  static const char kControls[] = "\a\b\f\n\r\t\v";
  const char* letter = c ? strchr(kLetters, c) : nullptr;
  return letter ? kControls[letter - kLetters] : c;
}

// A value in Qt's INI dialect: blanks around it dropped, double quotes keep
// blanks and are removed, backslash escapes; a comma outside quotes makes a
// list, which reads as text only when it has one element.
bool IniValue(const std::string& raw, std::string& value) {
  std::vector<std::string> items(1);
  bool quoted = false;
  for (size_t i = 0; i < raw.size(); ++i) {
    const char c = raw[i];
    if (c == '"') {
      quoted = !quoted;
      items.back() += '\x01';  // marks kept blanks around a quoted part
    } else if (c == '\\' && i + 1 < raw.size()) {
      items.back() += Unescaped(raw[++i]);
    } else if (c == ',' && !quoted) {
      items.emplace_back();
    } else {
      items.back() += c;
    }
  }
  if (items.size() != 1) return false;
  std::string v = Trimmed(items[0]);
  v.erase(std::remove(v.begin(), v.end(), '\x01'), v.end());
  value = v;
  return true;
}

}  // namespace

bool Config::is_key_char(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-' || c == '_' ||
         c == '.';
}

bool Config::is_value_char(unsigned char c) { return c >= 32 && c != 127; }

bool Config::is_space(unsigned char c) { return (c >= 9 && c <= 13) || c == ' '; }

int Config::parse(std::string& line, ustring& key, ustring& value) {
  unsigned char* p = reinterpret_cast<unsigned char*>(&line[0]);
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
  std::string line;
  for (LineReader lines(text, kMaxLinePiece); lines.Next(line);) {
    ustring key;
    ustring value;
    int result = parse(line, key, value);
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

int Config::read_section(const ustring& path, const std::string& section) {
  std::string text;
  if (FSReadSmallFile(path, kMaxFileSize, text) != 0) return -1;
  std::string current;
  std::string line;
  for (LineReader lines(text); lines.Next(line);) {
    LineReader::DropNewline(line);
    line = Trimmed(line);
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      const size_t close = line.find(']');
      current = line.substr(1, close == std::string::npos ? std::string::npos : close - 1);
      continue;
    }
    const size_t eq = line.find('=');
    std::string value;
    if (current != section || eq == std::string::npos || !IniValue(line.substr(eq + 1), value)) continue;
    store[ustring(Trimmed(line.substr(0, eq)))] = ustring(value);
  }
  return 0;
}

ustring& Config::operator[](const ustring& key) { return store[key]; }
