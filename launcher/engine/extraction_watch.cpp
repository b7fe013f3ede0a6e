#include "extraction_watch.h"

#include <sys/sysmacros.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string>
#include <utility>

#include "log.h"
#include "shortened_bound.h"
#include "threads_left_behind.h"
#include "unique-file.h"

namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

// Well above any honest pause: a busy machine stops the reads for seconds,
// not for a minute; progress is counted per block read, so a large entry
// that takes minutes to decompress keeps moving, and per block the disk
// writes back, so a slow disk that takes minutes to flush keeps moving too.
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

// The unit of the block layer's counters of written data.
constexpr uint64_t kSectorBytes = 512;
// Pages of the kernel's count of pages written back, and what is read of
// its files: one small line each.
constexpr uint64_t kPageBytes = 4096;
constexpr size_t kCounterTextBytes = 512;

// NIMBORA_STALL_MS shortens the stall bound (the tests of a stalled package
// need not wait a minute).
milliseconds StallBound() { return ShortenedBound("NIMBORA_STALL_MS", kStallBound); }

WatchdogBounds g_bounds{StallBound(), kMemoryGrowthBound};
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

std::string ReadSmallFile(const std::string& path) {
  UniqueFile f(fopen(path.c_str(), "re"));
  if (!f) return "";
  char text[kCounterTextBytes];
  const size_t n = fread(text, 1, sizeof text - 1, f.get());
  return std::string(text, n);
}

// Bytes the disk of `dev` has written so far, as the block layer counts
// them (the seventh field of its stat file: sectors written), for a file
// system on a block device (a partition, a loop or mapped device). For one
// without (a network, FUSE or multi-device file system) the kernel's count
// of pages written back anywhere, which still moves while a flush makes
// progress. 0 when neither can be read.
uint64_t WrittenBack(dev_t dev) {
  if (dev != 0 && major(dev) != 0) {
    const std::string stat = ReadSmallFile("/sys/dev/block/" + std::to_string(major(dev)) + ":" +
                                           std::to_string(minor(dev)) + "/stat");
    unsigned long long f[7] = {};
    if (sscanf(stat.c_str(), "%llu %llu %llu %llu %llu %llu %llu", &f[0], &f[1], &f[2], &f[3], &f[4], &f[5],
               &f[6]) == 7)
      return f[6] * kSectorBytes;
  }
  UniqueFile f(fopen("/proc/vmstat", "re"));
  if (!f) return 0;
  char name[64];
  unsigned long long value = 0;
  while (fscanf(f.get(), "%63s %llu", name, &value) == 2)
    if (std::string(name) == "nr_written") return value * kPageBytes;
  return 0;
}

}  // namespace

WatchdogBounds CurrentWatchdogBounds() { return g_bounds; }

void SetWatchdogBoundsForTest(const WatchdogBounds* bounds) {
  g_bounds = bounds ? *bounds : WatchdogBounds{StallBound(), kMemoryGrowthBound};
}

void SetEntryHookForTest(std::function<void()> hook) { EntryHook() = std::move(hook); }

void RunEntryHookForTest() {
  const std::function<void()>& hook = EntryHook();
  if (hook) hook();
}

void ExtractionWatch::Finish(int result) {
  state_.Change([result](std::optional<int>& finished) { finished = result; });
}

bool ExtractionWatch::WaitForFinish(milliseconds timeout, int& result) {
  const auto state =
      state_.WaitFor(timeout, [](const std::optional<int>& finished) { return finished.has_value(); });
  if (!state) return false;
  result = **state;
  return true;
}

void ExtractionWatch::Abandon() {
  // Before the thread is let go: from here on the process must not run its
  // exit-time destructors under it.
  ThreadsLeftBehind::Note();
  state_.Change([this](std::optional<int>&) { abandoned_.store(true, std::memory_order_release); });
}

int ExtractionWatch::GiveUp(const ustring& source, milliseconds stall) {
  Abandon();
  if (flushing_.load(std::memory_order_relaxed)) {
    disk_stalled_ = true;
    LOG_MSG(L_ERR, "extractor_debug",
            "[ERROR] extractor(%d): The flush of '%s' made no progress for %lld ms: the disk writes nothing "
            "back, giving it up (not the package's fault)\n",
            source.c_str(), static_cast<long long>(stall.count()));
    return -1;
  }
  LOG_MSG(L_ERR, "extractor_debug",
          "[ERROR] extractor(%d): Extraction of '%s' made no progress for %lld ms, giving it up\n",
          source.c_str(), static_cast<long long>(stall.count()));
  return -1;
}

int ExtractionWatch::Wait(const ustring& source) {
  const WatchdogBounds bounds = CurrentWatchdogBounds();
  const size_t baseline = ResidentBytes();
  if (baseline == 0) {
    LOG_MSG(L_DEBUG, "extractor_debug",
            "[DEBUG] extractor(%d): cannot read the resident memory, not watched\n");
  }
  uint64_t seen = ticks_.load(std::memory_order_relaxed);
  uint64_t written = 0;
  steady_clock::time_point last_move = steady_clock::now();
  steady_clock::time_point last_package_move = last_move;
  bool slow_logged = false;
  for (;;) {
    int result = -1;
    if (WaitForFinish(kWatchdogTick, result)) return result;
    const steady_clock::time_point now = steady_clock::now();
    const uint64_t ticks = ticks_.load(std::memory_order_relaxed);
    // Only the flush waits on the disk alone: while entries are written, the
    // disk of a busy machine moves whatever the extraction does.
    const bool flushing = flushing_.load(std::memory_order_relaxed);
    const uint64_t disk = flushing ? WrittenBack(dev_.load(std::memory_order_relaxed)) : 0;
    if (ticks != seen) {
      seen = ticks;
      last_move = last_package_move = now;
    } else if (flushing && disk != written) {
      last_move = now;
      if (!slow_logged && now - last_package_move >= bounds.stall) {
        slow_logged = true;
        LOG_MSG(L_WARNING, "extractor_debug",
                "[WARNING] extractor(%d): the disk is slow: the flush of what '%s' holds has taken %lld ms, "
                "the disk still writing back; waiting on\n",
                source.c_str(), static_cast<long long>(bounds.stall.count()));
      }
    } else if (now - last_move >= bounds.stall) {
      return GiveUp(source, bounds.stall);
    }
    written = disk;
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
