// Fault injection from outside the launcher: a launcher process in the
// background with a bounded wait, inotify and fanotify watches that find the
// moment to kill it, a package served through a FIFO that stops the
// extraction at a chosen byte, and the tar offsets to choose it by.
#pragma once

#include <archive.h>
#include <archive_entry.h>
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "child.h"
#include "open_gate.h"
#include "testutil.h"
#include "tmpfs_mount.h"

namespace testutil {

// An inotify instance whose events are read one at a time.
class Inotify {
 public:
  struct Event {
    int wd = -1;
    uint32_t mask = 0;
    std::string name;
  };

  Inotify() : fd_(inotify_init1(IN_CLOEXEC | IN_NONBLOCK)) {}
  ~Inotify() {
    if (fd_ >= 0) close(fd_);
  }
  Inotify(const Inotify&) = delete;
  Inotify& operator=(const Inotify&) = delete;

  bool ok() const { return fd_ >= 0; }
  int watch(const std::string& path, uint32_t mask) { return inotify_add_watch(fd_, path.c_str(), mask); }

  // Reads events until one satisfies pred. False when the child exits first
  // (its last events are still looked at) or the bound passes.
  bool wait_for(const std::function<bool(const Event&)>& pred, const Child* child = nullptr,
                int millis = kBoundMillis) {
    const long long end = now_millis() + millis;
    for (;;) {
      while (!pending_.empty()) {
        Event e = pending_.front();
        pending_.erase(pending_.begin());
        if (pred(e)) return true;
      }
      // Looked at before the read, so that events from just before the exit
      // are not lost.
      const bool gone = child && child->exited();
      if (read_events() > 0) continue;
      if (gone) return false;
      const long long left = end - now_millis();
      if (left <= 0) return false;
      pollfd p[2] = {{fd_, POLLIN, 0}, {child ? child->pidfd() : -1, POLLIN, 0}};
      poll(p, 2, static_cast<int>(left));
    }
  }

 private:
  int read_events() {
    alignas(inotify_event) char buf[64 * 1024];
    ssize_t n = read(fd_, buf, sizeof buf);
    if (n <= 0) return 0;
    int count = 0;
    for (char* p = buf; p < buf + n;) {
      auto* ev = reinterpret_cast<inotify_event*>(p);
      Event e;
      e.wd = ev->wd;
      e.mask = ev->mask;
      if (ev->len) e.name = ev->name;
      pending_.push_back(e);
      ++count;
      p += sizeof(inotify_event) + ev->len;
    }
    return count;
  }

  int fd_;
  std::vector<Event> pending_;
};

struct DirClose {
  void operator()(DIR* d) const { closedir(d); }
};

// The fd numbers of pid that are open on path.
inline std::vector<int> fds_open_on(pid_t pid, const std::string& path) {
  std::vector<int> fds;
  std::string dir = "/proc/" + std::to_string(pid) + "/fd";
  std::unique_ptr<DIR, DirClose> d(opendir(dir.c_str()));
  if (!d) return fds;
  while (dirent* e = readdir(d.get())) {
    if (e->d_name[0] == '.') continue;
    char buf[4096];
    ssize_t n = readlink((dir + "/" + e->d_name).c_str(), buf, sizeof buf);
    if (n > 0 && std::string(buf, static_cast<size_t>(n)) == path) fds.push_back(atoi(e->d_name));
  }
  return fds;
}

// Whether a thread of pid sits in read() on one of fds.
inline bool thread_in_read(pid_t pid, const std::vector<int>& fds) {
  std::string dir = "/proc/" + std::to_string(pid) + "/task";
  std::unique_ptr<DIR, DirClose> d(opendir(dir.c_str()));
  if (!d) return false;
  while (dirent* e = readdir(d.get())) {
    if (e->d_name[0] == '.') continue;
    std::string s = read_file(dir + "/" + e->d_name + "/syscall");
    long nr = -1;
    unsigned long arg0 = 0;
    if (sscanf(s.c_str(), "%ld 0x%lx", &nr, &arg0) != 2 || nr != SYS_read) continue;
    for (int fd : fds)
      if (static_cast<unsigned long>(fd) == arg0) return true;
  }
  return false;
}

// The package served through a FIFO, one pass at a time (the launcher reads
// it twice: to count the entries, then to extract them). Between two feeds
// the launcher can be parked: it has consumed every byte and waits in read().
class PackageFifo {
 public:
  PackageFifo(const std::string& path, std::string bytes) : path_(path), bytes_(std::move(bytes)) {
    unlink(path_.c_str());
    if (mkfifo(path_.c_str(), 0644) != 0) throw std::runtime_error("mkfifo " + path_);
    chmod(path_.c_str(), 0644);
    signal(SIGPIPE, SIG_IGN);
  }
  ~PackageFifo() { end_pass(); }
  PackageFifo(const PackageFifo&) = delete;
  PackageFifo& operator=(const PackageFifo&) = delete;

  size_t size() const { return bytes_.size(); }
  // What the next pass is fed: a package that changes between two reads.
  void replace_bytes(std::string bytes) { bytes_ = std::move(bytes); }

