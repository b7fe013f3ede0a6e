#include "zstd_decoder.h"

#include <zstd.h>

#include <cstring>

#include "decoder_libraries.h"

namespace {

// A zstd frame's magic number, little-endian.
constexpr uint8_t kMagic[] = {0x28, 0xb5, 0x2f, 0xfd};
// A skippable frame's magic numbers: 0x184D2A50 to 0x184D2A5F, little-endian;
// the decoder steps over them as zstd does.
constexpr uint8_t kSkippableMagic[] = {0x50, 0x2a, 0x4d, 0x18};
constexpr uint8_t kSkippableVariants = 0xf0;

bool IsSkippableFrame(const uint8_t* head, size_t size) {
  return size >= sizeof kSkippableMagic && (head[0] & kSkippableVariants) == kSkippableMagic[0] &&
         memcmp(head + 1, kSkippableMagic + 1, sizeof kSkippableMagic - 1) == 0;
}

}  // namespace

bool ZstdDecoder::TakesFrame(const uint8_t* head, size_t size) {
  return size >= sizeof kMagic && memcmp(head, kMagic, sizeof kMagic) == 0;
}

ZstdDecoder::ZstdDecoder(PackagePass& pass) : input_(pass), stream_(Decoders().ZSTD_createDStream()) {
  if (stream_ && Decoders().ZSTD_isError(Decoders().ZSTD_initDStream(stream_))) {
    Decoders().ZSTD_freeDStream(stream_);
    stream_ = nullptr;
  }
}

ZstdDecoder::~ZstdDecoder() {
  if (stream_) Decoders().ZSTD_freeDStream(stream_);
}

// Between frames: the clean end of the input, the next frame, or damage.
PackageDecoder::Step ZstdDecoder::StartFrame() {
  if (!input_.FillTo(sizeof kMagic)) return Step::kReadFailed;
  if (input_.size() == 0) return Step::kEnd;
  if (!TakesFrame(input_.data(), input_.size()) && !IsSkippableFrame(input_.data(), input_.size()))
    return Damaged("bytes after the last zstd frame");
  in_frame_ = true;
  return Step::kData;
}

// As the gzip decoder: once the package's last bytes have been read, a chunk
// is handed out only when the output is full or its frame has ended with its
// checksum checked, so that a package cut short or damaged near its end
// fails before the tar reader sees its end.
PackageDecoder::Step ZstdDecoder::Next(uint8_t* out, size_t capacity, size_t* size) {
  if (!stream_) return Step::kGiveUp;
  size_t filled = 0;
  for (;;) {
    if (!in_frame_) {
      const Step start = StartFrame();
      if (start == Step::kEnd && filled > 0) break;
      if (start != Step::kData) return start;
    }
    if (input_.size() == 0 && !input_.Refill()) return Step::kReadFailed;
    ZSTD_inBuffer in = {input_.data(), input_.size(), 0};
    ZSTD_outBuffer output = {out, capacity, filled};
    const size_t r = Decoders().ZSTD_decompressStream(stream_, &output, &in);
    input_.Consume(in.pos);
    filled = output.pos;
    if (Decoders().ZSTD_isError(r)) return Damaged("damaged zstd data or a checksum that does not match");
    // 0: the frame is decoded, checked and flushed whole.
    if (r == 0) in_frame_ = false;
    if (filled == capacity) break;
    if (!in_frame_) continue;
    if (input_.size() == 0 && input_.at_end()) return Damaged("cut short in a zstd frame");
    if (input_.size() == 0 && filled > 0 && input_.more_to_read()) break;
  }
  *size = filled;
  return Step::kData;
}
