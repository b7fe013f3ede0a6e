#include "small-file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <new>

#include "file-op-internal.h"
#include "unique-fd.h"

using fileop_detail::err_text;

namespace {

std::string quoted(const ustring& path) { return std::string("'") + path.c_str() + "'"; }

}  // namespace

int FSReadSmallFileQuiet(const ustring& path, size_t limit, std::string& bytes, std::string& why) {
  bytes.clear();
  why.clear();
  if (path.empty()) return -1;
  UniqueFd fd(open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (!fd) {
    const int e = errno;
    if (e == ENOENT) return -2;
    why = "cannot open " + quoted(path) + ": " + err_text(e);
    return -3;
  }
  struct stat st;
  if (fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
    why = quoted(path) + " is not a regular file";
    return -3;
  }
  // One byte past the limit tells a file that is too large from one that
  // fills it exactly.
  std::string buf(limit + 1, '\0');
  size_t got = 0;
  while (got < buf.size()) {
    const ssize_t n = read(fd.get(), &buf[got], buf.size() - got);
    if (n == 0) break;
    if (n > 0) {
      got += static_cast<size_t>(n);
    } else if (errno != EINTR) {
      why = "cannot read " + quoted(path) + ": " + err_text(errno);
      return -3;
    }
  }
  if (got > limit) {
    why = quoted(path) + " is larger than " + std::to_string(limit) + " bytes";
    return -3;
  }
  buf.resize(got);
  bytes.swap(buf);
  return 0;
}

int FSWriteAll(int fd, const char* bytes, size_t size) {
  while (size > 0) {
    const ssize_t n = write(fd, bytes, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return -1;
    bytes += n;
    size -= static_cast<size_t>(n);
  }
  return 0;
}

int FSCopyBytes(int in, int out, size_t block) {
  for (;;) {
    const ssize_t n = copy_file_range(in, nullptr, out, nullptr, block, 0);
    if (n > 0) continue;
    if (n == 0) return 0;
    if (errno == EINTR) continue;
    // Where the kernel cannot copy (no regular file, another file system),
    // or fails, the copy below goes on, and fails on the side that fails.
    if (errno == ENOSPC || errno == EDQUOT) return -2;
    break;
  }
  const std::unique_ptr<char[]> buf(new (std::nothrow) char[block]);
  if (!buf) {
    errno = ENOMEM;
    return -3;
  }
  for (;;) {
    const ssize_t n = read(in, buf.get(), block);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return n == 0 ? 0 : -1;
    if (FSWriteAll(out, buf.get(), static_cast<size_t>(n)) != 0) return -2;
  }
}
