#include "package_stream.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "archive_reader.h"
#include "log.h"

namespace {

// Enough of the start of the package to tell its compression.
constexpr size_t kHeadBytes = 16;
// The code a damaged package's error carries: libarchive's own for a
// corrupt archive, which says nothing the message does not.
constexpr int kDamageErrno = EILSEQ;
// OpenRawReader's filter that stands for all of libarchive's.
constexpr int kAnyFilter = -1;
// Decoded bytes handed to libarchive at a time: the decoder runs in long
// stretches, and the buffer stays a small part of the launcher's memory.
constexpr size_t kDecodedBytes = 512 * 1024;

la_ssize_t ReadRaw(archive* a, void* pass, const void** buffer) {
  auto* p = static_cast<PackagePass*>(pass);
  const ssize_t n = p->Read(buffer);
  if (n < 0) {
    const int error = errno;
    Lib().archive_set_error(a, error, "Failed to read '%s': %s", p->file().path().c_str(), strerror(error));
  }
  return n;
}

// Passes the error of reader from on to reader to, unchanged.
void PassErrorOn(archive* from, archive* to) {
  Lib().archive_set_error(to, Lib().archive_errno(from), "%s", ErrorText(from));
}

}  // namespace

PackageStream::PackageStream(std::shared_ptr<const PackageFile> file, std::shared_ptr<ExtractionWatch> watch)
    : watch_(watch), pass_(std::move(file), std::move(watch)) {}

int PackageStream::Open() {
  if (pass_.Open() != 0) return -1;
  // Only a regular file, whose start can be looked at without consuming it,
  // and which libarchive's decoder can read again from the start.
  if (!pass_.seekable()) return 0;
  uint8_t head[kHeadBytes];
  const ssize_t n = pread(file().fd(), head, sizeof head, 0);
  if (n > 0) decoder_ = PackageDecoder::For(head, static_cast<size_t>(n), pass_);
  if (!decoder_) {
    DecodeByLibarchive();
    return 0;
  }
  LOG_MSG(L_DEBUG, "extractor_debug", "[DEBUG] extractor(%d): '%s' decoded by %s\n", file().path().c_str(),
          decoder_->name());
  decoded_.resize(kDecodedBytes);
  return 0;
}

ssize_t PackageStream::Read(archive* a, const void** buffer) {
  if (takeover_) return ReadTakenOver(a, buffer);
  if (decoder_) return ReadDecoded(a, buffer);
  return ReadRaw(a, &pass_, buffer);
}

ssize_t PackageStream::ReadDecoded(archive* a, const void** buffer) {
  size_t size = 0;
  if (last_ == PackageDecoder::Step::kData) {
    last_ = decoder_->Next(decoded_.data(), decoded_.size(), &size);
    last_error_ = last_ == PackageDecoder::Step::kReadFailed ? errno : 0;
  }
  switch (last_) {
    case PackageDecoder::Step::kData:
      *buffer = decoded_.data();
      delivered_ += static_cast<int64_t>(size);
      return static_cast<ssize_t>(size);
    case PackageDecoder::Step::kEnd:
      return 0;
    case PackageDecoder::Step::kReadFailed:
      Lib().archive_set_error(a, last_error_, "Failed to read '%s': %s", file().path().c_str(),
                              strerror(last_error_));
      return -1;
    case PackageDecoder::Step::kDamaged:
      Lib().archive_set_error(a, kDamageErrno, "Damaged package: %s", decoder_->damage());
      return -1;
    case PackageDecoder::Step::kGiveUp:
      break;
  }
  if (!TakeOver(a)) return -1;
  return ReadTakenOver(a, buffer);
}

// libarchive's own decoder of the same compression, on a reader in its raw
// format that reads the package from its start.
bool PackageStream::TakeOver(archive* a) {
  LOG_MSG(L_DEBUG, "extractor_debug",
          "[DEBUG] extractor(%d): libarchive decodes '%s' from %lld decoded bytes on\n",
          file().path().c_str(), static_cast<long long>(delivered_));
  const int filter = decoder_->filter();
  decoder_.reset();
  if (OpenRawReader(filter)) return true;
  if (takeover_) PassErrorOn(takeover_.get(), a);
  if (!takeover_) Lib().archive_set_error(a, ENOMEM, "Allocate archive failed");
  return false;
}

// A reader of libarchive's own decoders in its raw format, reading the
// package from its start: the one of `filter`, or any (kAnyFilter). Null
// when it cannot be made; set, but false, when it cannot be opened.
bool PackageStream::OpenRawReader(int filter) {
  takeover_pass_ = std::make_unique<PackagePass>(pass_.file_ptr(), watch_);
  takeover_.reset(Lib().archive_read_new());
  if (!takeover_) return false;
  archive* t = takeover_.get();
  if (filter == ARCHIVE_FILTER_GZIP) {
    Lib().archive_read_support_filter_gzip(t);
  } else if (filter == ARCHIVE_FILTER_XZ) {
    Lib().archive_read_support_filter_xz(t);
  } else {
    Lib().archive_read_support_filter_all(t);
  }
  Lib().archive_read_support_format_raw(t);
  Lib().archive_read_set_callback_data(t, takeover_pass_.get());
  Lib().archive_read_set_read_callback(t, &ReadRaw);
  archive_entry* entry = nullptr;
  return takeover_pass_->Open() == 0 && Lib().archive_read_open1(t) == ARCHIVE_OK &&
         Lib().archive_read_next_header(t, &entry) == ARCHIVE_OK;
}

// A compressed package that no faster decoder takes is decoded by
// libarchive on a reader of its own, so that it can be read to its end
// after the archive's last entry; a package of no compression is read as
// it is, and may be sought in.
void PackageStream::DecodeByLibarchive() {
  if (!OpenRawReader(kAnyFilter) || Lib().archive_filter_count(takeover_.get()) <= 1) {
    takeover_.reset();
    takeover_pass_.reset();
  }
}

int PackageStream::ReadToEnd(archive* a) {
  if (!decoded()) return 0;
  for (;;) {
    const void* buffer = nullptr;
    const ssize_t n = Read(a, &buffer);
    if (n <= 0) return n < 0 ? -1 : 0;
  }
}

// The taken-over reader's output from where the faster decoder stopped.
ssize_t PackageStream::ReadTakenOver(archive* a, const void** buffer) {
  for (;;) {
    const void* block = nullptr;
    size_t size = 0;
    int64_t offset = 0;
    const int r = Lib().archive_read_data_block(takeover_.get(), &block, &size, &offset);
    if (r == ARCHIVE_EOF) return 0;
    if (r != ARCHIVE_OK) {
      PassErrorOn(takeover_.get(), a);
      return -1;
    }
    const int64_t end = offset + static_cast<int64_t>(size);
    if (end <= delivered_) continue;
    const int64_t skip = delivered_ > offset ? delivered_ - offset : 0;
    *buffer = static_cast<const char*>(block) + skip;
    delivered_ = end;
    return static_cast<ssize_t>(end - offset - skip);
  }
}
