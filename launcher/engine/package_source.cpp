#include "package_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace {

// What libarchive's own file reader reads at a time from a regular file.
constexpr size_t kSharedBlockSize = 64 * 1024;
// One tar record: what it reads at a time from a FIFO or a device.
constexpr size_t kByNameBlockSize = 10240;

}  // namespace

std::shared_ptr<const PackageFile> PackageFile::Open(const ustring& path) {
  std::shared_ptr<PackageFile> file(new PackageFile(path));
  // Looked at by name first: opening a FIFO, even without blocking, would
  // briefly give its writer a reader that then goes away.
  struct stat st;
  if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return file;
  UniqueFd fd(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (!fd) return file;
  // What was opened counts, not what the name held a moment before.
  if (fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return file;
  file->fd_ = std::move(fd);
  file->dev_ = st.st_dev;
  file->ino_ = st.st_ino;
  file->size_ = st.st_size;
  return file;
}

PackagePass::PackagePass(std::shared_ptr<const PackageFile> file, std::shared_ptr<ExtractionWatch> watch)
    : file_(std::move(file)),
      watch_(std::move(watch)),
      buffer_(file_->shared() ? kSharedBlockSize : kByNameBlockSize) {}

int PackagePass::Open() {
  if (file_->shared()) return 0;
  if (watch_->abandoned()) {
    errno = ECANCELED;
    return -1;
  }
  own_fd_.reset(open(file_->path().c_str(), O_RDONLY | O_CLOEXEC));
  return own_fd_ ? 0 : -1;
}

ssize_t PackagePass::Read(const void** buffer) {
  *buffer = buffer_.data();
  for (;;) {
    if (watch_->abandoned()) {
      errno = ECANCELED;
      return -1;
    }
    const ssize_t n = file_->shared() ? pread(file_->fd(), buffer_.data(), buffer_.size(), offset_)
                                      : read(own_fd_.get(), buffer_.data(), buffer_.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return n;
    offset_ += n;
    // Bytes read again after a seek back are no progress: a reader that
    // loops over one region of the package never moves this mark.
    if (offset_ > high_water_) {
      high_water_ = offset_;
      watch_->Advance();
    }
    return n;
  }
}

int64_t PackagePass::Skip(int64_t request) {
  // Not past the end: the reader then reads, and finds the archive short.
  if (!file_->shared() || request <= 0 || offset_ >= file_->size() || request > file_->size() - offset_)
    return 0;
  offset_ += request;
  return request;
}

int64_t PackagePass::Seek(int64_t offset, int whence) {
  int64_t base = 0;
  switch (whence) {
    case SEEK_SET:
      break;
    case SEEK_CUR:
      base = offset_;
      break;
    case SEEK_END:
      base = file_->size();
      break;
    default:
      errno = EINVAL;
      return -1;
  }
  if (!file_->shared() || base + offset < 0) {
    errno = file_->shared() ? EINVAL : ESPIPE;
    return -1;
  }
  offset_ = base + offset;
  return offset_;
}
