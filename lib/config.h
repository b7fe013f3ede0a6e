// Config: reads small key/value text files into an ordered map: the flat
// key=value files (the logger's level file, the client's pid file) and one
// section of an INI file (the version files, INFO).
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

  // Adds the keys of [section] of the INI file at path, in Qt's dialect:
  // blanks around keys and values dropped, ';' starts a comment line, double
  // quotes keep blanks, backslash escapes, and a value that is a list (a
  // comma outside quotes) is left out; a line that is no pair is skipped. 0,
  // or -1 when the file is missing or refused (logged; a FIFO, a link or a
  // device is never opened blocking).
  int read_section(const ustring& path, const std::string& section);

  // The value of key; a missing key is inserted with an empty value.
  ustring& operator[](const ustring& key);

  // Every pair, in key order.
  const std::map<ustring, ustring>& items() const { return store; }

 private:
  static bool is_key_char(unsigned char c);
  static bool is_value_char(unsigned char c);
  static bool is_space(unsigned char c);
  // Parses one line; may overwrite bytes of line.
  int parse(std::string& line, ustring& key, ustring& value);

  std::map<ustring, ustring> store;
};
