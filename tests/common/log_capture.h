// Sends what the launcher's components log into a file of the test's own for
// the lifetime of the object, and reads it back whole, from a mark, or as
// lines without their time stamps.
#pragma once

#include <cctype>
#include <string>
#include <vector>

#include "log.h"
#include "testutil.h"

namespace testutil {

class LogCapture {
 public:
  // levels is the level file's text, e.g. "extractor_debug=7\n".
  explicit LogCapture(const std::string& levels) {
    write_file(dir_ / "levels", levels);
    Logger::Initialize(Logger::FILE_LOGGER, ustring(path().c_str()), ustring((dir_ / "levels").c_str()), 50);
  }
  ~LogCapture() { Logger::Initialize(Logger::STDERR_LOGGER, ustring(""), ustring(""), 50); }
  LogCapture(const LogCapture&) = delete;
  LogCapture& operator=(const LogCapture&) = delete;

  std::string path() const { return dir_ / "test.log"; }
  std::string text() const { return read_file(path()); }
  // What was logged since mark() returned `from`.
  size_t mark() const { return text().size(); }
  std::string since(size_t from) const {
    const std::string all = text();
    return from < all.size() ? all.substr(from) : "";
  }

  // Every line without its "%b %d %H:%M:%S " stamp and with the call-site
  // line number of its tag ("file-op(123)") replaced by N, so that expected
  // texts do not depend on where in the source a message is issued.
  std::vector<std::string> lines() const {
    std::vector<std::string> out;
    const std::string all = text();
    for (size_t start = 0, end; start < all.size(); start = end + 1) {
      end = all.find('\n', start);
      if (end == std::string::npos) end = all.size() - 1;
      out.push_back(normalise(all.substr(start, end - start + 1)));
    }
    return out;
  }

 private:
  static std::string normalise(std::string line) {
    const size_t kStampLength = 16;
    if (line.size() > kStampLength && line[3] == ' ' && line[6] == ' ' && line[9] == ':' && line[12] == ':' &&
        line[15] == ' ')
      line.erase(0, kStampLength);
    const size_t open = line.find('(');
    if (open == std::string::npos) return line;
    size_t end = open + 1;
    while (end < line.size() && isdigit(static_cast<unsigned char>(line[end]))) ++end;
    if (end > open + 1 && end < line.size() && line[end] == ')') line.replace(open + 1, end - open - 1, "N");
    return line;
  }

  TempDir dir_;
};

}  // namespace testutil
