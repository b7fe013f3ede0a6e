// Gzip members, one after the other: GzipDecoder through ISA-L's inflate,
// ZlibGzipDecoder through zlib's where ISA-L is missing. Both check each
// member's header, CRC and length, take the zero bytes gzip itself accepts
// after the last member, and find everything else damaged, as gzip does.
#pragma once

#include <archive.h>
#include <zlib.h>

#include <memory>
#include <vector>

#include "package_decoder.h"

struct inflate_state;

class GzipDecoder : public PackageDecoder {
 public:
  // Whether a package starting with these bytes is gzip.
  static bool IsGzip(const uint8_t* head, size_t size);

  explicit GzipDecoder(PackagePass& pass);
  ~GzipDecoder() override;
  Step Next(uint8_t* out, size_t capacity, size_t* size) override;
  const char* name() const override { return "ISA-L inflate"; }
  int filter() const override { return ARCHIVE_FILTER_GZIP; }

 private:
  Step StartMember();

  DecoderInput input_;
  std::unique_ptr<inflate_state> state_;
  bool in_member_ = false;
};

class ZlibGzipDecoder : public PackageDecoder {
 public:
  explicit ZlibGzipDecoder(PackagePass& pass);
  ~ZlibGzipDecoder() override;
  Step Next(uint8_t* out, size_t capacity, size_t* size) override;
  const char* name() const override { return "zlib inflate"; }
  int filter() const override { return ARCHIVE_FILTER_GZIP; }

 private:
  Step StartMember();

  DecoderInput input_;
  z_stream stream_{};
  bool ready_ = false;
  bool in_member_ = false;
};
