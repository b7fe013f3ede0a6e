// DecoderLibraries: the faster decoders the extractor feeds libarchive with,
// looked up when the first package is read, as libarchive itself is: ISA-L's
// inflate for gzip and liblzma's multi-threaded decoder for xz, run before
// libarchive. Each library
// is optional: where it is missing, or too old to have the functions, its
// pointers stay null and libarchive decodes that compression itself.
// Loaded once, never unloaded; all functions of a library or none.
#pragma once

#include <isa-l/igzip_lib.h>
#include <lzma.h>

#define NIMBORA_ISAL_FUNCTIONS(X) \
  X(isal_inflate_init)            \
  X(isal_inflate_reset)           \
  X(isal_inflate)

#define NIMBORA_LZMA_FUNCTIONS(X) \
  X(lzma_stream_decoder_mt)       \
  X(lzma_code)                    \
  X(lzma_end)

class DecoderLibraries {
 public:
#define NIMBORA_DECODER_POINTER(name) decltype(&::name) name = nullptr;
  NIMBORA_ISAL_FUNCTIONS(NIMBORA_DECODER_POINTER)
  NIMBORA_LZMA_FUNCTIONS(NIMBORA_DECODER_POINTER)
#undef NIMBORA_DECODER_POINTER

  DecoderLibraries();
  // No library: what a machine without them has.
  struct None {};
  explicit DecoderLibraries(None) {}
  DecoderLibraries(const DecoderLibraries&) = delete;
  DecoderLibraries& operator=(const DecoderLibraries&) = delete;

  bool has_isal() const { return isal_inflate != nullptr; }
  bool has_lzma_mt() const { return lzma_stream_decoder_mt != nullptr; }
};

// The one instance, loaded on first use; thread-safe.
const DecoderLibraries& Decoders();

// Test seam: while set, Decoders() reports no library, as on a machine
// without them, and every package takes libarchive's own decoders.
void SetDecodersDisabledForTest(bool disabled);
