// PackageSource: the package archive as the extractor's reading passes see
// it. A regular file is opened once, and every pass reads that one open file
// at an offset of its own, so that a package renamed over the name while
// the launcher runs cannot give the count one file and the entries another.
// A FIFO or a device cannot be read by two readers: each pass opens it by
// name, one after the other.
//
// The passes also record their progress for the watchdog (new bytes read,
// counted once) and stop reading once the extraction has been given up.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "extraction_watch.h"
#include "unique-fd.h"
#include "ustring.h"

class PackageFile {
 public:
  // Never null. A regular file that can be opened is held open from here;
  // anything else (missing, a FIFO, a device) is left to each pass, which
  // then reports the failure to open as it always did.
  static std::shared_ptr<const PackageFile> Open(const ustring& path);
  PackageFile(const PackageFile&) = delete;
  PackageFile& operator=(const PackageFile&) = delete;

  const ustring& path() const { return path_; }
  // Whether the passes share the open file.
  bool shared() const { return static_cast<bool>(fd_); }
  int fd() const { return fd_.get(); }
  dev_t dev() const { return dev_; }
  ino_t ino() const { return ino_; }
  off_t size() const { return size_; }

 private:
  explicit PackageFile(const ustring& path) : path_(path) {}

  const ustring path_;
  UniqueFd fd_;
  dev_t dev_ = 0;
  ino_t ino_ = 0;
  off_t size_ = 0;
};

// One reading pass. Not thread-safe; one pass per libarchive reader.
class PackagePass {
 public:
  PackagePass(std::shared_ptr<const PackageFile> file, std::shared_ptr<ExtractionWatch> watch);
  PackagePass(const PackagePass&) = delete;
  PackagePass& operator=(const PackagePass&) = delete;

  const PackageFile& file() const { return *file_; }
  const std::shared_ptr<const PackageFile>& file_ptr() const { return file_; }
  // Opens the package by name where the passes do not share it: 0, or -1
  // with errno set.
  int Open();
  // The next bytes: their number, 0 at the end, or -1 with errno set (also
  // once the extraction has been given up).
  ssize_t Read(const void** buffer);
  // Moves the offset forward by up to `request` bytes without reading them:
  // the number skipped, 0 when the reader must read instead.
  int64_t Skip(int64_t request);
  // The new offset, or -1 with errno set.
  int64_t Seek(int64_t offset, int whence);
  bool seekable() const { return file_->shared(); }
  // Whether bytes of the package lie beyond what this pass has read.
  bool before_end() const { return offset_ < file_->size(); }

 private:
  std::shared_ptr<const PackageFile> file_;
  std::shared_ptr<ExtractionWatch> watch_;
  UniqueFd own_fd_;
  int64_t offset_ = 0;
  int64_t high_water_ = 0;
  std::vector<char> buffer_;
};
