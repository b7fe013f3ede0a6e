#include "decode_ahead.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <system_error>
#include <utility>

#include "unique-dir.h"
#include "unique-fd.h"
#include "unique-file.h"
#include "usable_cores.h"

namespace {

// Decoded bytes per chunk and chunks in flight: enough that the decoder runs
// in long stretches and a slow entry does not stall it, few enough to stay
// a small part of the launcher's memory.
constexpr size_t kChunkBytes = 512 * 1024;
constexpr size_t kChunks = 4;

// How often and how far apart the threads ready to run are counted before
// a core is judged free (5 ms in all, once for each compressed package
// extracted), and in how many of the counts every core must be taken for
// it to be judged busy: a process that keeps a core busy is ready to run in
// nearly every count, the kernel's threads that write to a disk come and
// go within milliseconds.
constexpr int kSamples = 10;
constexpr useconds_t kSampleGapMicroseconds = 500;
constexpr int kBusyInAtLeast = 8;

bool IsLast(PackageDecoder::Step step) { return step != PackageDecoder::Step::kData; }

// The threads ready to run on the machine, this one included, from the
// fourth field of /proc/loadavg ("running/total"); 0 when unknown.
int ThreadsReadyToRun() {
  char text[128];
  const UniqueFile f(fopen("/proc/loadavg", "re"));
  if (!f) return 0;
  const size_t n = fread(text, 1, sizeof text - 1, f.get());
  text[n] = '\0';
  double minute = 0, five = 0, fifteen = 0;
  int running = 0;
  return sscanf(text, "%lf %lf %lf %d/", &minute, &five, &fifteen, &running) == 4 ? running : 0;
}

// Whether the stat line of a thread ("TID (NAME) STATE ...") says it is
// running or ready to run. The name may hold any character, ')' too.
bool StatSaysRunning(const char* text) {
  const char* end_of_name = strrchr(text, ')');
  return end_of_name && end_of_name[1] == ' ' && end_of_name[2] == 'R';
}

// This process's threads that are running or ready to run, the caller
// included: at least 1.
int OwnThreadsReadyToRun() {
  const UniqueDir tasks(opendir("/proc/self/task"));
  if (!tasks) return 1;
  int ready = 0;
  while (const dirent* task = readdir(tasks.get())) {
    if (task->d_name[0] == '.') continue;
    const std::string stat = std::string(task->d_name) + "/stat";
    const UniqueFd f(openat(dirfd(tasks.get()), stat.c_str(), O_RDONLY | O_CLOEXEC));
    if (!f) continue;  // the thread has ended
    char text[512];
    const ssize_t n = read(f.get(), text, sizeof text - 1);
    if (n <= 0) continue;
    text[n] = '\0';
    if (StatSaysRunning(text)) ++ready;
  }
  return std::max(ready, 1);
}

// What CoreToSpare() answers in tests; -1 measures.
std::atomic<int> g_core_to_spare_for_test{-1};

}  // namespace

bool DecodeAhead::CoreToSpare(int busy_beside) {
  const int forced = g_core_to_spare_for_test.load(std::memory_order_relaxed);
  if (forced >= 0) return forced != 0;
  const int cores = UsableCores();
  if (cores < 2) return false;
  int busy_in = 0;
  for (int i = 0; i < kSamples; ++i) {
    if (i > 0) usleep(kSampleGapMicroseconds);
    const int ready = ThreadsReadyToRun();
    if (ready <= 0) return false;
    const int others = std::max(ready - OwnThreadsReadyToRun(), 0);
    if (others + 1 + busy_beside >= cores) ++busy_in;
  }
  return busy_in < kBusyInAtLeast;
}

void DecodeAhead::SetCoreToSpareForTest(int answer) {
  g_core_to_spare_for_test.store(answer, std::memory_order_relaxed);
}

DecodeAhead::DecodeAhead(std::unique_ptr<PackageDecoder> decoder, Placement placement)
    : decoder_(std::move(decoder)), chunks_(placement.ahead ? kChunks : 1) {
  for (Chunk& chunk : chunks_) chunk.bytes.resize(kChunkBytes);
  if (!placement.ahead) return;
  try {
    thread_ = std::thread([this, on_thread = std::move(placement.on_thread)] {
      if (on_thread) on_thread();
      DecodeAll();
    });
  } catch (const std::system_error&) {
    // Decoded on the reader's thread instead, in the first chunk.
  }
}

DecodeAhead::~DecodeAhead() {
  if (!thread_.joinable()) return;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

void DecodeAhead::Decode(Chunk& chunk) {
  chunk.size = 0;
  chunk.step = decoder_->Next(chunk.bytes.data(), chunk.bytes.size(), &chunk.size);
  chunk.error = chunk.step == PackageDecoder::Step::kReadFailed ? errno : 0;
}

void DecodeAhead::DecodeAll() {
  for (;;) {
    uint64_t next;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      changed_.wait(lock, [this] { return stopping_ || decoded_ < given_back_ + chunks_.size(); });
      if (stopping_) return;
      next = decoded_;
    }
    // The chunk is the thread's alone until it is counted as decoded.
    Chunk& chunk = chunks_[next % chunks_.size()];
    Decode(chunk);
    {
      std::lock_guard<std::mutex> lock(mutex_);
      ++decoded_;
    }
    changed_.notify_all();
    if (IsLast(chunk.step)) return;
  }
}

// Without a thread: the decoder's next chunk, decoded here.
DecodeAhead::Chunk& DecodeAhead::DecodeHere() {
  Chunk& chunk = chunks_.front();
  if (handed_out_ == 0 || !IsLast(chunk.step)) Decode(chunk);
  handed_out_ = 1;
  return chunk;
}

// Gives the chunk handed out last back to the thread and waits for the next.
DecodeAhead::Chunk& DecodeAhead::TakeDecoded() {
  std::unique_lock<std::mutex> lock(mutex_);
  if (handed_out_ > 0) {
    // The last step, once handed out, is the answer to every later call.
    Chunk& previous = chunks_[(handed_out_ - 1) % chunks_.size()];
    if (IsLast(previous.step)) return previous;
  }
  given_back_ = handed_out_;
  changed_.notify_all();
  changed_.wait(lock, [this] { return decoded_ > handed_out_; });
  return chunks_[handed_out_++ % chunks_.size()];
}

PackageDecoder::Step DecodeAhead::Next(const uint8_t** out, size_t* size) {
  const Chunk& chunk = thread_.joinable() ? TakeDecoded() : DecodeHere();
  *out = chunk.bytes.data();
  *size = chunk.size;
  if (chunk.step == PackageDecoder::Step::kReadFailed) errno = chunk.error;
  return chunk.step;
}
