#include "line_reader.h"

#include <algorithm>
#include <cstring>

LineReader::LineReader(const std::string& text, size_t max_piece) : text_(text), max_piece_(max_piece) {}

bool LineReader::Next(std::string& line) {
  if (pos_ >= text_.size()) return false;
  size_t n = std::min(text_.size() - pos_, max_piece_);
  const void* newline = memchr(text_.data() + pos_, '\n', n);
  if (newline) n = static_cast<size_t>(static_cast<const char*>(newline) - (text_.data() + pos_)) + 1;
  line.assign(text_, pos_, n);
  pos_ += n;
  return true;
}

void LineReader::DropNewline(std::string& line) {
  if (!line.empty() && line.back() == '\n') line.pop_back();
}
