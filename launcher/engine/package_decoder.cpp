#include "package_decoder.h"

#include <cerrno>
#include <cstring>

#include "decoder_libraries.h"
#include "gzip_decoder.h"
#include "package_source.h"
#include "xz_decoder.h"

namespace {

// Room for the unconsumed tail of one block and the next block of the pass
// (64 KiB each); grows only when a decoder asks for more at once.
constexpr size_t kInputBytes = 128 * 1024;

}  // namespace

// A decoder of our own stays only where a benchmark row shows it gaining
// more than the noise (about 5 %) over libarchive's on a target; otherwise
// it goes. ISA-L's inflate and liblzma's threads on a multi-block xz do;
// zstd is libarchive's (the same library, no gain).
std::unique_ptr<PackageDecoder> PackageDecoder::For(const uint8_t* head, size_t size, PackagePass& pass) {
  // libarchive's own gzip decoder checks no member's CRC or length: zlib's
  // does, where ISA-L is missing.
  if (GzipDecoder::IsGzip(head, size)) {
    if (Decoders().has_isal()) return std::make_unique<GzipDecoder>(pass);
    return std::make_unique<ZlibGzipDecoder>(pass);
  }
  if (Decoders().has_lzma_mt() && XzDecoder::TakesStream(head, size))
    return std::make_unique<XzDecoder>(pass);
  return nullptr;
}

DecoderInput::DecoderInput(PackagePass& pass) : pass_(pass), buffer_(kInputBytes) {}

bool DecoderInput::Refill() {
  if (at_end_) return true;
  if (begin_ > 0) {
    memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  const void* block = nullptr;
  const ssize_t n = pass_.Read(&block);
  if (n < 0) return false;
  if (n == 0) {
    at_end_ = true;
    return true;
  }
  if (buffer_.size() - end_ < static_cast<size_t>(n)) buffer_.resize(end_ + static_cast<size_t>(n));
  memcpy(buffer_.data() + end_, block, static_cast<size_t>(n));
  end_ += static_cast<size_t>(n);
  return true;
}

bool DecoderInput::FillTo(size_t n) {
  while (size() < n && !at_end_)
    if (!Refill()) return false;
  return true;
}

bool DecoderInput::OnlyZerosLeft() {
  for (;;) {
    while (size() > 0 && *data() == 0) Consume(1);
    if (size() > 0) {
      errno = 0;
      return false;
    }
    if (at_end_) return true;
    if (!Refill()) return false;
  }
}

bool DecoderInput::more_to_read() const { return !at_end_ && pass_.before_end(); }
