// LineReader: the lines of a small text file read whole (the key/value files
// Config reads, the upgrade attempt record). Each line keeps its newline, as
// fgets hands it over; the last one may lack it.
#pragma once

#include <cstddef>
#include <string>

class LineReader {
 public:
  // A line longer than max_piece bytes, its newline counted, arrives as
  // several pieces of at most that many bytes. text must outlive the reader.
  explicit LineReader(const std::string& text, size_t max_piece = std::string::npos);

  // The next line or piece; false at the end of the text.
  bool Next(std::string& line);
  // line without the newline Next left on it.
  static void DropNewline(std::string& line);

 private:
  const std::string& text_;
  const size_t max_piece_;
  size_t pos_ = 0;
};
