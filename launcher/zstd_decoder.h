// ZstdDecoder: zstd frames, one after the other, through libzstd's streaming
// decoder, with the frames' checksums checked and skippable frames stepped
// over, as zstd does. Bytes after the last frame and any error of the
// decoder are damage.
#pragma once

#include <archive.h>

#include "package_decoder.h"

struct ZSTD_DCtx_s;

class ZstdDecoder : public PackageDecoder {
 public:
  // Whether a frame starting with these bytes is one this decoder takes.
  static bool TakesFrame(const uint8_t* head, size_t size);

  explicit ZstdDecoder(PackagePass& pass);
  ~ZstdDecoder() override;
  Step Next(uint8_t* out, size_t capacity, size_t* size) override;
  const char* name() const override { return "libzstd"; }
  int filter() const override { return ARCHIVE_FILTER_ZSTD; }

 private:
  Step StartFrame();

  DecoderInput input_;
  ZSTD_DCtx_s* stream_ = nullptr;
  bool in_frame_ = false;
};
