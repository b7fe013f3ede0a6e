#include "gzip_decoder.h"

#include <isa-l/igzip_lib.h>

#include "decoder_libraries.h"

namespace {

// A gzip member's fixed header: magic, method, flags, time, extra flags, OS.
constexpr size_t kHeaderBytes = 10;
constexpr uint8_t kMagic0 = 0x1f;
constexpr uint8_t kMagic1 = 0x8b;
constexpr uint8_t kDeflate = 8;
// The header flags of the members this decoder takes: a text hint and a
// name, what gzip, pigz and igzip write. Extra fields, comments, header CRCs
// and reserved bits are left to libarchive.
constexpr uint8_t kTakenFlags = 0x01 | 0x08;

}  // namespace

bool GzipDecoder::TakesMember(const uint8_t* head, size_t size) {
  return size >= kHeaderBytes && head[0] == kMagic0 && head[1] == kMagic1 && head[2] == kDeflate &&
         (head[3] & ~kTakenFlags) == 0;
}

GzipDecoder::GzipDecoder(PackagePass& pass) : input_(pass), state_(std::make_unique<inflate_state>()) {
  Decoders().isal_inflate_init(state_.get());
}

GzipDecoder::~GzipDecoder() = default;

// At a member's start: the clean end of the input, the next member, or
// anything else.
PackageDecoder::Step GzipDecoder::StartMember() {
  if (!input_.FillTo(kHeaderBytes)) return Step::kReadFailed;
  if (input_.size() == 0) return Step::kEnd;
  if (!TakesMember(input_.data(), input_.size())) return Step::kGiveUp;
  Decoders().isal_inflate_reset(state_.get());
  state_->crc_flag = ISAL_GZIP;
  in_member_ = true;
  return Step::kData;
}

// A chunk is handed out when the input read so far is decoded, unless the
// package's last bytes have been read: then only once the output is full or
// its member has ended with its CRC and length checked. libarchive's own
// decoder reads ahead, and a package cut short or damaged near its end fails
// on a read that the tar reader makes before it sees its end-of-archive
// marker.
PackageDecoder::Step GzipDecoder::Next(uint8_t* out, size_t capacity, size_t* size) {
  if (!in_member_) {
    const Step start = StartMember();
    if (start != Step::kData) return start;
  }
  size_t filled = 0;
  for (;;) {
    if (input_.size() == 0 && !input_.Refill()) return Step::kReadFailed;
    state_->next_in = input_.data();
    state_->avail_in = static_cast<uint32_t>(input_.size());
    state_->next_out = out + filled;
    state_->avail_out = static_cast<uint32_t>(capacity - filled);
    const int r = Decoders().isal_inflate(state_.get());
    input_.Consume(input_.size() - state_->avail_in);
    filled = capacity - state_->avail_out;
    if (r != ISAL_DECOMP_OK) return Step::kGiveUp;
    if (state_->block_state == ISAL_BLOCK_FINISH) {
      // Bits still held would be the next member's first bytes.
      if (state_->read_in_length != 0) return Step::kGiveUp;
      in_member_ = false;
      if (filled > 0) break;
      const Step start = StartMember();
      if (start != Step::kData) return start;
      continue;
    }
    if (state_->avail_out == 0) break;
    if (input_.size() == 0 && input_.at_end()) return Step::kGiveUp;  // cut short inside the member
    if (input_.size() == 0 && filled > 0 && input_.more_to_read()) break;
  }
  *size = filled;
  return Step::kData;
}
