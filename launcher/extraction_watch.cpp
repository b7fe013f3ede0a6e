#include "extraction_watch.h"

#include <unistd.h>

#include <cstdio>
#include <memory>
#include <utility>

#include "log.h"
#include "threads_left_behind.h"
#include "unique-file.h"

namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

// Well above any honest pause: a slow disk or a busy machine stops the
// reads for seconds, not for a minute; progress is counted per block read,
// so a large entry that takes minutes to decompress keeps moving.
constexpr milliseconds kStallBound{60 * 1000};

// The launcher's honest peak is about 40 MiB; no honest package needs a
// tenth of this, and a sanitizer build's quarantine of freed memory stays
// below it. A looping reader that allocates crosses it within seconds.
constexpr size_t kMemoryGrowthBound = size_t{512} << 20;

// How often the waiting thread looks: memory growing at a gigabyte a
// second overshoots the bound by a tenth of that, and a look costs a read
// of one small /proc file.
constexpr milliseconds kWatchdogTick{100};

constexpr size_t kMiB = size_t{1} << 20;

WatchdogBounds g_bounds{kStallBound, kMemoryGrowthBound};
// Never destroyed: a thread that was left behind may still run it at exit.
std::function<void()>& EntryHook() {
  static auto* hook = new std::function<void()>();
  return *hook;
}

// The resident size of the process, or 0 when it cannot be read.
size_t ResidentBytes() {
  UniqueFile f(fopen("/proc/self/statm", "re"));
  if (!f) return 0;
  unsigned long long size = 0;
  unsigned long long resident = 0;
  const int n = fscanf(f.get(), "%llu %llu", &size, &resident);
  const long page = sysconf(_SC_PAGESIZE);
  return n == 2 && page > 0 ? static_cast<size_t>(resident) * static_cast<size_t>(page) : 0;
}

}  // namespace

WatchdogBounds CurrentWatchdogBounds() { return g_bounds; }

void SetWatchdogBoundsForTest(const WatchdogBounds* bounds) {
  g_bounds = bounds ? *bounds : WatchdogBounds{kStallBound, kMemoryGrowthBound};
}

void SetEntryHookForTest(std::function<void()> hook) { EntryHook() = std::move(hook); }

void RunEntryHookForTest() {
  const std::function<void()>& hook = EntryHook();
  if (hook) hook();
}

void ExtractionWatch::Finish(int result) {
  std::lock_guard<std::mutex> lock(mutex_);
  finished_ = true;
  result_ = result;
  finished_cv_.notify_all();
}

bool ExtractionWatch::WaitForFinish(milliseconds timeout, int& result) {
  std::unique_lock<std::mutex> lock(mutex_);
  if (!finished_cv_.wait_for(lock, timeout, [this] { return finished_; })) return false;
  result = result_;
  return true;
}

void ExtractionWatch::Abandon() {
  // Before the thread is let go: from here on the process must not run its
  // exit-time destructors under it.
  ThreadsLeftBehind::Note();
  std::lock_guard<std::mutex> lock(mutex_);
  abandoned_.store(true, std::memory_order_release);
}

int ExtractionWatch::Wait(const ustring& source) {
  const WatchdogBounds bounds = CurrentWatchdogBounds();
  const size_t baseline = ResidentBytes();
  if (baseline == 0) {
    LOG_MSG(L_DEBUG, "extractor_debug",
            "[DEBUG] extractor(%d): cannot read the resident memory, not watched\n");
  }
  uint64_t seen = ticks_.load(std::memory_order_relaxed);
  steady_clock::time_point last_move = steady_clock::now();
  for (;;) {
    int result = -1;
    if (WaitForFinish(kWatchdogTick, result)) return result;
    const steady_clock::time_point now = steady_clock::now();
    const uint64_t ticks = ticks_.load(std::memory_order_relaxed);
    if (ticks != seen) {
      seen = ticks;
      last_move = now;
    } else if (now - last_move >= bounds.stall) {
      Abandon();
      LOG_MSG(L_ERR, "extractor_debug",
              "[ERROR] extractor(%d): Extraction of '%s' made no progress for %lld ms, giving it up\n",
              source.c_str(), static_cast<long long>(bounds.stall.count()));
      return -1;
    }
    const size_t resident = baseline ? ResidentBytes() : 0;
    if (resident > baseline && resident - baseline > bounds.memory_growth) {
      Abandon();
      LOG_MSG(L_ERR, "extractor_debug",
              "[ERROR] extractor(%d): Extraction of '%s' grew the memory by %zu MiB (bound %zu MiB), giving "
              "it up\n",
              source.c_str(), (resident - baseline) / kMiB, bounds.memory_growth / kMiB);
      return -1;
    }
  }
}