  // Waits until the launcher opens the FIFO for a new pass. It must have
  // closed the previous pass first, or the new bytes would go to that reader.
  bool begin_pass(const Child& child, int millis = kBoundMillis) {
    end_pass();
    const long long end = now_millis() + millis;
    while (!fds_open_on(child.pid(), path_).empty()) {
      if (child.exited() || now_millis() > end) return false;
      usleep(kPollMicros);
    }
    for (;;) {
      fd_ = open(path_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
      if (fd_ >= 0) break;
      if (errno != ENXIO || child.exited() || now_millis() > end) return false;
      usleep(kPollMicros);
    }
    fed_ = 0;
    return true;
  }

  // Writes the archive up to byte `to` (exclusive). False when the reader
  // went away or stopped reading for the whole bound.
  bool feed(size_t to, int millis = kBoundMillis) {
    if (to > bytes_.size()) to = bytes_.size();
    const long long end = now_millis() + millis;
    while (fed_ < to) {
      ssize_t n = write(fd_, bytes_.data() + fed_, to - fed_);
      if (n > 0) {
        fed_ += static_cast<size_t>(n);
        continue;
      }
      if (n < 0 && errno != EAGAIN && errno != EINTR) return false;
      const long long left = end - now_millis();
      if (left <= 0) return false;
      pollfd p{fd_, POLLOUT, 0};
      poll(&p, 1, static_cast<int>(left));
    }
    return true;
  }
  bool feed_all() { return feed(bytes_.size()); }

  // One tar block: entries start and end at its multiples.
  static constexpr size_t kTarBlock = 512;

  // Feeds a tar archive up to its end-of-archive marker and closes the pass:
  // the reader then meets the end of the stream at an entry boundary, so a
  // counting pass has nothing left over in the FIFO for the next pass. Until
  // the close it waits for the marker, so it cannot open the next pass while
  // this pass's writer is still open (it would read the close as its end).
  bool feed_entries_and_end() {
    size_t end = bytes_.find_last_not_of('\0');
    end = end == std::string::npos ? 0 : (end / kTarBlock + 1) * kTarBlock;
    const bool fed = feed(end);
    end_pass();
    return fed;
  }

  // Waits until the launcher has read every byte fed and waits in read() for
  // more: from here on it cannot move until the next feed.
  bool wait_parked(const Child& child, int millis = kBoundMillis) {
    const long long end = now_millis() + millis;
    for (;;) {
      int unread = -1;
      if (ioctl(fd_, FIONREAD, &unread) == 0 && unread == 0 &&
          thread_in_read(child.pid(), fds_open_on(child.pid(), path_)))
        return true;
      if (child.exited() || now_millis() > end) return false;
      usleep(kPollMicros);
    }
  }

  // Closes this pass: the launcher reads the end of the file.
  void end_pass() {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
  }

 private:
  std::string path_;
  std::string bytes_;
  int fd_ = -1;
  size_t fed_ = 0;
};

// Where each entry's header starts in an uncompressed archive, in archive
// order, and the entry names; the end of entry k is the start of entry k + 1.
struct ArchiveLayout {
  std::vector<std::string> names;
  std::vector<size_t> header_offsets;
  size_t end_of_entries = 0;  // where the end-of-archive marker starts
};

inline ArchiveLayout layout_of(const std::string& path) {
  ArchiveLayout l;
  std::unique_ptr<archive, decltype(&archive_read_free)> a(archive_read_new(), &archive_read_free);
  archive_read_support_format_all(a.get());
  if (archive_read_open_filename(a.get(), path.c_str(), 10240) != ARCHIVE_OK)
    throw std::runtime_error("cannot read " + path);
  archive_entry* e;
  while (archive_read_next_header(a.get(), &e) == ARCHIVE_OK) {
    // Known only once the header is read; the skip consumes data and padding.
    l.header_offsets.push_back(static_cast<size_t>(archive_read_header_position(a.get())));
    l.names.push_back(archive_entry_pathname(e));
    archive_read_data_skip(a.get());
    l.end_of_entries = static_cast<size_t>(archive_filter_bytes(a.get(), 0));
  }
  return l;
}

// The temporary folder of this test process (TMPDIR, inherited by the
// launchers it starts) on a tmpfs of its own where mounting is allowed: the
// cases make and remove thousands of files and the launcher flushes the whole
// file system before it commits a copy, which on a shared disk costs seconds.
// Where mounting is refused the ordinary temporary folder is used.
class ScratchTmp {
 public:
  explicit ScratchTmp(const std::string& size = "512m") {
    const char* t = getenv("TMPDIR");
    if (t) old_ = t, had_old_ = true;
    std::string tmpl = std::string(t && *t ? t : "/tmp") + "/nimbora-scratch-XXXXXX";
    std::vector<char> buf(tmpl.begin(), tmpl.end());
    buf.push_back('\0');
    if (!mkdtemp(buf.data())) return;
    dir_ = buf.data();
    mount_ = std::make_unique<TmpfsMount>(dir_, size);
    if (mount_->mounted()) setenv("TMPDIR", dir_.c_str(), 1);
  }
  ~ScratchTmp() {
    if (had_old_)
      setenv("TMPDIR", old_.c_str(), 1);
    else
      unsetenv("TMPDIR");
    mount_.reset();
    if (!dir_.empty()) rmdir(dir_.c_str());
  }
  ScratchTmp(const ScratchTmp&) = delete;
  ScratchTmp& operator=(const ScratchTmp&) = delete;

 private:
  std::string old_;
  bool had_old_ = false;
  std::string dir_;
  std::unique_ptr<TmpfsMount> mount_;
};

}  // namespace testutil
