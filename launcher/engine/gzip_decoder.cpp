#include "gzip_decoder.h"

#include <isa-l/igzip_lib.h>

#include <algorithm>
#include <cerrno>
#include <climits>

#include "decoder_libraries.h"

namespace {

// A gzip member's fixed header: magic, method, flags, time, extra flags, OS.
constexpr size_t kHeaderBytes = 10;
constexpr uint8_t kMagic0 = 0x1f;
constexpr uint8_t kMagic1 = 0x8b;
constexpr uint8_t kDeflate = 8;
// The header flags gzip knows (text, header CRC, extra field, name, comment);
// gzip refuses a member with any other.
constexpr uint8_t kKnownFlags = 0x1f;
// zlib's window bits for a gzip member with its header and trailer.
constexpr int kZlibGzipWindow = 15 + 16;

// At a member's start: kData for the next member, kEnd for the clean end
// (nothing, or only zeros, left), kDamaged (with `damage` set) or
// kReadFailed.
PackageDecoder::Step AtMemberStart(DecoderInput& input, const char** damage) {
  if (!input.FillTo(kHeaderBytes)) return PackageDecoder::Step::kReadFailed;
  const uint8_t* h = input.data();
  if (input.size() >= 2 && h[0] == kMagic0 && h[1] == kMagic1) {
    if (input.size() < kHeaderBytes) {
      *damage = "cut short in a gzip header";
      return PackageDecoder::Step::kDamaged;
    }
    if (h[2] != kDeflate || (h[3] & ~kKnownFlags) != 0) {
      *damage = "a gzip header gzip does not know";
      return PackageDecoder::Step::kDamaged;
    }
    return PackageDecoder::Step::kData;
  }
  if (input.OnlyZerosLeft()) return PackageDecoder::Step::kEnd;
  if (errno != 0) return PackageDecoder::Step::kReadFailed;
  *damage = "bytes after the last gzip member";
  return PackageDecoder::Step::kDamaged;
}

// ISA-L and zlib tell the kinds of damage apart differently: the log says
// the same whichever decoded the package.
constexpr char kDamagedMember[] = "damaged gzip data, CRC or length";

}  // namespace

bool GzipDecoder::IsGzip(const uint8_t* head, size_t size) {
  return size >= 2 && head[0] == kMagic0 && head[1] == kMagic1;
}

GzipDecoder::GzipDecoder(PackagePass& pass) : input_(pass), state_(std::make_unique<inflate_state>()) {
  Decoders().isal_inflate_init(state_.get());
}

GzipDecoder::~GzipDecoder() = default;

PackageDecoder::Step GzipDecoder::StartMember() {
  const char* damage = "";
  const Step boundary = AtMemberStart(input_, &damage);
  if (boundary == Step::kDamaged) return Damaged(damage);
  if (boundary != Step::kData) return boundary;
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
    if (r < 0 || r == ISAL_NEED_DICT) return Damaged(kDamagedMember);
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
    if (input_.size() == 0 && input_.at_end()) return Damaged("cut short in a gzip member");
    if (input_.size() == 0 && filled > 0 && input_.more_to_read()) break;
  }
  *size = filled;
  return Step::kData;
}

ZlibGzipDecoder::ZlibGzipDecoder(PackagePass& pass) : input_(pass) {
  ready_ = inflateInit2(&stream_, kZlibGzipWindow) == Z_OK;
}

ZlibGzipDecoder::~ZlibGzipDecoder() {
  if (ready_) inflateEnd(&stream_);
}

PackageDecoder::Step ZlibGzipDecoder::StartMember() {
  const char* damage = "";
  const Step boundary = AtMemberStart(input_, &damage);
  if (boundary == Step::kDamaged) return Damaged(damage);
  if (boundary != Step::kData) return boundary;
  if (inflateReset(&stream_) != Z_OK) return Step::kGiveUp;
  in_member_ = true;
  return Step::kData;
}

// As ISA-L's: the last chunk only once its member is checked.
PackageDecoder::Step ZlibGzipDecoder::Next(uint8_t* out, size_t capacity, size_t* size) {
  if (!ready_) return Step::kGiveUp;
  if (!in_member_) {
    const Step start = StartMember();
    if (start != Step::kData) return start;
  }
  size_t filled = 0;
  for (;;) {
    if (input_.size() == 0 && !input_.Refill()) return Step::kReadFailed;
    stream_.next_in = input_.data();
    stream_.avail_in = static_cast<uInt>(std::min<size_t>(input_.size(), UINT_MAX));
    stream_.next_out = out + filled;
    stream_.avail_out = static_cast<uInt>(capacity - filled);
    const size_t offered = stream_.avail_in;
    const int r = inflate(&stream_, Z_NO_FLUSH);
    input_.Consume(offered - stream_.avail_in);
    filled = capacity - stream_.avail_out;
    if (r == Z_DATA_ERROR || r == Z_NEED_DICT) return Damaged(kDamagedMember);
    if (r == Z_MEM_ERROR || r == Z_STREAM_ERROR) return Step::kGiveUp;
    if (r == Z_STREAM_END) {
      in_member_ = false;
      if (filled > 0) break;
      const Step start = StartMember();
      if (start != Step::kData) return start;
      continue;
    }
    if (stream_.avail_out == 0) break;
    if (input_.size() == 0 && input_.at_end()) return Damaged("cut short in a gzip member");
    if (input_.size() == 0 && filled > 0 && input_.more_to_read()) break;
  }
  *size = filled;
  return Step::kData;
}
