// XzDecoder: xz streams, concatenated and padded, through liblzma's
// multi-threaded decoder, which decodes the blocks of a stream written by
// several threads at once, one per core this process may run on. Each of
// its threads holds a whole block's input and output besides its
// dictionary, so its memory is bounded: past the bound, or with one core,
// it decodes on the calling thread, which needs no more than its dictionary.
#pragma once

#include <archive.h>
#include <lzma.h>

#include <vector>

#include "package_decoder.h"

class XzDecoder : public PackageDecoder {
 public:
  static bool TakesStream(const uint8_t* head, size_t size);

  explicit XzDecoder(PackagePass& pass);
  ~XzDecoder() override;
  Step Next(uint8_t* out, size_t capacity, size_t* size) override;
  const char* name() const override { return threaded_ ? "liblzma multi-threaded" : "liblzma"; }
  int filter() const override { return ARCHIVE_FILTER_XZ; }

 private:
  DecoderInput input_;
  lzma_stream stream_ = LZMA_STREAM_INIT;
  bool threaded_ = false;
  bool ready_ = false;
  bool input_done_ = false;
  bool ended_ = false;
};
