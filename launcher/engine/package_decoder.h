// PackageDecoder: a decoder of the package's compression that runs before
// libarchive, so that libarchive reads the decompressed stream. It checks
// every check the compression carries (CRCs, lengths, checksums) and reads
// the package to its last byte. Damage it finds (a check that fails, data
// that cannot be decoded, a stream cut short, bytes after the end that the
// compression's own tool reports) is a verdict: the package is damaged,
// whatever another decoder would make of it. At what is not damage but
// beyond it (too much memory, a library that does not start) it gives up
// and libarchive's own decoder takes over at the same position of the
// output.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class PackagePass;

class PackageDecoder {
 public:
  enum class Step {
    kData,        // out holds *size decoded bytes
    kEnd,         // the input ended cleanly after its last member or stream
    kGiveUp,      // beyond this decoder: libarchive's own decoder must take over
    kReadFailed,  // reading the package failed, errno set
    kDamaged,     // the package is damaged: damage() says how
  };

  virtual ~PackageDecoder() = default;
  // Decodes into out, at most capacity bytes.
  virtual Step Next(uint8_t* out, size_t capacity, size_t* size) = 0;
  // libarchive's code of the compression decoded (ARCHIVE_FILTER_GZIP, ...):
  // the one filter that takes over when this decoder gives up.
  virtual int filter() const = 0;
  // For the log.
  virtual const char* name() const = 0;
  // After kDamaged: what is wrong, in a few words.
  const char* damage() const { return damage_; }

  // A decoder for the package whose first bytes are `head`, reading from
  // `pass` (at offset 0); null when none of the faster decoders takes it.
  static std::unique_ptr<PackageDecoder> For(const uint8_t* head, size_t size, PackagePass& pass);

 protected:
  Step Damaged(const char* what) {
    damage_ = what;
    return Step::kDamaged;
  }

 private:
  const char* damage_ = "";
};

// The compressed input of a decoder: what it has not consumed yet, refilled
// from the pass in the pass's blocks.
class DecoderInput {
 public:
  explicit DecoderInput(PackagePass& pass);

  uint8_t* data() { return buffer_.data() + begin_; }
  size_t size() const { return end_ - begin_; }
  bool at_end() const { return at_end_; }
  // Whether the package holds bytes not read yet: output decoded so far
  // cannot be the package's last.
  bool more_to_read() const;
  void Consume(size_t n) { begin_ += n; }
  // Reads one more block after the unconsumed bytes: false with errno set
  // when the read failed. At the end of the package, sets at_end.
  bool Refill();
  // Refills until at least n bytes are held or the package ends.
  bool FillTo(size_t n);
  // Consumes the zero bytes up to the package's end: true when nothing else
  // follows; false (errno 0) at another byte, or with errno set when a read
  // failed.
  bool OnlyZerosLeft();

 private:
  PackagePass& pass_;
  std::vector<uint8_t> buffer_;
  size_t begin_ = 0;
  size_t end_ = 0;
  bool at_end_ = false;
};
