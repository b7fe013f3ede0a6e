// DecodeAhead: runs a package decoder on a thread of its own, a few chunks
// ahead of the thread that writes the entries, so that decoding and writing
// take a core each, as a decoder piped into an extracting tar would. Placed
// on the reading thread, or without a thread to run on, it decodes there,
// one chunk at a time.
//
// The chunks reach the reader in the decoder's order, with the decoder's
// last step (end, give-up or read error with its errno) after the last of
// them: the reader sees exactly what calling the decoder itself would give.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "package_decoder.h"

class DecodeAhead {
 public:
  // Where the decoder runs: ahead, on a thread of its own that first runs
  // `on_thread` (to confine it), or on the reading thread.
  struct Placement {
    bool ahead = false;
    std::function<void()> on_thread;
  };

  // Whether a thread of its own gains anything now: only while a core is
  // left for it by other processes' threads ready to run, by the calling
  // thread and by `busy_beside` more threads of this process that keep a
  // core busy (a count of the package beside the extraction). The process's
  // other threads are not counted: they are at work only for moments (the
  // main thread building the dialog as the extraction starts). With every
  // core taken (several users installing at once), decoding ahead only adds
  // hand-overs between threads: four launchers at once took a sixth longer
  // on .tar.gz and .tar.zst.
  static bool CoreToSpare(int busy_beside);
  // Test seam: CoreToSpare() answers `answer` (1 or 0) whatever the
  // machine's load; -1 measures again.
  static void SetCoreToSpareForTest(int answer);

  DecodeAhead(std::unique_ptr<PackageDecoder> decoder, Placement placement);
  // Stops the decoding thread at its next chunk and waits for it.
  ~DecodeAhead();
  DecodeAhead(const DecodeAhead&) = delete;
  DecodeAhead& operator=(const DecodeAhead&) = delete;

  const PackageDecoder& decoder() const { return *decoder_; }
  // The next decoded bytes, valid until the next call; the decoder's steps.
  PackageDecoder::Step Next(const uint8_t** out, size_t* size);

 private:
  struct Chunk {
    std::vector<uint8_t> bytes;
    size_t size = 0;
    PackageDecoder::Step step = PackageDecoder::Step::kData;
    int error = 0;
  };

  void Decode(Chunk& chunk);
  void DecodeAll();
  Chunk& DecodeHere();
  Chunk& TakeDecoded();

  std::unique_ptr<PackageDecoder> decoder_;
  std::vector<Chunk> chunks_;
  std::mutex mutex_;
  std::condition_variable changed_;
  // Chunks decoded (by the thread), handed out (to the reader) and given
  // back (by the reader's next call) so far; chunk i lives in
  // chunks_[i % chunks_.size()].
  uint64_t decoded_ = 0;
  uint64_t handed_out_ = 0;
  uint64_t given_back_ = 0;
  bool stopping_ = false;
  std::thread thread_;
};
