// PackageStream: what a libarchive reader of the package reads. A regular
// file compressed with gzip or xz is decoded before libarchive by the faster
// decoder for it (PackageDecoder), on the reading thread, and libarchive
// reads the decompressed stream. A regular file of another compression (or without
// the library for it) is decoded by libarchive on a raw reader of its own,
// whose output libarchive's archive reader reads; an uncompressed one, a
// FIFO or a device is the package's own bytes, as before.
//
// When the faster decoder gives up, libarchive's own decoder takes over: a
// reader of its own, in its raw format, reads the package from the start and
// its output continues this stream where the faster decoder stopped, with
// its errors passed on unchanged. Damage the faster decoder finds is the
// package's: it is never handed over.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "archive_handles.h"
#include "package_decoder.h"
#include "package_source.h"

class PackageStream {
 public:
  PackageStream(std::shared_ptr<const PackageFile> file, std::shared_ptr<ExtractionWatch> watch);
  PackageStream(const PackageStream&) = delete;
  PackageStream& operator=(const PackageStream&) = delete;

  PackagePass& pass() { return pass_; }
  const PackageFile& file() const { return pass_.file(); }
  // Opens the package and chooses the decoder: 0, or -1 with errno set.
  int Open();
  // Whether libarchive reads decoded bytes (and may not seek in them).
  bool decoded() const { return static_cast<bool>(decoder_) || static_cast<bool>(takeover_); }
  // The next bytes for reader a: their number, 0 at the end, or -1 with the
  // error set on a.
  ssize_t Read(archive* a, const void** buffer);
  // Reads a compressed package to its last byte once reader a has read
  // the archive's end, so that every check after it (a gzip member's CRC
  // and length, an xz stream's index and checks, a zstd frame's checksum)
  // is made: 0, or -1 with the error set on a. Costs the bytes after the
  // archive's end: its padding and the trailers.
  int ReadToEnd(archive* a);

 private:
  void DecodeByLibarchive();
  bool OpenRawReader(int filter);
  ssize_t ReadDecoded(archive* a, const void** buffer);
  bool TakeOver(archive* a);
  ssize_t ReadTakenOver(archive* a, const void** buffer);

  std::shared_ptr<ExtractionWatch> watch_;
  PackagePass pass_;
  std::unique_ptr<PackageDecoder> decoder_;
  std::vector<uint8_t> decoded_;
  // The decoder's last step once it has given one other than data: the
  // answer to every later read.
  PackageDecoder::Step last_ = PackageDecoder::Step::kData;
  int last_error_ = 0;
  // Decoded bytes handed out so far: where libarchive's decoder takes over.
  int64_t delivered_ = 0;
  std::unique_ptr<PackagePass> takeover_pass_;
  ReadHandle takeover_;
};
