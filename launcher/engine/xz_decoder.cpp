#include "xz_decoder.h"

#include <algorithm>
#include <cstring>

#include "decoder_libraries.h"
#include "usable_cores.h"

namespace {

// The xz stream header's magic bytes.
constexpr uint8_t kMagic[] = {0xfd, '7', 'z', 'X', 'Z', 0x00};
// Each thread's share: a block as xz -T writes it at its default level
// (24 MiB of output, its input, an 8 MiB dictionary) fits even where it
// does not compress. A bound of 96 MiB for two threads fitted two blocks
// of the bench's package (15.8 MiB of input each: 47.9 MiB) with 0.2 MiB
// to spare; blocks that compress to 17 MiB did not, and liblzma decoded
// them one at a time with a core idle. A block that needs more than the
// whole bound is decoded on one thread, within the same bound.
constexpr uint64_t kThreadingMemoryPerThread = uint64_t{64} << 20;
// Past this even one thread is refused and libarchive decodes, as it would
// with its own limit.
constexpr uint64_t kStopMemory = uint64_t{1} << 30;
// Threads beyond this gain nothing on the machines the launcher runs on and
// each holds a block.
constexpr uint32_t kMaxThreads = 4;

// What xz itself reports for the codes liblzma gives damage.
const char* XzDamage(lzma_ret r) {
  if (r == LZMA_BUF_ERROR) return "cut short in an xz stream";
  if (r == LZMA_OPTIONS_ERROR) return "xz options xz does not know";
  return "damaged xz data or a check that does not match";
}

}  // namespace

bool XzDecoder::TakesStream(const uint8_t* head, size_t size) {
  return size >= sizeof kMagic && memcmp(head, kMagic, sizeof kMagic) == 0;
}

XzDecoder::XzDecoder(PackagePass& pass) : input_(pass) {
  const auto threads = static_cast<uint32_t>(std::clamp(UsableCores(), 1, static_cast<int>(kMaxThreads)));
  threaded_ = threads > 1;
  lzma_mt options{};
  options.flags = LZMA_CONCATENATED;
  options.threads = threads;
  options.timeout = 0;
  // A limit of 0 keeps the decoder on the calling thread.
  options.memlimit_threading = threaded_ ? kThreadingMemoryPerThread * threads : 0;
  options.memlimit_stop = kStopMemory;
  ready_ = Decoders().lzma_stream_decoder_mt(&stream_, &options) == LZMA_OK;
}

XzDecoder::~XzDecoder() { Decoders().lzma_end(&stream_); }

// As the gzip decoder: once the package's last bytes have been read, a chunk
// is handed out only when the output is full or the last stream has ended
// with its checks done, so that a package cut short or damaged near its end
// fails before the tar reader sees its end.
PackageDecoder::Step XzDecoder::Next(uint8_t* out, size_t capacity, size_t* size) {
  if (!ready_) return Step::kGiveUp;
  if (ended_) return Step::kEnd;
  size_t filled = 0;
  for (;;) {
    if (input_.size() == 0 && !input_done_) {
      if (!input_.Refill()) return Step::kReadFailed;
      input_done_ = input_.at_end() && input_.size() == 0;
    }
    stream_.next_in = input_.data();
    stream_.avail_in = input_.size();
    stream_.next_out = out + filled;
    stream_.avail_out = capacity - filled;
    const lzma_ret r = Decoders().lzma_code(&stream_, input_done_ ? LZMA_FINISH : LZMA_RUN);
    input_.Consume(input_.size() - stream_.avail_in);
    filled = capacity - stream_.avail_out;
    if (r == LZMA_STREAM_END) {
      ended_ = true;
      if (filled == 0) return Step::kEnd;
      break;
    }
    if (r == LZMA_MEM_ERROR || r == LZMA_MEMLIMIT_ERROR) return Step::kGiveUp;
    if (r != LZMA_OK) return Damaged(XzDamage(r));
    if (stream_.avail_out == 0) break;
    if (input_.size() == 0 && filled > 0 && input_.more_to_read()) break;
    // All input given, room left, and still no end: cut short.
    if (input_done_) return Damaged("cut short in an xz stream");
  }
  *size = filled;
  return Step::kData;
}
