// Config: reads small key=value text files (the logger's level file, the
// client's pid file) into an ordered map.
#pragma once

#include <map>
#include <string>

#include "ustring.h"

class Config {
 public:
  // Result of parsing one line.
  enum LineResult { OK = 0, EMPTY = 1, INVALID = 2 };

  Config() = default;

  // Adds the pairs of the file at path to the store: 0, or -1 for an empty
  // path, a file that is missing, not a regular file, over 64 KiB or cannot be
  // read (the store is left as it was; see FSReadSmallFileQuiet)
  // or a malformed line (which empties the whole store, so a caller sees all
  // pairs of a file or none). Logs nothing, so that the logger can read its
  // level file with it: when the file was there but refused or unreadable,
  // why, if given, says so; it is left empty otherwise.
  int read(const ustring& path, std::string* why = nullptr);

  // The value of key; a missing key is inserted with an empty value.
  ustring& operator[](const ustring& key);

  // Every pair, in key order.
  const std::map<ustring, ustring>& items() const { return store; }

 private:
  static bool is_key_char(unsigned char c);
  static bool is_value_char(unsigned char c);
  static bool is_space(unsigned char c);
  // Parses one NUL-terminated line; may overwrite bytes of buf.
  int parse(char* buf, int n, ustring& key, ustring& value);

  std::map<ustring, ustring> store;
};
